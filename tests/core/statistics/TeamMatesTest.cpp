// Team-mates window: the seasons a driver drove for a team, each season's team-mates, the
// chosen pair, the pair comparisons of the frames' figures, and the list's capacity.

#include "BrowserTablesFixture.h"

#include "statistics/DriverComparison.h"
#include "statistics/TeamMates.h"
#include "text/Encoding.h"

namespace qor::testing {
namespace {

struct FrameRun {
    int frame;
    std::uint16_t driver;
    int season;
    bool operator==(const FrameRun&) const = default;
};

// 1950: Dan drives for Brabham; Lotus runs Ann (not a team-mate: Dan is not there).
// 1951: Dan, Ann and Bob for Lotus in g1, Ann again in g2.
// 1952: Dan for Brabham in g1, for Lotus with Cid in g2.
// 1953: Lotus with Ann only.  1954: Dan alone for Lotus.
class TeamMatesTest : public ProducerTest {
  protected:
    void SetUp() override {
        dan_ = b_.Driver("Dan Main");
        ann_ = b_.Driver("Ann Second");
        bob_ = b_.Driver("Bob Third");
        cid_ = b_.Driver("Cid Fourth");
        lotus_ = b_.Team("Lotus");
        brabham_ = b_.Team("Brabham");
        const auto track = b_.Track("Monza");
        const auto name = b_.GPName("Italy");
        const auto gp = [&](int y, int m) { b_.GP(y, m, 1, track, name); };
        const auto result = [&](std::uint16_t d, std::uint8_t t, std::uint8_t pos) {
            return b_.Result(d, pos, t, pos ? The_Class::ParseTime("1 hr 30:00.000") : 0, 0);
        };
        gp(1950, 5);
        result(dan_, brabham_, 1);
        result(ann_, lotus_, 2);
        gp(1951, 5);
        result(ann_, lotus_, 1);
        danLotus_ = result(dan_, lotus_, 2);
        result(bob_, lotus_, 3);
        gp(1951, 6);
        result(dan_, lotus_, 1);
        result(ann_, lotus_, 2);
        gp(1952, 5);
        result(dan_, brabham_, 1);
        gp(1952, 6);
        result(cid_, lotus_, 1);
        result(dan_, lotus_, 2);
        gp(1953, 5);
        result(ann_, lotus_, 1);
        gp(1954, 5);
        result(dan_, lotus_, 1);
        window_.AnalyzeFrame = [this](int frame, std::uint16_t driver, int season) {
            runs_.push_back({frame, driver, season});
        };
    }

    std::vector<std::string> Names(const std::vector<std::uint16_t>& drivers) {
        std::vector<std::string> names;
        for (const auto d : drivers)
            names.push_back(db_->DriverName(d));
        return names;
    }

    std::uint16_t dan_ = 0, ann_ = 0, bob_ = 0, cid_ = 0, danLotus_ = 0;
    std::uint8_t lotus_ = 0, brabham_ = 0;
    TeamMatesWindow window_;
    std::vector<FrameRun> runs_;
};

TEST_F(TeamMatesTest, SeasonsDrivenForTheTeamWithTheirTeamMates) {
    Ctx().grid.SelectedRecord = danLotus_;
    ASSERT_TRUE(eamMate1Click(Ctx(), window_));
    EXPECT_EQ(window_.Caption, "TeamMates of Dan Main for Lotus");
    EXPECT_EQ(window_.TeamLabel, "Lotus");
    EXPECT_EQ(window_.SeasonBox, (std::vector<int>{1951, 1952, 1954}));
    ASSERT_EQ(window_.TeamMateCount, 3);
    EXPECT_EQ(window_.TeamMateList[0].Driver, ann_);
    EXPECT_EQ(window_.TeamMateList[0].Season, 1951);
    EXPECT_EQ(window_.TeamMateList[1].Driver, bob_);
    EXPECT_EQ(window_.TeamMateList[2].Driver, cid_);
    EXPECT_EQ(window_.TeamMateList[2].Season, 1952);

    // The latest season is chosen: no team-mate in 1954.
    EXPECT_EQ(window_.SeasonIndex, 2);
    EXPECT_EQ(window_.TeamMateSeason, 1954);
    EXPECT_TRUE(window_.TeamMateBox.empty());
    EXPECT_TRUE(window_.Label1Visible);
    EXPECT_EQ(window_.Label1, "");
    EXPECT_EQ(window_.TeamMate, 0);
    EXPECT_EQ(runs_, (std::vector<FrameRun>{{1, dan_, 1954}}));

    // One team-mate: shown in Label1.
    window_.seasonboxChange(*db_, 1);
    EXPECT_EQ(window_.TeamMateSeason, 1952);
    EXPECT_FALSE(window_.TeamMateBoxVisible);
    EXPECT_TRUE(window_.Label1Visible);
    EXPECT_EQ(window_.Label1, "Cid Fourth");
    EXPECT_EQ(window_.TeamMate, cid_);

    // Two: the box, its first item chosen; a second choice redoes only frame 2.
    runs_.clear();
    window_.seasonboxChange(*db_, 0);
    EXPECT_TRUE(window_.TeamMateBoxVisible);
    EXPECT_FALSE(window_.Label1Visible);
    EXPECT_EQ(window_.TeamMateBox, (std::vector<std::string>{"Ann Second", "Bob Third"}));
    EXPECT_EQ(window_.TeamMateIndex, 0);
    EXPECT_EQ(window_.TeamMate, ann_);
    window_.teammateboxChange(1);
    EXPECT_EQ(window_.TeamMate, bob_);
    EXPECT_EQ(runs_, (std::vector<FrameRun>{{1, dan_, 1951}, {2, ann_, 1951}, {2, bob_, 1951}}));
}

TEST_F(TeamMatesTest, NoRecordOpensNothing) {
    Ctx().grid.SelectedRecord = 0;
    EXPECT_FALSE(eamMate1Click(Ctx(), window_));
    EXPECT_TRUE(window_.SeasonBox.empty());
    Ctx().grid.SelectedRecord = 9999;
    EXPECT_FALSE(eamMate1Click(Ctx(), window_));
}

TEST_F(TeamMatesTest, FiguresComparePairsOfTheChosenSeason) {
    EXPECT_EQ(TeamMatesWindow::CompareKind(1, TeamMateFigure::Wins), 1);
    EXPECT_EQ(TeamMatesWindow::CompareKind(2, TeamMateFigure::Wins), 2);
    EXPECT_EQ(TeamMatesWindow::CompareKind(1, TeamMateFigure::Podiums), 3);
    EXPECT_EQ(TeamMatesWindow::CompareKind(2, TeamMateFigure::Podiums), 4);
    EXPECT_EQ(TeamMatesWindow::CompareKind(1, TeamMateFigure::AllRaces), 5);
    EXPECT_EQ(TeamMatesWindow::CompareKind(2, TeamMateFigure::AllRaces), 6);
    EXPECT_EQ(TeamMatesWindow::CompareKind(1, TeamMateFigure::Poles), 7);
    EXPECT_EQ(TeamMatesWindow::CompareKind(2, TeamMateFigure::Poles), 8);
    EXPECT_EQ(TeamMatesWindow::CompareKind(1, TeamMateFigure::FastestLaps), 9);
    EXPECT_EQ(TeamMatesWindow::CompareKind(2, TeamMateFigure::FastestLaps), 10);

    window_.Open(*db_, dan_, lotus_);
    // 1954 has no team-mate: the figures compare nothing.
    window_.CompareClick(Ctx(), 1, TeamMateFigure::Wins);
    EXPECT_EQ(Ctx().history.HistCount(), 0);

    window_.seasonboxChange(*db_, 0); // 1951, Ann
    window_.CompareClick(Ctx(), 1, TeamMateFigure::Wins);
    EXPECT_EQ(Current().Kind, history_kind::ComparePair);
    EXPECT_EQ(T().TitleLabel, " (Win) Dan Main -- Ann Second (Race)");
    ASSERT_EQ(T().CountLabel, "1  record(s) found."); // g2 of 1951 only
    EXPECT_EQ(T().Cell(3, 1), "D. Main");
    EXPECT_EQ(T().Cell(7, 1), "A. Second");
    window_.CompareClick(Ctx(), 2, TeamMateFigure::AllRaces);
    EXPECT_EQ(T().TitleLabel, " (Race) Dan Main -- Ann Second (Race)");
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
}

// Two seasons of a team with 150 other drivers each, and the examined driver.
class TeamMatesCapacityTest : public ProducerTest {
  protected:
    void SetUp() override {
        dan_ = b_.Driver("Dan Main");
        team_ = b_.Team("Cooper");
        const auto track = b_.Track("Monza");
        const auto name = b_.GPName("Italy");
        for (int y = 1950; y <= 1951; ++y) {
            b_.GP(y, 5, 1, track, name);
            b_.Result(dan_, 1, team_, The_Class::ParseTime("1 hr 30:00.000"), 0);
            for (int i = 0; i < 150; ++i) {
                const auto d = b_.Driver("Mate " + std::to_string(y) + "-" + std::to_string(i));
                b_.Result(d, 0, team_, 0, 0);
                mates_[y - 1950].push_back(d);
            }
        }
    }

    std::uint16_t dan_ = 0;
    std::uint8_t team_ = 0;
    std::array<std::vector<std::uint16_t>, 2> mates_;
};

TEST_F(TeamMatesCapacityTest, TheLatestSeasonsKeepTheirTeamMatesWithinTheCapacity) {
    TeamMatesWindow w;
    w.Open(*db_, dan_, team_);
    EXPECT_EQ(w.SeasonBox, (std::vector<int>{1950, 1951}));
    ASSERT_EQ(w.TeamMateCount, MaxTeamMates);
    // 1951 (shown first) keeps all 150; 1950 its first 49.
    EXPECT_EQ(w.TeamMateBox.size(), 150u);
    EXPECT_EQ(w.TeamMate, mates_[1][0]);
    EXPECT_EQ(w.TeamMateList[0].Driver, mates_[0][0]);
    EXPECT_EQ(w.TeamMateList[48].Driver, mates_[0][48]);
    EXPECT_EQ(w.TeamMateList[48].Season, 1950);
    EXPECT_EQ(w.TeamMateList[49].Driver, mates_[1][0]);
    EXPECT_EQ(w.TeamMateList[198].Driver, mates_[1][149]);
    w.seasonboxChange(*db_, 0);
    EXPECT_EQ(w.TeamMateBox.size(), 49u);
}

class TeamMatesShipped : public ShippedTest {};

TEST_F(TeamMatesShipped, SchumacherAtFerrari) {
    TeamMatesWindow w;
    const std::uint16_t schumacher = db_->FindDriver("Michael Schumacher");
    const std::uint8_t ferrari = static_cast<std::uint8_t>(db_->FindTeam("Ferrari"));
    w.Open(*db_, schumacher, ferrari);
    EXPECT_EQ(w.SeasonBox,
              (std::vector<int>{1996, 1997, 1998, 1999, 2000, 2001, 2002, 2003, 2004, 2005, 2006}));
    EXPECT_EQ(w.Label1, "Felipe Massa");
    w.seasonboxChange(*db_, 3);
    EXPECT_EQ(w.TeamMateBox, (std::vector<std::string>{"Eddie Irvine", "Mika Salo"}));
}

} // namespace
} // namespace qor::testing
