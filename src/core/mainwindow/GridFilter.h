#pragma once
// The grid filter: a drop-down of the values in a date, track, name or team column; choosing
// one hides every other row (height 0), choosing the title shows all rows again.

#include "mainwindow/ColumnRoles.h"
#include "mainwindow/GridTable.h"
#include "mainwindow/ThemePalette.h"

#include <string>
#include <vector>

namespace qor {

// The filter drop-down (filter_box) as the main window shows it.
struct FilterBox {
    bool Visible = false;
    FilterKind Kind = FilterKind::None; // the box's Tag
    GridTable* Grid = nullptr;          // the grid it works on (its parent panel's grid)
    // Entry 0 is the column title, then the values in sorted order.
    std::vector<std::string> Items;
    int ItemIndex = -1;
    int Width = 0;
    int Left = 0; // left edge of the title cell + left edge of the grid
};

// Colours of one drop-down entry.
struct FilterItemStyle {
    Colour Brush = 0;
    Colour Text = 0;
    bool Bold = false;
    // Modern style: the picture behind the text and the white outline of odd-pair entries.
    CellPicture Picture = CellPicture::None;
    bool WhiteOutline = false;
};

// Opening and applying the filter of either grid.
class GridFilter {
  public:
    explicit GridFilter(const ColumnRoles& roles) : roles_(roles) {}

    // A left click on the title cell of column col: fills and shows the box when the column
    // is a date, track, name or team column; returns whether it did.
    bool Open(GridTable& grid, int col, int left);
    // The user chose entry index (filter_boxChange). Nothing happens for a negative index,
    // without an open column, or when the index is beyond the list.
    void Apply(int index);
    // Leaving the box, clicking it or closing its drop-down.
    void Hide() { Box.Visible = false; }

    // Drawing of drop-down entry `index`.
    static FilterItemStyle ItemStyle(const ThemePalette& palette, int index, bool selected);

    FilterBox Box;
    // The column being filtered; 0 for none.
    int FilterColumn = 0;

  private:
    const ColumnRoles& roles_;
};

} // namespace qor
