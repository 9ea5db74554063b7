// The record popup commands: the one table the popups are built from, what choosing a command
// records in the history, and the captions a record gives its popup.

#include "statistics/RecordMenus.h"
#include "support/StatisticsFixtures.h"

#include <map>
#include <set>

namespace qor::testing {
namespace {

using P = RecordProducer;

TEST(RecordMenuTable, EverySubmenuHoldsTheFiveKindsOfOneProducer) {
    const auto commands = RecordMenuCommands();
    std::set<std::string_view> items;
    std::set<int> kinds;
    std::map<std::string_view, std::set<int>> bySubmenu;
    std::map<std::string_view, std::set<P>> producers;
    for (const RecordMenuCommand& c : commands) {
        items.insert(c.Item);
        kinds.insert(c.HistoryKind);
        EXPECT_EQ(FindRecordMenuCommand(c.Item)->HistoryKind, c.HistoryKind) << c.Item;
        if (c.Submenu.empty()) continue;
        bySubmenu[c.Submenu].insert(c.Kind);
        producers[c.Submenu].insert(c.Producer);
        bool found = false; // every item sits in a submenu of its popup
        for (const RecordSubmenu& s : RecordSubmenus())
            found = found || (s.Item == c.Submenu && s.Popup == c.Popup);
        EXPECT_TRUE(found) << c.Item;
    }
    // 45 items, history kinds 11..55 each once.
    EXPECT_EQ(items.size(), 45u);
    EXPECT_EQ(kinds.size(), 45u);
    EXPECT_EQ(*kinds.begin(), 11);
    EXPECT_EQ(*kinds.rbegin(), 55);
    EXPECT_EQ(bySubmenu.size(), RecordSubmenus().size());
    for (const auto& [submenu, producersIn] : producers)
        EXPECT_EQ(producersIn.size(), 1u) << submenu;
    for (const auto& [submenu, kindsIn] : bySubmenu)
        EXPECT_EQ(kindsIn, (std::set<int>{rkPodiums, rkRaces, rkWins, rkFastestLaps, rkPoles}))
            << submenu;

    EXPECT_EQ(FindRecordMenuCommand(P::DriverTeamList, rkWins, GridPopup::Driver)->Item, "wins3");
    EXPECT_EQ(FindRecordMenuCommand(P::AllRaces2Click, rkPoles, GridPopup::Track)->Item,
              "AllRaces2");
    // The track menu has no races list of its own.
    EXPECT_EQ(FindRecordMenuCommand(P::PistRecordList, rkRaces, GridPopup::Track), nullptr);
    EXPECT_EQ(FindRecordMenuCommand(P::TeamAllList, rkWins, GridPopup::Driver), nullptr);
    EXPECT_EQ(FindRecordMenuCommand("Aboutdriver1"), nullptr);
}

TEST_F(RecordListTest, ACommandRecordsItsTableAndReRunsIt) {
    Ctx().grid.SelectedRecord = 3;
    RunRecordMenuCommand(Ctx(), *FindRecordMenuCommand("Podiums8")); // Blue's podiums
    ASSERT_EQ(Ctx().history.HistCount(), 1);
    EXPECT_EQ(Current().Kind, 51);
    EXPECT_EQ(Current().Value1, 3);
    EXPECT_EQ(Current().Caption, "Blue   (Podiums   1-2-3)");
    const std::vector<int> podiums = {3, 5, 8, 9, 16, 18, 20};
    EXPECT_EQ(Keys(), podiums);

    Ctx().grid.SelectedRecord = 13; // a Red record: Back must restore Blue's
    RunRecordMenuCommand(Ctx(), *FindRecordMenuCommand("races2")); // Able in 1991

    // Back rebuilds Blue's podiums from its record, without a new entry.
    Ctx().history.Back();
    EXPECT_EQ(Ctx().history.HistCount(), 2);
    EXPECT_EQ(Keys(), podiums);
    Ctx().history.Next();
    EXPECT_EQ(Keys(), (std::vector<int>{13, 20}));
}

TEST_F(RecordListTest, APopupOpenedOnARecordTakesItsCaptions) {
    const auto caption = [&](const char* item) { return Ctx().MenuCaptions[item]; };
    OpenRecordPopup(Ctx(), GridPopup::Driver, 20);
    EXPECT_EQ(Ctx().grid.SelectedRecord, 20);
    EXPECT_EQ(Ctx().browser.DriverBox, "Alan Able");
    EXPECT_EQ(caption("Aboutdriver1") + "|" + caption("onthispist1") + "|" +
                  caption("onthisyear1") + "|" + caption("onthisteam1"),
              "Alan Able|Beta|1991|Blue");
    OpenRecordPopup(Ctx(), GridPopup::Team, 9);
    EXPECT_EQ(caption("aboutteam1") + "|" + caption("bythisdriver1") + "|" +
                  caption("onthisyear2") + "|" + caption("onthispist2"),
              "Blue|Carl Cole|1990|Alpha");
    EXPECT_EQ(Ctx().browser.DriverBox, "Alan Able"); // only the driver menu sets the box
    OpenRecordPopup(Ctx(), GridPopup::Track, 16);
    EXPECT_EQ(caption("aboutpist1"), "Beta");
}

} // namespace
} // namespace qor::testing
