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

// 1950: Dan drives for Brabham; Lotus runs Ann (not a team-mate: Dan is not there).
// 1951: Dan, Ann and Bob for Lotus in one GP, Dan and Ann in another.
// 1952: Dan for Brabham in one GP, for Lotus with Cid in another.
// 1953: Lotus with Ann only.  1954: Dan alone for Lotus.
class TeamMatesTest : public ProducerTest {
  protected:
    void SetUp() override {
        dan_ = b_.Driver("Dan Main");
        ann_ = b_.Driver("Ann Second");
        bob_ = b_.Driver("Bob Third");
        cid_ = b_.Driver("Cid Fourth");
        lotus_ = b_.Team("Lotus");
        const auto brabham = b_.Team("Brabham");
        const auto gp = [&](int y, int m,
                            std::vector<std::pair<std::uint16_t, std::uint8_t>> results) {
            b_.GP(y, m, 1, 0, 0);
            std::uint8_t pos = 1;
            std::uint16_t first = 0;
            for (const auto& [d, t] : results) {
                const auto r = b_.Result(d, pos++, t, The_Class::ParseTime("1 hr 30:00.000"), 0);
                if (d == dan_ && t == lotus_ && !first) first = r;
            }
            return first;
        };
        gp(1950, 5, {{dan_, brabham}, {ann_, lotus_}});
        danLotus_ = gp(1951, 5, {{ann_, lotus_}, {dan_, lotus_}, {bob_, lotus_}});
        gp(1951, 6, {{dan_, lotus_}, {ann_, lotus_}});
        gp(1952, 5, {{dan_, brabham}});
        gp(1952, 6, {{cid_, lotus_}, {dan_, lotus_}});
        gp(1953, 5, {{ann_, lotus_}});
        gp(1954, 5, {{dan_, lotus_}});
        window_.AnalyzeFrame = [this](int frame, std::uint16_t driver, int season) {
            runs_.push_back({frame, driver, season});
        };
    }

    std::uint16_t dan_ = 0, ann_ = 0, bob_ = 0, cid_ = 0, danLotus_ = 0;
    std::uint8_t lotus_ = 0;
    TeamMatesWindow window_;
    std::vector<FrameRun> runs_;
};

TEST_F(TeamMatesTest, SeasonsDrivenForTheTeamWithTheirTeamMates) {
    Ctx().grid.SelectedRecord = danLotus_;
    ASSERT_TRUE(eamMate1Click(Ctx(), window_));
    EXPECT_EQ(window_.Caption, "TeamMates of Dan Main for Lotus");
    EXPECT_EQ(window_.SeasonBox, (std::vector<int>{1951, 1952, 1954}));
    ASSERT_EQ(window_.TeamMateCount, 3);
    std::vector<std::pair<int, int>> mates;
    for (int i = 0; i < window_.TeamMateCount; ++i)
        mates.emplace_back(window_.TeamMateList[i].Driver, window_.TeamMateList[i].Season);
    EXPECT_EQ(mates, (std::vector<std::pair<int, int>>{{ann_, 1951}, {bob_, 1951}, {cid_, 1952}}));

    // The latest season is chosen: no team-mate in 1954.
    EXPECT_EQ(window_.TeamMateSeason, 1954);
    EXPECT_TRUE(window_.TeamMateBox.empty());
    EXPECT_EQ(window_.TeamMate, 0);
    EXPECT_EQ(runs_, (std::vector<FrameRun>{{1, dan_, 1954}}));

    // One team-mate: shown in Label1.
    window_.seasonboxChange(*db_, 1);
    EXPECT_EQ(window_.TeamMateSeason, 1952);
    EXPECT_EQ(window_.Label1, "Cid Fourth");

    // Two: the box, its first item chosen; a second choice redoes only frame 2.
    runs_.clear();
    window_.seasonboxChange(*db_, 0);
    EXPECT_TRUE(window_.TeamMateBoxVisible);
    EXPECT_FALSE(window_.Label1Visible);
    EXPECT_EQ(window_.TeamMateBox, (Strings{"Ann Second", "Bob Third"}));
    window_.teammateboxChange(1);
    EXPECT_EQ(window_.TeamMate, bob_);
    EXPECT_EQ(runs_, (std::vector<FrameRun>{{1, dan_, 1951}, {2, ann_, 1951}, {2, bob_, 1951}}));

    // No record opens nothing.
    TeamMatesWindow other;
    for (const std::uint16_t record : {std::uint16_t{0}, std::uint16_t{9999}}) {
        Ctx().grid.SelectedRecord = record;
        EXPECT_FALSE(eamMate1Click(Ctx(), other));
        EXPECT_TRUE(other.SeasonBox.empty());
    }
}

TEST_F(TeamMatesTest, FiguresComparePairsOfTheChosenSeason) {
    window_.Open(*db_, dan_, lotus_);
    window_.CompareClick(Ctx(), 1, TeamMateFigure::Wins); // 1954: no team-mate, nothing
    EXPECT_EQ(Ctx().history.HistCount(), 0);

    window_.seasonboxChange(*db_, 0); // 1951, Ann
    window_.CompareClick(Ctx(), 1, TeamMateFigure::Wins);
    EXPECT_EQ(Current().Kind, history_kind::ComparePair);
    EXPECT_EQ(T().TitleLabel, " (Win) Dan Main -- Ann Second (Race)");
    ASSERT_EQ(T().CountLabel, "1  record(s) found."); // his one 1951 win
    window_.CompareClick(Ctx(), 2, TeamMateFigure::AllRaces);
    EXPECT_EQ(T().TitleLabel, " (Race) Dan Main -- Ann Second (Race)");
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
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
