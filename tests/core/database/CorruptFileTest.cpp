// A damaged data or notes file is refused as "Corrupted data" and never half-used.

#include "support/Fixtures.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {

using Image = std::vector<std::uint8_t>;
using testing::DirField;
using testing::SetDirField;

// Changes field f of block k's directory entry by delta.
void Bump(Image& img, int k, int f, int delta) {
    SetDirField(img, k, f, DirField(img, k, f) + static_cast<std::uint32_t>(delta));
}

// Rewrites row `row` of fixed-size block k.
template <typename T> void Patch(Image& img, int k, int row, const std::function<void(T&)>& f) {
    T rec;
    std::uint8_t* p =
        img.data() + DirField(img, k, 0) + static_cast<std::size_t>(row - 1) * sizeof(T);
    std::memcpy(reinterpret_cast<std::uint8_t*>(&rec), p, sizeof(T));
    f(rec);
    std::memcpy(p, reinterpret_cast<const std::uint8_t*>(&rec), sizeof(T));
}

// Sets 1951's driver standings range (1950 holds rows 1..3).
void Standings1951(Image& img, std::uint16_t first, std::uint16_t last) {
    Patch<TSeasonRow>(img, 11, 2, [&](TSeasonRow& s) {
        s.FirstDriverStanding = first;
        s.LastDriverStanding = last;
    });
}

void SetNoteCount(Image& notes, std::uint16_t n) {
    std::memcpy(notes.data(), &n, 2);
}

// One damage of the small database's data or notes image per row.
const struct Damage {
    const char* why;
    std::function<void(Image& data, Image& notes)> apply;
} kDamages[] = {
    {"empty file", [](Image& d, Image&) { d.clear(); }},
    {"shorter than the header", [](Image& d, Image&) { d.resize(100); }},
    {"last block cut short", [](Image& d, Image&) { d.pop_back(); }},
    {"size past the end, wrapping 32 bits", // 850 empty names read on past the end
     [](Image& d, Image&) {
         testing::AppendBlock(d, 1, Image(10), 850);
         SetDirField(d, 1, 1, 4u - DirField(d, 1, 0));
         d.shrink_to_fit(); // so that a read past the end shows under the sanitizer
     }},
    {"offset past the end",
     [](Image& d, Image&) { SetDirField(d, 2, 0, static_cast<std::uint32_t>(d.size())); }},
    {"block starting inside another",
     [](Image& d, Image&) { SetDirField(d, 13, 0, DirField(d, 12, 0) + 4); }},
    {"GP names above capacity",
     [](Image& d, Image&) { testing::AppendBlock(d, 7, Image(51 * 21), 51); }},
    {"fixed block size not count x record", [](Image& d, Image&) { Bump(d, 12, 1, -1); }},
    {"season count without rows", [](Image& d, Image&) { Bump(d, 11, 2, 1); }},
    {"nationality block disagrees with the names",
     [](Image& d, Image&) { Bump(d, 5, 1, -1), Bump(d, 5, 2, -1); }},
    {"more names than bytes", [](Image& d, Image&) { Bump(d, 1, 2, 1); }},
    {"bytes left after the names", [](Image& d, Image&) { Bump(d, 1, 2, -1); }},
    {"name running past its block", [](Image& d, Image&) { d[DirField(d, 1, 0)] = 200; }},
    {"name longer than its field",
     [](Image& d, Image&) {
         Image name(41, 'a');
         name[0] = 40;
         testing::AppendBlock(d, 1, name, 1);
     }},
    {"result ranges with a gap",
     [](Image& d, Image&) { Patch<TGPRow>(d, 12, 2, [](TGPRow& g) { ++g.FirstResult; }); }},
    {"result range past the table",
     [](Image& d, Image&) { Patch<TGPRow>(d, 12, 4, [](TGPRow& g) { g.LastResult = 60000; }); }},
    {"GPs out of date order",
     [](Image& d, Image&) { Patch<TGPRow>(d, 12, 2, [](TGPRow& g) { g.Date = 1; }); }},
    {"season range missing a GP",
     [](Image& d, Image&) { Patch<TSeasonRow>(d, 11, 1, [](TSeasonRow& s) { s.LastGP = 2; }); }},
    {"standings range past the table",
     [](Image& d, Image&) {
         Patch<TSeasonRow>(d, 11, 3, [](TSeasonRow& s) { s.LastDriverStanding = 900; });
     }},
    // Older files stored an empty range as 0..0; nothing else from row 0 or out of place.
    {"standings from row 0, not empty", [](Image& d, Image&) { Standings1951(d, 0, 3); }},
    {"empty standings out of place", [](Image& d, Image&) { Standings1951(d, 5, 4); }},
    {"standings 0..1 overlapping 1950's", [](Image& d, Image&) { Standings1951(d, 0, 1); }},
    {"results out of position order",
     [](Image& d, Image&) { Patch<TResultRec>(d, 13, 1, [](TResultRec& r) { r.Pos = 5; }); }},
    {"driver index beyond the table",
     [](Image& d, Image&) { Patch<TResultRec>(d, 13, 1, [](TResultRec& r) { r.Driver = 999; }); }},
    {"track index beyond the table",
     [](Image& d, Image&) { Patch<TGPRow>(d, 12, 1, [](TGPRow& g) { g.Track = 77; }); }},
    {"more than 1000 notes", [](Image&, Image& n) { SetNoteCount(n, 1001), n.resize(1002 * 52); }},
    {"notes file shorter than its count", [](Image&, Image& n) { SetNoteCount(n, 3); }},
    {"notes file without a whole header", [](Image&, Image& n) { n.resize(10); }},
};

TEST(CorruptFile, EveryDamageIsRefusedWithoutMessageAndKeepsTheOldTables) {
    const auto small = testing::MakeSmallDatabase();
    const Image data = small->BuildDataImage(), notes = small->BuildNotesImage();
    auto db = testing::MakeFullSizeDatabase();
    const Image before = db->BuildDataImage();
    ASSERT_EQ(std::make_unique<The_Class>()->LoadDatabaseImage(data, &notes, 1), 0);
    for (const Damage& c : kDamages) {
        Image d = data, n = notes;
        c.apply(d, n);
        EXPECT_EQ(db->LoadDatabaseImage(d, &n, 1), 1) << c.why;
        EXPECT_EQ(db->LastError, "") << c.why;
        EXPECT_EQ(db->NoteCount, MaxNotes) << c.why;
    }
    EXPECT_TRUE(db->BuildDataImage() == before) << "tables changed by a refused load";
}

TEST(CorruptFile, EmptyBlocksMayShareAnOffset) {
    auto empty = std::make_unique<The_Class>();
    testing::DatabaseBuilder(*empty).SeasonsUpTo(1951);
    const Image img = empty->BuildDataImage();
    ASSERT_EQ(DirField(img, 15, 0), DirField(img, 16, 0));
    EXPECT_EQ(std::make_unique<The_Class>()->LoadDatabaseImage(img, nullptr, 1), 0);
}

// Fuzzer finds and seeds, replayed under the sanitizers of the test build.
TEST(FuzzCorpus, SeedsLoadAndRoundTrip) {
    const std::string dir = std::string(QOR_SOURCE_DIR) + "/fuzz/corpus/load_database/";
    for (const char* name : {"small.dat", "small_strict.dat"}) {
        const std::string bytes = testing::ReadFileBytes(dir + name);
        auto db = std::make_unique<The_Class>();
        ASSERT_EQ(db->LoadDatabaseImage(Image(bytes.begin(), bytes.end()), nullptr, 1), 0) << name;
        ASSERT_EQ(
            std::make_unique<The_Class>()->LoadDatabaseImage(db->BuildDataImage(), nullptr, 1), 0);
    }
}

} // namespace
} // namespace qor
