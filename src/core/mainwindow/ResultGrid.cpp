#include "mainwindow/ResultGrid.h"

#include "database/STheClass.h"

#include "mainwindow/CellStyle.h"
#include "mainwindow/Rounding.h"
#include "text/Encoding.h"

#include <algorithm>
#include <climits>

namespace qor {
namespace {

// A 32-bit decimal number, or 0 for an empty text, anything else, or a value out of range.
int IntOrZero(std::string_view text) {
    const long v = ParseDecimal(text, 0);
    return v < INT_MIN || v > INT_MAX ? 0 : static_cast<int>(v);
}

} // namespace

void ResultGrid::ApplyZoom(double zoomFactor, int screenWidth) {
    ZoomFactor = zoomFactor;
    FontFactor = FontWidthFactor ? std::max(1.0, FontWidthFactor(zoomFactor)) : 1.0;
    Widths = StandardWidths::Compute(zoomFactor, screenWidth);
    const int height = RoundHalfEven(17 * zoomFactor);
    for (GridTable* g : {&tablo1, &tablo2}) {
        g->DefaultRowHeight = height;
        for (int r = 1; r < g->RowCount(); ++r)
            if (g->RowHeight(r) != 0) g->SetRowHeight(r, height);
        g->SetRowHeight(0, height + 2);
    }
}

void ResultGrid::SetTableColumns(const std::vector<int>& countThenWidths) {
    CompareMarks.fill(0);
    tablo1.Tag = GridTagPlain;
    tablo1.SetRowCount(1);
    const int n = countThenWidths.empty() ? 1 : countThenWidths[0];
    tablo1.SetColCount(n);
    for (int i = 0; i < tablo1.ColCount(); ++i) {
        const auto at = static_cast<std::size_t>(i + 1);
        const int w = at < countThenWidths.size() ? countThenWidths[at] : 0;
        tablo1.SetColWidth(i, FontFactor == 1.0 ? w : RoundHalfEven(w * FontFactor));
    }
    HtmlButtonVisible = true;
    ShareItemEnabled = false;
}

void ResultGrid::SetColumnTitles(const std::vector<std::string>& titles) {
    for (int i = 0; i < tablo1.ColCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        // Copied into the cell's buffer, without a temporary string.
        if (at < titles.size())
            tablo1.SetCell(i, 0, titles[at]);
        else
            tablo1.SetCellText(i, 0, std::string_view());
    }
}

void ResultGrid::StartGridRow(int row) {
    GridRow = row;
    GridCol = 0;
}

void ResultGrid::AddGridCell(std::string&& text) {
    tablo1.SetCell(GridCol, GridRow, std::move(text));
    ++GridCol;
}

void ResultGrid::AddGridNumber(unsigned long value) {
    // The digits backwards from the end of a scratch buffer: no text object in between.
    char digits[20];
    char* const end = digits + sizeof digits;
    char* p = end;
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    tablo1.SetCellText(GridCol, GridRow, std::string_view(p, static_cast<std::size_t>(end - p)));
    ++GridCol;
}

void ResultGrid::AddGridCell(const std::string& text) {
    tablo1.SetCell(GridCol, GridRow, text);
    ++GridCol;
}

void ResultGrid::fixedcolrow() {
    if (tablo1.RowCount() == 1) {
        tablo1.SetRowCount(2);
        for (int c = 0; c < tablo1.ColCount(); ++c)
            tablo1.SetCell(c, 1, std::string());
    }
    tablo1.FixedCols = 1;
    tablo1.FixedRows = 1;
}

void ResultGrid::tablo1kayitsayisi(std::uint16_t count) {
    fixedcolrow();
    tablo1.FilterLabel.clear();
    // Built in the label's own buffer.
    std::string& label = tablo1.CountLabel;
    label.assign(The_Class::NumberText(count).view());
    label.append("  ");
    label.append(langs_.Text(slot::RecordsFound));

    if (MeasureText) FitColumnsToTexts();

    // The sum is kept in 16 bits, as the widths are.
    std::uint16_t sum = 0;
    for (int c = 0; c < tablo1.ColCount(); ++c)
        sum = static_cast<std::uint16_t>(sum + tablo1.ColWidth(c));
    const int total = sum + GridLeft + 30;
    const int lastVisible = tablo1.ColCount() - 2;
    if (total < RightPanelLeft && lastVisible >= 0)
        tablo1.SetColWidth(lastVisible, tablo1.ColWidth(lastVisible) + (RightPanelLeft - total));
}

void ResultGrid::FitColumnsToTexts() {
    // The text positions are the drawing's: taken from the cell style of a cell at x = 0.
    const ThemePalette palette;
    const CellStyleView view{tablo1, *this, palette};
    for (int c = 0; c < tablo1.ColCount(); ++c) {
        const int width = tablo1.ColWidth(c);
        if (width <= 0) continue;
        int needed = 0;
        for (int r = 0; r < tablo1.RowCount(); ++r) {
            const std::string& text = tablo1.Cell(c, r);
            if (text.empty()) continue;
            const CellStyle st = DecideCellStyle(
                view, c, r, false, {0, 0, width, tablo1.DefaultRowHeight}, MeasureText);
            // Text aligned on a standard width ends where that width says, whatever the
            // column's width.
            if (st.RightAligned) continue;
            const int end = st.TextX + MeasureText(text, st.Font);
            // 3 pixels stay free behind the text; a title leaves room for its filter marker.
            const int behind = st.Marker ? width - st.Marker->Points[0].first + 2 : 3;
            needed = std::max(needed, end + behind);
        }
        if (needed > width) tablo1.SetColWidth(c, needed);
    }
}

int ResultGrid::RowKey(const GridTable& grid, int col, int row) {
    int key = 0;
    for (int c = col < 0 ? 0 : col; c < grid.ColCount(); ++c) {
        if (grid.Title(c).empty()) {
            key = IntOrZero(grid.Cell(c, row));
            break;
        }
    }
    if (key == 0) key = IntOrZero(grid.Cell(grid.ColCount() - 1, row));
    return key;
}

int ResultGrid::RowNumber(const GridTable& grid, int row) {
    return IntOrZero(grid.Cell(0, row));
}

} // namespace qor
