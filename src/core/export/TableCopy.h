#pragma once
// "Copy to new table": the table of tablo1 duplicated into the second grid below it.

#include "mainwindow/NavigationHistory.h"
#include "mainwindow/ResultGrid.h"

namespace qor {

// Copies tablo1 (columns, widths, cells, row heights with the filter's hidden rows, Tag and
// labels) into tablo2 and the current history entry into entry 0. Returns true when the
// second table's panel was hidden before: the caller then gives the upper table half its
// height and shows the panel and splitter.
bool CopyToNewTable(ResultGrid& model, NavigationHistory& history);
// Closes the second table: clears the kind of history entry 0 and hides its panel.
void CloseSecondTable(ResultGrid& model, NavigationHistory& history);

} // namespace qor
