// Pictures for the flags file: BMP images written byte for byte, PNG pictures decoded.

#include "Bmp.h"
#include "MiniF1db.h"
#include "PngPicture.h"
#include "support/Fixtures.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

using namespace qor::tools;

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

} // namespace

TEST(Bmp, HeadersRowsBottomUpInBlueGreenRedOrderPaddedToFourBytes) {
    // 2 x 2: top row red, green; bottom row blue, white.
    const std::vector<std::uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    const auto bmp = EncodeBmp24(2, 2, rgb);
    ASSERT_EQ(bmp.size(), 54u + 2 * 8);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 10), 54u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(U32(bmp, 18), 2u);
    EXPECT_EQ(U32(bmp, 22), 2u);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(U32(bmp, 34), 16u);
    // First stored row is the bottom one: blue, white, two padding bytes.
    const std::vector<std::uint8_t> bottom(bmp.begin() + 54, bmp.begin() + 62);
    EXPECT_EQ(bottom, (std::vector<std::uint8_t>{255, 0, 0, 255, 255, 255, 0, 0}));
    const std::vector<std::uint8_t> top(bmp.begin() + 62, bmp.end());
    EXPECT_EQ(top, (std::vector<std::uint8_t>{0, 0, 255, 0, 255, 0, 0, 0}));
}

TEST(Bmp, RefusesPixelsThatDoNotMatchTheSize) {
    EXPECT_TRUE(EncodeBmp24(2, 2, std::vector<std::uint8_t>(11)).empty());
    EXPECT_TRUE(EncodeBmp24(0, 2, {}).empty());
    EXPECT_EQ(EncodeBmp24(16, 11, std::vector<std::uint8_t>(16 * 11 * 3)).size(), 54u + 48 * 11);
}

TEST(Png, DecodesAndComposesTransparencyOverWhite) {
    qor::testing::TempDir dir;
    qor::testing::WritePng(dir.file("a.png"), 3, 2, 10, 20, 30, true);
    RgbPicture p;
    std::string error;
    ASSERT_TRUE(ReadPng(dir.file("a.png"), p, error)) << error;
    EXPECT_EQ(p.width, 3);
    EXPECT_EQ(p.height, 2);
    ASSERT_EQ(p.rgb.size(), 18u);
    EXPECT_EQ(p.rgb[0], 255); // the transparent corner
    EXPECT_EQ(p.rgb[3], 10);
    EXPECT_EQ(p.rgb[4], 20);
    EXPECT_EQ(p.rgb[5], 30);

    qor::testing::WriteFileBytes(dir.file("bad.png"), "not a png");
    EXPECT_FALSE(ReadPng(dir.file("bad.png"), p, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ReadPng(dir.file("missing.png"), p, error));
}

TEST(Png, ThePackagedFlagsDecode) {
    const std::string gb = "/usr/share/flags/countries/16x11/gb.png";
    if (!std::filesystem::exists(gb)) GTEST_SKIP() << "famfamfam-flag-png is not installed";
    RgbPicture p;
    std::string error;
    ASSERT_TRUE(ReadPng(gb, p, error)) << error;
    EXPECT_EQ(p.width, 16);
    EXPECT_EQ(p.height, 11);
}
