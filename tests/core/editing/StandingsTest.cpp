// Championship tables: inserting rows and recomputing a season.

#include "EditingFixture.h"

namespace qor::testing {
namespace {

// A season of its own: 2005 emptied of results so that a test decides every score.
class StandingsTest : public EditingTest {
  protected:
    void SetUp() override {
        EditingTest::SetUp();
        const int first = db->Seasons[2005].FirstGP;
        const int last = db->Seasons[2005].LastGP;
        for (int g = last; g > first; --g)
            ASSERT_NE(db->DeleteGP(db->FormatDate(db->GPs[g].Date)), 0);
        const std::string date = db->FormatDate(db->GPs[first].Date);
        while (db->GPs[first].LastResult >= db->GPs[first].FirstResult)
            ASSERT_NE(db->DeleteResult(date, 1), 0);
        gpDate = date;
        debug.clear();
    }
    void Add(std::uint16_t driver, std::uint8_t pos, std::uint8_t team) {
        ASSERT_NE(db->AddResult(TResultRec{driver, pos, team, 1, EmptyReasonCode, 0}, gpDate), 0);
    }
    std::vector<std::pair<int, float>> Drivers(int year) const {
        std::vector<std::pair<int, float>> out;
        const TSeasonRow& s = db->Seasons[year];
        for (int i = s.FirstDriverStanding; i <= s.LastDriverStanding; ++i)
            out.emplace_back(+db->DriverStandings[i].Driver, +db->DriverStandings[i].Points);
        return out;
    }
    std::vector<std::pair<int, float>> Teams(int year) const {
        std::vector<std::pair<int, float>> out;
        const TSeasonRow& s = db->Seasons[year];
        for (int i = s.FirstTeamStanding; i <= s.LastTeamStanding; ++i)
            out.emplace_back(+db->TeamStandings[i].Team, +db->TeamStandings[i].Points);
        return out;
    }
    std::string gpDate;
};

using P = std::vector<std::pair<int, float>>;

TEST_F(StandingsTest, PointsWinsAndChampions) {
    ASSERT_NE(db->AddGP(TGPRow{0, 0, PackDate(2005, 11, 1)}), 0);
    const std::string second = DateText(2005, 11, 1);
    // GP 1: 7 wins for team 4, 8 second, 9 third for team 5; a ninth place scores nothing.
    Add(7, 1, 4);
    Add(8, 2, 4);
    Add(9, 3, 5);
    Add(10, 9, 5);
    Add(11, 0, 5);
    // GP 2: 8 wins, now for team 5; 7 is eighth.
    ASSERT_NE(db->AddResult(TResultRec{8, 1, 5, 1, 15, 0}, second), 0);
    ASSERT_NE(db->AddResult(TResultRec{7, 8, 4, 1, 15, 0}, second), 0);
    const auto before2006 = Snapshot();

    db->RecalcStandings(2005);

    EXPECT_EQ(Drivers(2005), (P{{8, 18.0f}, {7, 11.0f}, {9, 6.0f}}));
    EXPECT_EQ(Teams(2005), (P{{4, 19.0f}, {5, 16.0f}}));
    const TSeasonRow& s = db->Seasons[2005];
    EXPECT_EQ(+s.ChampDriver, 8);
    EXPECT_EQ(+s.ChampDriverTeam, 5); // the team of his last scoring result
    EXPECT_EQ(+s.ChampDriverWins, 1);
    EXPECT_EQ(+s.ChampTeam, 4);
    EXPECT_EQ(+s.ChampTeamWins, 1);
    // Computed rows carry an empty name.
    EXPECT_EQ(+db->TeamStandings[s.FirstTeamStanding].Name.len, 0);
    // 2006 keeps its rows, moved behind 2005's new ones.
    EXPECT_EQ(Drivers(2006).size(), 4u);
    EXPECT_EQ(+db->Seasons[2006].FirstDriverStanding, s.LastDriverStanding + 1);
    EXPECT_EQ(+db->DriverStandings[db->Seasons[2006].FirstDriverStanding].Points,
              +before2006->DriverStandings[before2006->Seasons[2006].FirstDriverStanding].Points);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(StandingsTest, TiesListTheLowerDriverIndexFirst) {
    Add(12, 1, 2);
    Add(3, 2, 1);
    ASSERT_NE(db->AddGP(TGPRow{0, 0, PackDate(2005, 11, 1)}), 0);
    const std::string second = DateText(2005, 11, 1);
    ASSERT_NE(db->AddResult(TResultRec{3, 1, 1, 1, 15, 0}, second), 0);
    ASSERT_NE(db->AddResult(TResultRec{12, 2, 2, 1, 15, 0}, second), 0);
    db->RecalcStandings(2005);
    EXPECT_EQ(Drivers(2005), (P{{3, 18.0f}, {12, 18.0f}}));
    EXPECT_EQ(Teams(2005), (P{{1, 18.0f}, {2, 18.0f}}));
    EXPECT_EQ(+db->Seasons[2005].ChampDriver, 3);
}

TEST_F(StandingsTest, ASeasonWithoutScoringResultsHasNoChampion) {
    Add(3, 9, 1);
    Add(4, 0, 1);
    db->RecalcStandings(2005);
    const TSeasonRow& s = db->Seasons[2005];
    EXPECT_TRUE(Drivers(2005).empty());
    EXPECT_TRUE(Teams(2005).empty());
    EXPECT_EQ(+s.ChampDriver, 0);
    EXPECT_EQ(+s.ChampDriverTeam, 0);
    EXPECT_EQ(+s.ChampDriverWins, 0);
    EXPECT_EQ(+s.ChampTeam, 0);
    EXPECT_EQ(+s.ChampTeamWins, 0);
    EXPECT_EQ(+s.LastDriverStanding, s.FirstDriverStanding - 1);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(StandingsTest, TheLastDriverAndTeamIndexesScore) {
    // Working arrays indexed by driver and team must hold the tables' last rows.
    DatabaseBuilder b(*db);
    while (db->DriverCount < MaxDrivers)
        b.Driver("Driver " + std::to_string(db->DriverCount));
    while (db->TeamCount < MaxTeams)
        b.Team("Team " + std::to_string(db->TeamCount));
    Add(MaxDrivers, 1, MaxTeams);
    db->RecalcStandings(2005);
    EXPECT_EQ(Drivers(2005), (P{{MaxDrivers, 10.0f}}));
    EXPECT_EQ(Teams(2005), (P{{MaxTeams, 10.0f}}));
    EXPECT_EQ(+db->Seasons[2005].ChampTeamWins, 1);
}

TEST_F(StandingsTest, OlderSeasonsKeepTheirStoredTables) {
    const auto before = Snapshot();
    db->RecalcStandings(1950);
    db->RecalcStandings(2004);
    EXPECT_EQ(FirstDifference(*db, *before), "");
    db->RecalcStandings(1949);
    db->RecalcStandings(2007);
    db->RecalcStandings(-5);
    EXPECT_TRUE(Logged("Sıralama: geçersiz yıl"));
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

TEST_F(StandingsTest, RecalcThatDoesNotFitKeepsTheOldTables) {
    // Six scorers replace the four stored rows of 2005: two rows more than before.
    for (std::uint8_t pos = 1; pos <= 6; ++pos)
        Add(static_cast<std::uint16_t>(pos + 2), pos, 1);
    while (db->DriverStandingCount < MaxDriverStandings - 1)
        ASSERT_NE(db->AddDriverStanding(2006, 1, 1.0f, 1), 0);
    const auto before = Snapshot();
    db->RecalcStandings(2005);
    EXPECT_TRUE(Logged("Yer yok."));
    EXPECT_EQ(FirstDifference(*db, *before), "");
    // One row more of room is enough.
    db->DriverStandingCount = static_cast<std::uint16_t>(db->DriverStandingCount - 1);
    db->Seasons[2006].LastDriverStanding =
        static_cast<std::uint16_t>(db->Seasons[2006].LastDriverStanding - 1);
    ASSERT_EQ(FirstViolation(*db), "");
    db->RecalcStandings(2005);
    EXPECT_EQ(Drivers(2005).size(), 6u);
    EXPECT_EQ(+db->DriverStandingCount, MaxDriverStandings);
    EXPECT_EQ(FirstViolation(*db), "");
}

using StandingRows = EditingTest;

TEST_F(StandingRows, AddDriverStandingKeepsDescendingPoints) {
    const TSeasonRow s = db->Seasons[2005];
    // 2005 holds 100, 91, 82, 73: 82 goes behind the existing 82 (ties keep insertion order).
    const std::uint16_t i = db->AddDriverStanding(2005, 2, 82.0f, 1);
    EXPECT_EQ(i, s.FirstDriverStanding + 3);
    EXPECT_EQ(+db->Seasons[2005].LastDriverStanding, s.LastDriverStanding + 1);
    EXPECT_EQ(+db->Seasons[2006].FirstDriverStanding, s.LastDriverStanding + 2);
    EXPECT_EQ(db->AddDriverStanding(2005, 2, 500.0f, 1), +s.FirstDriverStanding);
    const std::uint16_t last =
        db->AddTeamStanding(2005, "A very long constructor name indeed", 0.5f, 2);
    EXPECT_EQ(last, +db->Seasons[2005].LastTeamStanding);
    EXPECT_EQ(db->TeamStandings[db->Seasons[2005].LastTeamStanding].Name.str(),
              "A very long constructor n");
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(StandingRows, RefusalsChangeNothing) {
    auto before = Snapshot();
    EXPECT_EQ(db->AddDriverStanding(2007, 1, 1.0f, 1), 0);
    EXPECT_EQ(db->AddDriverStanding(1949, 1, 1.0f, 1), 0);
    EXPECT_EQ(db->AddTeamStanding(2011, "", 1.0f, 1), 0);
    EXPECT_TRUE(Logged("Sıralama: geçersiz yıl"));
    EXPECT_EQ(db->AddDriverStanding(2005, 9999, 1.0f, 1), 0);
    EXPECT_EQ(db->AddDriverStanding(2005, 1, 1.0f, 250), 0);
    EXPECT_EQ(db->AddTeamStanding(2005, "", 1.0f, 250), 0);
    EXPECT_TRUE(Logged("Sıralama: geçersiz indeks"));
    EXPECT_EQ(FirstDifference(*db, *before), "");

    while (db->DriverStandingCount < MaxDriverStandings)
        ASSERT_NE(db->AddDriverStanding(2006, 1, 1.0f, 1), 0);
    while (db->TeamStandingCount < MaxTeamStandings)
        ASSERT_NE(db->AddTeamStanding(1950, "", 1.0f, 1), 0);
    EXPECT_EQ(FirstViolation(*db), "");
    before = Snapshot();
    EXPECT_EQ(db->AddDriverStanding(2005, 1, 1.0f, 1), 0);
    EXPECT_EQ(db->AddTeamStanding(2005, "", 1.0f, 1), 0);
    EXPECT_TRUE(Logged("Yer yok."));
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

} // namespace
} // namespace qor::testing
