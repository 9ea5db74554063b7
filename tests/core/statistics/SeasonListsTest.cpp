// Season lists of winners, fastest laps and pole positions on the record list database: which
// GPs are listed, row order, numbering across blank season rows, titles, history and buttons.

#include "statistics/SeasonLists.h"
#include "support/StatisticsFixtures.h"

namespace qor::testing {
namespace {

class SeasonListsTest : public RecordListTest {
  protected:
    void SetUp() override { FillYearLists(Ctx()); }
};

TEST_F(SeasonListsTest, WhichGPsEachListShowsNewestFirst) {
    struct Case {
        int kind; // -1: winners
        int year;
        std::vector<int> keys;
        const char* why;
    };
    const Case cases[] = {
        {-1, 1990, {8, 1}, "GP2's first record is second: no winner"},
        {-1, 1991, {20, 16, 11}, "GP6 has no results, GP8's first record is unplaced"},
        {GPFactFastestLaps, 1990, {8, 3}, "GP2's fastest driver has no record there"},
        {GPFactFastestLaps, 1991, {23, 21, 18, 13}, "the driver's first record of the GP"},
        {GPFactPoles, 1990, {9, 7, 1}, "an unplaced pole sitter"},
        {GPFactPoles, 1991, {22, 20, 16, 11}, ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.kind < 0 ? ListWinners(Ctx(), c.year) : ListGPFacts(Ctx(), c.kind, c.year));
        EXPECT_EQ(Keys(), c.keys) << c.why;
        EXPECT_EQ(T().CountLabel, std::to_string(c.keys.size()) + "  record(s) found.");
    }
    EXPECT_EQ(T().TitleLabel, "1991 - Pole Positions");
    EXPECT_EQ(T().Title(5), " Pole Time");
    // An unplaced record: no position, its notes.
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "07 Jul 1991", "Beta", "Dave Dunn", "Red", "01:20.00",
                                         "", "Disqualified", "22"}));
    Ctx().browser.Info.Visible = true;
    ListWinners(Ctx(), 1990);
    EXPECT_FALSE(Ctx().browser.Info.Visible);
    EXPECT_EQ(RowCells(T(), 2),
              (Strings{"2", "10 Mar 1990", "Alpha", "Alan Able", "Red", "1 hr 30:00.00", "1"}));
    EXPECT_EQ(RowCells(T(), 3), Strings(7)); // the season's closing blank row
}

TEST_F(SeasonListsTest, AllSeasonsWithABlankRowAfterEachSeason) {
    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactFastestLaps, 0));
    EXPECT_EQ(T().TitleLabel, "Fastest Laps");
    // Numbering runs across the seasons and skips the blank rows; the seasons without GPs
    // before 1990 still end with one.
    const Strings numbers = ColumnCells(T(), 0);
    EXPECT_EQ(Strings(numbers.begin(), numbers.begin() + 9),
              (Strings{"1", "2", "3", "4", "", "5", "6", "", ""}));
    EXPECT_EQ(numbers.size(), 6u + 42u);
    EXPECT_EQ(Keys(), (std::vector<int>{23, 21, 18, 13, 8, 3}));
}

TEST_F(SeasonListsTest, UnknownYearsAndKindsDoNothing) {
    EXPECT_FALSE(ListWinners(Ctx(), 1949));
    EXPECT_FALSE(ListWinners(Ctx(), 1992));
    EXPECT_FALSE(ListGPFacts(Ctx(), GPFactPoles, 1992));
    EXPECT_FALSE(ListGPFacts(Ctx(), 4, 1990));
    Button2Click(Ctx()); // the per-year buttons need a year
    Button14Click(Ctx());
    Button15Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);
}

TEST_F(SeasonListsTest, ButtonsRecordTheirKindsAndTheYearBoxPosition) {
    Ctx().browser.YearIndex = 1; // 1990 in a box running 1991 down to 1950
    const std::string titles[] = {"1990 - Winners",        "Winners",
                                  "1990 - Fastest Laps",   "Fastest Laps",
                                  "1990 - Pole Positions", "Pole Positions"};
    for (std::size_t i = 0; i < SeasonListCommands.size(); ++i) {
        const MenuTableCommand& c = SeasonListCommands[i];
        c.Run(Ctx());
        EXPECT_EQ(Current().Caption, titles[i]) << c.Item;
        EXPECT_EQ(Current().Kind, c.Kind) << c.Item;
        EXPECT_EQ(Current().Value1, c.Kind < 100 ? 1 : 0) << c.Item;
    }
    // Going back rebuilds the year's fastest laps from the data.
    for (int i = 0; i < 3; ++i)
        Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "1990 - Fastest Laps");
    EXPECT_EQ(Keys(), (std::vector<int>{8, 3}));
}

} // namespace
} // namespace qor::testing
