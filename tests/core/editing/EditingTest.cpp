// What the random edits leave open: full tables, names as they are stored, the championship
// computed for a season, and the searches for a first result.

#include "database/Invariants.h"
#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace qor::testing {
namespace {

class Editing : public ::testing::Test {
  protected:
    void SetUp() override { db->DebugLines = &debug; }
    std::string Date(int y, int m, int d) const { return db->FormatDate(PackDate(y, m, d)); }
    int FirstOf(int y, int m, int d) const {
        return db->GPs[db->FindGPByDate(Date(y, m, d))].FirstResult;
    }
    // Expects `edit` to return 0, change nothing and say there is no room.
    void ExpectFull(const std::function<int()>& edit, const std::string& why) {
        const auto before = std::make_unique<TheClassData>(*db);
        debug.clear();
        EXPECT_EQ(edit(), 0) << why;
        EXPECT_EQ(FirstDifference(*db, *before), "") << why;
        EXPECT_EQ(debug.empty() ? "" : debug.back(), "Debug:Yer yok.") << why;
    }
    static TGPRow NewGP(int y, int m, int d, std::uint8_t track = 1) {
        return TGPRow{track, 1, PackDate(y, m, d)};
    }

    std::unique_ptr<The_Class> db = MakeModernDatabase();
    std::vector<std::string> debug;
};

TEST_F(Editing, FullTablesRefuseEveryAddition) {
    for (auto [count, max] : {std::pair{&db->GPCount, MaxGPs},
                              {&db->ResultCount, MaxResults},
                              {&db->DriverCount, MaxDrivers},
                              {&db->NoteCount, MaxNotes},
                              {&db->NationalityCount, MaxNationalities},
                              {&db->ReasonCount, MaxReasons},
                              {&db->DriverStandingCount, MaxDriverStandings},
                              {&db->TeamStandingCount, MaxTeamStandings}})
        *count = static_cast<std::uint16_t>(max);
    const std::function<int()> additions[] = {
        [&] { return db->AddGP(NewGP(2006, 8, 1)); },
        [&] {
            return db->AddResult(TResultRec{1, 1, 1, 1, 15, 0}, Date(2006, 3, 5));
        },
        [&] { return db->AddDriver("New Driver", ""); },
        [&] { return db->AddDriverNat("Finnish"); },
        [&] { return db->AddReason("A new note", false); },
        [&] { return db->AddReason("A new reason", true); },
        [&] { return db->AddDriverStanding(2005, 1, 1.0f, 1); },
        [&] { return db->AddTeamStanding(2005, "", 1.0f, 1); }};
    for (std::size_t i = 0; i < std::size(additions); ++i)
        ExpectFull(additions[i], "addition " + std::to_string(i));
}

TEST_F(Editing, NamesAreStoredNormalised) {
    const struct {
        std::function<std::string()> add;
        std::string stored;
    } cases[] = {
        {[&] { return db->DriverName(db->AddDriver("JOHN SMITH", "British")); }, "John Smith"},
        // Only the first blank starts a capital; the cut to 35 characters comes first.
        {[&] { return db->DriverName(db->AddDriver("PEDRO DE LA ROSA", "")); }, "Pedro De la rosa"},
        {[&] { return db->DriverName(db->AddDriver(std::string(40, 'X'), "")); },
         "X" + std::string(34, 'x')},
        {[&] { return db->Nationalities[db->AddDriverNat("  new   zealander ")].str(); },
         "New Zealander"},
        {[&] { return db->ReasonText(db->AddReason("  engine  failure ", false)); },
         "Engine failure"},
        {[&] { return db->ReasonText(db->AddReason("gearbox   broke", true)); }, "Gearbox broke"},
        {[&] {
             return db->TeamStandings[db->AddTeamStanding(2005, std::string(30, 'a'), 0.5f, 2)]
                 .Name.str();
         },
         std::string(25, 'a')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.add(), c.stored);
    EXPECT_EQ(db->DriverNatName(db->DriverCount - 2), "British");
    EXPECT_EQ(db->AddDriver("john smith", ""), 0);
    EXPECT_EQ(db->AddDriver(std::string(40, 'X'), ""), 0); // the stored cut name is found
    // An existing standard description is reused, whichever table was asked for.
    EXPECT_EQ(db->AddReason("hydraulics", false), db->FindReason("Hydraulics"));
    EXPECT_EQ(db->AddReason("Gearbox broke", false), db->ReasonCount);
    EXPECT_EQ(db->Notes.size(), db->NoteCount + 1u);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(Editing, ResultReasonsReuseDescriptionsAndEditNotesInPlace) {
    const int note = db->GPs[db->FindGPByDate(Date(2005, 3, 5))].LastResult;
    const int plain = FirstOf(2005, 3, 5);
    const std::uint16_t code = db->Results[note].Reason;
    const auto notes = db->NoteCount;
    EXPECT_EQ(db->SetResultReason(note, "Spun off into the gravel"), code);
    EXPECT_EQ(db->ReasonText(code), "Spun off into the gravel");
    EXPECT_EQ(db->SetResultReason(plain, "Hydraulics"), db->FindReason("Hydraulics"));
    EXPECT_EQ(+db->Results[plain].Reason, EmptyReasonCode); // the result is the caller's to change
    EXPECT_EQ(db->SetResultReason(plain, ""), EmptyReasonCode);
    EXPECT_EQ(db->NoteCount, notes);
    EXPECT_EQ(db->SetResultReason(plain, "hydraulics"), db->FindReason("Hydraulics"));
    EXPECT_EQ(db->SetResultReason(plain, "Fuel pressure"), NoteCodeBase + notes + 1);
    EXPECT_EQ(db->SetResultReason(0, "Anything"), EmptyReasonCode);
    EXPECT_EQ(db->SetResultReason(db->ResultCount + 1, "Anything"), EmptyReasonCode);
}

TEST_F(Editing, FirstResultOfADriverOrTeam) {
    const int monaco = db->GPs[2].FirstResult;
    const struct {
        int got, expected;
        const char* why;
    } cases[] = {
        {db->FirstDriverResult("Nino Farina", ""), 1, "any track"},
        {db->FirstDriverResult("Nino Farina", "Monte Carlo"), monaco + 1, "on one track"},
        {db->FirstDriverResult("Nino Farina", "No such track"), 1, "unknown track: any"},
        {db->FirstDriverResult("Nobody", ""), 0, "unknown driver"},
        {db->FirstDriverResult("Ayrton Senna", ""), 0, "no results"},
        {db->FirstTeamResult("Ferrari", ""), db->GPs[4].FirstResult, "1952"},
        {db->FirstTeamResult("Renault", "Monza"), FirstOf(2005, 7, 13) + 2, "third row there"},
        {db->FirstTeamResult("Nobody", ""), 0, "unknown team"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.why;
}

// 2005 emptied down to two GPs without results, so that each case decides every score.
class Standings : public Editing {
  protected:
    void Empty2005() {
        db = MakeModernDatabase();
        db->DebugLines = &debug;
        const TSeasonRow& s = db->Seasons[2005];
        while (s.LastGP > s.FirstGP)
            ASSERT_NE(db->DeleteGP(db->FormatDate(db->GPs[s.LastGP].Date)), 0);
        while (db->GPs[s.FirstGP].LastResult >= db->GPs[s.FirstGP].FirstResult)
            ASSERT_NE(db->DeleteResult(Date(2005, 3, 5), 1), 0);
        ASSERT_NE(db->AddGP(NewGP(2005, 11, 1)), 0);
    }
    // A result {driver, position, team} in the first GP (0) or the second (1).
    void Add(int gp, int driver, int pos, int team) {
        const TResultRec rec{static_cast<std::uint16_t>(driver),
                             static_cast<std::uint8_t>(pos),
                             static_cast<std::uint8_t>(team),
                             1,
                             EmptyReasonCode,
                             0};
        ASSERT_NE(db->AddResult(rec, gp ? Date(2005, 11, 1) : Date(2005, 3, 5)), 0);
    }
    // The season's tables as {driver or team, points} and its champions' five fields.
    using Rows = std::vector<std::pair<int, float>>;
    std::tuple<Rows, Rows, std::vector<int>> Season2005() const {
        const TSeasonRow& s = db->Seasons[2005];
        Rows drivers, teams;
        for (int i = s.FirstDriverStanding; i <= s.LastDriverStanding; ++i)
            drivers.emplace_back(+db->DriverStandings[i].Driver, +db->DriverStandings[i].Points);
        for (int i = s.FirstTeamStanding; i <= s.LastTeamStanding; ++i)
            teams.emplace_back(+db->TeamStandings[i].Team, +db->TeamStandings[i].Points);
        const std::vector<int> champions = {s.ChampDriver, s.ChampDriverTeam, s.ChampDriverWins,
                                            s.ChampTeam, s.ChampTeamWins};
        return {drivers, teams, champions};
    }
};

TEST_F(Standings, ComputedFromTheSeasonsResults) {
    const struct {
        std::vector<std::array<int, 4>> results; // {GP, driver, position, team}
        Rows drivers, teams;
        std::vector<int> champions; // driver, his team, his wins, team, its wins
        const char* why;
    } cases[] = {
        // clang-format off
        {{{0, 7, 1, 4}, {0, 8, 2, 4}, {0, 9, 3, 5}, {0, 10, 9, 5}, {0, 11, 0, 5}, {1, 8, 1, 5},
          {1, 7, 8, 4}},
         {{8, 18.0f}, {7, 11.0f}, {9, 6.0f}}, {{4, 19.0f}, {5, 16.0f}}, {8, 5, 1, 4, 1},
         "points by position; the champion's team is that of his last scoring result"},
        {{{0, 12, 1, 2}, {0, 3, 2, 1}, {1, 3, 1, 1}, {1, 12, 2, 2}},
         {{3, 18.0f}, {12, 18.0f}}, {{1, 18.0f}, {2, 18.0f}}, {3, 1, 1, 1, 1},
         "ties list the lower index first"},
        {{{0, 3, 9, 1}, {0, 4, 0, 1}}, {}, {}, {0, 0, 0, 0, 0}, "nobody scores: no champion"},
        {{{0, MaxDrivers, 1, MaxTeams}}, {{MaxDrivers, 10.0f}}, {{MaxTeams, 10.0f}},
         {MaxDrivers, MaxTeams, 1, MaxTeams, 1}, "the last driver and team indexes score"},
        // clang-format on
    };
    for (const auto& c : cases) {
        Empty2005();
        DatabaseBuilder b(*db);
        while (db->DriverCount < MaxDrivers)
            b.Driver("Driver " + std::to_string(db->DriverCount));
        while (db->TeamCount < MaxTeams)
            b.Team("Team " + std::to_string(db->TeamCount));
        for (const auto& r : c.results)
            Add(r[0], r[1], r[2], r[3]);
        db->RecalcStandings(2005);
        EXPECT_EQ(Season2005(), std::make_tuple(c.drivers, c.teams, c.champions)) << c.why;
        if (!c.teams.empty()) { // computed rows carry no name
            EXPECT_EQ(+db->TeamStandings[db->Seasons[2005].FirstTeamStanding].Name.len, 0);
        }
    }
}

TEST_F(Standings, ARecalculationThatDoesNotFitKeepsTheOldTables) {
    Empty2005();
    // Six scorers replace the four stored rows of 2005: two rows more than before.
    for (int pos = 1; pos <= 6; ++pos)
        Add(0, pos + 2, pos, 1);
    while (db->DriverStandingCount < MaxDriverStandings - 1)
        ASSERT_NE(db->AddDriverStanding(2006, 1, 1.0f, 1), 0);
    ExpectFull([&] { return db->RecalcStandings(2005), 0; }, "one row short");
    db->DriverStandingCount--; // one row more of room is enough
    db->Seasons[2006].LastDriverStanding--;
    db->RecalcStandings(2005);
    EXPECT_EQ(std::get<0>(Season2005()).size(), 6u);
    EXPECT_EQ(FirstViolation(*db), "");
    const auto before = std::make_unique<TheClassData>(*db);
    db->RecalcStandings(2004); // older seasons keep the tables they were stored with
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

} // namespace
} // namespace qor::testing
