// A damaged data or notes file is refused as "Corrupted data" and never half-used.

#include "database/Invariants.h"
#include "support/Fixtures.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {

using Image = std::vector<std::uint8_t>;

struct Entry {
    std::uint32_t offset, size, count;
};

Entry GetEntry(const Image& img, int k) {
    Entry e;
    std::memcpy(&e, img.data() + 32 + (k - 1) * 12, 12);
    return e;
}

void SetEntry(Image& img, int k, Entry e) {
    std::memcpy(img.data() + 32 + (k - 1) * 12, &e, 12);
}

// Appends a block and points entry k at it.
void Repoint(Image& img, int k, const Image& block, std::uint32_t count) {
    const auto offset = static_cast<std::uint32_t>(img.size());
    img.insert(img.end(), block.begin(), block.end());
    SetEntry(img, k, {offset, static_cast<std::uint32_t>(block.size()), count});
}

template <typename T>
void PatchRecord(Image& img, int k, int row, const std::function<void(T&)>& f) {
    const Entry e = GetEntry(img, k);
    T rec;
    std::uint8_t* p = img.data() + e.offset + static_cast<std::size_t>(row - 1) * sizeof(T);
    std::memcpy(reinterpret_cast<std::uint8_t*>(&rec), p, sizeof(T));
    f(rec);
    std::memcpy(p, reinterpret_cast<const std::uint8_t*>(&rec), sizeof(T));
}

class CorruptFile : public ::testing::Test {
  protected:
    void SetUp() override {
        good_ = testing::MakeSmallDatabase()->BuildDataImage();
        notes_ = testing::MakeSmallDatabase()->BuildNotesImage();
    }

    // Loads the images through the files into a database that already holds data, and
    // expects a refusal with no message and the old tables untouched.
    void ExpectRefused(const Image& data, const Image* notes, const std::string& what) {
        testing::TempDir dir;
        testing::WriteFileBytes(dir.file("f1data5.dat"), std::string(data.begin(), data.end()));
        if (notes)
            testing::WriteFileBytes(dir.file("f1notes5.dat"),
                                    std::string(notes->begin(), notes->end()));
        auto db = testing::MakeFullSizeDatabase();
        const Image before = db->BuildDataImage();
        db->DataPath = dir.path();
        EXPECT_EQ(db->LoadDatabase("f1data5.dat", "f1notes5.dat", 1), 1) << what;
        EXPECT_EQ(db->LastError, "") << what;
        EXPECT_TRUE(db->BuildDataImage() == before) << what << ": tables changed by a refused load";
        EXPECT_EQ(db->NoteCount, MaxNotes) << what;
    }

    Image good_;
    Image notes_;
};

TEST_F(CorruptFile, TheUnchangedImagesLoad) {
    testing::TempDir dir;
    testing::WriteFileBytes(dir.file("f1data5.dat"), std::string(good_.begin(), good_.end()));
    testing::WriteFileBytes(dir.file("f1notes5.dat"), std::string(notes_.begin(), notes_.end()));
    The_Class db;
    db.DataPath = dir.path();
    EXPECT_EQ(db.LoadDatabase("f1data5.dat", "f1notes5.dat", 1), 0);
}

TEST_F(CorruptFile, ShortAndTruncatedFiles) {
    ExpectRefused(Image(), nullptr, "empty file");
    ExpectRefused(Image(good_.begin(), good_.begin() + 100), nullptr, "shorter than the header");
    ExpectRefused(Image(good_.begin(), good_.end() - 1), nullptr, "last block cut short");
}

TEST_F(CorruptFile, DirectoryEntries) {
    Image img = good_;
    SetEntry(img, 13, {GetEntry(img, 13).offset, 0xFFFFFFF0u, GetEntry(img, 13).count});
    ExpectRefused(img, nullptr, "size running past the end (and wrapping 32 bits)");

    img = good_;
    SetEntry(img, 2, {static_cast<std::uint32_t>(img.size()) + 10, 0, 0});
    ExpectRefused(img, nullptr, "offset past the end");

    // An entry starting inside an earlier one overlaps it.
    img = good_;
    Entry results = GetEntry(img, 13);
    Entry gps = GetEntry(img, 12);
    SetEntry(img, 13, {gps.offset + 4, results.size, results.count});
    ExpectRefused(img, nullptr, "overlapping blocks");

    // Two entries describing the same range are accepted (both empty here).
    img = good_;
    SetEntry(img, 16, GetEntry(img, 15));
    SetEntry(img, 15, {GetEntry(img, 15).offset, 0, 0});
    SetEntry(img, 16, {GetEntry(img, 15).offset, 0, 0});
    The_Class probe;
    // Standings emptied: the season ranges no longer tile, so this one is refused by the rules.
    EXPECT_EQ(probe.LoadDatabaseImage(img, nullptr, 1), 1);
    auto empty = std::make_unique<The_Class>();
    testing::DatabaseBuilder(*empty).SeasonsUpTo(1951);
    img = empty->BuildDataImage();
    ASSERT_EQ(GetEntry(img, 15).offset, GetEntry(img, 16).offset);
    EXPECT_EQ(probe.LoadDatabaseImage(img, nullptr, 1), 0);
}

TEST_F(CorruptFile, CountsAndSizes) {
    Image img = good_;
    Repoint(img, 7, Image(51 * 21, 0), 51);
    ExpectRefused(img, nullptr, "GP names above capacity");

    img = good_;
    Entry e = GetEntry(img, 12);
    SetEntry(img, 12, {e.offset, e.size - 1, e.count});
    ExpectRefused(img, nullptr, "fixed block size not count x record");

    img = good_;
    e = GetEntry(img, 11);
    SetEntry(img, 11, {e.offset, e.size, e.count + 1});
    ExpectRefused(img, nullptr, "season count without rows");

    img = good_;
    e = GetEntry(img, 5);
    SetEntry(img, 5, {e.offset, e.size - 1, e.count - 1});
    ExpectRefused(img, nullptr, "nationality block disagrees with the names");
}

TEST_F(CorruptFile, PackedBlocks) {
    Image img = good_;
    Entry e = GetEntry(img, 1);
    SetEntry(img, 1, {e.offset, e.size, e.count + 1});
    ExpectRefused(img, nullptr, "more names than bytes");

    img = good_;
    SetEntry(img, 1, {e.offset, e.size, e.count - 1});
    ExpectRefused(img, nullptr, "bytes left after the names");

    img = good_;
    img[e.offset] = 200; // the first name claims to run past the block
    ExpectRefused(img, nullptr, "name running past its block");

    img = good_;
    Image longName(41, 'a');
    longName[0] = 40;
    Repoint(img, 1, longName, 1);
    ExpectRefused(img, nullptr, "driver name longer than its field");
}

TEST_F(CorruptFile, RangesThatBreakTheRules) {
    Image img = good_;
    PatchRecord<TGPRow>(img, 12, 2, [](TGPRow& g) { g.FirstResult += 1; });
    ExpectRefused(img, nullptr, "result ranges with a gap");

    img = good_;
    PatchRecord<TGPRow>(img, 12, 4, [](TGPRow& g) { g.LastResult = 60000; });
    ExpectRefused(img, nullptr, "result range past the table");

    img = good_;
    PatchRecord<TGPRow>(img, 12, 2, [](TGPRow& g) { g.Date = 1; });
    ExpectRefused(img, nullptr, "GPs out of date order");

    img = good_;
    PatchRecord<TSeasonRow>(img, 11, 1, [](TSeasonRow& s) { s.LastGP = 2; });
    ExpectRefused(img, nullptr, "season range missing a GP");

    img = good_;
    PatchRecord<TSeasonRow>(img, 11, 3, [](TSeasonRow& s) { s.LastDriverStanding = 900; });
    ExpectRefused(img, nullptr, "standings range past the table");

    img = good_;
    PatchRecord<TResultRec>(img, 13, 1, [](TResultRec& r) { r.Pos = 5; });
    ExpectRefused(img, nullptr, "results out of position order");

    img = good_;
    PatchRecord<TResultRec>(img, 13, 1, [](TResultRec& r) { r.Driver = 999; });
    ExpectRefused(img, nullptr, "driver index beyond the table");

    img = good_;
    PatchRecord<TGPRow>(img, 12, 1, [](TGPRow& g) { g.Track = 77; });
    ExpectRefused(img, nullptr, "track index beyond the table");
}

TEST_F(CorruptFile, NotesFile) {
    Image notes = notes_;
    const std::uint16_t tooMany = 1001;
    std::memcpy(notes.data(), &tooMany, 2);
    notes.resize(1002 * 52);
    ExpectRefused(good_, &notes, "more than 1000 notes");

    notes = notes_;
    const std::uint16_t three = 3;
    std::memcpy(notes.data(), &three, 2);
    ExpectRefused(good_, &notes, "notes file shorter than its count");

    notes = Image(10, 0);
    ExpectRefused(good_, &notes, "notes file without a whole header");
}

// Fuzzer finds and seeds, replayed under the sanitizers of the test build.
TEST(FuzzCorpus, SeedsLoadAndRoundTrip) {
    const std::string dir = std::string(QOR_SOURCE_DIR) + "/fuzz/corpus/load_database/";
    int loaded = 0;
    for (const char* name : {"small.dat", "small_strict.dat"}) {
        const std::string bytes = testing::ReadFileBytes(dir + name);
        ASSERT_FALSE(bytes.empty()) << name;
        The_Class db;
        const Image img(bytes.begin(), bytes.end());
        if (db.LoadDatabaseImage(img, nullptr, 1) == 0) {
            ++loaded;
            The_Class again;
            ASSERT_EQ(again.LoadDatabaseImage(db.BuildDataImage(), nullptr, 1), 0);
        }
    }
    EXPECT_EQ(loaded, 2);
}

} // namespace
} // namespace qor
