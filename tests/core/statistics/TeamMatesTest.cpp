// Team-mates window: the seasons a driver drove for a team, each season's team-mates, the
// chosen pair, the pair comparisons of the frames' figures, and the list's capacity.

#include "statistics/TeamMates.h"
#include "statistics/DriverComparison.h"
#include "support/StatisticsFixtures.h"

namespace qor::testing {
namespace {

struct FrameRun {
    int frame;
    std::uint16_t driver;
    int season;
    bool operator==(const FrameRun&) const = default;
};

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
    EXPECT_EQ(window_.TeamMateSeason, 1991);
    EXPECT_TRUE(window_.TeamMateBoxVisible);
    EXPECT_FALSE(window_.Label1Visible);
    EXPECT_EQ(window_.TeamMateBox, (Strings{"Dave Dunn", "Bert Baker"}));
    window_.teammateboxChange(1);
    EXPECT_EQ(window_.TeamMate, 2);
    EXPECT_EQ(runs_, (std::vector<FrameRun>{{1, 1, 1991}, {2, 4, 1991}, {2, 2, 1991}}));
    // One team-mate: shown in Label1.
    window_.seasonboxChange(*db_, 0);
    EXPECT_EQ(window_.Label1, "Bert Baker");
    EXPECT_TRUE(window_.Label1Visible);
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
    EXPECT_TRUE(window_.TeamMateBox.empty());
    EXPECT_EQ(window_.Label1, "");
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
    EXPECT_EQ(w.TeamMateList[48].Driver, mates[0][48]);
    EXPECT_EQ(w.TeamMateList[49].Driver, mates[1][0]);
    EXPECT_EQ(w.TeamMateList[198].Driver, mates[1][149]);
    w.seasonboxChange(*db_, 0);
    EXPECT_EQ(w.TeamMateBox.size(), 49u);
}

} // namespace
} // namespace qor::testing
