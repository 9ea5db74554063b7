// flags.dat: building, loading and looking up flag pictures.

#include "database/Flags.h"
#include "support/Fixtures.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace qor;
using namespace qor::testing;

namespace {

// A minimal BMP file image of `size` bytes (the size field is what the lookups rely on).
std::vector<std::uint8_t> FakeBmp(std::uint32_t size, std::uint8_t fill = 0) {
    std::vector<std::uint8_t> b(size, fill);
    b[0] = 'B';
    b[1] = 'M';
    std::memcpy(b.data() + 2, &size, 4);
    return b;
}

const std::vector<FlagPicture> kThree = {{"Brazilian.bmp", FakeBmp(60, 1)},
                                         {"British.bmp", FakeBmp(70, 2)},
                                         {"Monaco.bmp", FakeBmp(80, 3)}};

TEST(Flags, FindByNameIgnoringAsciiCaseAndStayInsideThePictureArea) {
    auto pictures = kThree;
    const std::uint32_t tooBig = 5000; // a damaged size field reaching beyond the file
    std::memcpy(pictures[2].bmp.data() + 2, &tooBig, 4);
    FlagImages flags;
    ASSERT_TRUE(flags.LoadImage(FlagImages::BuildImage(pictures)));
    EXPECT_EQ(flags.Count(), 3u);
    EXPECT_EQ(flags.NameAt(1), "british.bmp");
    const struct {
        const char* name;
        std::int32_t offset;
    } finds[] = {{"Brazilian.bmp", 0},
                 {"BRITISH.BMP", 60},
                 {"monaco.bmp", 130},
                 {"Brazilian", -1},
                 {"", -1}}; // unused entries have empty names
    for (const auto& f : finds)
        EXPECT_EQ(flags.FindFlag(f.name), f.offset) << f.name;
    EXPECT_EQ(flags.PictureAt(60), kThree[1].bmp);
    // -1, the damaged picture, fewer than 14 bytes left, not the start of a bitmap, beyond.
    for (std::int32_t at : {-1, 130, 205, 1, 100000})
        EXPECT_TRUE(flags.PictureAt(at).empty()) << at;
}

TEST(Flags, BuildRefusesWhatTheFileCannotHold) {
    const std::vector<FlagPicture> many(29, FlagPicture{"x.bmp", FakeBmp(20)});
    const struct {
        std::vector<FlagPicture> pictures;
        bool fits;
    } cases[] = {
        {many, true},
        {std::vector<FlagPicture>(30, FlagPicture{"x.bmp", FakeBmp(20)}), false},
        {{{"Liechtensteiner.bmp", FakeBmp(20)}}, true}, // 19 characters
        {{{"Liechtensteiner12.bmp", FakeBmp(20)}}, false},
        {{{"", FakeBmp(20)}}, false},
        {{{"a.bmp", FakeBmp(60000)}, {"b.bmp", FakeBmp(40000)}}, true},
        {{{"a.bmp", FakeBmp(60000)}, {"b.bmp", FakeBmp(40001)}}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FlagImages::BuildImage(c.pictures).empty(), !c.fits) << c.pictures.size();
}

TEST(Flags, MissingShortOrLongFiles) {
    TempDir dir;
    FlagImages flags;
    ASSERT_TRUE(flags.LoadImage(FlagImages::BuildImage(kThree)));
    EXPECT_FALSE(flags.LoadFlags(dir.file("flags.dat")));
    EXPECT_EQ(flags.Count(), 0u); // a failed load forgets the old flags
    WriteFileBytes(dir.file("flags.dat"), std::string(811, '\0'));
    EXPECT_FALSE(flags.LoadFlags(dir.file("flags.dat")));
    auto image = FlagImages::BuildImage({{"a.bmp", FakeBmp(99990)}});
    image.resize(image.size() + 500, 7); // only the first 100000 picture bytes are read
    WriteFileBytes(dir.file("flags.dat"), std::string(image.begin(), image.end()));
    ASSERT_TRUE(flags.LoadFlags(dir.file("flags.dat")));
    EXPECT_EQ(flags.Pictures().size(), 100000u);
    EXPECT_EQ(flags.PictureAt(flags.FindFlag("A.bmp")).size(), 99990u);
}

} // namespace
