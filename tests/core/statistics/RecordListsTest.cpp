// The record lists on a small built database: which records each producer lists for each kind,
// their headings, layouts, cells, numbering and count.

#include "statistics/RecordLists.h"
#include "RecordFixture.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using P = RecordProducer;
using testing::RecordListTest;

std::string T(const char* text) {
    return The_Class::FormatTime(The_Class::ParseTime(text));
}

// One list: producer, the record it is opened on, kind, expected keys and heading.
struct ListCase {
    P producer;
    std::uint16_t record;
    RecordKind kind;
    std::vector<int> keys;
    std::string heading;
};

std::ostream& operator<<(std::ostream& os, const ListCase& c) {
    return os << "producer " << static_cast<int>(c.producer) << " record " << c.record << " kind "
              << c.kind;
}

// Hand-computed from the table in RecordFixture.h.
const std::vector<ListCase> kCases = {
    // Alan Able over his whole career: the shared car of GP4 counts once (record 13, not 15);
    // the empty GP6 gives no win although its first record index is the next GP's (Able's).
    {P::DriverAllList, 1, rkRaces, {1, 6, 10, 13, 20}, "Alan Able   (All Records)"},
    {P::DriverAllList, 1, rkWins, {1, 20}, "Alan Able   (Wins)"},
    {P::DriverAllList, 1, rkPodiums, {1, 6, 13, 20}, "Alan Able   (Podiums   1-2-3)"},
    {P::DriverAllList, 1, rkFastestLaps, {13}, "Alan Able   (Fastest Laps)"},
    {P::DriverAllList, 1, rkPoles, {1, 20}, "Alan Able   (Pole Positions)"},
    // Carl Cole: second, yet first record of GP2, so a win; one row for his two cars in GP5.
    {P::DriverAllList, 3, rkRaces, {3, 5, 9, 14, 18}, "Carl Cole   (All Records)"},
    {P::DriverAllList, 3, rkWins, {5}, "Carl Cole   (Wins)"},
    {P::DriverAllList, 3, rkPodiums, {3, 5, 9, 18}, "Carl Cole   (Podiums   1-2-3)"},
    {P::DriverAllList, 3, rkFastestLaps, {3, 18}, "Carl Cole   (Fastest Laps)"},
    {P::DriverAllList, 3, rkPoles, {9}, "Carl Cole   (Pole Positions)"},
    // Dave Dunn: the unplaced first record of GP8 is a win; the fastest lap of GP2, where he
    // has no record, gives no row.
    {P::DriverAllList, 4, rkRaces, {4, 11, 17, 21, 22}, "Dave Dunn   (All Records)"},
    {P::DriverAllList, 4, rkWins, {11, 22}, "Dave Dunn   (Wins)"},
    {P::DriverAllList, 4, rkPodiums, {11, 17, 21}, "Dave Dunn   (Podiums   1-2-3)"},
    {P::DriverAllList, 4, rkFastestLaps, {21}, "Dave Dunn   (Fastest Laps)"},
    {P::DriverAllList, 4, rkPoles, {11, 22}, "Dave Dunn   (Pole Positions)"},
    // On the track of the record (Alpha: GP1, GP3, GP4, GP6; Beta: GP2, GP5, GP7, GP8).
    {P::DriverPistList, 1, rkRaces, {1, 10, 13}, "Alpha - Alan Able"},
    {P::DriverPistList, 1, rkWins, {1}, "Alpha - Alan Able   (Wins)"},
    {P::DriverPistList, 1, rkPodiums, {1, 13}, "Alpha - Alan Able   (Podiums   1-2-3)"},
    {P::DriverPistList, 1, rkFastestLaps, {13}, "Alpha - Alan Able   (Fastest Laps)"},
    {P::DriverPistList, 1, rkPoles, {1}, "Alpha - Alan Able   (Pole Positions)"},
    {P::DriverPistList, 20, rkWins, {20}, "Beta - Alan Able   (Wins)"},
    // In the season of the record.
    {P::DriverYearList, 20, rkRaces, {13, 20}, "Alan Able     1991"},
    {P::DriverYearList, 20, rkWins, {20}, "Alan Able     1991   (Wins)"},
    {P::DriverYearList, 20, rkPodiums, {13, 20}, "Alan Able     1991   (Podiums   1-2-3)"},
    {P::DriverYearList, 20, rkFastestLaps, {13}, "Alan Able     1991   (Fastest Laps)"},
    {P::DriverYearList, 20, rkPoles, {20}, "Alan Able     1991   (Pole Positions)"},
    {P::DriverYearList, 10, rkRaces, {1, 6, 10}, "Alan Able     1990"},
    // With the team of the record: his Blue win and pole of GP7 are not Red's.
    {P::DriverTeamList, 1, rkRaces, {1, 6, 10, 13}, "Alan Able   &&   Red"},
    {P::DriverTeamList, 1, rkWins, {1}, "Alan Able   &&   Red   (Wins)"},
    {P::DriverTeamList, 1, rkPodiums, {1, 6, 13}, "Alan Able   &&   Red   (Podiums   1-2-3)"},
    {P::DriverTeamList, 1, rkFastestLaps, {13}, "Alan Able   &&   Red   (Fastest Laps)"},
    {P::DriverTeamList, 1, rkPoles, {1}, "Alan Able   &&   Red   (Pole Positions)"},
    {P::DriverTeamList, 20, rkRaces, {20}, "Alan Able   &&   Blue"},
    {P::DriverTeamList, 20, rkPoles, {20}, "Alan Able   &&   Blue   (Pole Positions)"},
    {P::DriverTeamList, 20, rkFastestLaps, {}, "Alan Able   &&   Blue   (Fastest Laps)"},
    // Blue: one row per car; both cars on the GP3 podium; GP5's fastest lap gives Cole's
    // first Blue record only; Dunn's GP2 fastest lap and the Red drivers' give none.
    {P::TeamAllList, 3, rkRaces, {3, 4, 5, 8, 9, 14, 16, 18, 19, 20, 23}, "Blue   (All Records)"},
    {P::TeamAllList, 3, rkWins, {5, 8, 16, 20}, "Blue   (Wins)"},
    {P::TeamAllList, 3, rkPodiums, {3, 5, 8, 9, 16, 18, 20}, "Blue   (Podiums   1-2-3)"},
    {P::TeamAllList, 3, rkFastestLaps, {3, 8, 18, 23}, "Blue   (Fastest Laps)"},
    {P::TeamAllList, 3, rkPoles, {9, 16, 20}, "Blue   (Pole Positions)"},
    // Red: in GP4 three podium rows (two cars, one of them shared); the fastest lap stops at
    // Able's first Red record (13) although his own car (15) is Red too.
    {P::TeamAllList,
     1,
     rkRaces,
     {1, 2, 6, 7, 10, 11, 12, 13, 15, 17, 21, 22},
     "Red   (All Records)"},
    {P::TeamAllList, 1, rkWins, {1, 11, 22}, "Red   (Wins)"},
    {P::TeamAllList, 1, rkPodiums, {1, 2, 6, 11, 12, 13, 17, 21}, "Red   (Podiums   1-2-3)"},
    {P::TeamAllList, 1, rkFastestLaps, {13, 21}, "Red   (Fastest Laps)"},
    {P::TeamAllList, 1, rkPoles, {1, 7, 11, 22}, "Red   (Pole Positions)"},
    {P::TeamPistList, 15, rkRaces, {1, 2, 10, 11, 12, 13, 15}, "Alpha - Red"},
    {P::TeamPistList, 15, rkWins, {1, 11}, "Alpha - Red   (Wins)"},
    {P::TeamPistList, 15, rkPodiums, {1, 2, 11, 12, 13}, "Alpha - Red   (Podiums   1-2-3)"},
    {P::TeamPistList, 15, rkFastestLaps, {13}, "Alpha - Red   (Fastest Laps)"},
    {P::TeamPistList, 15, rkPoles, {1, 11}, "Alpha - Red   (Pole Positions)"},
    {P::TeamYearList, 3, rkRaces, {3, 4, 5, 8, 9}, "Blue     1990"},
    {P::TeamYearList, 3, rkWins, {5, 8}, "Blue     1990   (Wins)"},
    {P::TeamYearList, 3, rkPodiums, {3, 5, 8, 9}, "Blue     1990   (Podiums   1-2-3)"},
    {P::TeamYearList, 3, rkFastestLaps, {3, 8}, "Blue     1990   (Fastest Laps)"},
    {P::TeamYearList, 3, rkPoles, {9}, "Blue     1990   (Pole Positions)"},
    // Every driver on the track.
    {P::PistRecordList, 1, rkRaces, {1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14, 15}, "Alpha"},
    {P::PistRecordList, 1, rkWins, {1, 8, 11}, "Alpha   (Winners)"},
    {P::PistRecordList, 1, rkPodiums, {1, 2, 3, 8, 9, 11, 12, 13}, "Alpha   (Podiums   1-2-3)"},
    {P::PistRecordList, 1, rkFastestLaps, {3, 8, 13}, "Alpha   (Fastest Laps)"},
    {P::PistRecordList, 1, rkPoles, {1, 9, 11}, "Alpha   (Pole Positions)"},
    {P::PistRecordList, 5, rkWins, {5, 16, 20, 22}, "Beta   (Winners)"},
    {P::PistRecordList, 5, rkPodiums, {5, 6, 16, 17, 18, 20, 21}, "Beta   (Podiums   1-2-3)"},
    {P::PistRecordList, 5, rkFastestLaps, {18, 21, 23}, "Beta   (Fastest Laps)"},
    {P::PistRecordList, 5, rkPoles, {7, 16, 20, 22}, "Beta   (Pole Positions)"},
};

TEST_F(RecordListTest, EveryProducerAndKindListsTheHandComputedRecords) {
    for (const ListCase& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c);
        ctx.grid.SelectedRecord = c.record;
        RunRecordProducer(ctx, c.producer, c.kind);
        EXPECT_EQ(Keys(), c.keys);
        EXPECT_EQ(Table().TitleLabel, c.heading);
        EXPECT_EQ(Table().CountLabel, std::to_string(c.keys.size()) + "  record(s) found.");
        // Rows are numbered 1, 2, ... in list order; an empty list keeps one blank row.
        EXPECT_EQ(Table().RowCount(), std::max<int>(2, static_cast<int>(c.keys.size()) + 1));
        for (int r = 1; r <= static_cast<int>(c.keys.size()); ++r)
            EXPECT_EQ(Table().Cell(0, r), std::to_string(r));
        EXPECT_TRUE(Table().Visible);
    }
}

TEST_F(RecordListTest, LayoutAOnATrack) {
    ctx.browser.Info.Visible = true;
    ctx.grid.SelectedRecord = 1;
    DriverPistList(ctx, rkRaces);
    EXPECT_FALSE(ctx.browser.Info.Visible); // the GP information panel is hidden
    EXPECT_EQ(Titles(), (std::vector<std::string>{"", " Date", " Name", " Team", " Pos", " Time",
                                                  " Notes", ""}));
    EXPECT_EQ(Widths(), (std::vector<int>{25, 95, 150, 90, 40, 85, 120, 0}));
    EXPECT_EQ(Row(1), (std::vector<std::string>{"1", "10 Mar 1990", "Alan Able", "Red", "1",
                                                T("1 hr 30:00.000"), "", "1"}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"2", "06 May 1990", "Alan Able", "Red", "",
                                                T("lap 30"), "Engine", "10"}));

    // The fastest laps show the GP's fastest lap time under " FL Time".
    TeamPistList(ctx, rkFastestLaps);
    EXPECT_EQ(Titles()[5], " FL Time");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"1", "10 Mar 1991", "Alan Able", "Red", "2",
                                                T("1:18.000"), "", "13"}));
    PistRecordList(ctx, rkPoles);
    EXPECT_EQ(Titles()[5], " Pole Time");
    EXPECT_EQ(Row(2)[5], T("1:17.500"));
}

TEST_F(RecordListTest, LayoutBWithTheTrackColumn) {
    ctx.grid.SelectedRecord = 3;
    DriverAllList(ctx, rkWins);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"", " Date", " Track", " Name", " Team", " Pos",
                                                  " Time", " Notes", ""}));
    EXPECT_EQ(Widths(), (std::vector<int>{25, 95, 110, 150, 90, 40, 85, 120, 0}));
    // A win with the record of a second place.
    EXPECT_EQ(Row(1), (std::vector<std::string>{"1", "08 Apr 1990", "Beta", "Carl Cole", "Blue",
                                                "2", T("1 hr 31:00.000"), "", "5"}));
    // A win without a position: the disqualified first record.
    ctx.grid.SelectedRecord = 4;
    DriverAllList(ctx, rkWins);
    EXPECT_EQ(Row(2), (std::vector<std::string>{"2", "07 Jul 1991", "Beta", "Dave Dunn", "Red", "",
                                                "", "Disqualified", "22"}));
    ctx.grid.SelectedRecord = 3;

    TeamYearList(ctx, rkPoles);
    EXPECT_EQ(Titles()[6], " Pole Time");
    EXPECT_EQ(Row(1)[6], T("1:17.500"));
    TeamAllList(ctx, rkPoles);
    EXPECT_EQ(Titles()[6], " Pole Time");
    DriverTeamList(ctx, rkPoles);
    EXPECT_EQ(Titles()[6], " Pole Time");
    DriverYearList(ctx, rkFastestLaps);
    EXPECT_EQ(Titles()[6], " FL Time");
    EXPECT_EQ(Row(1)[6], T("1:20.000"));
    // The poles list of a whole career keeps " Time" above the pole times.
    DriverAllList(ctx, rkPoles);
    EXPECT_EQ(Titles()[6], " Time");
    EXPECT_EQ(Row(1)[6], T("1:17.500"));
    for (RecordKind kind : {rkRaces, rkWins, rkPodiums}) {
        TeamAllList(ctx, kind);
        EXPECT_EQ(Titles()[6], " Time");
    }
}

TEST_F(RecordListTest, RacesAndResultsOfATrack) {
    ctx.grid.SelectedRecord = 12;
    ctx.history.menuekle(12, 0, 43, [] {});
    AllRaces2Click(ctx);
    EXPECT_EQ(Table().TitleLabel, "Alpha   (All Records)");
    EXPECT_EQ(ctx.history.ItemCaption(0), "Alpha   (All Records)");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"", " Date", " Grandprix", " Winner", " Time",
                                                  " Fastest Lap", " FL Time", " Pole Position",
                                                  " Pole Time", ""}));
    EXPECT_EQ(Widths(), (std::vector<int>{25, 95, 110, 150, 85, 150, 85, 150, 85, 0}));
    EXPECT_EQ(Table().CountLabel, "4  record(s) found.");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"1", "10 Mar 1990", "Alphaland", "Alan Able",
                                                T("1 hr 30:00.000"), "Carl Cole", T("1:20.000"),
                                                "Alan Able", T("1:18.000"), "1"}));
    EXPECT_EQ(Row(3)[3], "Dave Dunn");
    EXPECT_EQ(Row(3)[9], "11");
    // A GP without results has no winner (its first record index is the next GP's) and no
    // record to lead to.
    EXPECT_EQ(Row(4), (std::vector<std::string>{"4", "05 May 1991", "Alphaland", "", "", "_____",
                                                "", "_____", "", "0"}));
}

TEST_F(RecordListTest, TitlesAndWordsComeFromTheLanguageTable) {
    // A language file whose slots read "S<slot>": every title and word must follow it.
    std::string file = "7 XX help.txt\r\n";
    for (int s = 1; s <= 222; ++s)
        file += "S" + std::to_string(s) + "\r\n";
    Langs other;
    other.ApplyLanguageFile(LanguageOtherFile, "XX.DT", &file);
    TableContext c(*db, other);
    c.grid.SelectedRecord = 1;
    DriverAllList(c, rkRaces);
    EXPECT_EQ(c.grid.tablo1.TitleLabel, "Alan Able   (S131)");
    EXPECT_EQ(c.grid.tablo1.Title(1), " S111");
    EXPECT_EQ(c.grid.tablo1.Title(6), " S105");
    EXPECT_EQ(c.grid.tablo1.CountLabel, "5  S101");
    PistRecordList(c, rkWins);
    EXPECT_EQ(c.grid.tablo1.TitleLabel, "Alpha   (S128)");
    PistRecordList(c, rkPodiums);
    EXPECT_EQ(c.grid.tablo1.TitleLabel, "Alpha   (S141   1-2-3)");
    TeamYearList(c, rkFastestLaps);
    EXPECT_EQ(c.grid.tablo1.TitleLabel, "Red     1990   (S129)");
    EXPECT_EQ(c.grid.tablo1.Title(6), " S106");
    DriverPistList(c, rkPoles);
    EXPECT_EQ(c.grid.tablo1.TitleLabel, "Alpha - Alan Able   (S130)");
    EXPECT_EQ(c.grid.tablo1.Title(5), " S107");
    AllRaces2Click(c);
    EXPECT_EQ(c.grid.tablo1.TitleLabel, "Alpha   (S131)");
    EXPECT_EQ(c.grid.tablo1.Title(2), " S114");
}

TEST_F(RecordListTest, ASelectionNamingNoResultGivesAnEmptyList) {
    for (std::uint16_t record : {std::uint16_t{0}, std::uint16_t{24}, std::uint16_t{60000}}) {
        ctx.grid.SelectedRecord = record;
        for (int p = 0; p <= static_cast<int>(P::AllRaces2Click); ++p) {
            RunRecordProducer(ctx, static_cast<P>(p), rkWins);
            EXPECT_EQ(Table().CountLabel, "0  record(s) found.") << record << " " << p;
            // The blank row an empty table keeps.
            EXPECT_EQ(Table().RowCount(), 2);
            EXPECT_EQ(Table().Cell(0, 1), "");
        }
        DriverYearList(ctx, rkRaces);
        EXPECT_EQ(Table().TitleLabel, "_____     _____");
    }
}

TEST_F(RecordListTest, TheListReplacesTheTableBefore) {
    ctx.grid.SelectedRecord = 3;
    TeamAllList(ctx, rkRaces);
    ASSERT_EQ(Table().RowCount(), 12);
    DriverPistList(ctx, rkFastestLaps);
    EXPECT_EQ(Table().RowCount(), 2);
    EXPECT_EQ(Table().ColCount(), 8);
    EXPECT_EQ(Keys(), (std::vector<int>{3}));
}

} // namespace
} // namespace qor
