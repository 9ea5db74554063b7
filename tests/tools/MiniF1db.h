#pragma once
// A small F1DB-like extract and flag pictures for testing the data builder.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <png.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace qor::testing {

// Writes a .tsv file from rows written with '|' between the cells, one row a line.
inline void WriteTable(const std::string& path, std::string rows) {
    std::replace(rows.begin(), rows.end(), '|', '\t');
    std::ofstream(path, std::ios::binary | std::ios::trunc) << rows;
}

// Copies the extract in tests/tools/minif1db into dir: two seasons (1950: two races, 1951: one
// race) with shared cars, every kind of unplaced entry, two constructors named alike and one
// that clashes with a name of the last season's team list.
inline void WriteMiniF1db(const std::string& dir) {
    namespace fs = std::filesystem;
    for (const auto& table : fs::directory_iterator(QOR_SOURCE_DIR "/tests/tools/minif1db"))
        fs::copy_file(table.path(), dir + table.path().filename().string(),
                      fs::copy_options::overwrite_existing);
}

// Writes a solid-colour PNG (RGB, or RGBA with a transparent first pixel) of w x h pixels.
inline void WritePng(const std::string& path, int w, int h, unsigned char r, unsigned char g,
                     unsigned char b, bool transparentCorner = false) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = transparentCorner ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    std::vector<unsigned char> pixels;
    for (int i = 0; i < w * h; ++i) {
        pixels.insert(pixels.end(), {r, g, b});
        if (transparentCorner) pixels.push_back(i == 0 ? 0 : 255);
    }
    if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr))
        throw std::runtime_error("cannot write " + path);
}

} // namespace qor::testing
