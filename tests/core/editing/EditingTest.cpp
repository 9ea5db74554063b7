// What the random edits leave open: full tables, names as they are stored, the championship
// computed for a season, and the searches for a first result; the import of GPs from an older
// database file (opening, the lists, moving items and the copy).

#include "database/Import.h"
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

using Open = ImportSession::OpenResult;
using Texts = std::vector<std::string>;

void SaveAs(The_Class& db, const std::string& dir, const std::string& data,
            const std::string& notes) {
    db.DataPath = dir;
    db.DataFileName = dir + data;
    db.NotesFileName = dir + notes;
    ASSERT_EQ(db.SaveDatabase(), 1);
}

Texts TextsOf(const std::vector<ImportItem>& items) {
    Texts out;
    for (const auto& i : items)
        out.push_back(Cp1254ToUtf8(i.text));
    return out;
}

// The open database and an older copy of it, both 2005..2006 (six and five GPs).
class Import : public ::testing::Test {
  protected:
    void SetUp() override { SaveAs(*db, openDir.path(), "f1data5.dat", "f1notes5.dat"); }
    Open OpenOld() {
        SaveAs(*old, oldDir.path(), "f1data5.dat", "f1user5.dat");
        return session.Open(oldDir.file("f1data5.dat"));
    }
    static TGPRow& GP(The_Class& d, int y, int m, int day) {
        return d.GPs[d.FindGPByDate(d.FormatDate(PackDate(y, m, day)))];
    }
    // Moves an item, found by its text, from one list to the other.
    void Move(bool fromOld, const std::string& text) {
        const auto& items = fromOld ? session.OldItems() : session.SelectedItems();
        std::size_t i = 0;
        while (i < items.size() && Cp1254ToUtf8(items[i].text) != text)
            ++i;
        ASSERT_LT(i, items.size()) << text;
        fromOld ? session.MoveFromOld(i) : session.MoveFromSelected(i);
    }

    TempDir openDir, oldDir;
    std::unique_ptr<The_Class> db = MakeModernDatabase(), old = MakeModernDatabase();
    ImportSession session{*db};
};

TEST_F(Import, OnlyDifferencesThatMatterAreListed) {
    const struct {
        std::function<void(The_Class&, TGPRow&)> change; // to 9 May 2006 of the old copy
        bool listed;
        const char* why;
    } cases[] = {
        {[](The_Class&, TGPRow&) {}, false, "an identical copy lists only the years"},
        {[](The_Class&, TGPRow& g) { g.Track = 1, g.GPName = 2, g.Remark = 0; }, false,
         "track, GP name and weather are not compared"},
        {[](The_Class& d, TGPRow& g) { d.Results[g.FirstResult + 3u].Grid = 40; }, true, "grid"},
        {[](The_Class& d, TGPRow& g) { d.Results[g.FirstResult].Time += 1; }, true, "time"},
        {[](The_Class& d, TGPRow& g) { d.Results[g.FirstResult].Team = 6; }, true, "team"},
        {[](The_Class& d, TGPRow& g) { d.Results[g.LastResult].Driver = 1; }, true, "driver"},
        {[](The_Class& d, TGPRow& g) { d.DeleteResult(d.FormatDate(g.Date), 12); }, true, "count"},
        {[](The_Class&, TGPRow& g) { g.FLTime += 1; }, true, "fastest lap"},
        {[](The_Class&, TGPRow& g) { g.PoleDriver = 1; }, true, "pole"},
        {[](The_Class&, TGPRow& g) { g.Laps = 12; }, true, "laps"},
        // A description is compared as text: another code with the same text is the same...
        {[](The_Class& d, TGPRow& g) {
             TResultRec& r = d.Results[g.LastResult];
             r.Reason = d.AddReason(d.ReasonText(r.Reason), true);
         },
         false, "same description text"},
        // ...but the same code with another text is not.
        {[](The_Class& d, TGPRow& g) {
             d.Notes[d.Results[g.LastResult].Reason - NoteCodeBase].Text.assign_clean("Changed");
         },
         true, "another note text"},
    };
    for (const auto& c : cases) {
        old = MakeModernDatabase();
        c.change(*old, GP(*old, 2006, 5, 9));
        ASSERT_EQ(OpenOld(), Open::Opened) << c.why;
        const Texts years{"2006", "2005"};
        EXPECT_EQ(TextsOf(session.SelectedItems()), years) << c.why;
        const Texts listed{"2006", "09 May 2006 Melbourne", "2005"};
        EXPECT_EQ(TextsOf(session.OldItems()), c.listed ? listed : years) << c.why;
    }
    EXPECT_EQ(session.OldItems()[0].date, PackDate(2006, 12, 31));
    EXPECT_EQ(session.OldItems()[1].date, PackDate(2006, 5, 9));
}

TEST_F(Import, ListsHoldGPsOnlyOneSideHasNewestFirstAndMoveByGPOrYear) {
    TGPRow extra{};
    extra.Date = PackDate(2006, 10, 22);
    extra.Track = 2;
    ASSERT_NE(old->AddGP(extra), 0);
    db->DeleteGP(db->FormatDate(PackDate(2005, 3, 5))); // only the open database lacks it
    GP(*old, 2006, 3, 5).Laps = 1;
    ASSERT_EQ(OpenOld(), Open::Opened);
    EXPECT_EQ(TextsOf(session.OldItems()),
              (Texts{"2006", "22 Oct 2006 Monte Carlo", "05 Mar 2006 Sakhir", "2005",
                     "05 Mar 2005 Sakhir"}));
    Move(true, "05 Mar 2006 Sakhir");
    EXPECT_EQ(TextsOf(session.SelectedItems()), (Texts{"2006", "05 Mar 2006 Sakhir", "2005"}));
    Move(true, "2006"); // the year item moves the rest of its GPs, in date order
    Move(true, "05 Mar 2005 Sakhir");
    EXPECT_EQ(TextsOf(session.SelectedItems()),
              (Texts{"2006", "22 Oct 2006 Monte Carlo", "05 Mar 2006 Sakhir", "2005",
                     "05 Mar 2005 Sakhir"}));
    EXPECT_EQ(TextsOf(session.OldItems()), (Texts{"2006", "2005"}));
    Move(false, "22 Oct 2006 Monte Carlo");
    Move(false, "2005");
    EXPECT_EQ(TextsOf(session.OldItems()),
              (Texts{"2006", "22 Oct 2006 Monte Carlo", "2005", "05 Mar 2005 Sakhir"}));
    session.MoveFromOld(99); // clicks beyond a list do nothing
    session.MoveFromSelected(99);
    EXPECT_EQ(TextsOf(session.SelectedItems()), (Texts{"2006", "05 Mar 2006 Sakhir", "2005"}));
}

TEST_F(Import, ImportReplacesAGPAndItsResultsAndRecomputesTheSeason) {
    // The old version of 7 Apr 2006: four results, another winner, a new note, other laps.
    db->LanguageMode = 0; // the lists and the copy use the open database's month names
    const std::string date = old->FormatDate(PackDate(2006, 4, 7));
    while (GP(*old, 2006, 4, 7).LastResult - GP(*old, 2006, 4, 7).FirstResult >= 4)
        ASSERT_NE(old->DeleteResult(date, 1), 0);
    const TGPRow& src = GP(*old, 2006, 4, 7);
    old->Results[src.FirstResult].Pos = 1;
    old->Results[src.FirstResult].Driver = 1;
    old->Results[src.FirstResult + 1u].Reason = old->AddReason("Brand new description", false);
    GP(*old, 2006, 4, 7).Laps = 3;
    GP(*old, 2006, 4, 7).Reserved = 0;
    ASSERT_EQ(OpenOld(), Open::Opened);
    Move(true, "07 Nis 2006 Sepang");
    const auto outcome = session.ImportSelected();
    ASSERT_EQ(outcome.size(), 1u);
    EXPECT_TRUE(outcome[0].added && outcome[0].replaced);
    EXPECT_EQ(outcome[0].resultCount, 4);
    EXPECT_TRUE(ImportSession::AnyAdded(outcome));
    EXPECT_EQ(FirstViolation(*db), "");

    // The rows' fields are compared by the second session at the end.
    const TGPRow& gp = GP(*db, 2006, 4, 7);
    ASSERT_EQ(gp.LastResult - gp.FirstResult, 3);
    // A result that kept a standard description still points at it, not at a new note.
    EXPECT_EQ(+db->Results[gp.FirstResult + 2u].Reason, db->FindReason("Hydraulics"));
    // The season's tables were computed from the results: the new winner scores.
    const TSeasonRow& season = db->Seasons[2006];
    bool winnerListed = false;
    for (int i = season.FirstDriverStanding; i <= season.LastDriverStanding; ++i)
        winnerListed = winnerListed || (db->DriverStandings[i].Driver == 1 &&
                                        db->DriverStandings[i].Points == 10.0f);
    EXPECT_TRUE(winnerListed);
    // A second session on the same file sees no difference any more.
    ImportSession again(*db);
    ASSERT_EQ(again.Open(oldDir.file("f1data5.dat")), Open::Opened);
    EXPECT_EQ(TextsOf(again.OldItems()), (Texts{"2006", "2005"}));
}

TEST_F(Import, AGPThatCannotBeAddedLeavesTheOpenDatabaseAsItWas) {
    // 07 Apr 2005 names a driver the open database lacks, so its results cannot all be added
    // after the current version was deleted; 09 May 2005 an unknown track, so the GP row
    // cannot; 2007 is a season the open database does not have.
    DatabaseBuilder b(*old);
    b.Driver("Only In The Old File");
    old->Results[GP(*old, 2005, 4, 7).LastResult].Driver = old->DriverCount;
    GP(*old, 2005, 5, 9).Track = b.Track("Old track");
    GP(*old, 2005, 5, 9).Laps = 2;
    b.SeasonsUpTo(2007);
    TGPRow gp2007{};
    gp2007.Date = PackDate(2007, 3, 18);
    ASSERT_NE(old->AddGP(gp2007), 0);
    const auto before = std::make_unique<TheClassData>(*db);
    ASSERT_EQ(OpenOld(), Open::Opened);
    EXPECT_EQ(TextsOf(session.OldItems()), (Texts{"2007", "18 Mar 2007 _____", "2006", "2005",
                                                  "09 May 2005 Old track", "07 Apr 2005 Sepang"}));
    Move(true, "2007");
    Move(true, "2005");
    const auto outcome = session.ImportSelected();
    ASSERT_EQ(outcome.size(), 3u);
    for (const auto& gp : outcome)
        EXPECT_FALSE(gp.added || gp.replaced) << gp.text;
    EXPECT_FALSE(ImportSession::AnyAdded(outcome));
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

TEST_F(Import, AnOldLayoutFileIsConvertedAndCompared) {
    GP(*old, 2006, 4, 7).Laps = 9;
    const auto img = OldLayoutImage(*old);
    const auto notes = old->BuildNotesImage();
    WriteFileBytes(oldDir.file("f1data4.dat"), std::string(img.begin(), img.end()));
    WriteFileBytes(oldDir.file("user_notes.dat"), std::string(notes.begin(), notes.end()));
    ASSERT_EQ(session.Open(oldDir.file("f1data4.dat")), Open::Opened) << session.Message();
    EXPECT_EQ(TextsOf(session.OldItems()), (Texts{"2006", "07 Apr 2006 Sepang", "2005"}));
    EXPECT_EQ(session.OldDatabase()->BuildDataImage(), old->BuildDataImage());
}

TEST_F(Import, FilesThatCannotBeImported) {
    const struct {
        std::function<void()> prepare;
        std::string path;
        Open result;
        const char* message;
    } cases[] = {
        {[&] { SaveAs(*old, oldDir.path(), "other.dat", "x.dat"); }, oldDir.file("other.dat"),
         Open::NotImportable, ""},
        {[] {}, openDir.file("f1data5.dat"), Open::SameFile, ImportSession::SameFileMessage},
        {[] {}, openDir.path() + "./f1data5.dat", Open::SameFile, ImportSession::SameFileMessage},
        {[] {}, oldDir.file("f1data4.dat"), Open::LoadFailed, "Data file not found"},
        {[&] { WriteFileBytes(oldDir.file("f1data4.dat"), "too short"); },
         oldDir.file("f1data4.dat"), Open::LoadFailed, "Corrupted data"},
        {[&] { SaveAs(*MakeSmallDatabase(), oldDir.path(), "f1data5.dat", "f1user5.dat"); },
         oldDir.file("f1data5.dat"), Open::NothingToImport, ""}, // its seasons end before 2005
    };
    for (const auto& c : cases) {
        c.prepare();
        EXPECT_EQ(session.Open(c.path), c.result) << c.path;
        EXPECT_EQ(session.Message(), c.message) << c.path;
        EXPECT_EQ(session.OldDatabase(), nullptr);
        EXPECT_TRUE(session.OldItems().empty() && session.SelectedItems().empty());
        EXPECT_TRUE(session.ImportSelected().empty());
    }
}

} // namespace
} // namespace qor::testing
