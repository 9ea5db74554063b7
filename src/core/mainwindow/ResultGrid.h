#pragma once
// The main window's table state without the widgets: both grids, the fill routines every
// table producer writes tablo1 with, and the interaction values the grid handlers share.

#include "lang/Langs.h"
#include "mainwindow/CellFont.h"
#include "mainwindow/ColumnRoles.h"
#include "mainwindow/GridTable.h"
#include "mainwindow/StandardWidths.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qor {

inline constexpr int CompareMarkCount = 101;

// Tables of the main window and the fill routines. Producers call, in this order:
// SetTableColumns, SetColumnTitles, then per row tablo1.SetRowCount(n + 1), StartGridRow(n)
// and AddGridCell from column 0 to the key column, finally tablo1kayitsayisi(count).
class ResultGrid {
  public:
    explicit ResultGrid(const Langs& langs) : langs_(langs), roles_(langs) {}

    GridTable tablo1;
    GridTable tablo2;

    // Output position of AddGridCell.
    int GridRow = 0;
    int GridCol = 0;
    // Cell under the last mouse press in either grid (-1 outside the cells).
    int ClickCol = -1;
    int ClickRow = -1;
    // Key of the row a popup menu was opened on.
    std::uint16_t SelectedRecord = 0;
    // Text highlighted by Ctrl+click; empty for none.
    std::string HighlightName;
    // Drivers in the current comparison table; 0 when the table is no comparison.
    std::uint16_t CompareGroupSize = 0;
    // Per column: 1 = drawn faded in the continuation rows of a comparison group.
    std::array<std::uint8_t, CompareMarkCount> CompareMarks{};

    double ZoomFactor = 1.0;
    StandardWidths Widths;
    // How much wider the grid's real font is than the font the widths were designed for (at
    // least 1): SetTableColumns widens every column by it, and the standard width a text is
    // right-aligned on grows with it. The HTML page writes the widths as designed.
    double FontFactor = 1.0;

    // The toolkit's measures, unset without one (the command line): the width factor of the
    // drawing font at a zoom, and the width of a text in a cell font (columns are widened to
    // their texts).
    std::function<double(double zoomFactor)> FontWidthFactor;
    TextWidthFn MeasureText;

    // Layout read by the width fill, in one coordinate system: left edge of tablo1 and left
    // edge of the right-hand panel (Panel2).
    int GridLeft = 0;
    int RightPanelLeft = 0;

    // Widget states the fill routines decide: the HTML button (button9) and the "Share GP"
    // menu item (ShareGPResults1).
    bool HtmlButtonVisible = true;
    bool ShareItemEnabled = false;
    // The second table's panel (Panel12 with Splitter1) is shown.
    bool SecondTableVisible = false;

    // Sets ZoomFactor, FontFactor, the standard widths and both grids' row heights (17 pixels
    // scaled, the title row 2 more), as start-up does.
    void ApplyZoom(double zoomFactor, int screenWidth);

    // ---- Fill routines (they always write tablo1) -----------------------------------------
    // countThenWidths: N, then the N column widths as designed (missing widths count as 0;
    // each is scaled by FontFactor). Clears the
    // comparison marks, Tag 0, one title row, N columns; shows the HTML button and disables
    // the share item.
    void SetTableColumns(const std::vector<int>& countThenWidths);
    // Title i into row 0, column i, for every column (missing titles are empty).
    void SetColumnTitles(const std::vector<std::string>& titles);
    void StartGridRow(int row);
    void AddGridCell(std::string&& text);
    void AddGridCell(const std::string& text);
    void AddGridText(std::string_view text) { tablo1.SetCellText(GridCol++, GridRow, text); }
    // The decimal digits of a number (no string of its own on the way).
    void AddGridNumber(unsigned long value);
    // Row 0 and column 0 fixed; a table without body rows gets one blank row.
    void fixedcolrow();
    // Ends a table: fixed row and column, filter note cleared, the count label, the columns
    // fitted to their texts when texts can be measured, and the width fill that stretches
    // the last visible column up to the right-hand panel.
    void tablo1kayitsayisi(std::uint16_t count);
    // Widens every column whose texts (row numbers, titles and their filter markers
    // included) are wider than it, as MeasureText measures them; texts right-aligned on a
    // standard width are left to it.
    void FitColumnsToTexts();

    // ---- Reading rows ----------------------------------------------------------------------
    // The key of a row: the first column from `col` rightwards whose title is empty; when its
    // value is 0, empty or not a number, the last column; 0 when neither holds a number.
    static int RowKey(const GridTable& grid, int col, int row);
    // The row's number (column 0); 0 when empty or not a number.
    static int RowNumber(const GridTable& grid, int row);

    const Langs& Texts() const { return langs_; }
    const ColumnRoles& Roles() const { return roles_; }

  private:
    const Langs& langs_;
    ColumnRoles roles_;
};

} // namespace qor
