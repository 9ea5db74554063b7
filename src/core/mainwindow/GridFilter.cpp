#include "mainwindow/GridFilter.h"

#include "mainwindow/CellStyle.h"
#include "mainwindow/ResultGrid.h"
#include "text/Encoding.h"

#include <algorithm>

namespace qor {
namespace {

// A date column filters by season: the year is the last four characters.
std::string FilterValue(const std::string& text, FilterKind kind) {
    if (kind == FilterKind::Date && text.size() > 4) return text.substr(text.size() - 4);
    return text;
}

// The drop-down is a sorted list: case does not decide the order unless the texts differ only
// in case.
bool SortsBefore(const std::string& a, const std::string& b) {
    const std::string la = AsciiLowerCase(a);
    const std::string lb = AsciiLowerCase(b);
    return la != lb ? la < lb : a < b;
}

} // namespace

bool GridFilter::Open(GridTable& grid, int col, int left) {
    FilterColumn = col;
    Box.Width = grid.ColWidth(col) - 2;
    const std::string& title = grid.Title(col);
    const FilterKind kind = roles_.KindForFilter(title);
    if (kind == FilterKind::None) return false;

    Box.Kind = kind;
    Box.Grid = &grid;
    std::vector<std::string> values;
    for (int r = 1; r < grid.RowCount(); ++r) {
        const std::string& text = grid.Cell(col, r);
        if (text.empty()) continue;
        std::string v = FilterValue(text, kind);
        if (std::find(values.begin(), values.end(), v) == values.end())
            values.push_back(std::move(v));
    }
    std::sort(values.begin(), values.end(), SortsBefore);
    Box.Items.clear();
    Box.Items.push_back(title);
    Box.Items.insert(Box.Items.end(), values.begin(), values.end());
    Box.ItemIndex = 0;
    Box.Left = left;
    Box.Visible = true;
    return true;
}

void GridFilter::Apply(int index) {
    if (index < 0 || FilterColumn == 0 || !Box.Grid) return;
    if (static_cast<std::size_t>(index) >= Box.Items.size()) return;
    GridTable& grid = *Box.Grid;
    Box.ItemIndex = index;
    const std::string& chosen = Box.Items[static_cast<std::size_t>(index)];
    grid.Visible = false;
    int count = 0;
    int last = 0;
    for (int r = 1; r < grid.RowCount(); ++r) {
        const int n = ResultGrid::RowNumber(grid, r);
        bool shown = true;
        if (index > 0) shown = FilterValue(grid.Cell(FilterColumn, r), Box.Kind) == chosen;
        grid.SetRowHeight(r, shown ? grid.DefaultRowHeight : 0);
        // Rows of one numbered group count once.
        if (shown && n != last) {
            ++count;
            last = n;
        }
    }
    grid.Visible = true;
    grid.FilterLabel = index == 0 ? std::string() : "(" + std::to_string(count) + ") " + chosen;
}

FilterItemStyle GridFilter::ItemStyle(const ThemePalette& palette, int index, bool selected) {
    FilterItemStyle s;
    s.Bold = index == 0;
    if (selected) {
        s.Brush = palette.SelBrushColor;
        s.Text = palette.SelFontColor;
        if (palette.Modern) s.Picture = CellPicture::Sel;
        return s;
    }
    const bool oddPair = index % 2 == 0;
    s.Brush = oddPair ? palette.OddBrushColor : palette.EvenBrushColor;
    s.Text = oddPair ? palette.OddFontColor : palette.EvenFontColor;
    if (palette.Modern && oddPair) {
        s.WhiteOutline = true;
        s.Picture = CellPicture::Even;
    }
    return s;
}

} // namespace qor
