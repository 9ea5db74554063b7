// Loading and saving the data and notes files: round trips, version checks, the old layout.

#include "database/AtomicFile.h"
#include "database/Invariants.h"
#include "support/Fixtures.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(DataFile, RoundTripIsByteIdenticalWithSettingsAndNotes) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    db->LanguageMode = 0;
    db->ColorTheme = 103;
    db->GridLineStyle = 2;
    db->OddEvenRows = 1;
    db->SpareOption = 9;
    db->CompareView = 1;
    db->StatsWindowSize = 26;
    db->DarkLevel = 12;
    db->FontSizeMode = 2;
    db->OnlineOption = 7;
    SaveInto(*db, dir);
    const std::string first = ReadFileBytes(dir.file("f1data5.dat"));
    const std::string firstNotes = ReadFileBytes(dir.file("f1notes5.dat"));
    EXPECT_EQ(static_cast<unsigned char>(first[14]), 0x12); // OddEvenRows high nibble

    auto loaded = LoadFrom(dir);
    EXPECT_EQ(loaded->ColorTheme, 103);
    EXPECT_EQ(loaded->GridLineStyle, 2);
    EXPECT_EQ(loaded->OddEvenRows, 1);
    EXPECT_EQ(loaded->StatsWindowSize, 26);
    EXPECT_EQ(loaded->OnlineOption, 7);
    EXPECT_EQ(loaded->NoteCount, 1);
    EXPECT_EQ(loaded->ReasonText(NoteCodeBase + 1), "Pushed over the line");
    EXPECT_EQ(loaded->GPCount, db->GPCount);
    EXPECT_EQ(loaded->ResultDriverName(1), "Nino Farina");
    EXPECT_EQ(loaded->LastYear, 1952);
    EXPECT_TRUE(CheckInvariants(*loaded).empty());

    ASSERT_EQ(loaded->SaveDatabase(), 1);
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), first);
    EXPECT_EQ(ReadFileBytes(dir.file("f1notes5.dat")), firstNotes);
}

TEST(DataFile, FullSizeDatabaseRoundTrips) {
    TempDir dir;
    auto db = testing::MakeFullSizeDatabase();
    ASSERT_TRUE(CheckInvariants(*db).empty()) << FirstViolation(*db);
    SaveInto(*db, dir);
    const std::string first = ReadFileBytes(dir.file("f1data5.dat"));
    auto loaded = LoadFrom(dir);
    EXPECT_EQ(loaded->ResultCount, db->ResultCount);
    EXPECT_EQ(loaded->NoteCount, MaxNotes);
    EXPECT_EQ(loaded->LastYear, LastPossibleYear);
    EXPECT_EQ(loaded->BuildDataImage(), db->BuildDataImage());
    ASSERT_EQ(loaded->SaveDatabase(), 1);
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), first);
}

TEST(DataFile, LayoutOfHeaderAndBlocks) {
    auto db = MakeSmallDatabase();
    const auto img = db->BuildDataImage();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(img.data()), 5), "\x04"
                                                                         "1.03");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(img.data() + 6), 5), "\x04"
                                                                             "1.80");
    auto entry = [&](int k, int field) {
        std::uint32_t v;
        std::memcpy(&v, img.data() + 32 + (k - 1) * 12 + field * 4, 4);
        return v;
    };
    // Write order 14, 9, 10, 1, ... : block 14 starts right after the header.
    EXPECT_EQ(entry(14, 0), 224u);
    EXPECT_EQ(entry(9, 0), 224u + entry(14, 1));
    EXPECT_EQ(entry(2, 1), db->TeamCount * 26u);
    EXPECT_EQ(entry(11, 1), db->SeasonCount * 18u);
    EXPECT_EQ(entry(12, 1), db->GPCount * 28u);
    EXPECT_EQ(entry(13, 1), db->ResultCount * 12u);
    EXPECT_EQ(entry(13, 2), db->ResultCount);
    // Packed names: each a length byte and exactly that many characters.
    std::uint32_t packed = 0;
    for (int i = 1; i <= db->DriverCount; ++i)
        packed += 1u + db->DriverNames[i].len;
    EXPECT_EQ(entry(1, 1), packed);
    EXPECT_EQ(img[entry(1, 0)], std::strlen("Nino Farina"));
    EXPECT_EQ(entry(16, 0) + entry(16, 1), img.size());
}

TEST(DataFile, EmptyTablesAndNameOfLengthZero) {
    TempDir dir;
    auto db = std::make_unique<The_Class>();
    testing::DatabaseBuilder b(*db);
    b.Driver("");
    b.Driver("Solo");
    b.SeasonsUpTo(1950);
    SaveInto(*db, dir);
    const std::string bytes = ReadFileBytes(dir.file("f1data5.dat"));
    std::uint32_t size, count;
    std::memcpy(&size, bytes.data() + 32 + 4, 4);
    EXPECT_EQ(size, 1u + 5u); // "" takes one byte, "Solo" five
    std::memcpy(&size, bytes.data() + 32 + 12 * 12 + 4, 4);
    std::memcpy(&count, bytes.data() + 32 + 12 * 12 + 8, 4);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(count, 0u);
    auto loaded = LoadFrom(dir);
    EXPECT_EQ(loaded->DriverName(1), "");
    EXPECT_EQ(loaded->DriverName(2), "Solo");
    EXPECT_EQ(loaded->GPCount, 0);
    // No notes in memory and no notes file before: none is created.
    EXPECT_FALSE(FileExists(dir.file("f1notes5.dat")));
    ASSERT_EQ(loaded->SaveDatabase(), 1);
    EXPECT_FALSE(FileExists(dir.file("f1notes5.dat")));
}

TEST(DataFile, StatsWindowSizeBelowTenReadsAsNormal) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    db->StatsWindowSize = 0;
    SaveInto(*db, dir);
    EXPECT_EQ(LoadFrom(dir)->StatsWindowSize, 25);
}

TEST(DataFile, MissingFileAndVersionChecks) {
    TempDir dir;
    The_Class db;
    db.DataPath = dir.path();
    EXPECT_EQ(db.LoadDatabase("f1data5.dat", "f1notes5.dat", 1), 1);
    EXPECT_EQ(db.LastError, "Data file not found");

    auto good = MakeSmallDatabase();
    SaveInto(*good, dir);
    const std::string image = ReadFileBytes(dir.file("f1data5.dat"));
    struct Case {
        std::string format, required;
        int strict;
        std::string error; // empty: accepted
    };
    const Case cases[] = {
        {"1.03", "1.80", 1, ""},
        {"1.01", "1.80", 1, "Data file is too old for this program."},
        {"1.02", "1.80", 1, ""},
        {"1.00", "1.80", 1, "Data file is too old for this program."},
        {"0.99", "1.80", 0, "Data file is too old for this program."},
        {"abc", "1.80", 0, "Data file is too old for this program."},
        {"1.03", "1.89", 1, "This program is too old for this data file."},
        {"1.03", "2.0", 1, "This program is too old for this data file."},
        {"1.03", "1.88", 1, ""},
        {"1.03", "1.9", 1, ""}, // minors compare as integers: 9 < 88
    };
    for (const Case& c : cases) {
        std::string bytes = image;
        std::memset(bytes.data(), 0, 12);
        bytes[0] = static_cast<char>(c.format.size());
        std::memcpy(bytes.data() + 1, c.format.data(), c.format.size());
        bytes[6] = static_cast<char>(c.required.size());
        std::memcpy(bytes.data() + 7, c.required.data(), c.required.size());
        WriteFileBytes(dir.file("f1data5.dat"), bytes);
        The_Class probe;
        probe.DataPath = dir.path();
        const int rc = probe.LoadDatabase("f1data5.dat", "f1notes5.dat", c.strict);
        EXPECT_EQ(rc, c.error.empty() ? 0 : 1) << c.format << " / " << c.required;
        EXPECT_EQ(probe.LastError, c.error) << c.format << " / " << c.required;
    }
}

// A "1.00" file: seasons of 10 bytes, standings with their year in front.
std::vector<std::uint8_t> OldLayoutImage() {
    auto db = MakeSmallDatabase(); // 1950..1952; standings for 1950 and 1952 only
    db->TeamStandingCount = 0;
    std::vector<std::uint8_t> img = db->BuildDataImage();
    img[0] = 4;
    std::memcpy(img.data() + 1, "1.00", 4);
    auto setEntry = [&](int k, std::uint32_t offset, std::uint32_t size, std::uint32_t count) {
        std::memcpy(img.data() + 32 + (k - 1) * 12, &offset, 4);
        std::memcpy(img.data() + 32 + (k - 1) * 12 + 4, &size, 4);
        std::memcpy(img.data() + 32 + (k - 1) * 12 + 8, &count, 4);
    };
    auto append = [&](const std::vector<std::uint8_t>& block, int k, std::uint32_t count) {
        const auto offset = static_cast<std::uint32_t>(img.size());
        img.insert(img.end(), block.begin(), block.end());
        setEntry(k, offset, static_cast<std::uint32_t>(block.size()), count);
    };
    std::vector<std::uint8_t> seasons;
    for (int y = 1950; y <= 1952; ++y) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(&db->Seasons[y]);
        seasons.insert(seasons.end(), p, p + 10);
    }
    append(seasons, 11, 3);
    std::vector<std::uint8_t> ds;
    for (int y : {1950, 1952})
        for (int i = db->Seasons[y].FirstDriverStanding; i <= db->Seasons[y].LastDriverStanding;
             ++i) {
            std::uint8_t row[12] = {};
            const auto year = static_cast<std::uint16_t>(y);
            std::memcpy(row, &year, 2);
            std::memcpy(row + 2, &db->DriverStandings[i].Driver, 2);
            row[4] = db->DriverStandings[i].Team;
            std::memcpy(row + 8, &db->DriverStandings[i].Points, 4);
            ds.insert(ds.end(), row, row + 12);
        }
    append(ds, 15, 5);
    std::uint8_t team[36] = {};
    const std::uint16_t year = 1952, teamIndex = 2;
    std::memcpy(team, &year, 2);
    std::memcpy(team + 2, &teamIndex, 2);
    team[4] = 7;
    std::memcpy(team + 5, "Ferrari", 7);
    const float points = 14.5f;
    std::memcpy(team + 32, &points, 4);
    append(std::vector<std::uint8_t>(team, team + 36), 16, 1);
    return img;
}

TEST(DataFile, OldLayoutIsConvertedWithEmptyRangesForSeasonsWithoutRows) {
    const auto img = OldLayoutImage();
    The_Class strict;
    EXPECT_EQ(strict.LoadDatabaseImage(img, nullptr, 1), 1);
    EXPECT_EQ(strict.LastError, "Data file is too old for this program.");

    The_Class db;
    ASSERT_EQ(db.LoadDatabaseImage(img, nullptr, 0), 0) << db.LastError;
    EXPECT_TRUE(CheckInvariants(db).empty()) << FirstViolation(db);
    EXPECT_EQ(db.Seasons[1950].FirstDriverStanding, 1);
    EXPECT_EQ(db.Seasons[1950].LastDriverStanding, 3);
    EXPECT_EQ(db.Seasons[1951].FirstDriverStanding, 4); // no rows: empty, in place
    EXPECT_EQ(db.Seasons[1951].LastDriverStanding, 3);
    EXPECT_EQ(db.Seasons[1952].FirstDriverStanding, 4);
    EXPECT_EQ(db.Seasons[1952].LastDriverStanding, 5);
    EXPECT_EQ(db.DriverStandings[4].Driver, db.FindDriver("Reg Parnell"));
    EXPECT_FLOAT_EQ(db.DriverStandings[3].Points, 24.5f);
    EXPECT_EQ(db.Seasons[1950].ChampDriver, db.FindDriver("Nino Farina"));
    EXPECT_EQ(db.Seasons[1950].FirstGP, 1);
    EXPECT_EQ(db.Seasons[1950].LastGP, 3);
    EXPECT_EQ(db.Seasons[1950].FirstTeamStanding, 1);
    EXPECT_EQ(db.Seasons[1950].LastTeamStanding, 0);
    EXPECT_EQ(db.Seasons[1952].FirstTeamStanding, 1);
    EXPECT_EQ(db.Seasons[1952].LastTeamStanding, 1);
    EXPECT_EQ(db.TeamStandings[1].Team, 2);
    EXPECT_EQ(db.TeamStandings[1].Name.str(), "Ferrari");
    EXPECT_FLOAT_EQ(db.TeamStandings[1].Points, 14.5f);
    // Saving writes the current layout, which then loads strictly.
    The_Class again;
    ASSERT_EQ(again.LoadDatabaseImage(db.BuildDataImage(), nullptr, 1), 0);
    EXPECT_EQ(again.BuildDataImage(), db.BuildDataImage());
}

TEST(DataFile, NotesFileKeepsItsHeaderBytes) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    SaveInto(*db, dir);
    std::string notes = ReadFileBytes(dir.file("f1notes5.dat"));
    ASSERT_EQ(notes.size(), 2u * 52u);
    notes[10] = 'X'; // bytes behind the count are kept as read
    WriteFileBytes(dir.file("f1notes5.dat"), notes);
    auto loaded = LoadFrom(dir);
    ASSERT_EQ(loaded->SaveDatabase(), 1);
    EXPECT_EQ(ReadFileBytes(dir.file("f1notes5.dat")), notes);
    // A notes file that exists is rewritten even when no notes are left.
    loaded->NoteCount = 0;
    loaded->Notes.resize(1);
    ASSERT_EQ(loaded->SaveDatabase(), 1);
    EXPECT_EQ(ReadFileBytes(dir.file("f1notes5.dat")).size(), 52u);
}

TEST(DataFile, OtherNamesFile) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    SaveInto(*db, dir);
    std::string text = "Juan Manuel Fangio***El Chueco\r\n"
                       "no marker on this line\n"
                       "Nobody Known***Ghost\n"
                       "***blank driver name\n"
                       "Nino Farina***" +
                       std::string(300, 'x') + "\n";
    for (int i = 0; i < 120; ++i)
        text += "Reg Parnell***Reggie " + std::to_string(i) + "\n";
    WriteFileBytes(dir.file("other_names.txt"), text);
    std::vector<std::string> debug;
    auto loaded = std::make_unique<The_Class>();
    loaded->DataPath = dir.path();
    loaded->DebugLines = &debug;
    ASSERT_EQ(loaded->LoadDatabase("f1data5.dat", "f1notes5.dat", 1), 0);
    ASSERT_EQ(loaded->OtherNameCount, 100);
    EXPECT_EQ(loaded->OtherNames[0].Driver, loaded->FindDriver("Juan Manuel Fangio"));
    EXPECT_EQ(loaded->OtherNames[0].Name, "El Chueco");
    EXPECT_EQ(loaded->OtherNames[1].Driver, 0);
    EXPECT_EQ(loaded->OtherNames[2].Driver, 0);
    EXPECT_EQ(loaded->OtherNames[2].Name, "blank driver name");
    EXPECT_EQ(loaded->OtherNames[3].Name.size(), 100u);
    EXPECT_EQ(loaded->OtherNames[99].Name, "Reggie 95");
    EXPECT_NE(std::find(debug.begin(), debug.end(), "Debug:pilot bulunamad\xFD: Nobody Known"),
              debug.end());

    // A file without any "***" line gives no alternative names.
    WriteFileBytes(dir.file("other_names.txt"), "just text\nmore text");
    EXPECT_EQ(LoadFrom(dir)->OtherNameCount, 0);
}

TEST(DataFile, TeamFullNames) {
    The_Class db;
    EXPECT_EQ(db.TeamFullNameCount, 12);
    EXPECT_EQ(db.TeamFullName("BRM"), "British Racing Motors");
    EXPECT_EQ(db.TeamFullName("MF1"), "Midland F1");
    EXPECT_EQ(db.TeamFullName("Matra"), "Mecanique-Aviation-Traction");
    EXPECT_EQ(db.TeamFullName("brm"), "brm"); // case-sensitive
    EXPECT_EQ(db.TeamFullName("Ferrari"), "Ferrari");
}

TEST(DataFile, SaveViewSettingsRewritesOnlyTheSettingBytes) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    SaveInto(*db, dir);
    const std::string before = ReadFileBytes(dir.file("f1data5.dat"));
    db->ColorTheme = 4;
    db->GridLineStyle = 3;
    db->OddEvenRows = 1;
    db->FontSizeMode = 1;
    ASSERT_TRUE(db->SaveViewSettings());
    const std::string after = ReadFileBytes(dir.file("f1data5.dat"));
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i)
        if (i < 12 || i > 20) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    EXPECT_EQ(after[13], 4);
    EXPECT_EQ(after[14], 0x13);
    EXPECT_EQ(after[19], 1);

    The_Class nowhere;
    nowhere.DataFileName = dir.file("missing.dat");
    EXPECT_FALSE(nowhere.SaveViewSettings());
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
    const auto memoryBefore = db->BuildDataImage();
    int failures = 0;
    for (int n = 1; n < 20; ++n) {
        AtomicFile::FailAfterOperations(n);
        const int rc = db->SaveDatabase();
        AtomicFile::FailAfterOperations(0);
        if (rc == 1) break; // past the last operation: the save went through
        ++failures;
        EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), oldData) << "failure point " << n;
        EXPECT_EQ(ReadFileBytes(dir.file("f1notes5.dat")), oldNotes) << "failure point " << n;
        EXPECT_EQ(db->BuildDataImage(), memoryBefore);
    }
    EXPECT_GE(failures, 4); // two writes and two renames at least
    EXPECT_NE(ReadFileBytes(dir.file("f1data5.dat")), oldData);
    EXPECT_EQ(LoadFrom(dir)->NoteCount, 2);

    // The view settings are written the same way.
    const std::string saved = ReadFileBytes(dir.file("f1data5.dat"));
    db->ColorTheme = 2;
    AtomicFile::FailAfterOperations(1);
    EXPECT_FALSE(db->SaveViewSettings());
    AtomicFile::FailAfterOperations(0);
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), saved);
}

TEST(DataFile, SaveIntoReadOnlyFolderFailsAndKeepsFiles) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions; covered by injected failures";
    TempDir dir;
    auto db = MakeSmallDatabase();
    SaveInto(*db, dir);
    const std::string oldData = ReadFileBytes(dir.file("f1data5.dat"));
    ::chmod(dir.path().c_str(), 0555);
    db->GPs[1].Laps = 1;
    EXPECT_EQ(db->SaveDatabase(), 0);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), oldData);
}

} // namespace
} // namespace qor
