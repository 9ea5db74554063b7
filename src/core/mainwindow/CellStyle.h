#pragma once
// How one grid cell is painted: colours, font, text position, Modern picture, lines and the
// filter marker. The screen drawing and the HTML page both take their colours from here.

#include "mainwindow/CellFont.h"
#include "mainwindow/GridTable.h"
#include "mainwindow/ResultGrid.h"
#include "mainwindow/ThemePalette.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qor {

// A cell's rectangle in the grid's pixels (Right and Bottom exclusive).
struct CellRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// A grid line drawn over a cell.
struct CellLine {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Colour Pen = 0;
};

// The small filled triangle drawn after the title of a filterable column.
struct FilterMarker {
    std::array<std::pair<int, int>, 3> Points{};
    Colour Pen = Rgb(68, 68, 68);
    Colour Brush = Rgb(153, 153, 153);
};

// The decision for one cell.
struct CellStyle {
    // False for a cell of a hidden row (height 0): nothing is painted.
    bool Visible = true;
    Colour Brush = 0;
    Colour Text = 0;
    CellFont Font;
    // Modern body cells: the brush is transparent and Picture is stretched over the cell.
    bool TransparentBrush = false;
    CellPicture Picture = CellPicture::None;
    // The column's standard width (NoStandardWidth when it has none) and whether the text is
    // right-aligned on it (the column is at least that wide).
    int StandardWidth = NoStandardWidth;
    bool RightAligned = false;
    // Where the text is drawn (clipped to the cell).
    int TextX = 0;
    int TextY = 0;
    // Body row colours came from the odd pair (the last row-colour choice).
    bool OddRow = false;
    // The highlight rule matched.
    bool Highlighted = false;
    std::optional<FilterMarker> Marker;
    // Lines drawn after the text, by the grid line style.
    std::vector<CellLine> Lines;
};

// What the decision reads besides the cell itself.
struct CellStyleView {
    const GridTable& Grid;
    const ResultGrid& Model;
    const ThemePalette& Palette;
    int GridLineStyle = 0; // bit 0 row lines, bit 1 column lines
    int OddEvenRows = 0;   // 1 = odd-even colouring off
};

// Style of cell (col, row); selected is true when the draw state is not empty (with row
// selection: every cell of the current row).
CellStyle DecideCellStyle(const CellStyleView& view, int col, int row, bool selected,
                          const CellRect& rect, const TextWidthFn& textWidth);

} // namespace qor
