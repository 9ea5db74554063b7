#include "export/TableCopy.h"

namespace qor {

bool CopyToNewTable(ResultGrid& model, NavigationHistory& history) {
    const bool opened = !model.SecondTableVisible;
    model.SecondTableVisible = true;
    const GridTable& from = model.tablo1;
    GridTable& to = model.tablo2;
    to.TitleLabel = from.TitleLabel;
    to.CountLabel = from.CountLabel;
    to.FilterLabel = from.FilterLabel;

    to.Visible = false;
    to.SetColCount(from.ColCount());
    to.SetRowCount(from.RowCount());
    to.FixedRows = from.FixedRows;
    to.FixedCols = from.FixedCols;
    for (int c = 0; c < from.ColCount(); ++c)
        to.SetColWidth(c, from.ColWidth(c));
    for (int r = 0; r < from.RowCount(); ++r) {
        to.SetRowHeight(r, from.RowHeight(r));
        for (int c = 0; c < from.ColCount(); ++c)
            to.SetCell(c, r, from.Cell(c, r));
    }
    to.Tag = from.Tag;
    to.TopRow = 1;
    if (to.Row >= to.RowCount()) to.Row = 1;
    to.Visible = true;

    history.CopyCurrentToSecond();
    return opened;
}

void CloseSecondTable(ResultGrid& model, NavigationHistory& history) {
    history.CloseSecond();
    model.SecondTableVisible = false;
}

} // namespace qor
