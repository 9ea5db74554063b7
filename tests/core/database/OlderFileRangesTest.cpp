// Files written by earlier versions: a season without standings rows stored as 0..0, and
// drivers or teams stored without a nationality.

#include "database/Import.h"
#include "database/Invariants.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qor::testing {
namespace {

// 1951 has no standings rows; 1950 has driver rows 1..3 and no constructor rows.
void ZeroEmptyRanges(The_Class& db) {
    TSeasonRow& s = db.Seasons[1951];
    s.FirstDriverStanding = s.LastDriverStanding = s.FirstTeamStanding = s.LastTeamStanding = 0;
    db.Seasons[1950].FirstTeamStanding = db.Seasons[1950].LastTeamStanding = 0;
}

TEST(OlderFiles, ZeroRangeOfASeasonWithoutStandingsLoadsAsTheEmptyRangeInPlace) {
    for (const char* version : {"1.03", "1.88"}) {
        auto db = MakeSmallDatabase();
        ZeroEmptyRanges(*db);
        auto image = db->BuildDataImage();
        std::memcpy(image.data() + 1, version, 4);
        const auto notes = db->BuildNotesImage();

        The_Class loaded;
        ASSERT_EQ(loaded.LoadDatabaseImage(image, &notes, 1), 0) << version << loaded.LastError;
        EXPECT_EQ(CheckInvariants(loaded), std::vector<std::string>()) << version;
        const TSeasonRow& s = loaded.Seasons[1951];
        EXPECT_EQ(s.FirstDriverStanding, 4);
        EXPECT_EQ(s.LastDriverStanding, 3);
        EXPECT_EQ(loaded.Seasons[1950].FirstTeamStanding, 1);
        EXPECT_EQ(loaded.Seasons[1950].LastTeamStanding, 0);
    }
}

TEST(OlderFiles, OtherBrokenStandingRangesAreStillRefused) {
    const struct {
        int first, last;
        const char* why;
    } cases[] = {
        {0, 3, "a range from row 0 that is not empty"},
        {5, 4, "an empty range out of place"},
        {0, 1, "0..1 overlaps 1950's rows"},
    };
    for (const auto& c : cases) {
        auto db = MakeSmallDatabase();
        db->Seasons[1951].FirstDriverStanding = static_cast<std::uint16_t>(c.first);
        db->Seasons[1951].LastDriverStanding = static_cast<std::uint16_t>(c.last);
        const auto image = db->BuildDataImage();
        const auto notes = db->BuildNotesImage();
        The_Class loaded;
        EXPECT_NE(loaded.LoadDatabaseImage(image, &notes, 1), 0) << c.why;
    }
}

TEST(OlderFiles, FileWithZeroRangesCanBeImportedFrom) {
    TempDir oldDir, openDir;
    auto old = MakeModernDatabase();
    ZeroEmptyRanges(*old);
    old->DataFileName = oldDir.file("f1data5.dat");
    old->NotesFileName = oldDir.file("f1notes5.dat");
    const auto bytes = [](const std::vector<std::uint8_t>& v) {
        return std::string(v.begin(), v.end());
    };
    WriteFileBytes(old->DataFileName, bytes(old->BuildDataImage()));
    WriteFileBytes(old->NotesFileName, bytes(old->BuildNotesImage()));

    auto open = MakeModernDatabase();
    open->DataFileName = openDir.file("f1data5.dat");
    ImportSession session(*open);
    ASSERT_EQ(session.Open(old->DataFileName), ImportSession::OpenResult::Opened)
        << session.Message();
}

TEST(UnknownNationality, DriverAddedWithoutOneReadsEmptyAnIndexBeyondTheTableUnderscores) {
    auto db = MakeSmallDatabase();
    const int driver = db->AddDriver("Nino Newcomer", "");
    ASSERT_NE(driver, 0);
    EXPECT_EQ(db->DriverNatName(driver), "");
    EXPECT_EQ(db->DriverNatName(db->DriverCount + 1), "_____");
    db->DriverNat[static_cast<std::size_t>(driver)] = 49; // beyond the nationalities
    EXPECT_EQ(db->DriverNatName(driver), "_____");

    db->TeamCountry[1] = 0;
    EXPECT_EQ(db->TeamCountryName(1), "");
}

} // namespace
} // namespace qor::testing
