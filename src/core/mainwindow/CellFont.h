#pragma once
// The font a grid cell is drawn in, and the toolkit's measure of a text in it.

#include <functional>
#include <string>

namespace qor {

// The font a cell's text is drawn in.
struct CellFont {
    std::string Name = "tahoma";
    int Size = 8;
    bool Bold = false;
};

// Text width in pixels of a text in a font; the toolkit measures it. A null function counts
// every text as 0 pixels wide.
using TextWidthFn = std::function<int(const std::string& text, const CellFont& font)>;

} // namespace qor
