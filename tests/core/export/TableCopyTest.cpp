// "Copy to new table": the second grid gets the whole table and the history entry.

#include "export/TableCopy.h"
#include "mainwindow/GridFilter.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(TableCopyTest, SecondTableGetsEverythingTheFirstShows) {
    auto db = testing::MakeSmallDatabase();
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};
    NavigationHistory history;
    int shown = 0;
    history.menuekle(0, 0, 1, [&shown] { ++shown; });
    history.menuekle(2, 3, 1, [&shown] { ++shown; });
    history.SetHistoryCaption("GP");
    testing::FillGPResultTable(model, *db, 1);
    model.tablo1.Tag = GridTagHorizontalCompare;
    model.tablo1.SetColWidth(2, 99);
    GridFilter filter(model.Roles());
    ASSERT_TRUE(filter.Open(model.tablo1, 2, 0));
    filter.Apply(1); // "Alfa Romeo": the ERA row is hidden
    model.tablo2.TopRow = 3;

    EXPECT_TRUE(CopyToNewTable(model, history));
    const GridTable& a = model.tablo1;
    const GridTable& b = model.tablo2;
    EXPECT_TRUE(model.SecondTableVisible);
    ASSERT_EQ(std::make_pair(b.ColCount(), b.RowCount()),
              std::make_pair(a.ColCount(), a.RowCount()));
    for (int c = 0; c < a.ColCount(); ++c) {
        EXPECT_EQ(b.ColWidth(c), a.ColWidth(c));
        for (int r = 0; r < a.RowCount(); ++r)
            EXPECT_EQ(std::make_pair(b.Cell(c, r), b.RowHeight(r)),
                      std::make_pair(a.Cell(c, r), a.RowHeight(r)));
    }
    EXPECT_EQ(b.Tag, GridTagHorizontalCompare);
    EXPECT_EQ(b.TopRow, 1);
    EXPECT_TRUE(b.Visible);
    EXPECT_EQ(b.TitleLabel, a.TitleLabel);
    EXPECT_EQ(b.CountLabel, "4  record(s) found.");
    EXPECT_EQ(b.FilterLabel, "(3) Alfa Romeo");
    EXPECT_EQ(
        std::make_tuple(history.Entry(0).Kind, history.Entry(0).Value1, history.Entry(0).Caption),
        std::make_tuple(1, 2, std::string("GP")));

    // A second copy into the open panel: the table again, no new layout.
    testing::FillGPResultTable(model, *db, 2);
    EXPECT_FALSE(CopyToNewTable(model, history));
    EXPECT_EQ(b.RowCount(), 3);
    EXPECT_EQ(b.FilterLabel, "");
    CloseSecondTable(model, history);
    EXPECT_FALSE(model.SecondTableVisible);
    EXPECT_EQ(history.Entry(0).Kind, 0);
    EXPECT_EQ(shown, 0); // copying runs no table command
}

} // namespace
} // namespace qor
