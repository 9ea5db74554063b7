// Import of GPs from an older database file: opening, the lists, moving items and the copy.

#include "database/Import.h"
#include "database/Invariants.h"
#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace qor::testing {
namespace {

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

// Files that earlier versions saved with a season's empty standings range as 0..0 can be
// imported from.
TEST_F(Import, AFileWithZeroStandingRangesOpens) {
    TSeasonRow& s = old->Seasons[1951];
    s.FirstDriverStanding = s.LastDriverStanding = s.FirstTeamStanding = s.LastTeamStanding = 0;
    const auto data = old->BuildDataImage(), notes = old->BuildNotesImage();
    WriteFileBytes(oldDir.file("f1data5.dat"), std::string(data.begin(), data.end()));
    WriteFileBytes(oldDir.file("f1notes5.dat"), std::string(notes.begin(), notes.end()));
    EXPECT_EQ(session.Open(oldDir.file("f1data5.dat")), Open::Opened) << session.Message();
}

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
    const auto tooNew = [&] {
        auto img = old->BuildDataImage();
        std::memcpy(&img[7], "2.00", 4);
        WriteFileBytes(oldDir.file("f1data4.dat"), std::string(img.begin(), img.end()));
    };
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
        {tooNew, oldDir.file("f1data4.dat"), Open::LoadFailed,
         "This program is too old for this data file."},
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
