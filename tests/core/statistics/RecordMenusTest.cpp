// The record popup commands: the one table the popups are built from, what choosing a command
// records in the history, and the captions a record gives its popup.

#include "statistics/RecordMenus.h"
#include "RecordFixture.h"
#include "mainwindow/GridInteraction.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace qor {
namespace {

using P = RecordProducer;
using testing::RecordListTest;

TEST(RecordMenuTable, EveryCommandWithItsKindProducerAndPopup) {
    const auto commands = RecordMenuCommands();
    ASSERT_EQ(commands.size(), 45u);
    std::set<std::string_view> items;
    std::set<int> kinds;
    for (const RecordMenuCommand& c : commands) {
        items.insert(c.Item);
        kinds.insert(c.HistoryKind);
    }
    EXPECT_EQ(items.size(), 45u);
    // The history kinds 11..55, each once.
    EXPECT_EQ(kinds.size(), 45u);
    EXPECT_EQ(*kinds.begin(), 11);
    EXPECT_EQ(*kinds.rbegin(), 55);

    struct Expected {
        const char* item;
        GridPopup popup;
        const char* submenu;
        std::uint16_t kind;
        P producer;
        RecordKind recordKind;
    };
    const Expected expected[] = {
        {"Races7", GridPopup::Driver, "All1", 23, P::DriverAllList, rkRaces},
        {"poles3", GridPopup::Driver, "onthisteam1", 22, P::DriverTeamList, rkPoles},
        {"Podiums7", GridPopup::Team, "onthispist2", 52, P::TeamPistList, rkPodiums},
        {"wins6", GridPopup::Team, "bythisdriver1", 28, P::DriverTeamList, rkWins},
        {"AllRaces2", GridPopup::Track, "", 43, P::AllRaces2Click, rkRaces},
        {"Podiums9", GridPopup::Track, "", 55, P::PistRecordList, rkPodiums},
    };
    for (const Expected& e : expected) {
        const RecordMenuCommand* c = FindRecordMenuCommand(e.item);
        ASSERT_NE(c, nullptr) << e.item;
        EXPECT_EQ(c->Popup, e.popup) << e.item;
        EXPECT_EQ(c->Submenu, e.submenu) << e.item;
        EXPECT_EQ(c->HistoryKind, e.kind) << e.item;
        EXPECT_EQ(c->Producer, e.producer) << e.item;
        EXPECT_EQ(c->Kind, e.recordKind) << e.item;
    }
    // The one item whose caption differs from its siblings'.
    EXPECT_EQ(FindRecordMenuCommand("FL3")->Caption, "Fastest Lap");
    EXPECT_EQ(FindRecordMenuCommand("FL1")->Caption, "Fastest Laps");
    EXPECT_EQ(FindRecordMenuCommand("Aboutdriver1"), nullptr);

    // Every submenu holds the five kinds once, all of one producer; every item sits in a
    // submenu of its popup.
    std::map<std::string_view, std::set<int>> bySubmenu;
    std::map<std::string_view, std::set<P>> producers;
    for (const RecordMenuCommand& c : commands) {
        if (c.Submenu.empty()) continue;
        bySubmenu[c.Submenu].insert(c.Kind);
        producers[c.Submenu].insert(c.Producer);
        bool found = false;
        for (const RecordSubmenu& s : RecordSubmenus())
            found = found || (s.Item == c.Submenu && s.Popup == c.Popup);
        EXPECT_TRUE(found) << c.Item;
    }
    EXPECT_EQ(bySubmenu.size(), RecordSubmenus().size());
    for (const auto& [submenu, producersIn] : producers)
        EXPECT_EQ(producersIn.size(), 1u) << submenu;
    for (const auto& [submenu, kindsIn] : bySubmenu)
        EXPECT_EQ(kindsIn, (std::set<int>{rkPodiums, rkRaces, rkWins, rkFastestLaps, rkPoles}))
            << submenu;
}

TEST(RecordMenuTable, FindingTheCommandOfAProducer) {
    EXPECT_EQ(FindRecordMenuCommand(P::DriverTeamList, rkWins, GridPopup::Driver)->Item, "wins3");
    EXPECT_EQ(FindRecordMenuCommand(P::DriverTeamList, rkWins, GridPopup::Team)->Item, "wins6");
    EXPECT_EQ(FindRecordMenuCommand(P::AllRaces2Click, rkPoles, GridPopup::Track)->Item,
              "AllRaces2");
    // The track menu has no races list of its own.
    EXPECT_EQ(FindRecordMenuCommand(P::PistRecordList, rkRaces, GridPopup::Track), nullptr);
    EXPECT_EQ(FindRecordMenuCommand(P::TeamAllList, rkWins, GridPopup::Driver), nullptr);
}

TEST_F(RecordListTest, ACommandRecordsItsTableAndReRunsIt) {
    ctx.grid.SelectedRecord = 3;
    RunRecordMenuCommand(ctx, *FindRecordMenuCommand("Podiums8")); // Blue's podiums
    ASSERT_EQ(ctx.history.HistCount(), 1);
    const THistoryEntry& first = ctx.history.Entry(1);
    EXPECT_EQ(first.Kind, 51);
    EXPECT_EQ(first.Value1, 3);
    EXPECT_EQ(first.Value2, 0);
    EXPECT_EQ(first.Caption, "Blue   (Podiums   1-2-3)");
    EXPECT_EQ(Keys(), (std::vector<int>{3, 5, 8, 9, 16, 18, 20}));

    ctx.grid.SelectedRecord = 20;
    RunRecordMenuCommand(ctx, *FindRecordMenuCommand("races2")); // Able in 1991
    EXPECT_EQ(ctx.history.HistCount(), 2);
    EXPECT_EQ(ctx.history.Entry(2).Kind, 15);
    EXPECT_EQ(ctx.history.ItemCaption(1), "Alan Able     1991");

    // Back rebuilds Blue's podiums from its record, without a new entry.
    ctx.history.Back();
    EXPECT_EQ(ctx.history.HistCount(), 2);
    EXPECT_EQ(ctx.grid.SelectedRecord, 3);
    EXPECT_EQ(Table().TitleLabel, "Blue   (Podiums   1-2-3)");
    EXPECT_EQ(Keys(), (std::vector<int>{3, 5, 8, 9, 16, 18, 20}));
    EXPECT_EQ(ctx.history.ItemCaption(0), "Blue   (Podiums   1-2-3)");
    ctx.history.Next();
    EXPECT_EQ(Keys(), (std::vector<int>{13, 20}));
}

TEST_F(RecordListTest, APopupOpenedOnARecordTakesItsCaptions) {
    const auto caption = [&](const char* item) { return ctx.MenuCaptions[item]; };
    OpenRecordPopup(ctx, GridPopup::Driver, 20);
    EXPECT_EQ(ctx.grid.SelectedRecord, 20);
    EXPECT_EQ(ctx.browser.DriverBox, "Alan Able");
    EXPECT_EQ(caption("Aboutdriver1"), "Alan Able");
    EXPECT_EQ(caption("onthispist1"), "Beta");
    EXPECT_EQ(caption("onthisyear1"), "1991");
    EXPECT_EQ(caption("onthisteam1"), "Blue");

    OpenRecordPopup(ctx, GridPopup::Team, 9);
    EXPECT_EQ(ctx.grid.SelectedRecord, 9);
    EXPECT_EQ(caption("aboutteam1"), "Blue");
    EXPECT_EQ(caption("bythisdriver1"), "Carl Cole");
    EXPECT_EQ(caption("onthisyear2"), "1990");
    EXPECT_EQ(caption("onthispist2"), "Alpha");
    EXPECT_EQ(ctx.browser.DriverBox, "Alan Able"); // only the driver menu sets the box

    OpenRecordPopup(ctx, GridPopup::Track, 16);
    EXPECT_EQ(caption("aboutpist1"), "Beta");

    // The same captions as a right click on the record's row in the grid gives.
    GridFilter filter(ctx.grid.Roles());
    GridInteraction grid(ctx.grid, filter, *db);
    ctx.grid.SelectedRecord = 1;
    DriverAllList(ctx, rkRaces);
    const GridAction action = grid.MouseDown(Table(), 3, 5, MouseButton::Right, false);
    ASSERT_EQ(action.Popup, GridPopup::Driver);
    EXPECT_EQ(ctx.grid.SelectedRecord, 20);
    for (const MenuCaption& c : action.Captions)
        EXPECT_EQ(caption(c.Item.c_str()), c.Caption);
}

TEST_F(RecordListTest, ARightClickOnAListRowLeadsToTheListsOfThatRecord) {
    GridFilter filter(ctx.grid.Roles());
    GridInteraction grid(ctx.grid, filter, *db);
    ctx.grid.SelectedRecord = 1;
    RunRecordMenuCommand(ctx, *FindRecordMenuCommand("Allraces1")); // Red's races
    // Row 10 is Dunn's GP5 record (17); its team cell opens the team menu on it.
    ASSERT_EQ(Table().Cell(8, 10), "17");
    const GridAction action = grid.MouseDown(Table(), 4, 10, MouseButton::Right, false);
    ASSERT_EQ(action.Popup, GridPopup::Team);
    RunRecordMenuCommand(ctx, *FindRecordMenuCommand("wins5")); // Red in 1991
    EXPECT_EQ(Table().TitleLabel, "Red     1991   (Wins)");
    EXPECT_EQ(Keys(), (std::vector<int>{11, 22}));
    EXPECT_EQ(ctx.history.Entry(2).Value1, 17);
}

} // namespace
} // namespace qor
