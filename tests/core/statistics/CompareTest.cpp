// Driver comparison and the team-mates window.

#include "statistics/DriverComparison.h"
#include "statistics/TeamMates.h"
#include "support/StatisticsFixtures.h"

#include <tuple>

namespace qor::testing {
namespace {

TEST(CompareAbbreviation, InitialsUntilAShortWord) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"Michael Schumacher", "M. Schumacher"}, {"Juan Pablo Montoya", "J. P. Montoya"},
        {"Pedro de la Rosa", "P. de la Rosa"}, {"Al Unser", "Al Unser"},
        {"Jos Verstappen", "J. Verstappen"}, {"Prost", "Prost"}, {"", ""}};
    // clang-format on
    for (const auto& [name, abbreviated] : cases)
        EXPECT_EQ(AbbreviatedName(name), abbreviated) << name;
}

// Comparisons on the record list database: Able (1), Baker (2), Cole (3), Dunn (4).
class CompareTest : public RecordListTest {
  protected:
    void List(std::vector<std::uint16_t> drivers) {
        Ctx().browser.CompareList.clear();
        for (const auto d : drivers)
            AddToCompareList(Ctx(), d);
    }
    // Column 1 (the date) of every row.
    Strings Dates() { return ColumnCells(T(), 1); }
};

TEST_F(CompareTest, RacesAllDroveSideBySideOrOneBelowAnother) {
    List({1, 2, 3});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(
        std::make_pair(T().TitleLabel, T().Tag),
        std::make_pair(std::string("Comparing drivers (Race results)"), GridTagHorizontalCompare));
    // 1990 first, the newest race of a season first; GP5 and later lack Able or Baker.
    EXPECT_EQ(Dates(), (Strings{"06 May 1990", "08 Apr 1990", "10 Mar 1990", "10 Mar 1991"}));
    EXPECT_EQ(RowCells(T(), 3),
              (Strings{"3", "10 Mar 1990", "Alpha", "A. Able", "Red", "1", "1", "B. Baker", "Red",
                       "2", "2", "C. Cole", "Blue", "3", "3"}));
    EXPECT_EQ(Ctx().grid.CompareGroupSize, 3);
    // Four drivers: vertical, a row per driver in list order, numbered by GP, counted by GP.
    // Able's first record of GP4 (the shared car) stands for him.
    List({1, 2, 3, 4});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagVerticalCompare);
    EXPECT_EQ(Keys(), (std::vector<int>{1, 2, 3, 4, 13, 12, 14, 11}));
    EXPECT_EQ(ColumnCells(T(), 0), (Strings{"1", "1", "1", "1", "2", "2", "2", "2"}));
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
    // Cole's two cars in GP5 do not stand in for the absent Able; one season only.
    List({3, 1});
    CompareDrivers(Ctx(), 0, 1991);
    EXPECT_EQ(Dates(), (Strings{"10 Mar 1991"}));
    Vertical2Click(Ctx()); // vertical by choice
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagVerticalCompare);
    Horizontaluntil3driver2Click(Ctx());
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagHorizontalCompare);
}

TEST_F(CompareTest, PairKindsTestOneDriversAchievement) {
    const std::string pair = " Alan Able -- Bert Baker";
    const Strings all = {"06 May 1990", "08 Apr 1990", "10 Mar 1990", "07 Jul 1991",
                         "02 Jun 1991", "07 Apr 1991", "10 Mar 1991"};
    const std::pair<Strings, std::string> cases[] = {
        // dates, heading by kind
        {{"06 May 1990", "08 Apr 1990", "10 Mar 1990", "10 Mar 1991"}, pair},
        {{"10 Mar 1990", "02 Jun 1991"}, " (Win)" + pair + " (Race)"},
        {{"06 May 1990", "07 Apr 1991"}, " (Race)" + pair + " (Win)"},
        {{"08 Apr 1990", "10 Mar 1990", "02 Jun 1991", "10 Mar 1991"},
         " (Podium)" + pair + " (Race)"},
        {{"06 May 1990", "10 Mar 1990", "07 Apr 1991", "10 Mar 1991"},
         " (Race)" + pair + " (Podium)"},
        {all, " (Race)" + pair + " (Race)"}, // kinds 5 and 6: both drove
        {all, " (Race)" + pair + " (Race)"},
        {{"10 Mar 1990", "02 Jun 1991"}, " (P)" + pair + " (Race)"},
        {{"08 Apr 1990", "07 Apr 1991"}, " (Race)" + pair + " (P)"},
        {{"10 Mar 1991"}, " (FL)" + pair + " (Race)"},
        {{"06 May 1990", "07 Jul 1991"}, " (Race)" + pair + "( FL)"},
    };
    for (int kind = 0; kind <= MaxCompareKind; ++kind) {
        CompareDrivers(Ctx(), kind, 0, 1, 2);
        EXPECT_EQ(Dates(), cases[kind].first) << kind;
        EXPECT_EQ(T().TitleLabel, cases[kind].second) << kind;
    }
    // The pair replaces the compare list for the table only.
    EXPECT_TRUE(Ctx().browser.CompareList.empty());
    EXPECT_EQ(Ctx().grid.CompareGroupSize, 2);
    // Baker was absent from Able's GP7 win: his side stays empty.
    CompareDrivers(Ctx(), 1, 1991, 1, 2);
    EXPECT_EQ(RowCells(T(), 1),
              (Strings{"1", "02 Jun 1991", "Beta", "A. Able", "Blue", "1", "20", "", "", "", ""}));
    CompareDrivers(Ctx(), 9, 1990, 1, 2); // nothing qualifies
    EXPECT_EQ(T().RowCount(), 2);
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(CompareTest, TheCompareListFromThePopupAndHistory) {
    EXPECT_FALSE(ComparePanelVisible(Ctx()));
    for (const auto& [record, added] :
         {std::pair{2, true}, {1, true}, {5, true}, {2, false}, {0, false}}) {
        Ctx().grid.SelectedRecord = static_cast<std::uint16_t>(record);
        EXPECT_EQ(oCompareList1Click(Ctx()), added) << record;
    }
    EXPECT_EQ(CompareBoxItems(Ctx()),
              (Strings{"- The Compare List -", "Bert Baker", "Alan Able", "Carl Cole"}));
    ComboBox6Click(Ctx(), 1);
    EXPECT_EQ(Ctx().browser.CompareList, (std::vector<std::uint16_t>{1, 3}));
    for (int i = 0; i < 30; ++i) // at most 25
        AddToCompareList(Ctx(), b_.Driver("Extra " + std::to_string(i)));
    EXPECT_EQ(Ctx().browser.CompareList.size(), 25u);

    List({1, 2});
    SpeedButton5Click(Ctx());
    EXPECT_EQ(Current().Kind, history_kind::CompareRaces);
    ComparePairTable(Ctx(), 9, 1991, 1, 2);
    EXPECT_EQ(Current().Kind, history_kind::ComparePair);
    // Back re-runs "Races" on the list as it is now.
    List({2, 3});
    Ctx().history.Back();
    EXPECT_EQ(Dates(),
              (Strings{"06 May 1990", "08 Apr 1990", "10 Mar 1990", "07 Apr 1991", "10 Mar 1991"}));
    Ctx().history.Next();
    EXPECT_EQ(T().TitleLabel, " (FL) Alan Able -- Bert Baker (Race)");
    EXPECT_EQ(Dates(), (Strings{"10 Mar 1991"}));
}

using FrameRun = std::tuple<int, std::uint16_t, int>; // frame, driver, season

// The team-mates window on the record list database, with the frames it asks for.
class TeamMatesTest : public RecordListTest {
  protected:
    void SetUp() override {
        window_.AnalyzeFrame = [this](int frame, std::uint16_t driver, int season) {
            runs_.push_back({frame, driver, season});
        };
    }
    TeamMatesWindow window_;
    std::vector<FrameRun> runs_;
};

TEST_F(TeamMatesTest, SeasonsDrivenForTheTeamWithTheirTeamMates) {
    // Able drove for Red in 1990 (with Baker; Cole and Dunn drove for Blue) and 1991 (with
    // Dunn and Baker).
    Ctx().grid.SelectedRecord = 1;
    ASSERT_TRUE(eamMate1Click(Ctx(), window_));
    EXPECT_EQ(window_.Caption, "TeamMates of Alan Able for Red");
    EXPECT_EQ(window_.SeasonBox, (std::vector<int>{1990, 1991}));
    std::vector<std::pair<int, int>> mates;
    for (int i = 0; i < window_.TeamMateCount; ++i)
        mates.emplace_back(window_.TeamMateList[i].Driver, window_.TeamMateList[i].Season);
    EXPECT_EQ(mates, (std::vector<std::pair<int, int>>{{2, 1990}, {4, 1991}, {2, 1991}}));
    // The latest season is chosen; two team-mates: the box, its first item chosen; a second
    // choice redoes only frame 2.
    EXPECT_TRUE(window_.TeamMateSeason == 1991 && window_.TeamMateBoxVisible &&
                !window_.Label1Visible);
    EXPECT_EQ(window_.TeamMateBox, (Strings{"Dave Dunn", "Bert Baker"}));
    window_.teammateboxChange(1);
    EXPECT_EQ(window_.TeamMate, 2);
    EXPECT_EQ(runs_, (std::vector<FrameRun>{{1, 1, 1991}, {2, 4, 1991}, {2, 2, 1991}}));
    // One team-mate: shown in Label1.
    window_.seasonboxChange(*db_, 0);
    EXPECT_TRUE(window_.Label1 == "Bert Baker" && window_.Label1Visible) << window_.Label1;
    // No record opens nothing.
    TeamMatesWindow other;
    for (const std::uint16_t record : {std::uint16_t{0}, std::uint16_t{9999}}) {
        Ctx().grid.SelectedRecord = record;
        EXPECT_FALSE(eamMate1Click(Ctx(), other));
        EXPECT_TRUE(other.SeasonBox.empty());
    }
}

TEST_F(TeamMatesTest, FiguresComparePairsOfTheChosenSeason) {
    const auto solo = b_.Team("Solo"); // a season alone: no team-mate, nothing to compare
    b_.GP(1992, 1, 1, 1, 1);
    b_.Result(1, 1, solo, 0, 0);
    window_.Open(*db_, 1, solo);
    EXPECT_TRUE(window_.TeamMateBox.empty() && window_.Label1.empty());
    window_.CompareClick(Ctx(), 1, TeamMateFigure::Wins);
    EXPECT_EQ(Ctx().history.HistCount(), 0);
    window_.Open(*db_, 1, 1);
    window_.seasonboxChange(*db_, 0); // 1990, Baker
    window_.CompareClick(Ctx(), 1, TeamMateFigure::Wins);
    EXPECT_EQ(Current().Kind, history_kind::ComparePair);
    EXPECT_EQ(T().TitleLabel, " (Win) Alan Able -- Bert Baker (Race)");
    EXPECT_EQ(Keys(), (std::vector<int>{2})); // GP1 of 1990
    window_.CompareClick(Ctx(), 2, TeamMateFigure::AllRaces);
    EXPECT_EQ(T().TitleLabel, " (Race) Alan Able -- Bert Baker (Race)");
    EXPECT_EQ(T().CountLabel, "3  record(s) found.");
}

TEST_F(ProducerTest, TheLatestSeasonsKeepTheirTeamMatesWithinTheCapacity) {
    // Two seasons of a team with 150 other drivers each, and the examined driver.
    const auto dan = b_.Driver("Dan Main");
    const auto team = b_.Team("Cooper");
    std::array<std::vector<std::uint16_t>, 2> mates;
    for (int y = 1950; y <= 1951; ++y) {
        b_.GP(y, 5, 1, 0, 0);
        b_.Result(dan, 1, team, The_Class::ParseTime("1 hr 30:00.000"), 0);
        for (int i = 0; i < 150; ++i) {
            const auto d = b_.Driver("Mate " + std::to_string(y) + "-" + std::to_string(i));
            b_.Result(d, 0, team, 0, 0);
            mates[static_cast<std::size_t>(y - 1950)].push_back(d);
        }
    }
    TeamMatesWindow w;
    w.Open(*db_, dan, team);
    ASSERT_EQ(w.TeamMateCount, MaxTeamMates);
    // 1951 (shown first) keeps all 150; 1950 its first 49.
    EXPECT_EQ(w.TeamMateBox.size(), 150u);
    EXPECT_EQ(std::make_tuple(w.TeamMateList[48].Driver, w.TeamMateList[49].Driver,
                              w.TeamMateList[198].Driver),
              std::make_tuple(mates[0][48], mates[1][0], mates[1][149]));
    w.seasonboxChange(*db_, 0);
    EXPECT_EQ(w.TeamMateBox.size(), 49u);
}

} // namespace
} // namespace qor::testing
