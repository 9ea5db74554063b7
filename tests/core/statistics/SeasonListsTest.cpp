// Season lists of winners, fastest laps and pole positions: which GPs are listed, row order,
// numbering across blank season rows, titles, history kinds and the buttons.

#include "statistics/SeasonLists.h"
#include "support/StatisticsFixtures.h"

namespace qor::testing {
namespace {

// 1950: Silverstone (a winner), Monaco (no classified finisher; fastest lap by a driver not
// entered), Spa (no results at all); 1951 without GPs; 1952: Silverstone whose first stored
// result is second and without fastest lap, Nurburgring won by Ann (Bob there twice).
class SeasonListsTest : public ProducerTest {
  protected:
    void SetUp() override {
        ann_ = b_.Driver("Ann Driver");
        bob_ = b_.Driver("Bob Racer");
        const auto cid = b_.Driver("Cid Slow"), dan = b_.Driver("Dan Absent");
        const auto alfa = b_.Team("Alfa Romeo"), ferrari = b_.Team("Ferrari");
        const auto silverstone = b_.Track("Silverstone");
        const auto gp = b_.GPName("Grand Prix");
        const auto engine = b_.Reason("Engine");
        const auto time = [](const char* t) { return The_Class::ParseTime(t); };

        Facts(b_.GP(1950, 5, 13, silverstone, gp), bob_, "1:50.600", ann_);
        r1_ = b_.Result(ann_, 1, alfa, time("2 hr 13:23.600"), 0);
        r2_ = b_.Result(bob_, 2, alfa, time("+2.600"), 0);
        Facts(b_.GP(1950, 5, 21, b_.Track("Monte Carlo"), gp), dan, "1:40.000", 0);
        b_.Result(cid, 0, ferrari, time("lap 62"), engine);
        Facts(b_.GP(1950, 6, 4, b_.Track("Spa"), gp), ann_, "4:20.000", ann_);
        b_.SeasonsUpTo(1951);
        Facts(b_.GP(1952, 7, 19, silverstone, gp), 0, "", bob_);
        r4_ = b_.Result(bob_, 2, ferrari, time("+1 lap"), 0); // the winner is missing
        Facts(b_.GP(1952, 8, 3, b_.Track("Nurburgring"), gp), bob_, "10:05.100", bob_);
        r5_ = b_.Result(ann_, 1, ferrari, time("3 hr 02:25.000"), 0);
        r6_ = b_.Result(bob_, 0, alfa, time("lap 5"), engine);
        b_.Result(bob_, 0, alfa, 0, b_.Reason("DNS")); // a second entry of the same driver
        FillYearLists(Ctx());
    }

    void Facts(std::uint16_t g, std::uint16_t fl, const char* flTime, std::uint16_t pole) {
        db_->GPs[g].FLDriver = fl;
        db_->GPs[g].FLTime = *flTime ? The_Class::ParseTime(flTime) : 0;
        db_->GPs[g].PoleDriver = pole;
        db_->GPs[g].PoleTime = The_Class::ParseTime("1:39.000");
    }

    std::uint16_t ann_ = 0, bob_ = 0;
    std::uint16_t r1_ = 0, r2_ = 0, r4_ = 0, r5_ = 0, r6_ = 0;
};

std::string K(int record) {
    return std::to_string(record);
}

TEST_F(SeasonListsTest, WinnersAreFirstRecordsPlacedFirst) {
    Ctx().browser.Info.Visible = true;
    ASSERT_TRUE(ListWinners(Ctx(), 1950));
    EXPECT_EQ(T().TitleLabel, "1950 - Winners");
    // Only Silverstone: Monaco's first result is unplaced and Spa has none.
    ASSERT_EQ(T().RowCount(), 3);
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "13 May 1950", "Silverstone", "Ann Driver",
                                         "Alfa Romeo", "2 hr 13:23.60", K(r1_)}));
    EXPECT_EQ(RowCells(T(), 2), Strings(7)); // the season's closing blank row
    EXPECT_EQ(T().CountLabel, "1  record(s) found.");
    EXPECT_FALSE(Ctx().browser.Info.Visible);
    // 1952: a GP whose first result is second has no winner.
    ASSERT_TRUE(ListWinners(Ctx(), 1952));
    EXPECT_EQ(Keys(), (std::vector<int>{r5_}));
}

TEST_F(SeasonListsTest, AllSeasonsNewestFirstWithABlankRowAfterEachSeason) {
    ASSERT_TRUE(ListWinners(Ctx(), 0));
    EXPECT_EQ(T().TitleLabel, "Winners");
    // 1952, blank, 1951 lists no race but still ends with a blank row, 1950, blank; numbering
    // skips the blank rows.
    EXPECT_EQ(ColumnCells(T(), 0), (Strings{"1", "", "", "2", ""}));
    EXPECT_EQ(ColumnCells(T(), 1), (Strings{"03 Aug 1952", "", "", "13 May 1950", ""}));
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
}

TEST_F(SeasonListsTest, FastestLapsTakeTheDriversFirstEntry) {
    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactFastestLaps, 1950));
    EXPECT_EQ(T().TitleLabel, "1950 - Fastest Laps");
    // Monaco's belongs to a driver without an entry, Spa has no results.
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "13 May 1950", "Silverstone", "Bob Racer",
                                         "Alfa Romeo", "01:50.60", "2", "", K(r2_)}));
    EXPECT_EQ(T().RowCount(), 3);

    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactFastestLaps, 0));
    EXPECT_EQ(T().TitleLabel, "Fastest Laps");
    // 1952: 19 July records none; on 3 August Bob's first entry: unplaced, with its notes.
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "03 Aug 1952", "Nurburgring", "Bob Racer",
                                         "Alfa Romeo", "10:05.10", "", "Engine", K(r6_)}));
    EXPECT_EQ(ColumnCells(T(), 0), (Strings{"1", "", "", "2", ""}));
}

TEST_F(SeasonListsTest, PolePositions) {
    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactPoles, 0));
    EXPECT_EQ(T().TitleLabel, "Pole Positions");
    EXPECT_EQ(T().Title(5), " Pole Time");
    // Monaco records no pole driver, Spa no results.
    EXPECT_EQ(Keys(), (std::vector<int>{r6_, r4_, r1_}));
    EXPECT_EQ(ColumnCells(T(), 0), (Strings{"1", "2", "", "", "3", ""}));
    EXPECT_EQ(RowCells(T(), 2), (Strings{"2", "19 Jul 1952", "Silverstone", "Bob Racer", "Ferrari",
                                         "01:39.00", "2", "", K(r4_)}));
    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactPoles, 1952));
    EXPECT_EQ(T().TitleLabel, "1952 - Pole Positions");
}

TEST_F(SeasonListsTest, UnknownYearsAndKindsDoNothing) {
    EXPECT_FALSE(ListWinners(Ctx(), 1949));
    EXPECT_FALSE(ListWinners(Ctx(), 1953));
    EXPECT_FALSE(ListGPFacts(Ctx(), GPFactPoles, 1953));
    EXPECT_FALSE(ListGPFacts(Ctx(), 4, 1950));
    // The per-year buttons need a year.
    Button2Click(Ctx());
    Button14Click(Ctx());
    Button15Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);
    EXPECT_EQ(T().ColCount(), 1);
}

TEST_F(SeasonListsTest, ButtonsRecordTheirKindsAndTheYearBoxPosition) {
    Ctx().browser.YearIndex = 2; // 1950 in a box running 1952 down to 1950
    const std::string titles[] = {"1950 - Winners",        "Winners",
                                  "1950 - Fastest Laps",   "Fastest Laps",
                                  "1950 - Pole Positions", "Pole Positions"};
    for (std::size_t i = 0; i < SeasonListCommands.size(); ++i) {
        const MenuTableCommand& c = SeasonListCommands[i];
        c.Run(Ctx());
        EXPECT_EQ(Current().Caption, titles[i]) << c.Item;
        EXPECT_EQ(Current().Kind, c.Kind) << c.Item;
        EXPECT_EQ(Current().Value1, c.Kind < 100 ? 2 : 0) << c.Item;
    }
    // Going back rebuilds the year's fastest laps from the data.
    for (int i = 0; i < 3; ++i)
        Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "1950 - Fastest Laps");
    EXPECT_EQ(T().CountLabel, "1  record(s) found.");
    EXPECT_EQ(Ctx().history.HistCount(), 6);
}

} // namespace
} // namespace qor::testing
