// Import of GPs from an older database file: opening, the lists, moving items and the copy.

#include "database/Import.h"
#include "database/Invariants.h"
#include "support/EditingSupport.h"
#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qor::testing {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

void SaveAs(The_Class& db, const std::string& dir, const std::string& data,
            const std::string& notes) {
    db.DataPath = dir;
    db.DataFileName = dir + data;
    db.NotesFileName = dir + notes;
    ASSERT_EQ(db.SaveDatabase(), 1);
}

// Rewrites a data file image in the "1.00" layout: 10-byte season rows and standings rows that
// carry their year, as older program versions wrote them.
std::vector<std::uint8_t> OldLayoutImage(const The_Class& db) {
    std::vector<std::uint8_t> img = db.BuildDataImage();
    img[0] = 4;
    std::memcpy(&img[1], "1.00", 4);
    const auto put16 = [](std::vector<std::uint8_t>& out, std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    const auto append = [&](int block, const std::vector<std::uint8_t>& bytes,
                            std::uint32_t count) {
        const auto offset = static_cast<std::uint32_t>(img.size());
        const auto size = static_cast<std::uint32_t>(bytes.size());
        img.insert(img.end(), bytes.begin(), bytes.end());
        const std::size_t entry = 32 + static_cast<std::size_t>(block - 1) * 12;
        std::memcpy(&img[entry], &offset, 4);
        std::memcpy(&img[entry + 4], &size, 4);
        std::memcpy(&img[entry + 8], &count, 4);
    };
    std::vector<std::uint8_t> seasons, drivers, teams;
    for (int y = FirstYear; y <= db.LastYear; ++y) {
        const TSeasonRow& s = db.Seasons[y];
        const auto* p = reinterpret_cast<const std::uint8_t*>(&s);
        seasons.insert(seasons.end(), p, p + 10);
        for (int i = s.FirstDriverStanding; i <= s.LastDriverStanding; ++i) {
            const TDriverStanding& r = db.DriverStandings[U(i)];
            put16(drivers, static_cast<std::uint16_t>(y));
            put16(drivers, r.Driver);
            drivers.push_back(r.Team);
            drivers.push_back(0);
            drivers.push_back(0);
            drivers.push_back(0);
            const auto* f = reinterpret_cast<const std::uint8_t*>(&r) + 4;
            drivers.insert(drivers.end(), f, f + 4);
        }
        for (int i = s.FirstTeamStanding; i <= s.LastTeamStanding; ++i) {
            const TTeamStanding& r = db.TeamStandings[U(i)];
            const auto* b = reinterpret_cast<const std::uint8_t*>(&r);
            put16(teams, static_cast<std::uint16_t>(y));
            teams.insert(teams.end(), b, b + 2 + 26); // team and name
            teams.push_back(0);
            teams.push_back(0);
            teams.insert(teams.end(), b + 28, b + 32); // points
        }
    }
    append(11, seasons, static_cast<std::uint32_t>(db.SeasonCount));
    append(15, drivers, db.DriverStandingCount);
    append(16, teams, db.TeamStandingCount);
    return img;
}

void WriteImage(const std::string& path, const std::vector<std::uint8_t>& img) {
    WriteFileBytes(path, std::string(img.begin(), img.end()));
}

class ImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db = MakeModernDatabase();
        SaveAs(*db, openDir.path(), "f1data5.dat", "f1notes5.dat");
        old = MakeModernDatabase();
        session = std::make_unique<ImportSession>(*db);
    }
    // Saves the old database as f1data5.dat (notes in f1user5.dat) and opens the session.
    ImportSession::OpenResult OpenOld() {
        SaveAs(*old, oldDir.path(), "f1data5.dat", "f1user5.dat");
        return session->Open(oldDir.file("f1data5.dat"));
    }
    std::vector<std::string> Texts(const std::vector<ImportItem>& items) const {
        std::vector<std::string> out;
        for (const auto& i : items)
            out.push_back(Cp1254ToUtf8(i.text));
        return out;
    }
    std::uint16_t OldGP(int y, int m, int d) const {
        return old->FindGPByDate(old->FormatDate(PackDate(y, m, d)));
    }
    std::uint16_t OpenGP(int y, int m, int d) const {
        return db->FindGPByDate(db->FormatDate(PackDate(y, m, d)));
    }
    std::size_t IndexOf(const std::vector<ImportItem>& items, const std::string& text) const {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].text == text) return i;
        ADD_FAILURE() << "no item " << text;
        return items.size();
    }

    TempDir openDir, oldDir;
    std::unique_ptr<The_Class> db, old;
    std::unique_ptr<ImportSession> session;
};

TEST_F(ImportTest, AnIdenticalCopyListsOnlyTheYears) {
    ASSERT_EQ(OpenOld(), ImportSession::OpenResult::Opened);
    const std::vector<std::string> years{"2006", "2005"};
    EXPECT_EQ(Texts(session->OldItems()), years);
    EXPECT_EQ(Texts(session->SelectedItems()), years);
    EXPECT_EQ(session->OldItems()[0].date, PackDate(2006, 12, 31));
    EXPECT_EQ(session->OldItems()[1].date, PackDate(2005, 12, 31));
    EXPECT_NE(session->OldDatabase(), nullptr);
}

TEST_F(ImportTest, OnlyDifferencesThatMatterAreListed) {
    // Not compared: track, GP name and weather.
    TGPRow& g1 = old->GPs[OldGP(2006, 3, 5)];
    g1.Track = 1;
    g1.GPName = 2;
    g1.Remark = 0;
    // Compared: a result's grid position, the fastest lap, the laps.
    old->Results[old->GPs[OldGP(2006, 4, 7)].FirstResult + 3u].Grid = 40;
    old->GPs[OldGP(2006, 5, 9)].FLTime += 1;
    old->GPs[OldGP(2005, 6, 11)].Laps = 12;
    // A description compared as text: another code with the same text is no difference...
    const int r = old->GPs[OldGP(2005, 5, 9)].LastResult;
    const std::string noteText = old->ReasonText(old->Results[U(r)].Reason);
    old->Results[U(r)].Reason = old->AddReason(noteText, true);
    // ...but the same code with another text is.
    const int r2 = old->GPs[OldGP(2005, 4, 7)].LastResult;
    old->Notes[old->Results[U(r2)].Reason - NoteCodeBase].Text.assign_clean("Changed text");

    ASSERT_EQ(OpenOld(), ImportSession::OpenResult::Opened);
    const auto t = [&](int y, int m, int d, const std::string& track) {
        return Cp1254ToUtf8(db->FormatDate(PackDate(y, m, d))) + " " + track;
    };
    EXPECT_EQ(Texts(session->OldItems()),
              (std::vector<std::string>{"2006", t(2006, 5, 9, "Melbourne"), t(2006, 4, 7, "Sepang"),
                                        "2005", t(2005, 6, 11, "Imola"), t(2005, 4, 7, "Sepang")}));
    EXPECT_EQ(session->OldItems()[1].date, PackDate(2006, 5, 9));
}

TEST_F(ImportTest, GPsOnlyTheOldFileHasAreListed) {
    TGPRow extra{};
    extra.Date = PackDate(2006, 10, 22);
    extra.Track = 2;
    ASSERT_NE(old->AddGP(extra), 0);
    db->DeleteGP(db->FormatDate(PackDate(2005, 3, 5))); // only the open database lacks it
    ASSERT_EQ(OpenOld(), ImportSession::OpenResult::Opened);
    EXPECT_EQ(Texts(session->OldItems()),
              (std::vector<std::string>{"2006", "22 Oct 2006 Monte Carlo", "2005",
                                        "05 Mar 2005 Sakhir"}));
}

TEST_F(ImportTest, DoubleClicksMoveGPsAndWholeYears) {
    old->GPs[OldGP(2006, 3, 5)].Laps = 1;
    old->GPs[OldGP(2006, 5, 9)].Laps = 1;
    old->GPs[OldGP(2005, 4, 7)].Laps = 1;
    ASSERT_EQ(OpenOld(), ImportSession::OpenResult::Opened);
    ASSERT_EQ(session->OldItems().size(), 5u);

    session->MoveFromOld(IndexOf(session->OldItems(), "05 Mar 2006 Sakhir"));
    EXPECT_EQ(Texts(session->SelectedItems()),
              (std::vector<std::string>{"2006", "05 Mar 2006 Sakhir", "2005"}));
    // The year item moves the rest of its GPs, in date order.
    session->MoveFromOld(IndexOf(session->OldItems(), "2006"));
    EXPECT_EQ(
        Texts(session->SelectedItems()),
        (std::vector<std::string>{"2006", "09 May 2006 Melbourne", "05 Mar 2006 Sakhir", "2005"}));
    EXPECT_EQ(Texts(session->OldItems()),
              (std::vector<std::string>{"2006", "2005", "07 Apr 2005 Sepang"}));
    session->MoveFromOld(IndexOf(session->OldItems(), "07 Apr 2005 Sepang"));
    // And back again: a GP, then a year.
    session->MoveFromSelected(IndexOf(session->SelectedItems(), "05 Mar 2006 Sakhir"));
    EXPECT_EQ(Texts(session->OldItems()),
              (std::vector<std::string>{"2006", "05 Mar 2006 Sakhir", "2005"}));
    session->MoveFromSelected(IndexOf(session->SelectedItems(), "2005"));
    EXPECT_EQ(Texts(session->SelectedItems()),
              (std::vector<std::string>{"2006", "09 May 2006 Melbourne", "2005"}));
    // Clicks beyond a list do nothing.
    session->MoveFromOld(99);
    session->MoveFromSelected(99);
    EXPECT_EQ(session->SelectedItems().size(), 3u);
}

TEST_F(ImportTest, ImportReplacesAGPAndItsResultsEntirely) {
    // The old version of 9 May 2006: fewer results, other drivers, a new note, other laps.
    const std::string date = old->FormatDate(PackDate(2006, 5, 9));
    while (old->GPs[OldGP(2006, 5, 9)].LastResult - old->GPs[OldGP(2006, 5, 9)].FirstResult >= 4)
        ASSERT_NE(old->DeleteResult(date, 1), 0);
    const int first = old->GPs[OldGP(2006, 5, 9)].FirstResult;
    old->Results[U(first)].Pos = 1;
    old->Results[U(first)].Driver = 1;
    old->Results[U(first + 1)].Reason = old->AddReason("Brand new description", false);
    old->GPs[OldGP(2006, 5, 9)].Laps = 3;
    old->GPs[OldGP(2006, 5, 9)].Reserved = 0;
    ASSERT_EQ(FirstViolation(*old), "");
    const auto standingsBefore = db->DriverStandingCount;

    ASSERT_EQ(OpenOld(), ImportSession::OpenResult::Opened);
    session->MoveFromOld(IndexOf(session->OldItems(), "2006"));
    const auto outcome = session->ImportSelected();
    ASSERT_EQ(outcome.size(), 1u);
    EXPECT_TRUE(outcome[0].added);
    EXPECT_TRUE(outcome[0].replaced);
    EXPECT_EQ(outcome[0].resultCount, 4);
    EXPECT_TRUE(ImportSession::AnyAdded(outcome));
    EXPECT_EQ(FirstViolation(*db), "");

    const TGPRow& gp = db->GPs[OpenGP(2006, 5, 9)];
    const TGPRow& src = old->GPs[OldGP(2006, 5, 9)];
    EXPECT_EQ(gp.Laps, 3);
    ASSERT_EQ(gp.LastResult - gp.FirstResult, 3);
    for (int k = 0; k < 4; ++k) {
        const TResultRec& a = db->Results[U(gp.FirstResult + k)];
        const TResultRec& b = old->Results[U(src.FirstResult + k)];
        EXPECT_EQ(+a.Driver, +b.Driver);
        EXPECT_EQ(a.Pos, b.Pos);
        EXPECT_EQ(+a.Time, +b.Time);
        EXPECT_EQ(db->ReasonText(a.Reason), old->ReasonText(b.Reason));
    }
    // The result that kept a standard description still points at it, not at a new note.
    EXPECT_EQ(+db->Results[U(gp.FirstResult + 2)].Reason, db->FindReason("Hydraulics"));
    // The season's tables were computed from the results (replacing the stored ones).
    EXPECT_NE(db->DriverStandingCount, standingsBefore);
    bool winnerListed = false;
    const TSeasonRow& season = db->Seasons[2006];
    for (int i = season.FirstDriverStanding; i <= season.LastDriverStanding; ++i)
        if (db->DriverStandings[U(i)].Driver == 1) {
            winnerListed = true;
            EXPECT_EQ(+db->DriverStandings[U(i)].Points, 10.0f);
        }
    EXPECT_TRUE(winnerListed);
    // A second session on the same file sees no difference any more.
    ImportSession again(*db);
    ASSERT_EQ(again.Open(oldDir.file("f1data5.dat")), ImportSession::OpenResult::Opened);
    EXPECT_EQ(Texts(again.OldItems()), (std::vector<std::string>{"2006", "2005"}));
}

TEST_F(ImportTest, AGPThatCannotBeAddedLeavesTheOpenDatabaseAsItWas) {
    // 07 Apr 2005: the old version names a driver the open database does not have, so its
    // results cannot all be added after the current version was deleted.
    DatabaseBuilder(*old).Driver("Only In The Old File");
    old->Results[old->GPs[OldGP(2005, 4, 7)].LastResult].Driver = old->DriverCount;
    // 09 May 2005: its track is unknown to the open database, so the GP row cannot be added.
    DatabaseBuilder(*old).Track("Old track");
    old->GPs[OldGP(2005, 5, 9)].Track = static_cast<std::uint8_t>(old->TrackCount);
    old->GPs[OldGP(2005, 5, 9)].Laps = 2;
    // 2007: a season the open database does not have.
    DatabaseBuilder(*old).SeasonsUpTo(2007);
    TGPRow gp2007{};
    gp2007.Date = PackDate(2007, 3, 18);
    ASSERT_NE(old->AddGP(gp2007), 0);
    const auto before = std::make_unique<TheClassData>(*db);

    ASSERT_EQ(OpenOld(), ImportSession::OpenResult::Opened);
    EXPECT_EQ(Texts(session->OldItems()),
              (std::vector<std::string>{"2007", "18 Mar 2007 _____", "2006", "2005",
                                        "09 May 2005 Old track", "07 Apr 2005 Sepang"}));
    for (const char* year : {"2007", "2005"})
        session->MoveFromOld(IndexOf(session->OldItems(), year));
    const auto outcome = session->ImportSelected();
    ASSERT_EQ(outcome.size(), 3u);
    for (const auto& gp : outcome) {
        EXPECT_FALSE(gp.added) << gp.text;
        EXPECT_FALSE(gp.replaced) << gp.text;
    }
    EXPECT_FALSE(ImportSession::AnyAdded(outcome));
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

TEST_F(ImportTest, AnOldLayoutFileIsConvertedAndCompared) {
    old->Results[old->GPs[OldGP(2006, 4, 7)].FirstResult].Time += 5;
    const std::string data = oldDir.file("f1data4.dat");
    WriteImage(data, OldLayoutImage(*old));
    const auto notes = old->BuildNotesImage();
    WriteImage(oldDir.file("user_notes.dat"), notes);

    ASSERT_EQ(session->Open(data), ImportSession::OpenResult::Opened) << session->Message();
    EXPECT_EQ(Texts(session->OldItems()),
              (std::vector<std::string>{"2006", "07 Apr 2006 Sepang", "2005"}));
    // The converted standings are the old file's.
    const The_Class& converted = *session->OldDatabase();
    EXPECT_EQ(converted.DriverStandingCount, old->DriverStandingCount);
    EXPECT_EQ(+converted.Seasons[2006].FirstDriverStanding,
              +old->Seasons[2006].FirstDriverStanding);

    session->MoveFromOld(1);
    const auto outcome = session->ImportSelected();
    ASSERT_EQ(outcome.size(), 1u);
    EXPECT_TRUE(outcome[0].added);
    EXPECT_EQ(+db->Results[db->GPs[OpenGP(2006, 4, 7)].FirstResult].Time,
              +old->Results[old->GPs[OldGP(2006, 4, 7)].FirstResult].Time);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(ImportTest, FilesThatCannotBeImported) {
    // Other names end the command without a message.
    SaveAs(*old, oldDir.path(), "other.dat", "f1user5.dat");
    EXPECT_EQ(session->Open(oldDir.file("other.dat")), ImportSession::OpenResult::NotImportable);
    EXPECT_EQ(session->Message(), "");
    // The open database's own file, however it is named.
    EXPECT_EQ(session->Open(openDir.file("f1data5.dat")), ImportSession::OpenResult::SameFile);
    EXPECT_EQ(session->Message(), "You have selected the file that Qor is currently using");
    EXPECT_EQ(session->Open(openDir.path() + "./f1data5.dat"), ImportSession::OpenResult::SameFile);
    // Load failures carry the loader's message, or "Corrupted data".
    EXPECT_EQ(session->Open(oldDir.file("f1data4.dat")), ImportSession::OpenResult::LoadFailed);
    EXPECT_EQ(session->Message(), "Data file not found");
    WriteFileBytes(oldDir.file("f1data4.dat"), "too short");
    EXPECT_EQ(session->Open(oldDir.file("f1data4.dat")), ImportSession::OpenResult::LoadFailed);
    EXPECT_EQ(session->Message(), "Corrupted data");
    auto img = old->BuildDataImage();
    std::memcpy(&img[7], "2.00", 4);
    WriteImage(oldDir.file("f1data4.dat"), img);
    EXPECT_EQ(session->Open(oldDir.file("f1data4.dat")), ImportSession::OpenResult::LoadFailed);
    EXPECT_EQ(session->Message(), "This program is too old for this data file.");
    EXPECT_EQ(session->OldDatabase(), nullptr);
    EXPECT_TRUE(session->OldItems().empty());
    EXPECT_TRUE(session->ImportSelected().empty());
}

TEST_F(ImportTest, AFileEndingBefore2005ShowsNothing) {
    auto small = MakeSmallDatabase();
    SaveAs(*small, oldDir.path(), "f1data5.dat", "f1user5.dat");
    EXPECT_EQ(session->Open(oldDir.file("f1data5.dat")),
              ImportSession::OpenResult::NothingToImport);
    EXPECT_EQ(session->Message(), "");
    EXPECT_EQ(session->OldDatabase(), nullptr);
    EXPECT_TRUE(session->OldItems().empty());
    EXPECT_TRUE(session->SelectedItems().empty());
}

TEST_F(ImportTest, DatesFollowTheOpenDatabasesLanguage) {
    db->LanguageMode = 0; // Turkish month names
    old->GPs[OldGP(2006, 5, 9)].Laps = 1;
    ASSERT_EQ(OpenOld(), ImportSession::OpenResult::Opened);
    EXPECT_EQ(Texts(session->OldItems())[1], "09 May 2006 Melbourne");
    old->LanguageMode = 0;
    EXPECT_EQ(session->OldItems()[1].text, old->FormatDate(PackDate(2006, 5, 9)) + " Melbourne");
    session->MoveFromOld(1);
    const auto outcome = session->ImportSelected();
    ASSERT_EQ(outcome.size(), 1u);
    EXPECT_TRUE(outcome[0].added);
    EXPECT_TRUE(outcome[0].replaced);
    EXPECT_EQ(db->GPs[OpenGP(2006, 5, 9)].Laps, 1);
}

} // namespace
} // namespace qor::testing
