// Reading the extract's tab-separated tables.

#include "Tsv.h"
#include "BuildError.h"

#include <gtest/gtest.h>

using namespace qor::tools;

TEST(Tsv, CellsByColumnName) {
    const auto t = TsvTable::Parse("id\tname\tlaps\r\n1\tMonza\t53\r\n\r\n2\tSpa\n3\n", "t.tsv");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t.Cell(0, "name"), "Monza");
    EXPECT_EQ(t.Cell(0, "laps"), "53");
    EXPECT_EQ(t.Cell(1, "laps"), ""); // short rows read as empty cells
    EXPECT_EQ(t.Cell(2, "id"), "3");
    EXPECT_EQ(t.Cell(1, t.Column("name")), "Spa");
}

TEST(Tsv, RefusesMalformedTables) {
    EXPECT_THROW(TsvTable::Parse("", "empty.tsv"), BuildError);
    EXPECT_THROW(TsvTable::Parse("a\tb\n1\t2\t3\n", "wide.tsv"), BuildError);
    const auto t = TsvTable::Parse("a\n1\n", "t.tsv");
    EXPECT_THROW(t.Column("b"), BuildError);
    EXPECT_THROW(TsvTable::Load("/nonexistent/qor/races.tsv"), BuildError);
}
