#include "MiniF1db.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <png.h>
#include <stdexcept>
#include <vector>

namespace qor::testing {

void WriteTable(const std::string& path, const std::string& rows) {
    std::string text = rows;
    std::replace(text.begin(), text.end(), '|', '\t');
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void WriteMiniF1db(const std::string& dir) {
    namespace fs = std::filesystem;
    for (const auto& table : fs::directory_iterator(QOR_SOURCE_DIR "/tests/tools/minif1db"))
        fs::copy_file(table.path(), dir + table.path().filename().string(),
                      fs::copy_options::overwrite_existing);
}

void WritePng(const std::string& path, int w, int h, unsigned char r, unsigned char g,
              unsigned char b, bool transparentCorner) {
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
