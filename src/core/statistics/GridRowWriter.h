#pragma once
// Small helpers the statistics producers share for writing rows into tablo1.

#include "mainwindow/ResultGrid.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace qor::grid_rows {

// Writes grid row n (growing the grid to n + 1 rows): the cells from column 0 on.
// The cells are copied into the grid's own buffers, so views of names cost no allocation.
inline void AddRow(ResultGrid& grid, int n, std::initializer_list<std::string_view> cells) {
    grid.tablo1.SetRowCount(n + 1);
    grid.StartGridRow(n);
    for (const std::string_view c : cells)
        grid.AddGridText(c);
}

// Writes grid row n of a grid already grown to hold it.
inline void WriteRow(ResultGrid& grid, int n, std::initializer_list<std::string_view> cells) {
    grid.StartGridRow(n);
    for (const std::string_view c : cells)
        grid.AddGridText(c);
}

// Appends one empty row (a separator between groups of rows).
inline void AddBlankRow(ResultGrid& grid) {
    const int row = grid.tablo1.RowCount();
    grid.tablo1.SetRowCount(row + 1);
    for (int c = 0; c < grid.tablo1.ColCount(); ++c)
        grid.tablo1.SetCell(c, row, std::string());
}

// The record count of a finished table (at most 65535, as the count label takes it).
inline std::uint16_t Count(int n) {
    return static_cast<std::uint16_t>(n < 0 ? 0 : (n > 65535 ? 65535 : n));
}

} // namespace qor::grid_rows
