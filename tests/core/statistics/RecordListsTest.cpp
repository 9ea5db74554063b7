// The record lists on a small built database: which records each producer lists for each kind,
// their headings, cells and count; the popup commands over them; shared cars and track 0.

#include "statistics/RecordLists.h"
#include "statistics/RecordMenus.h"
#include "support/StatisticsFixtures.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace qor::testing {
namespace {

using P = RecordProducer;

std::string Tm(const char* text) {
    return The_Class::FormatTime(The_Class::ParseTime(text));
}

constexpr RecordKind kKinds[] = {rkRaces, rkWins, rkPodiums, rkFastestLaps, rkPoles};

// The lists of one producer opened on one record, hand-computed from RecordDatabase.h:
// keys for races, wins, podiums, fastest laps and poles.
struct Subject {
    P producer;
    std::uint16_t record;
    std::array<std::vector<int>, 5> keys;
    const char* why;
};

// clang-format off
const Subject kSubjects[] = {
    {P::DriverAllList, 1, {{{1, 6, 10, 13, 20}, {1, 20}, {1, 6, 13, 20}, {13}, {1, 20}}},
     "a shared car counts once (13, not 15); empty GP6 is no win of the next GP's first record"},
    {P::DriverAllList, 3, {{{3, 5, 9, 14, 18}, {5}, {3, 5, 9, 18}, {3, 18}, {9}}},
     "second but first record of GP2: a win; one row for two cars in GP5"},
    {P::DriverAllList, 4, {{{4, 11, 17, 21, 22}, {11, 22}, {11, 17, 21}, {21}, {11, 22}}},
     "the unplaced first record of GP8 wins; GP2's fastest lap without a record gives none"},
    {P::DriverPistList, 1, {{{1, 10, 13}, {1}, {1, 13}, {13}, {1}}}, "on Alpha"},
    {P::DriverYearList, 20, {{{13, 20}, {20}, {13, 20}, {13}, {20}}}, "in 1991"},
    {P::DriverTeamList, 1, {{{1, 6, 10, 13}, {1}, {1, 6, 13}, {13}, {1}}},
     "with Red: his Blue win and pole of GP7 are not Red's"},
    {P::TeamAllList, 3, {{{3, 4, 5, 8, 9, 14, 16, 18, 19, 20, 23}, {5, 8, 16, 20},
                          {3, 5, 8, 9, 16, 18, 20}, {3, 8, 18, 23}, {9, 16, 20}}},
     "Blue: a row per car; GP5's fastest lap gives Cole's first Blue record only"},
    {P::TeamAllList, 1, {{{1, 2, 6, 7, 10, 11, 12, 13, 15, 17, 21, 22}, {1, 11, 22},
                          {1, 2, 6, 11, 12, 13, 17, 21}, {13, 21}, {1, 7, 11, 22}}},
     "Red: three GP4 podium rows; the fastest lap stops at Able's first Red record"},
    {P::TeamPistList, 15, {{{1, 2, 10, 11, 12, 13, 15}, {1, 11}, {1, 2, 11, 12, 13}, {13},
                           {1, 11}}},
     "Red on Alpha"},
    {P::TeamYearList, 3, {{{3, 4, 5, 8, 9}, {5, 8}, {3, 5, 8, 9}, {3, 8}, {9}}}, "Blue in 1990"},
    {P::PistRecordList, 1, {{{1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14, 15}, {1, 8, 11},
                             {1, 2, 3, 8, 9, 11, 12, 13}, {3, 8, 13}, {1, 9, 11}}},
     "every driver on Alpha"},
    {P::PistRecordList, 5, {{{5, 6, 7, 16, 17, 18, 19, 20, 21, 22, 23}, {5, 16, 20, 22},
                             {5, 6, 16, 17, 18, 20, 21}, {18, 21, 23}, {7, 16, 20, 22}}},
     "every driver on Beta"},
};
// clang-format on

TEST_F(RecordListTest, EveryProducerAndKindListsTheHandComputedRecords) {
    for (const Subject& s : kSubjects) {
        for (std::size_t k = 0; k < 5; ++k) {
            SCOPED_TRACE(::testing::Message()
                         << static_cast<int>(s.producer) << " record " << s.record << " kind "
                         << kKinds[k] << ": " << s.why);
            Ctx().grid.SelectedRecord = s.record;
            RunRecordProducer(Ctx(), s.producer, kKinds[k]);
            const std::vector<int>& keys = s.keys[k];
            EXPECT_EQ(Keys(), keys);
            EXPECT_EQ(T().CountLabel, std::to_string(keys.size()) + "  record(s) found.");
            // Rows are numbered 1, 2, ... in list order; an empty list keeps one blank row.
            EXPECT_EQ(T().RowCount(), std::max<int>(2, static_cast<int>(keys.size()) + 1));
            for (int r = 1; r <= static_cast<int>(keys.size()); ++r)
                EXPECT_EQ(T().Cell(0, r), std::to_string(r));
        }
    }
}

TEST_F(RecordListTest, HeadingsAndRowCells) {
    // On a track: no track column.
    Ctx().grid.SelectedRecord = 1;
    Ctx().browser.Info.Visible = true;
    DriverPistList(Ctx(), rkRaces);
    EXPECT_EQ(T().TitleLabel, "Alpha - Alan Able");
    EXPECT_FALSE(Ctx().browser.Info.Visible); // the GP information panel is hidden
    EXPECT_EQ(RowCells(T(), 2),
              (Strings{"2", "06 May 1990", "Alan Able", "Red", "", Tm("lap 30"), "Engine", "10"}));
    // The fastest lap list shows the GP's fastest lap time.
    TeamPistList(Ctx(), rkFastestLaps);
    EXPECT_EQ(T().TitleLabel + T().Title(5), "Alpha - Red   (Fastest Laps) FL Time");
    EXPECT_EQ(RowCells(T(), 1),
              (Strings{"1", "10 Mar 1991", "Alan Able", "Red", "2", Tm("1:18.000"), "", "13"}));
    // With the track: a win with the record of a second place; a win without a position.
    Ctx().grid.SelectedRecord = 3;
    PistRecordList(Ctx(), rkWins);
    EXPECT_EQ(T().TitleLabel, "Alpha   (Winners)");
    TeamYearList(Ctx(), rkPoles);
    EXPECT_EQ(T().TitleLabel + T().Title(6), "Blue     1990   (Pole Positions) Pole Time");
    DriverAllList(Ctx(), rkPoles); // a whole career keeps " Time" above the pole times
    EXPECT_EQ(T().TitleLabel + T().Title(6), "Carl Cole   (Pole Positions) Time");
    DriverAllList(Ctx(), rkWins);
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "08 Apr 1990", "Beta", "Carl Cole", "Blue", "2",
                                         Tm("1 hr 31:00.000"), "", "5"}));
    Ctx().grid.SelectedRecord = 4;
    DriverAllList(Ctx(), rkWins);
    EXPECT_EQ(RowCells(T(), 2), (Strings{"2", "07 Jul 1991", "Beta", "Dave Dunn", "Red", "", "",
                                         "Disqualified", "22"}));
}

TEST_F(RecordListTest, RacesAndResultsOfATrack) {
    Ctx().grid.SelectedRecord = 12;
    Ctx().history.menuekle(12, 0, 43, [] {});
    AllRaces2Click(Ctx());
    EXPECT_EQ(T().TitleLabel, "Alpha   (All Records)");
    EXPECT_EQ(Ctx().history.ItemCaption(0), "Alpha   (All Records)");
    EXPECT_EQ(RowCells(T(), 1),
              (Strings{"1", "10 Mar 1990", "Alphaland", "Alan Able", Tm("1 hr 30:00.000"),
                       "Carl Cole", Tm("1:20.000"), "Alan Able", Tm("1:18.000"), "1"}));
    // A GP without results has no winner (its first record index is the next GP's) and no
    // record to lead to.
    EXPECT_EQ(RowCells(T(), 4),
              (Strings{"4", "05 May 1991", "Alphaland", "", "", "_____", "", "_____", "", "0"}));
}

TEST_F(RecordListTest, ASelectionNamingNoResultGivesAnEmptyList) {
    for (std::uint16_t record : {std::uint16_t{0}, std::uint16_t{24}, std::uint16_t{60000}}) {
        Ctx().grid.SelectedRecord = record;
        for (int p = 0; p <= static_cast<int>(P::AllRaces2Click); ++p) {
            RunRecordProducer(Ctx(), static_cast<P>(p), rkWins);
            EXPECT_EQ(T().CountLabel, "0  record(s) found.") << record << " " << p;
            EXPECT_EQ(T().RowCount(), 2); // the blank row an empty table keeps
        }
        DriverYearList(Ctx(), rkRaces);
        EXPECT_EQ(T().TitleLabel, "_____     _____");
    }
}

TEST(RecordMenuTable, EverySubmenuHoldsTheFiveKindsOfOneProducer) {
    std::set<int> kinds; // each item has a history kind of its own
    std::map<std::string_view, std::set<int>> kindsIn;
    std::map<std::string_view, P> producerOf;
    for (const RecordMenuCommand& c : RecordMenuCommands()) {
        kinds.insert(c.HistoryKind);
        EXPECT_EQ(FindRecordMenuCommand(c.Item), &c) << c.Item;
        if (c.Submenu.empty()) continue;
        kindsIn[c.Submenu].insert(c.Kind);
        EXPECT_EQ(producerOf.emplace(c.Submenu, c.Producer).first->second, c.Producer) << c.Item;
        const auto s = RecordSubmenus(); // every item sits in a submenu of its popup
        EXPECT_TRUE(std::any_of(s.begin(), s.end(), [&](const RecordSubmenu& m) {
            return m.Item == c.Submenu && m.Popup == c.Popup;
        })) << c.Item;
    }
    EXPECT_EQ(kinds.size(), 45u);
    EXPECT_EQ(kindsIn.size(), RecordSubmenus().size());
    for (const auto& [submenu, five] : kindsIn)
        EXPECT_EQ(five, (std::set<int>{rkPodiums, rkRaces, rkWins, rkFastestLaps, rkPoles}))
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
    EXPECT_EQ(std::make_tuple(Current().Kind, Current().Value1, Current().Caption),
              std::make_tuple(51, 3, std::string("Blue   (Podiums   1-2-3)")));
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

// The captions themselves are the right-click's (GridTest); here where they go.
TEST_F(RecordListTest, APopupOpenedOnARecordTakesItsCaptions) {
    OpenRecordPopup(Ctx(), GridPopup::Driver, 20);
    EXPECT_EQ(Ctx().grid.SelectedRecord, 20);
    EXPECT_EQ(Ctx().browser.DriverBox + "|" + Ctx().MenuCaptions["onthispist1"], "Alan Able|Beta");
    OpenRecordPopup(Ctx(), GridPopup::Team, 9);
    EXPECT_EQ(Ctx().MenuCaptions["bythisdriver1"], "Carl Cole");
    EXPECT_EQ(Ctx().browser.DriverBox, "Alan Able"); // only the driver menu sets the box
}

class SharedCarWins : public RecordListTest {
  protected:
    // Baker shares Dunn's winning Red car in GP4 (records 11 and 12, both classified first).
    SharedCarWins() { db_->Results[12].Pos = 1; }
};

TEST_F(SharedCarWins, EveryDriverOfTheCarIsCreditedTheTeamOnce) {
    const std::tuple<P, std::uint16_t, std::vector<int>, const char*> cases[] = {
        {P::DriverAllList, 2, {8, 12, 16}, "the second driver of the car has the win too"},
        {P::DriverAllList, 11, {11, 22}, "the driver listed first keeps it"},
        {P::DriverTeamList, 12, {12}, "with the team of the shared car"},
        {P::DriverYearList, 12, {12, 16}, "in the season"},
        {P::TeamAllList, 11, {1, 11, 22}, "the team counts the GP once"},
        {P::PistRecordList, 11, {1, 8, 11}, "so does the track"},
    };
    for (const auto& [producer, record, keys, why] : cases) { // opened on record
        Ctx().grid.SelectedRecord = record;
        RunRecordProducer(Ctx(), producer, rkWins);
        EXPECT_EQ(Keys(), keys) << why;
    }
    // Able's second place (record 13) is not the winner's place: no win.
    Ctx().grid.SelectedRecord = 13;
    DriverAllList(Ctx(), rkWins);
    EXPECT_EQ(Keys(), (std::vector<int>{1, 20}));
}

// A GP without track (0) is a track of its own in the track lists, not "every track".
TEST_F(ProducerTest, ListsOfAGPWithoutTrackHoldOnlyGPsWithoutTrack) {
    const auto driver = b_.Driver("Nino Farina");
    const auto team = b_.Team("Alfa Romeo");
    const auto name = b_.GPName("Italy");
    std::vector<int> keys;
    int month = 5;
    for (const std::uint8_t track : {std::uint8_t{0}, b_.Track("Monza"), std::uint8_t{0}}) {
        b_.GP(1950, month++, 13, track, name, 70);
        const auto r = b_.Result(driver, 1, team, 0, 0);
        if (track == 0) keys.push_back(r);
    }
    for (const P producer :
         {P::DriverPistList, P::TeamPistList, P::PistRecordList, P::AllRaces2Click}) {
        Ctx().grid.SelectedRecord = static_cast<std::uint16_t>(keys[0]);
        RunRecordProducer(Ctx(), producer, rkWins);
        EXPECT_EQ(Keys(), keys) << static_cast<int>(producer);
    }
}

} // namespace
} // namespace qor::testing
