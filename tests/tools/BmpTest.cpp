// Pictures for the flags file: BMP images written byte for byte.

#include "Bmp.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace qor::tools;

TEST(Bmp, HeadersRowsBottomUpInBlueGreenRedOrderPaddedToFourBytes) {
    // 2 x 2: top row red, green; bottom row blue, white.
    const std::vector<std::uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    const auto bmp = EncodeBmp24(2, 2, rgb);
    ASSERT_EQ(bmp.size(), 54u + 2 * 8);
    const auto u32 = [&](std::size_t at) {
        std::uint32_t v;
        std::memcpy(&v, bmp.data() + at, 4);
        return v;
    };
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    // file size, pixel offset, header size, width, height, image size
    EXPECT_EQ((std::vector<std::uint32_t>{u32(2), u32(10), u32(14), u32(18), u32(22), u32(34)}),
              (std::vector<std::uint32_t>{70, 54, 40, 2, 2, 16}));
    EXPECT_EQ(bmp[28], 24); // bits per pixel
    // The bottom row first: blue, white, two padding bytes; then red, green.
    EXPECT_EQ(
        std::vector<std::uint8_t>(bmp.begin() + 54, bmp.end()),
        (std::vector<std::uint8_t>{255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0}));
    EXPECT_TRUE(EncodeBmp24(2, 2, std::vector<std::uint8_t>(11)).empty());
    EXPECT_TRUE(EncodeBmp24(0, 2, {}).empty());
}
