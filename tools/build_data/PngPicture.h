#pragma once
// PNG pictures read for conversion into the flags file.

#include <cstdint>
#include <string>
#include <vector>

namespace qor::tools {

// A decoded picture: top-down rows of R, G, B bytes.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Decodes a PNG file; transparency is composed over white. False with `error` set when the
// file cannot be read or decoded.
bool ReadPng(const std::string& path, RgbPicture& picture, std::string& error);

} // namespace qor::tools
