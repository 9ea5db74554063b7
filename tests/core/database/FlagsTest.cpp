// flags.dat: building, loading and looking up flag pictures.

#include "database/Flags.h"
#include "support/Fixtures.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace qor;
using namespace qor::testing;

namespace {

// A minimal BMP file image of `size` bytes (the size field is what the lookups rely on).
std::vector<std::uint8_t> FakeBmp(std::uint32_t size, std::uint8_t fill) {
    std::vector<std::uint8_t> b(size, fill);
    b[0] = 'B';
    b[1] = 'M';
    std::memcpy(b.data() + 2, &size, 4);
    return b;
}

std::vector<FlagPicture> ThreeFlags() {
    return {{"Brazilian.bmp", FakeBmp(60, 1)},
            {"British.bmp", FakeBmp(70, 2)},
            {"Monaco.bmp", FakeBmp(80, 3)}};
}

} // namespace

TEST(Flags, ImageLayoutEntriesThenPictures) {
    const auto image = FlagImages::BuildImage(ThreeFlags());
    ASSERT_EQ(image.size(), 812u + 60 + 70 + 80);
    EXPECT_EQ(image[0], 13); // length of "Brazilian.bmp"
    EXPECT_EQ(std::string(image.begin() + 1, image.begin() + 14), "Brazilian.bmp");
    std::int32_t offset;
    std::memcpy(&offset, image.data() + 28 + 24, 4);
    EXPECT_EQ(offset, 60); // the second picture follows the first
    std::memcpy(&offset, image.data() + 3 * 28 + 24, 4);
    EXPECT_EQ(offset, -1); // unused entry
    EXPECT_EQ(image[812 + 60], 'B');
}

TEST(Flags, FindByNameIgnoringAsciiCase) {
    FlagImages flags;
    ASSERT_TRUE(flags.LoadImage(FlagImages::BuildImage(ThreeFlags())));
    EXPECT_EQ(flags.Count(), 3u);
    EXPECT_EQ(flags.NameAt(1), "british.bmp");
    EXPECT_EQ(flags.FindFlag("Brazilian.bmp"), 0);
    EXPECT_EQ(flags.FindFlag("BRITISH.BMP"), 60);
    EXPECT_EQ(flags.FindFlag("monaco.bmp"), 130);
    EXPECT_EQ(flags.FindFlag("Brazilian"), -1);
    EXPECT_EQ(flags.FindFlag(""), -1); // unused entries have empty names
    const auto british = flags.PictureAt(flags.FindFlag("British.bmp"));
    ASSERT_EQ(british.size(), 70u);
    EXPECT_EQ(british[69], 2);
}

TEST(Flags, PictureAtStaysInsideThePictureArea) {
    FlagImages flags;
    auto pictures = ThreeFlags();
    // A damaged picture whose size field reaches beyond the file.
    const std::uint32_t tooBig = 5000;
    std::memcpy(pictures[2].bmp.data() + 2, &tooBig, 4);
    ASSERT_TRUE(flags.LoadImage(FlagImages::BuildImage(pictures)));
    EXPECT_TRUE(flags.PictureAt(flags.FindFlag("monaco.bmp")).empty());
    EXPECT_TRUE(flags.PictureAt(-1).empty());
    EXPECT_TRUE(flags.PictureAt(205).empty()); // fewer than 14 bytes left
    EXPECT_TRUE(flags.PictureAt(1).empty());   // not the start of a bitmap
    EXPECT_TRUE(flags.PictureAt(100000).empty());
}

TEST(Flags, BuildRefusesWhatTheFileCannotHold) {
    std::vector<FlagPicture> many(30, FlagPicture{"x.bmp", FakeBmp(20, 0)});
    EXPECT_TRUE(FlagImages::BuildImage(many).empty());
    many.resize(29);
    EXPECT_FALSE(FlagImages::BuildImage(many).empty());
    EXPECT_TRUE(FlagImages::BuildImage({{"Liechtensteiner12.bmp", FakeBmp(20, 0)}}).empty());
    EXPECT_FALSE(FlagImages::BuildImage({{"Liechtensteiner.bmp", FakeBmp(20, 0)}}).empty());
    EXPECT_TRUE(FlagImages::BuildImage({{"", FakeBmp(20, 0)}}).empty());
    EXPECT_TRUE(FlagImages::BuildImage({{"a.bmp", FakeBmp(60000, 0)}, {"b.bmp", FakeBmp(40001, 0)}})
                    .empty());
    EXPECT_EQ(FlagImages::BuildImage({}).size(), 812u);
}

TEST(Flags, MissingOrShortFileMeansNoFlags) {
    TempDir dir;
    FlagImages flags;
    ASSERT_TRUE(flags.LoadImage(FlagImages::BuildImage(ThreeFlags())));
    EXPECT_FALSE(flags.LoadFlags(dir.file("flags.dat")));
    EXPECT_EQ(flags.Count(), 0u);
    EXPECT_EQ(flags.FindFlag("brazilian.bmp"), -1);
    WriteFileBytes(dir.file("flags.dat"), std::string(811, '\0'));
    EXPECT_FALSE(flags.LoadFlags(dir.file("flags.dat")));

    const auto image = FlagImages::BuildImage(ThreeFlags());
    WriteFileBytes(dir.file("flags.dat"), std::string(image.begin(), image.end()));
    ASSERT_TRUE(flags.LoadFlags(dir.file("flags.dat")));
    EXPECT_EQ(flags.PictureAt(flags.FindFlag("Monaco.bmp")).size(), 80u);
}

TEST(Flags, OnlyTheFirst100000PictureBytesAreRead) {
    auto image = FlagImages::BuildImage({{"a.bmp", FakeBmp(99990, 0)}});
    image.resize(image.size() + 500, 7);
    FlagImages flags;
    ASSERT_TRUE(flags.LoadImage(image));
    EXPECT_EQ(flags.Pictures().size(), 100000u);
}
