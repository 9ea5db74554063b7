// Loading and saving the data and notes files: round trips, version checks, older layouts.

#include "database/AtomicFile.h"
#include "database/Invariants.h"
#include "support/Fixtures.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace qor {
namespace {

using testing::MakeSmallDatabase;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

void SaveInto(The_Class& db, const TempDir& dir) {
    db.DataPath = dir.path();
    db.DataFileName = dir.file("f1data5.dat");
    db.NotesFileName = dir.file("f1notes5.dat");
    ASSERT_EQ(db.SaveDatabase(), 1);
}

std::unique_ptr<The_Class> LoadFrom(const TempDir& dir, int strict = 1) {
    auto db = std::make_unique<The_Class>();
    db->DataPath = dir.path();
    EXPECT_EQ(db->LoadDatabase("f1data5.dat", "f1notes5.dat", strict), 0) << db->LastError;
    return db;
}

class RoundTrip : public ::testing::TestWithParam<bool> {};

TEST_P(RoundTrip, SavedFilesLoadToTheSameTablesAndSaveAgainByteIdentical) {
    TempDir dir;
    auto db = GetParam() ? testing::MakeFullSizeDatabase() : MakeSmallDatabase();
    // Every view setting kept in the header, each with a value of its own.
    std::uint8_t* settings[] = {&db->LanguageMode,    &db->ColorTheme,  &db->GridLineStyle,
                                &db->OddEvenRows,     &db->SpareOption, &db->CompareView,
                                &db->StatsWindowSize, &db->DarkLevel,   &db->FontSizeMode,
                                &db->OnlineOption};
    const std::uint8_t values[] = {20, 21, 2, 1, 24, 25, 26, 27, 28, 29}; // grid, rows: nibbles
    for (int k = 0; k < 10; ++k)
        *settings[k] = values[k];
    SaveInto(*db, dir);
    const std::string data = ReadFileBytes(dir.file("f1data5.dat"));
    const std::string notes = ReadFileBytes(dir.file("f1notes5.dat"));
    EXPECT_EQ(data.substr(12, 9),
              "\x14\x15\x12\x18\x19\x1A\x1B\x1C\x1D"); // odd/even rows: high nibble
    auto loaded = LoadFrom(dir);
    loaded->Header = db->Header; // as read, and the notes header with the count in front
    loaded->NotesHeader = db->NotesHeader;
    EXPECT_EQ(testing::FirstDifference(*loaded, *db), "");
    ASSERT_EQ(loaded->SaveDatabase(), 1);
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), data);
    EXPECT_EQ(ReadFileBytes(dir.file("f1notes5.dat")), notes);
}

INSTANTIATE_TEST_SUITE_P(SmallAndFullSize, RoundTrip, ::testing::Bool());

TEST(DataFile, NotesFileIsCreatedOnlyWhenNeededAndKeepsItsHeaderBytes) {
    TempDir dir;
    auto db = std::make_unique<The_Class>();
    testing::DatabaseBuilder b(*db);
    b.Driver("");
    b.Driver("Solo");
    b.SeasonsUpTo(1950);
    db->StatsWindowSize = 0;
    SaveInto(*db, dir);
    auto loaded = LoadFrom(dir);
    EXPECT_EQ(loaded->DriverName(2), "Solo"); // after a name of length zero
    EXPECT_EQ(loaded->StatsWindowSize, 25);   // below ten reads as the normal size
    ASSERT_EQ(loaded->SaveDatabase(), 1);
    EXPECT_FALSE(FileExists(dir.file("f1notes5.dat")));

    SaveInto(*MakeSmallDatabase(), dir);
    std::string notes = ReadFileBytes(dir.file("f1notes5.dat"));
    ASSERT_EQ(notes.size(), 2u * 52u);
    notes[10] = 'X'; // bytes behind the count are kept as read
    WriteFileBytes(dir.file("f1notes5.dat"), notes);
    loaded = LoadFrom(dir);
    ASSERT_EQ(loaded->SaveDatabase(), 1);
    EXPECT_EQ(ReadFileBytes(dir.file("f1notes5.dat")), notes);
    // A notes file that exists is rewritten even when no notes are left.
    loaded->NoteCount = 0;
    loaded->Notes.resize(1);
    ASSERT_EQ(loaded->SaveDatabase(), 1);
    EXPECT_EQ(ReadFileBytes(dir.file("f1notes5.dat")).size(), 52u);
}

TEST(DataFile, MissingFileAndVersionChecks) {
    TempDir dir;
    auto probe = std::make_unique<The_Class>();
    probe->DataPath = dir.path();
    EXPECT_EQ(probe->LoadDatabase("f1data5.dat", "f1notes5.dat", 1), 1);
    EXPECT_EQ(probe->LastError, "Data file not found");

    const auto image = MakeSmallDatabase()->BuildDataImage();
    const std::string tooOld = "Data file is too old for this program.";
    const std::string tooNew = "This program is too old for this data file.";
    const struct {
        std::string format, required;
        int strict;
        std::string error; // empty: accepted
    } cases[] = {
        {"1.03", "1.80", 1, ""},     {"1.02", "1.80", 1, ""},     {"1.01", "1.80", 1, tooOld},
        {"1.00", "1.80", 1, tooOld}, {"0.99", "1.80", 0, tooOld}, {"abc", "1.80", 0, tooOld},
        {"1.03", "1.89", 1, tooNew}, {"1.03", "2.0", 1, tooNew},  {"1.03", "1.88", 1, ""},
        {"1.03", "1.9", 1, ""}, // minors compare as integers: 9 < 88
    };
    for (const auto& c : cases) {
        auto bytes = image;
        std::fill(bytes.begin(), bytes.begin() + 12, 0);
        bytes[0] = static_cast<std::uint8_t>(c.format.size());
        std::memcpy(bytes.data() + 1, c.format.data(), c.format.size());
        bytes[6] = static_cast<std::uint8_t>(c.required.size());
        std::memcpy(bytes.data() + 7, c.required.data(), c.required.size());
        EXPECT_EQ(probe->LoadDatabaseImage(bytes, nullptr, c.strict), c.error.empty() ? 0 : 1)
            << c.format << " / " << c.required;
        EXPECT_EQ(probe->LastError, c.error) << c.format << " / " << c.required;
    }
}

TEST(DataFile, ZeroRangeOfASeasonWithoutStandingsLoadsAsTheEmptyRangeInPlace) {
    for (const char* version : {"1.03", "1.88"}) {
        auto db = MakeSmallDatabase(); // older files stored the empty ranges of 1951 as 0..0
        TSeasonRow& s = db->Seasons[1951];
        s.FirstDriverStanding = s.LastDriverStanding = s.FirstTeamStanding = s.LastTeamStanding = 0;
        db->Seasons[1950].FirstTeamStanding = db->Seasons[1950].LastTeamStanding = 0;
        auto image = db->BuildDataImage();
        std::memcpy(image.data() + 1, version, 4);
        const auto notes = db->BuildNotesImage();

        The_Class loaded;
        ASSERT_EQ(loaded.LoadDatabaseImage(image, &notes, 1), 0) << version << loaded.LastError;
        EXPECT_EQ(CheckInvariants(loaded), std::vector<std::string>()) << version;
        EXPECT_EQ(loaded.Seasons[1951].FirstDriverStanding, 4);
        EXPECT_EQ(loaded.Seasons[1951].LastDriverStanding, 3);
        EXPECT_EQ(loaded.Seasons[1950].FirstTeamStanding, 1);
        EXPECT_EQ(loaded.Seasons[1950].LastTeamStanding, 0);
    }
}

TEST(DataFile, OtherNamesFile) {
    TempDir dir;
    SaveInto(*MakeSmallDatabase(), dir);
    std::string text = "Juan Manuel Fangio***El Chueco\r\n"
                       "no marker on this line\n"
                       "Nobody Known***Ghost\n"
                       "***blank driver name\n"
                       "Nino Farina***" +
                       std::string(300, 'x') + "\n";
    for (int i = 0; i < 120; ++i)
        text += "Reg Parnell***Reggie " + std::to_string(i) + "\n";
    WriteFileBytes(dir.file("other_names.txt"), text);
    auto loaded = LoadFrom(dir);
    ASSERT_EQ(loaded->OtherNameCount, 100);
    const auto& names = loaded->OtherNames;
    EXPECT_EQ(names[0].Driver, loaded->FindDriver("Juan Manuel Fangio"));
    EXPECT_EQ(names[0].Name, "El Chueco");
    EXPECT_EQ(names[1].Driver, 0); // an unknown driver and a blank one still take their rows
    EXPECT_EQ(names[2].Driver, 0);
    EXPECT_EQ(names[2].Name, "blank driver name");
    EXPECT_EQ(names[3].Name.size(), 100u);
    EXPECT_EQ(names[99].Name, "Reggie 95");
    WriteFileBytes(dir.file("other_names.txt"), "just text\nmore text");
    EXPECT_EQ(LoadFrom(dir)->OtherNameCount, 0);
}

// Whole-file reads are sized from the file: every length around the 64 KiB blocks comes back
// byte for byte, and so does a file that reports no size (procfs), read in blocks.
TEST(DataFile, ReadWholeFileReturnsEveryByte) {
    TempDir dir;
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65535},
                                   std::size_t{65536}, std::size_t{65537}, std::size_t{300001}}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 7 + i / 251);
        WriteFileBytes(dir.file("whole.bin"), bytes);
        std::vector<std::uint8_t> read{1, 2, 3}; // replaced, not appended to
        ASSERT_TRUE(ReadWholeFile(dir.file("whole.bin"), read)) << size;
        EXPECT_EQ(std::string(read.begin(), read.end()), bytes) << size;
    }
    std::vector<std::uint8_t> none;
    EXPECT_FALSE(ReadWholeFile(dir.file("missing.bin"), none));
    std::ifstream version("/proc/version", std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(version), {}};
    ASSERT_TRUE(ReadWholeFile("/proc/version", none));
    EXPECT_EQ(std::string(none.begin(), none.end()), expected);
    EXPECT_FALSE(expected.empty());
}

TEST(DataFile, SaveViewSettingsRewritesOnlyTheSettingBytes) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    SaveInto(*db, dir);
    std::string expected = ReadFileBytes(dir.file("f1data5.dat"));
    db->ColorTheme = 4;
    db->GridLineStyle = 3;
    db->OddEvenRows = 1;
    db->FontSizeMode = 1;
    db->GPs[1].Laps = 1; // not saved by this
    ASSERT_TRUE(db->SaveViewSettings());
    expected[13] = 4;
    expected[14] = 0x13;
    expected[19] = 1;
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), expected);
    // Nothing changed since: nothing is written, so even a failing disk goes unnoticed.
    AtomicFile::FailAfterOperations(1);
    EXPECT_TRUE(db->SaveViewSettings());
    AtomicFile::FailAfterOperations(0);

    auto nowhere = std::make_unique<The_Class>();
    nowhere->DataFileName = dir.file("missing.dat");
    EXPECT_FALSE(nowhere->SaveViewSettings());
    EXPECT_FALSE(FileExists(dir.file("missing.dat")));
}

// Every injected failure point of a save leaves both old files byte-identical.
TEST(DataFile, FailedSaveLeavesOldFilesIntact) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    SaveInto(*db, dir);
    const std::string oldData = ReadFileBytes(dir.file("f1data5.dat"));
    const std::string oldNotes = ReadFileBytes(dir.file("f1notes5.dat"));
    testing::DatabaseBuilder(*db).Note("A second note");
    db->GPs[1].Laps = 71;
    int failures = 0;
    for (int n = 1; n < 20; ++n) {
        AtomicFile::FailAfterOperations(n);
        const int rc = db->SaveDatabase();
        AtomicFile::FailAfterOperations(0);
        if (rc == 1) break; // past the last operation: the save went through
        ++failures;
        EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), oldData) << "failure point " << n;
        EXPECT_EQ(ReadFileBytes(dir.file("f1notes5.dat")), oldNotes) << "failure point " << n;
    }
    EXPECT_GE(failures, 4); // two writes and two renames at least
    EXPECT_EQ(LoadFrom(dir)->NoteCount, 2);

    const std::string saved = ReadFileBytes(dir.file("f1data5.dat"));
    db->ColorTheme = 2;
    AtomicFile::FailAfterOperations(1);
    EXPECT_FALSE(db->SaveViewSettings());
    AtomicFile::FailAfterOperations(0);
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), saved);
}

} // namespace
} // namespace qor
