#include "mainwindow/GridTable.h"

#include <algorithm>

namespace qor {

void GridTable::SetColCount(int n) {
    n = std::max(n, 1);
    colWidths_.resize(static_cast<std::size_t>(n), DefaultColWidth);
    for (std::size_t r = 0; r < rowHeights_.size(); ++r)
        cells_[r].resize(static_cast<std::size_t>(n));
}

void GridTable::SetRowCount(int n) {
    n = std::max(n, 1);
    const std::size_t rows = static_cast<std::size_t>(n);
    const std::size_t live = rowHeights_.size();
    rowHeights_.resize(rows, DefaultRowHeight);
    // Rows dropped earlier are kept with their buffers and emptied when they come back, so
    // refilling a table allocates nothing for its rows.
    if (cells_.size() < rows) cells_.resize(rows);
    for (std::size_t r = live; r < rows; ++r) {
        auto& row = cells_[r];
        row.resize(colWidths_.size());
        for (auto& cell : row)
            cell.clear();
    }
}

const std::string& GridTable::Cell(int col, int row) const {
    static const std::string empty;
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return empty;
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void GridTable::SetCell(int col, int row, std::string&& text) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

void GridTable::SetCell(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = text;
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
