#pragma once
// 24-bit Windows bitmap (BMP) file images.

#include <cstdint>
#include <vector>

namespace qor::tools {

// A BMP file image (BITMAPFILEHEADER + BITMAPINFOHEADER, 24 bits, bottom-up rows padded to
// four bytes) of a picture given as top-down rows of R, G, B bytes. Empty when the sizes
// do not match the pixels.
std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::vector<std::uint8_t>& rgb);

} // namespace qor::tools
