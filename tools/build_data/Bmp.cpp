// Writing 24-bit BMP images.

#include "Bmp.h"

#include <cstring>

namespace qor::tools {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835; // 72 dpi

template <typename T> void Put(std::vector<std::uint8_t>& out, std::size_t at, T value) {
    std::memcpy(out.data() + at, &value, sizeof value);
}

} // namespace

std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::vector<std::uint8_t>& rgb) {
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) return {};
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    if (rgb.size() != w * h * 3) return {};
    const std::size_t stride = (w * 3 + 3) / 4 * 4;
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out(offset + stride * h, 0);

    out[0] = 'B';
    out[1] = 'M';
    Put(out, 2, static_cast<std::uint32_t>(out.size()));
    Put(out, 10, static_cast<std::uint32_t>(offset));
    Put(out, 14, kInfoHeaderSize);
    Put(out, 18, static_cast<std::int32_t>(width));
    Put(out, 22, static_cast<std::int32_t>(height)); // positive: rows stored bottom-up
    Put(out, 26, static_cast<std::uint16_t>(1));     // planes
    Put(out, 28, static_cast<std::uint16_t>(24));    // bits per pixel
    Put(out, 30, static_cast<std::uint32_t>(0));     // no compression
    Put(out, 34, static_cast<std::uint32_t>(stride * h));
    Put(out, 38, kPixelsPerMetre);
    Put(out, 42, kPixelsPerMetre);

    for (std::size_t y = 0; y < h; ++y) {
        const std::uint8_t* src = rgb.data() + y * w * 3;
        std::uint8_t* dst = out.data() + offset + (h - 1 - y) * stride;
        for (std::size_t x = 0; x < w; ++x) {
            dst[x * 3] = src[x * 3 + 2];
            dst[x * 3 + 1] = src[x * 3 + 1];
            dst[x * 3 + 2] = src[x * 3];
        }
    }
    return out;
}

} // namespace qor::tools
