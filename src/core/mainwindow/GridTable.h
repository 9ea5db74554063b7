#pragma once
// The content of one result grid (tablo1 or tablo2) without its widget: cells, column widths,
// row heights, Tag and the three labels that belong to the grid.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Grid layouts a producer can mark with the grid's Tag.
inline constexpr int GridTagPlain = 0;
inline constexpr int GridTagHorizontalCompare = 1;
inline constexpr int GridTagVerticalCompare = 2;

// A string grid as the main window holds it: row 0 the title row, column 0 the row numbers,
// the last column the hidden key. A row of height 0 is hidden (by the filter).
class GridTable {
  public:
    GridTable() {
        SetColCount(1);
        SetRowCount(1);
    }

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    int RowCount() const { return static_cast<int>(rowHeights_.size()); }
    // Growing adds empty cells (new rows get DefaultRowHeight, new columns DefaultColWidth);
    // shrinking drops the cells beyond. Counts below 1 are taken as 1.
    void SetColCount(int n);
    void SetRowCount(int n);

    // Text of a cell; empty outside the grid.
    const std::string& Cell(int col, int row) const;
    // Writes a cell; writes outside the grid are ignored. A copied text reuses the cell's buffer.
    void SetCell(int col, int row, std::string&& text);
    void SetCell(int col, int row, const std::string& text);
    // Inline: the table fills write every cell through it.
    void SetCellText(int col, int row, std::string_view text) {
        if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
        std::string& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
        // Cleared and appended, which is cheaper than assign, unless the text lies in the cell.
        if (Overlaps(cell, text)) {
            cell.assign(text);
            return;
        }
        cell.clear();
        cell.append(text);
    }
    // Title of a column (the text in row 0).
    const std::string& Title(int col) const { return Cell(col, 0); }

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);

    int DefaultRowHeight = 18;
    int DefaultColWidth = 64;
    int FixedCols = 1;
    int FixedRows = 1;
    // 0 plain, 1 horizontal comparison (banded columns), 2 vertical comparison.
    int Tag = GridTagPlain;
    // The current (selected) row and the first visible body row.
    int Row = 1;
    int TopRow = 1;
    bool Visible = true;

    // The grid's labels: title (label5 / Label29), record count (Label1 / Label31) and the
    // filter note (Label3 / Label4).
    std::string TitleLabel;
    std::string CountLabel;
    std::string FilterLabel;

  private:
    static bool Overlaps(const std::string& cell, std::string_view text) {
        const std::less<const char*> below;
        return !below(text.data(), cell.data()) &&
               below(text.data(), cell.data() + cell.capacity() + 1);
    }

    // [row][col]; rows past RowCount() are spares kept from a longer fill.
    std::vector<std::vector<std::string>> cells_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
};

} // namespace qor
