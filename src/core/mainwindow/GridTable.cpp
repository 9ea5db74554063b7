#include "mainwindow/GridTable.h"

#include <algorithm>

namespace qor {

void GridTable::SetColCount(int n) {
    n = std::max(n, 1);
    colWidths_.resize(static_cast<std::size_t>(n), DefaultColWidth);
    for (auto& row : cells_)
        row.resize(static_cast<std::size_t>(n));
}

void GridTable::SetRowCount(int n) {
    n = std::max(n, 1);
    rowHeights_.resize(static_cast<std::size_t>(n), DefaultRowHeight);
    cells_.resize(static_cast<std::size_t>(n), std::vector<std::string>(colWidths_.size()));
}

const std::string& GridTable::Cell(int col, int row) const {
    static const std::string empty;
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return empty;
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void GridTable::SetCell(int col, int row, std::string text) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

int GridTable::ColWidth(int col) const {
    if (col < 0 || col >= ColCount()) return 0;
    return colWidths_[static_cast<std::size_t>(col)];
}

void GridTable::SetColWidth(int col, int width) {
    if (col < 0 || col >= ColCount()) return;
    colWidths_[static_cast<std::size_t>(col)] = width;
}

int GridTable::RowHeight(int row) const {
    if (row < 0 || row >= RowCount()) return 0;
    return rowHeights_[static_cast<std::size_t>(row)];
}

void GridTable::SetRowHeight(int row, int height) {
    if (row < 0 || row >= RowCount()) return;
    rowHeights_[static_cast<std::size_t>(row)] = height;
}

} // namespace qor
