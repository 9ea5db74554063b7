// The grid's storage: a refilled table must never show text left from an earlier, longer or
// wider fill, however its rows are kept.

#include "mainwindow/GridTable.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(GridTable, RowsAndColumnsRegrownAfterShrinkingAreEmpty) {
    GridTable t;
    t.SetColCount(3);
    t.SetRowCount(4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            t.SetCellText(c, r, "old text longer than a short string");
    t.SetRowCount(1);
    t.SetColCount(2);
    EXPECT_EQ(t.Cell(0, 2), "") << "a dropped row reads as outside the grid";
    t.SetColCount(3);
    t.SetRowCount(4);
    for (int r = 1; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(t.Cell(c, r), "") << "row " << r << " col " << c;
    EXPECT_EQ(t.Cell(1, 0), "old text longer than a short string") << "kept rows keep text";
    EXPECT_EQ(t.Cell(2, 0), "") << "a dropped column comes back empty";
}

} // namespace
} // namespace qor
