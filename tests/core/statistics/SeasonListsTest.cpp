// Season lists of winners, fastest laps and pole positions: which GPs are listed, row order,
// numbering across blank season rows, titles, history kinds and the buttons.

#include "BrowserTablesFixture.h"

#include "mainwindow/GPBrowser.h"
#include "statistics/SeasonLists.h"

#include <algorithm>

namespace qor::testing {
namespace {

// 1950: three GPs (a winner; no classified finisher; no results at all), 1951 without GPs,
// 1952: a GP whose first stored result is second, and one won by Ann.
class SeasonListsTest : public ProducerTest {
  protected:
    void SetUp() override {
        ann_ = b_.Driver("Ann Driver");
        bob_ = b_.Driver("Bob Racer");
        cid_ = b_.Driver("Cid Slow");
        dan_ = b_.Driver("Dan Absent");
        t1_ = b_.Team("Alfa Romeo");
        t2_ = b_.Team("Ferrari");
        const auto silverstone = b_.Track("Silverstone");
        const auto monaco = b_.Track("Monte Carlo");
        const auto spa = b_.Track("Spa");
        const auto ring = b_.Track("Nurburgring");
        const auto gp = b_.GPName("Grand Prix");
        for (int i = 1; i <= 14; ++i)
            b_.Reason("Reason " + std::to_string(i));
        b_.Reason("");
        const auto engine = b_.Reason("Engine");
        const auto dns = b_.Reason("DNS");

        const auto g1 = b_.GP(1950, 5, 13, silverstone, gp);
        r1_ = b_.Result(ann_, 1, t1_, The_Class::ParseTime("2 hr 13:23.600"), 15);
        r2_ = b_.Result(bob_, 2, t1_, The_Class::ParseTime("+2.600"), 15);
        SetFacts(g1, bob_, "1:50.600", ann_, "1:50.800");
        const auto g2 = b_.GP(1950, 5, 21, monaco, gp);
        b_.Result(cid_, 0, t2_, The_Class::ParseTime("lap 62"), engine);
        SetFacts(g2, dan_, "1:40.000", 0, "1:39.000"); // fastest lap by a driver not entered
        const auto g3 = b_.GP(1950, 6, 4, spa, gp);
        SetFacts(g3, ann_, "4:20.000", ann_, "4:18.000"); // no results at all
        b_.SeasonsUpTo(1951);
        const auto g4 = b_.GP(1952, 7, 19, silverstone, gp);
        b_.Result(bob_, 2, t2_, The_Class::ParseTime("+1 lap"), 15); // the winner is missing
        SetFacts(g4, 0, "", bob_, "1:51.000");
        const auto g5 = b_.GP(1952, 8, 3, ring, gp);
        r5_ = b_.Result(ann_, 1, t2_, The_Class::ParseTime("3 hr 02:25.000"), 15);
        r6_ = b_.Result(bob_, 0, t1_, The_Class::ParseTime("lap 5"), engine);
        b_.Result(bob_, 0, t1_, 0, dns); // a second entry of the same driver
        SetFacts(g5, bob_, "10:05.100", bob_, "9:59.800");
        FillYearLists(Ctx());
    }

    void SetFacts(std::uint16_t g, std::uint16_t fl, const std::string& flTime, std::uint16_t pole,
                  const std::string& poleTime) {
        db_->GPs[g].FLDriver = fl;
        db_->GPs[g].FLTime = flTime.empty() ? 0 : The_Class::ParseTime(flTime);
        db_->GPs[g].PoleDriver = pole;
        db_->GPs[g].PoleTime = The_Class::ParseTime(poleTime);
    }

    std::uint16_t ann_ = 0, bob_ = 0, cid_ = 0, dan_ = 0;
    std::uint8_t t1_ = 0, t2_ = 0;
    std::uint16_t r1_ = 0, r2_ = 0, r5_ = 0, r6_ = 0;
};

const std::vector<std::string> Blank7(7), Blank9(9);

TEST_F(SeasonListsTest, WinnersOfOneSeason) {
    Ctx().browser.Info.Visible = true;
    ASSERT_TRUE(ListWinners(Ctx(), 1950));
    EXPECT_EQ(T().TitleLabel, "1950 - Winners");
    EXPECT_EQ(RowCells(T(), 0),
              (std::vector<std::string>{"", " Date", " Track", " Name", " Team", " Time", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{25, 95, 110, 150, 90, 85, 0}));
    // Only the first GP: Monaco's first result is unplaced and Spa has none.
    ASSERT_EQ(T().RowCount(), 3);
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "13 May 1950", "Silverstone", "Ann Driver",
                                        "Alfa Romeo", "2 hr 13:23.60", std::to_string(r1_)}));
    EXPECT_EQ(RowCells(T(), 2), Blank7);
    EXPECT_EQ(T().CountLabel, "1  record(s) found.");
    EXPECT_FALSE(Ctx().browser.Info.Visible);
    EXPECT_TRUE(T().Visible);
}

TEST_F(SeasonListsTest, AGPWhoseFirstResultIsNotFirstHasNoWinner) {
    ASSERT_TRUE(ListWinners(Ctx(), 1952));
    ASSERT_EQ(T().RowCount(), 3);
    EXPECT_EQ(T().Cell(2, 1), "Nurburgring");
    EXPECT_EQ(T().Cell(6, 1), std::to_string(r5_));
    EXPECT_EQ(T().CountLabel, "1  record(s) found.");
}

TEST_F(SeasonListsTest, AllSeasonsNewestFirstWithABlankRowAfterEachSeason) {
    ASSERT_TRUE(ListWinners(Ctx(), 0));
    EXPECT_EQ(T().TitleLabel, "Winners");
    ASSERT_EQ(T().RowCount(), 6);
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "03 Aug 1952", "Nurburgring", "Ann Driver", "Ferrari",
                                        "3 hr 02:25.00", std::to_string(r5_)}));
    EXPECT_EQ(RowCells(T(), 2), Blank7); // after 1952
    EXPECT_EQ(RowCells(T(), 3), Blank7); // 1951 lists no race but still ends with one
    EXPECT_EQ(T().Cell(0, 4), "2");      // numbering skips the blank rows
    EXPECT_EQ(T().Cell(1, 4), "13 May 1950");
    EXPECT_EQ(RowCells(T(), 5), Blank7);
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
}

TEST_F(SeasonListsTest, FastestLapsOfOneSeasonAndAll) {
    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactFastestLaps, 1950));
    EXPECT_EQ(T().TitleLabel, "1950 - Fastest Laps");
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{"", " Date", " Track", " Name", " Team",
                                                          " FL Time", " Pos", " Notes", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{25, 95, 110, 150, 90, 85, 40, 120, 0}));
    // Monaco's fastest lap belongs to a driver without an entry, Spa's GP has no results.
    ASSERT_EQ(T().RowCount(), 3);
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "13 May 1950", "Silverstone", "Bob Racer",
                                        "Alfa Romeo", "01:50.60", "2", "", std::to_string(r2_)}));
    EXPECT_EQ(RowCells(T(), 2), Blank9);

    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactFastestLaps, 0));
    EXPECT_EQ(T().TitleLabel, "Fastest Laps");
    ASSERT_EQ(T().RowCount(), 6);
    // 1952: the 19 July GP records no fastest lap; on 3 August Bob's first entry is used:
    // unplaced, so an empty position, and its notes.
    EXPECT_EQ(RowCells(T(), 1), (std::vector<std::string>{"1", "03 Aug 1952", "Nurburgring",
                                                          "Bob Racer", "Alfa Romeo", "10:05.10", "",
                                                          "Engine", std::to_string(r6_)}));
    EXPECT_EQ(RowCells(T(), 3), Blank9);
    EXPECT_EQ(T().Cell(0, 4), "2");
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
}

TEST_F(SeasonListsTest, PolePositions) {
    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactPoles, 0));
    EXPECT_EQ(T().TitleLabel, "Pole Positions");
    EXPECT_EQ(T().Title(5), " Pole Time");
    // 1952: both GPs (Bob's second place on 19 July), none in 1951, Silverstone 1950 (Monaco
    // records no pole driver, Spa no results).
    EXPECT_EQ(ColumnCells(T(), 1),
              (std::vector<std::string>{"03 Aug 1952", "19 Jul 1952", "", "", "13 May 1950", ""}));
    EXPECT_EQ(ColumnCells(T(), 0), (std::vector<std::string>{"1", "2", "", "", "3", ""}));
    EXPECT_EQ(RowCells(T(), 2),
              (std::vector<std::string>{"2", "19 Jul 1952", "Silverstone", "Bob Racer", "Ferrari",
                                        "01:51.00", "2", "", std::to_string(r5_ - 1)}));
    EXPECT_EQ(T().Cell(6, 5), "1");
    EXPECT_EQ(T().CountLabel, "3  record(s) found.");

    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactPoles, 1952));
    EXPECT_EQ(T().TitleLabel, "1952 - Pole Positions");
}

TEST_F(SeasonListsTest, UnknownYearsAndKindsDoNothing) {
    EXPECT_FALSE(ListWinners(Ctx(), 1949));
    EXPECT_FALSE(ListWinners(Ctx(), 1953));
    EXPECT_FALSE(ListGPFacts(Ctx(), GPFactPoles, 1953));
    EXPECT_FALSE(ListGPFacts(Ctx(), 4, 1950));
    EXPECT_EQ(Ctx().history.HistCount(), 0);
    EXPECT_EQ(T().ColCount(), 1);
    // The per-year buttons need a year.
    Button2Click(Ctx());
    Button14Click(Ctx());
    Button15Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);
}

TEST_F(SeasonListsTest, ButtonsRecordTheirKindsAndTheYearBoxPosition) {
    Ctx().browser.YearIndex = 2; // 1950 in a box running 1952 down to 1950
    const std::string titles[] = {"1950 - Winners",        "Winners",
                                  "1950 - Fastest Laps",   "Fastest Laps",
                                  "1950 - Pole Positions", "Pole Positions"};
    for (std::size_t i = 0; i < SeasonListCommands.size(); ++i) {
        const MenuTableCommand& c = SeasonListCommands[i];
        c.Run(Ctx());
        EXPECT_EQ(T().TitleLabel, titles[i]) << c.Item;
        EXPECT_EQ(Current().Kind, c.Kind) << c.Item;
        EXPECT_EQ(Current().Value1, c.Kind < 100 ? 2 : 0) << c.Item;
        EXPECT_EQ(Current().Caption, titles[i]) << c.Item;
    }
    EXPECT_EQ(SeasonListCommands[0].Caption, "W");
    EXPECT_EQ(langs_.Text(SeasonListCommands[1].CaptionSlot), "GP Winners");
    EXPECT_EQ(langs_.Text(SeasonListCommands[5].CaptionSlot), "Pole Positions");

    // Going back rebuilds the year's fastest laps from the data.
    Ctx().history.Back();
    Ctx().history.Back();
    Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "1950 - Fastest Laps");
    EXPECT_EQ(T().CountLabel, "1  record(s) found.");
    EXPECT_EQ(Ctx().history.HistCount(), 6);
}

class SeasonListsShipped : public ShippedTest {};

TEST_F(SeasonListsShipped, McLarenWonFifteenOfThe1988Races) {
    ASSERT_TRUE(ListWinners(Ctx(), 1988));
    EXPECT_EQ(T().CountLabel, "16  record(s) found.");
    ASSERT_EQ(T().RowCount(), 18);
    const std::vector<std::string> teams = ColumnCells(T(), 4);
    EXPECT_EQ(std::count(teams.begin(), teams.end(), "McLaren"), 15);
    EXPECT_EQ(T().Cell(3, 1), "Alain Prost");    // Adelaide, the last race
    EXPECT_EQ(T().Cell(3, 5), "Gerhard Berger"); // Monza
    EXPECT_EQ(T().Cell(1, 16), "03 Apr 1988");
}

TEST_F(SeasonListsShipped, EveryRaceHasAWinnerFastestLapAndPole) {
    ASSERT_TRUE(ListWinners(Ctx(), 0));
    EXPECT_EQ(T().CountLabel, "768  record(s) found.");
    EXPECT_EQ(T().RowCount(), 1 + 768 + 57);
    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactFastestLaps, 2006));
    EXPECT_EQ(T().CountLabel, "18  record(s) found.");
    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactPoles, 2006));
    // Brazil: Massa from pole won; no pole times are stored for 2006.
    EXPECT_EQ(RowCells(T(), 1)[3], "Felipe Massa");
    EXPECT_EQ(RowCells(T(), 1)[5], "");
    EXPECT_EQ(RowCells(T(), 1)[6], "1");
}

} // namespace
} // namespace qor::testing
