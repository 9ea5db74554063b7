#include "mainwindow/CellStyle.h"

#include "mainwindow/Rounding.h"
#include "text/Encoding.h"

#include <climits>

namespace qor {
namespace {

struct RowColours {
    const ThemePalette& palette;
    CellStyle& style;

    void Set(int n) {
        const bool odd = n % 2 != 0;
        style.Brush = odd ? palette.OddBrushColor : palette.EvenBrushColor;
        style.Text = odd ? palette.OddFontColor : palette.EvenFontColor;
        style.OddRow = odd;
    }
};

} // namespace

CellStyle DecideCellStyle(const CellStyleView& view, int col, int row, bool selected,
                          const CellRect& rect, const TextWidthFn& textWidth) {
    CellStyle s;
    const GridTable& grid = view.Grid;
    const ResultGrid& model = view.Model;
    const ThemePalette& pal = view.Palette;
    if (grid.RowHeight(row) == 0) {
        s.Visible = false;
        return s;
    }
    s.Font.Size = RoundHalfEven(8 * model.ZoomFactor);
    const std::string& title = grid.Title(col);
    const std::string& text = grid.Cell(col, row);
    const ColumnRoles& roles = model.Roles();
    s.StandardWidth = roles.StandardWidth(title, model.Widths);
    if (s.StandardWidth != NoStandardWidth && model.FontFactor != 1.0)
        s.StandardWidth = RoundHalfEven(s.StandardWidth * model.FontFactor);
    s.RightAligned = s.StandardWidth <= rect.Right - rect.Left;
    const auto widthOf = [&](const std::string& t) { return textWidth ? textWidth(t, s.Font) : 0; };

    if (col == 0 || row == 0) {
        s.Brush = pal.FixedCellColor;
        s.Text = Black;
        if (row == 0) {
            s.Font.Bold = true;
            s.TextX = s.RightAligned ? rect.Left + s.StandardWidth - widthOf(text) - 5 : rect.Left;
            s.TextY = (rect.Top + rect.Bottom - s.Font.Size - 4) / 2;
            const FilterKind kind = roles.KindForFilter(title);
            if (kind != FilterKind::None) {
                const int sz = RoundHalfEven(model.ZoomFactor * 4);
                const int cx = rect.Right - 15;
                const int cy = (rect.Top + rect.Bottom - 2) / 2;
                FilterMarker m;
                m.Points = {{{cx - sz, cy}, {cx + sz, cy}, {cx, cy + sz}}};
                s.Marker = m;
            }
        } else {
            s.TextX = rect.Left + 2;
            s.TextY = rect.Top + 2;
        }
    } else {
        RowColours colours{pal, s};
        if (selected) {
            s.Brush = pal.SelBrushColor;
            s.Text = pal.SelFontColor;
        } else if (view.OddEvenRows == 1) {
            colours.Set(0);
        } else {
            // An empty row-number cell colours by the grid row; so does one that is not a
            // number (it cannot be converted).
            const long parsed = ParseDecimal(grid.Cell(0, row), LONG_MIN);
            const bool numbered = parsed >= INT_MIN && parsed <= INT_MAX;
            const int n = numbered ? static_cast<int>(parsed) : row;
            colours.Set(n);
            if (numbered && model.CompareGroupSize > 0 && n != row &&
                (row - 1) % model.CompareGroupSize > 0 && col < CompareMarkCount &&
                model.CompareMarks[static_cast<std::size_t>(col)] == 1)
                s.Text = FadeColour(s.Brush);
        }
        if (grid.Tag == GridTagHorizontalCompare && !selected)
            colours.Set(col <= 2 ? 0 : (col - 2) / 4);
        if (!model.HighlightName.empty() && text == model.HighlightName) {
            s.Brush = FadeColour(selected ? pal.SelBrushColor : pal.OddBrushColor);
            s.Text = Black;
            s.Highlighted = true;
        }
        if (roles.IsDate(title)) s.Font.Name = "courier new";
        s.TextX = s.RightAligned ? rect.Left + s.StandardWidth - widthOf(text) - 5 : rect.Left + 5;
        s.TextY = rect.Top + 2;
        if (pal.Modern) {
            s.TransparentBrush = true;
            s.Picture = s.Highlighted ? CellPicture::Highlight
                        : selected    ? CellPicture::Sel
                        : s.OddRow    ? CellPicture::Odd
                                      : CellPicture::Even;
        }
    }

    if (view.GridLineStyle & 1)
        s.Lines.push_back(
            {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom - 1, pal.FixedCellColor});
    if (view.GridLineStyle & 2)
        s.Lines.push_back(
            {rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom, pal.FixedCellColor});
    return s;
}

} // namespace qor
