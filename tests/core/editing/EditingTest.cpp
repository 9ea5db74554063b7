// What the random edits leave open: refusals and their debug lines, full tables, names as they
// are stored, the championship computed for a season, and the searches for a first result.

#include "database/Invariants.h"
#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace qor::testing {
namespace {

class Editing : public ::testing::Test {
  protected:
    void SetUp() override { db->DebugLines = &debug; }
    std::string Date(int y, int m, int d) const { return db->FormatDate(PackDate(y, m, d)); }
    int FirstOf(int y, int m, int d) const {
        return db->GPs[db->FindGPByDate(Date(y, m, d))].FirstResult;
    }
    // Expects `edit` to return 0, change nothing and write the debug line (UTF-8), or none.
    void ExpectRefused(const std::function<int()>& edit, const char* line, const std::string& why) {
        const auto before = std::make_unique<TheClassData>(*db);
        debug.clear();
        EXPECT_EQ(edit(), 0) << why;
        EXPECT_EQ(FirstDifference(*db, *before), "") << why;
        if (line) {
            EXPECT_EQ(std::count(debug.begin(), debug.end(), "Debug:" + Utf8ToCp1254(line)), 1)
                << why;
        } else {
            EXPECT_TRUE(debug.empty()) << why;
        }
    }
    static TGPRow NewGP(int y, int m, int d, std::uint8_t track = 1) {
        return TGPRow{track, 1, PackDate(y, m, d)};
    }
    static TResultRec Rec(std::uint8_t pos, std::uint16_t driver = 1, std::uint16_t reason = 15) {
        return TResultRec{driver, pos, 1, 1, reason, 0};
    }

    std::unique_ptr<The_Class> db = MakeModernDatabase();
    std::vector<std::string> debug;
};

TEST_F(Editing, RefusalsChangeNothingAndSayWhy) {
    The_Class& d = *db;
    const int fifth = FirstOf(2005, 5, 9) + 4;
    TResultRec moved = d.Results[fifth];
    moved.Pos = 9; // no longer between fourth and sixth place
    TGPRow badPole = NewGP(2006, 4, 7);
    badPole.PoleDriver = static_cast<std::uint16_t>(d.DriverCount + 1);
    const std::string none = Date(2005, 4, 8);
    const struct {
        std::function<int()> edit;
        const char* line;
        const char* why;
    } cases[] = {
        {[&] { return d.AddGP(NewGP(2006, 5, 9)); }, "AddGP failed: GP mevcut", "a GP's date"},
        {[&] { return d.AddGP(NewGP(2007, 3, 1)); }, nullptr, "seasons are not made by editing"},
        {[&] { return d.AddGP(NewGP(2006, 8, 0)); }, "Tarih formatı yanlış", "day 0"},
        {[&] { return d.AddGP(NewGP(2006, 8, 1, 255)); }, "AddGP failed: geçersiz indeks", "track"},
        {[&] { return d.AddGP(badPole); }, "AddGP failed: geçersiz indeks", "pole driver"},
        {[&] { return d.UpdateGP(NewGP(2006, 4, 8)), 0; }, "UpdateGP failed: Gp bulunamadı.",
         "date"},
        {[&] { return d.UpdateGP(badPole), 0; }, "UpdateGP failed: geçersiz indeks", "driver"},
        {[&] { return d.DeleteGP(none); }, "GP yok. 08 Apr 2005", "no GP that day"},
        {[&] { return d.DeleteGP("garbage"); }, "GP yok. garbage", "no date"},
        {[&] { return d.AddResult(Rec(1), none); }, "Kayıt ekle: GP yok. 08 Apr 2005", "no GP"},
        {[&] { return d.AddResult(Rec(1, 900), Date(2006, 3, 5)); }, "Kayıt: ismi hatalı.",
         "driver"},
        {[&] { return d.AddResult(Rec(1, 1, NoteCodeBase + 99), Date(2006, 3, 5)); },
         "Kayıt: açıklama hatalı.", "a note beyond the table"},
        {[&] { return d.DeleteResult(Date(2005, 5, 9), 13); }, "Kayıt sil: Geçesiz Row",
         "13 of 12"},
        {[&] { return d.DeleteResult(Date(2005, 5, 9), 0); }, "Kayıt sil: Geçesiz Row", "row 0"},
        {[&] { return d.DeleteResult(Date(1950, 5, 22), 1); }, "Kayıt sil: Geçesiz Row",
         "empty GP"},
        {[&] { return d.DeleteResult(none, 1); }, "Kayıt sil: GP yok. 08 Apr 2005", "no GP"},
        {[&] { return d.SetResult(Rec(1), 0), 0; }, "SetResult failed: Geçersiz Row", "row 0"},
        {[&] { return d.SetResult(Rec(1), d.ResultCount + 1), 0; },
         "SetResult failed: Geçersiz Row", "beyond the table"},
        {[&] { return d.SetResult(moved, fifth), 0; }, "SetResult failed: sıra bozuk", "order"},
        {[&] { return d.AddDriver("  NINO FARINA ", ""); }, "Pilot mevcut", "found normalised"},
        {[&] { return d.AddDriver("   ", ""); }, "pilot ismi boş", "blank"},
        {[&] { return d.AddDriver("New Driver", "Martian"); }, "Ülke yok.", "nationality"},
        {[&] { return d.AddDriverNat("german"); }, "sürücü ülkesi mevcut", "found normalised"},
        {[&] { return d.AddDriverNat(" "); }, "Sürücü ülkesi boşluk.", "blank"},
        {[&] { return d.AddReason("", false); }, "Reason boşluk.", "blank"},
        {[&] { return d.AddDriverStanding(2007, 1, 1.0f, 1); }, "Sıralama: geçersiz yıl", "year"},
        {[&] { return d.AddDriverStanding(2005, 1, 1.0f, 250); }, "Sıralama: geçersiz indeks",
         "team"},
        {[&] { return d.AddTeamStanding(1949, "", 1.0f, 1); }, "Sıralama: geçersiz yıl", "year"},
        {[&] { return d.AddTeamStanding(2005, "", 1.0f, 250); }, "Sıralama: geçersiz indeks",
         "team"},
        {[&] { return d.RecalcStandings(1949), 0; }, "Sıralama: geçersiz yıl", "year"},
        {[&] { return d.RecalcStandings(2004), 0; }, nullptr, "older seasons keep their tables"},
    };
    for (const auto& c : cases)
        ExpectRefused(c.edit, c.line, c.why);
}

TEST_F(Editing, FullTablesRefuseEveryAddition) {
    const struct {
        std::uint16_t TheClassData::*count;
        int max;
        std::function<int()> edit;
    } cases[] = {
        {&TheClassData::GPCount, MaxGPs, [&] { return db->AddGP(NewGP(2006, 8, 1)); }},
        {&TheClassData::ResultCount, MaxResults,
         [&] { return db->AddResult(Rec(1), Date(2006, 3, 5)); }},
        {&TheClassData::DriverCount, MaxDrivers, [&] { return db->AddDriver("New Driver", ""); }},
        {&TheClassData::NationalityCount, MaxNationalities,
         [&] { return db->AddDriverNat("Finnish"); }},
        {&TheClassData::NoteCount, MaxNotes, [&] { return db->AddReason("A new note", false); }},
        {&TheClassData::ReasonCount, MaxReasons,
         [&] { return db->AddReason("A new reason", true); }},
        {&TheClassData::DriverStandingCount, MaxDriverStandings,
         [&] { return db->AddDriverStanding(2005, 1, 1.0f, 1); }},
        {&TheClassData::TeamStandingCount, MaxTeamStandings,
         [&] { return db->AddTeamStanding(2005, "", 1.0f, 1); }},
    };
    for (const auto& c : cases) {
        const auto old = (*db).*c.count;
        (*db).*c.count = static_cast<std::uint16_t>(c.max);
        ExpectRefused(c.edit, "Yer yok.", std::to_string(c.max));
        (*db).*c.count = old;
    }
}

TEST_F(Editing, ZeroIndexesAreReportedButStored) {
    EXPECT_NE(db->AddResult(TResultRec{}, Date(2006, 3, 5)), 0);
    EXPECT_EQ(debug, (std::vector<std::string>{"Debug:Kay\xFDt: ismi hatal\xFD.",
                                               "Debug:Kay\xFDt: tak\xFDm hatal\xFD.",
                                               "Debug:Kay\xFDt: a\xE7\xFDklama hatal\xFD."}));
    debug.clear();
    const int row = FirstOf(2005, 5, 9) + 4;
    TResultRec rec = db->Results[row];
    rec.Time = 0; // only a replaced row is checked for a time
    db->SetResult(rec, row);
    EXPECT_EQ(debug, std::vector<std::string>{"Debug:Kay\xFDt: zaman hatal\xFD."});
    EXPECT_EQ(+db->Results[row].Time, 0u);
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
    EXPECT_EQ(db->SetResultReason(plain, ""), EmptyReasonCode);
    EXPECT_EQ(db->NoteCount, notes);
    EXPECT_EQ(db->SetResultReason(plain, "hydraulics"), db->FindReason("Hydraulics"));
    EXPECT_EQ(db->SetResultReason(plain, "Fuel pressure"), NoteCodeBase + notes + 1);
    EXPECT_EQ(db->SetResultReason(0, "Anything"), EmptyReasonCode);
    EXPECT_EQ(db->SetResultReason(db->ResultCount + 1, "Anything"), EmptyReasonCode);
    EXPECT_EQ(+db->Results[plain].Reason, EmptyReasonCode); // the result is the caller's to change
}

TEST_F(Editing, GPsAreFoundByTheirDateInAnyWrittenForm) {
    // "7 apr 2005" does not hold the year at characters 8..11, but names the GP all the same.
    const std::uint16_t g = db->FindGPByDate(Date(2005, 4, 7));
    EXPECT_EQ(db->DeleteGP("7 apr 2005"), g);
    EXPECT_EQ(FirstViolation(*db), "");
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

// 2005 emptied down to one GP without results, so that each test decides every score.
class Standings : public Editing {
  protected:
    void SetUp() override {
        Editing::SetUp();
        const TSeasonRow& s = db->Seasons[2005];
        while (s.LastGP > s.FirstGP)
            ASSERT_NE(db->DeleteGP(db->FormatDate(db->GPs[s.LastGP].Date)), 0);
        while (db->GPs[s.FirstGP].LastResult >= db->GPs[s.FirstGP].FirstResult)
            ASSERT_NE(db->DeleteResult(Date(2005, 3, 5), 1), 0);
        ASSERT_NE(db->AddGP(NewGP(2005, 11, 1)), 0);
    }
    // Results as {driver, position, team}, in the first GP (0) or the second (1).
    void Add(int gp, std::uint16_t driver, std::uint8_t pos, std::uint8_t team) {
        const TResultRec rec{driver, pos, team, 1, EmptyReasonCode, 0};
        ASSERT_NE(db->AddResult(rec, gp ? Date(2005, 11, 1) : Date(2005, 3, 5)), 0);
    }
    using Rows = std::vector<std::pair<int, float>>;
    Rows Drivers() const {
        Rows out;
        const TSeasonRow& s = db->Seasons[2005];
        for (int i = s.FirstDriverStanding; i <= s.LastDriverStanding; ++i)
            out.emplace_back(+db->DriverStandings[i].Driver, +db->DriverStandings[i].Points);
        return out;
    }
    Rows Teams() const {
        Rows out;
        const TSeasonRow& s = db->Seasons[2005];
        for (int i = s.FirstTeamStanding; i <= s.LastTeamStanding; ++i)
            out.emplace_back(+db->TeamStandings[i].Team, +db->TeamStandings[i].Points);
        return out;
    }
    std::vector<int> Champions() const {
        const TSeasonRow& s = db->Seasons[2005];
        return {s.ChampDriver, s.ChampDriverTeam, s.ChampDriverWins, s.ChampTeam, s.ChampTeamWins};
    }
};

TEST_F(Standings, PointsWinsAndChampions) {
    Add(0, 7, 1, 4);
    Add(0, 8, 2, 4);
    Add(0, 9, 3, 5);
    Add(0, 10, 9, 5); // ninth: no points
    Add(0, 11, 0, 5);
    Add(1, 8, 1, 5); // now for team 5
    Add(1, 7, 8, 4);
    const auto stored2006 = db->DriverStandings[db->Seasons[2006].FirstDriverStanding];
    db->RecalcStandings(2005);
    EXPECT_EQ(Drivers(), (Rows{{8, 18.0f}, {7, 11.0f}, {9, 6.0f}}));
    EXPECT_EQ(Teams(), (Rows{{4, 19.0f}, {5, 16.0f}}));
    // The champion's team is that of his last scoring result.
    EXPECT_EQ(Champions(), (std::vector<int>{8, 5, 1, 4, 1}));
    EXPECT_EQ(+db->TeamStandings[db->Seasons[2005].FirstTeamStanding].Name.len, 0);
    // 2006 keeps its rows, moved behind 2005's new ones.
    EXPECT_EQ(+db->Seasons[2006].FirstDriverStanding, db->Seasons[2005].LastDriverStanding + 1);
    EXPECT_EQ(std::memcmp(&db->DriverStandings[db->Seasons[2006].FirstDriverStanding], &stored2006,
                          sizeof stored2006),
              0);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(Standings, TiesListTheLowerIndexFirst) {
    Add(0, 12, 1, 2);
    Add(0, 3, 2, 1);
    Add(1, 3, 1, 1);
    Add(1, 12, 2, 2);
    db->RecalcStandings(2005);
    EXPECT_EQ(Drivers(), (Rows{{3, 18.0f}, {12, 18.0f}}));
    EXPECT_EQ(Teams(), (Rows{{1, 18.0f}, {2, 18.0f}}));
    EXPECT_EQ(Champions(), (std::vector<int>{3, 1, 1, 1, 1}));
}

TEST_F(Standings, ASeasonWithoutScoringResultsHasNoChampion) {
    Add(0, 3, 9, 1);
    Add(0, 4, 0, 1);
    db->RecalcStandings(2005);
    EXPECT_TRUE(Drivers().empty());
    EXPECT_TRUE(Teams().empty());
    EXPECT_EQ(Champions(), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(Standings, TheLastDriverAndTeamIndexesScore) {
    DatabaseBuilder b(*db);
    while (db->DriverCount < MaxDrivers)
        b.Driver("Driver " + std::to_string(db->DriverCount));
    while (db->TeamCount < MaxTeams)
        b.Team("Team " + std::to_string(db->TeamCount));
    Add(0, MaxDrivers, 1, MaxTeams);
    db->RecalcStandings(2005);
    EXPECT_EQ(Drivers(), (Rows{{MaxDrivers, 10.0f}}));
    EXPECT_EQ(Teams(), (Rows{{MaxTeams, 10.0f}}));
}

TEST_F(Standings, ARecalculationThatDoesNotFitKeepsTheOldTables) {
    // Six scorers replace the four stored rows of 2005: two rows more than before.
    for (std::uint8_t pos = 1; pos <= 6; ++pos)
        Add(0, static_cast<std::uint16_t>(pos + 2), pos, 1);
    while (db->DriverStandingCount < MaxDriverStandings - 1)
        ASSERT_NE(db->AddDriverStanding(2006, 1, 1.0f, 1), 0);
    ExpectRefused([&] { return db->RecalcStandings(2005), 0; }, "Yer yok.", "one row short");
    // One row more of room is enough.
    db->DriverStandingCount--;
    db->Seasons[2006].LastDriverStanding--;
    db->RecalcStandings(2005);
    EXPECT_EQ(Drivers().size(), 6u);
    EXPECT_EQ(FirstViolation(*db), "");
}

} // namespace
} // namespace qor::testing
