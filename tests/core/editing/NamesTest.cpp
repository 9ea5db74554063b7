// Adding drivers, nationalities and descriptions, and choosing a result's description code.

#include "EditingFixture.h"

namespace qor::testing {
namespace {

using NameEditing = EditingTest;

TEST_F(NameEditing, AddDriverNormalisesCaseAndRefusesExistingNames) {
    const auto count = db->DriverCount;
    EXPECT_EQ(db->AddDriver("Nino Farina", ""), 0);
    EXPECT_TRUE(Logged("Pilot mevcut"));
    // Found again after normalising, so still refused (not the existing index).
    EXPECT_EQ(db->AddDriver("  NINO FARINA ", "Italian"), 0);
    EXPECT_EQ(db->DriverCount, count);

    const std::uint16_t d = db->AddDriver("JOHN SMITH", "British");
    ASSERT_EQ(d, count + 1);
    EXPECT_EQ(db->DriverName(d), "John Smith");
    EXPECT_EQ(db->DriverNatName(d), "British");
    EXPECT_EQ(db->AddDriver("john smith", ""), 0);

    // Only the first blank starts a capital.
    const std::uint16_t d2 = db->AddDriver("PEDRO DE LA ROSA", "");
    EXPECT_EQ(db->DriverName(d2), "Pedro De la rosa");
    EXPECT_EQ(db->DriverNat[d2], 0);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(NameEditing, AddDriverRefusals) {
    const auto before = Snapshot();
    EXPECT_EQ(db->AddDriver("   ", "British"), 0);
    EXPECT_TRUE(Logged("pilot ismi boş"));
    EXPECT_EQ(db->AddDriver("New Driver", "Martian"), 0);
    EXPECT_TRUE(Logged("Ülke yok."));
    EXPECT_EQ(FirstDifference(*db, *before), "");

    db->DriverCount = MaxDrivers;
    const auto full = Snapshot();
    EXPECT_EQ(db->AddDriver("New Driver", ""), 0);
    EXPECT_TRUE(Logged("Yer yok."));
    EXPECT_EQ(FirstDifference(*db, *full), "");
}

TEST_F(NameEditing, AddDriverLooksUpTheNameAsItWouldBeStored) {
    const std::string longName = "Alexander Maximilian Longname-Smithers III";
    const std::uint16_t d = db->AddDriver(longName, "");
    ASSERT_NE(d, 0);
    // Cut to the 35 characters a name can hold, then normalised as a new name is.
    EXPECT_EQ(db->DriverName(d), "Alexander Maximilian longname-smith");
    // The same long name again would store a second copy of the cut name.
    EXPECT_EQ(db->AddDriver(longName, ""), 0);
    EXPECT_TRUE(Logged("Pilot mevcut"));
}

TEST_F(NameEditing, AddDriverNat) {
    const std::uint8_t n = db->AddDriverNat("  new   zealander ");
    ASSERT_EQ(n, db->NationalityCount);
    EXPECT_EQ(db->Nationalities[n].str(), "New Zealander");
    EXPECT_EQ(db->AddDriverNat("New Zealander"), 0);
    EXPECT_TRUE(Logged("sürücü ülkesi mevcut"));
    EXPECT_EQ(db->AddDriverNat("  "), 0);
    EXPECT_TRUE(Logged("Sürücü ülkesi boşluk."));

    db->NationalityCount = MaxNationalities;
    const auto full = Snapshot();
    EXPECT_EQ(db->AddDriverNat("Finnish"), 0);
    EXPECT_TRUE(Logged("Yer yok."));
    EXPECT_EQ(FirstDifference(*db, *full), "");
}

TEST_F(NameEditing, AddReasonNormalisesBlanksAndCase) {
    const auto notes = db->NoteCount;
    const std::uint16_t code = db->AddReason("  engine  failure ", false);
    EXPECT_EQ(code, NoteCodeBase + notes + 1);
    EXPECT_EQ(db->ReasonText(code), "Engine failure");
    EXPECT_EQ(db->Notes.size(), db->NoteCount + 1u);

    const std::uint16_t reason = db->AddReason("gearbox   broke   down", true);
    EXPECT_EQ(reason, db->ReasonCount);
    EXPECT_EQ(db->ReasonText(reason), "Gearbox broke down");

    // An existing standard description is reused, whichever table was asked for.
    debug.clear();
    EXPECT_EQ(db->AddReason("hydraulics", false), db->FindReason("Hydraulics"));
    EXPECT_TRUE(Logged("Açıklama mevcut"));
    EXPECT_EQ(db->AddReason("Gearbox broke down", true), reason);
    EXPECT_EQ(db->AddReason("", false), 0);
    EXPECT_TRUE(Logged("Reason boşluk."));
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(NameEditing, AddReasonIntoFullTables) {
    while (db->NoteCount < MaxNotes)
        db->AddReason("note " + std::to_string(db->NoteCount), false);
    EXPECT_EQ(db->NoteCount, MaxNotes);
    EXPECT_EQ(FirstViolation(*db), "");
    auto full = Snapshot();
    EXPECT_EQ(db->AddReason("One note too many", false), 0);
    EXPECT_TRUE(Logged("Yer yok."));
    EXPECT_EQ(FirstDifference(*db, *full), "");

    db->ReasonCount = MaxReasons;
    full = Snapshot();
    EXPECT_EQ(db->AddReason("One reason too many", true), 0);
    EXPECT_EQ(FirstDifference(*db, *full), "");
}

TEST_F(NameEditing, SetResultReasonEditsANoteInPlace) {
    // The last row of the first 2005 GP carries a note.
    const int row = db->GPs[GPAt(2005, 3, 5)].LastResult;
    const std::uint16_t code = db->Results[row].Reason;
    ASSERT_GT(code, NoteCodeBase);
    const auto notes = db->NoteCount;
    EXPECT_EQ(db->SetResultReason(row, "Spun off into the gravel"), code);
    EXPECT_EQ(db->ReasonText(code), "Spun off into the gravel");
    EXPECT_EQ(db->NoteCount, notes);
}

TEST_F(NameEditing, SetResultReasonForStandardCodes) {
    const int row = db->GPs[GPAt(2005, 3, 5)].FirstResult; // the empty description
    EXPECT_EQ(db->SetResultReason(row, "Hydraulics"), db->FindReason("Hydraulics"));
    EXPECT_EQ(db->SetResultReason(row, ""), EmptyReasonCode);
    const auto notes = db->NoteCount;
    // Not a stored description (nor exactly one): a new note.
    EXPECT_EQ(db->SetResultReason(row, "hydraulics"), db->FindReason("Hydraulics"));
    EXPECT_EQ(db->SetResultReason(row, "Fuel pressure"), NoteCodeBase + notes + 1);
    EXPECT_EQ(db->SetResultReason(0, "Anything"), EmptyReasonCode);
    EXPECT_EQ(db->SetResultReason(db->ResultCount + 1, "Anything"), EmptyReasonCode);
    // The result itself is the caller's to change.
    EXPECT_EQ(+db->Results[row].Reason, EmptyReasonCode);
}

} // namespace
} // namespace qor::testing
