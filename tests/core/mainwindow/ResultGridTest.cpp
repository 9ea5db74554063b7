// The fill routines, standard widths, column roles and the key-column rule.

#include "mainwindow/ResultGrid.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::EnglishLangs;

class ResultGridTest : public ::testing::Test {
  protected:
    Langs langs = EnglishLangs();
    ResultGrid model{langs};

    // A three-column table (number, name, key) with the given names.
    void FillNames(const std::vector<std::string>& names) {
        model.SetTableColumns({3, 25, 140, 0});
        model.SetColumnTitles({"", langs.Title(slot::Name), ""});
        int n = 0;
        for (const auto& name : names) {
            ++n;
            model.tablo1.SetRowCount(n + 1);
            model.StartGridRow(n);
            model.AddGridCell(std::to_string(n));
            model.AddGridCell(name);
            model.AddGridCell(std::to_string(100 + n));
        }
        model.tablo1kayitsayisi(static_cast<std::uint16_t>(n));
    }
};

TEST_F(ResultGridTest, SetTableColumnsResetsTheTable) {
    FillNames({"Ayrton Senna", "Alain Prost"});
    model.CompareMarks[1] = 1;
    model.CompareMarks[100] = 1;
    model.tablo1.Tag = GridTagHorizontalCompare;
    model.HtmlButtonVisible = false;
    model.ShareItemEnabled = true;

    model.SetTableColumns({4, 25, 140, 80, 0});
    EXPECT_EQ(model.tablo1.ColCount(), 4);
    EXPECT_EQ(model.tablo1.RowCount(), 1);
    EXPECT_EQ(model.tablo1.Tag, GridTagPlain);
    EXPECT_EQ(model.tablo1.ColWidth(0), 25);
    EXPECT_EQ(model.tablo1.ColWidth(1), 140);
    EXPECT_EQ(model.tablo1.ColWidth(2), 80);
    EXPECT_EQ(model.tablo1.ColWidth(3), 0);
    for (auto mark : model.CompareMarks)
        EXPECT_EQ(mark, 0);
    EXPECT_TRUE(model.HtmlButtonVisible);
    EXPECT_FALSE(model.ShareItemEnabled);
}

TEST_F(ResultGridTest, TitlesAndCellsGoWhereTheRoutinesSay) {
    model.SetTableColumns({3, 25, 140, 0});
    model.SetColumnTitles({"", " Name", ""});
    model.tablo1.SetRowCount(3);
    model.StartGridRow(2);
    model.AddGridCell("2");
    model.AddGridCell("Jim Clark");
    EXPECT_EQ(model.GridRow, 2);
    EXPECT_EQ(model.GridCol, 2);
    EXPECT_EQ(model.tablo1.Title(1), " Name");
    EXPECT_EQ(model.tablo1.Cell(0, 2), "2");
    EXPECT_EQ(model.tablo1.Cell(1, 2), "Jim Clark");
    EXPECT_EQ(model.tablo1.Cell(1, 1), "");
    // A cell beyond the columns is dropped, not written somewhere else.
    model.AddGridCell("key");
    model.AddGridCell("beyond");
    EXPECT_EQ(model.tablo1.Cell(2, 2), "key");
    EXPECT_EQ(model.tablo1.ColCount(), 3);
}

TEST_F(ResultGridTest, EmptyTableShowsOneBlankRowAndZeroCount) {
    FillNames({"Ayrton Senna", "Alain Prost"});
    model.tablo1.FilterLabel = "(1) Ayrton Senna";
    FillNames({});
    EXPECT_EQ(model.tablo1.RowCount(), 2);
    for (int c = 0; c < model.tablo1.ColCount(); ++c)
        EXPECT_EQ(model.tablo1.Cell(c, 1), "");
    EXPECT_EQ(model.tablo1.CountLabel, "0  record(s) found.");
    EXPECT_EQ(model.tablo1.FilterLabel, "");
    EXPECT_EQ(model.tablo1.FixedRows, 1);
    EXPECT_EQ(model.tablo1.FixedCols, 1);
}

TEST_F(ResultGridTest, CountLabelUsesTheLanguage) {
    std::string file = "7 TR help_TR.txt\r\n";
    for (int s = 1; s <= 101; ++s)
        file += (s == 101 ? "kay\xFDt bulundu." : "x") + std::string("\r\n");
    langs.ApplyLanguageFile(LanguageOtherFile, "T.DT", &file);
    FillNames({"A", "B", "C"});
    EXPECT_EQ(model.tablo1.CountLabel, "3  kay\xFDt bulundu.");
}

TEST_F(ResultGridTest, WidthFillStretchesTheLastVisibleColumn) {
    model.GridLeft = 10;
    model.RightPanelLeft = 600;
    FillNames({"A"});
    // 25 + 140 + 0 + 10 + 30 = 205; the name column takes the 395 missing pixels.
    EXPECT_EQ(model.tablo1.ColWidth(1), 140 + 395);
    EXPECT_EQ(model.tablo1.ColWidth(2), 0);
}

TEST_F(ResultGridTest, WidthsThatAlreadyExceedTheAreaAreKept) {
    model.GridLeft = 10;
    model.RightPanelLeft = 205; // exactly the total: not less, so nothing changes
    FillNames({"A"});
    EXPECT_EQ(model.tablo1.ColWidth(1), 140);
    model.RightPanelLeft = 100;
    FillNames({"A"});
    EXPECT_EQ(model.tablo1.ColWidth(0), 25);
    EXPECT_EQ(model.tablo1.ColWidth(1), 140);
}

TEST_F(ResultGridTest, NewTableForgetsHiddenRowsAndOldCells) {
    FillNames({"A", "B", "C"});
    model.tablo1.SetRowHeight(2, 0);
    FillNames({"D", "E"});
    EXPECT_EQ(model.tablo1.RowCount(), 3);
    EXPECT_EQ(model.tablo1.RowHeight(2), model.tablo1.DefaultRowHeight);
    EXPECT_EQ(model.tablo1.Cell(1, 2), "E");
    EXPECT_EQ(model.tablo1.Cell(1, 3), "");
}

TEST_F(ResultGridTest, KeyColumnRule) {
    // A comparison-like layout: two drivers, each with its own key column.
    model.SetTableColumns({7, 25, 100, 40, 0, 100, 40, 0});
    model.SetColumnTitles({"", " Name", " Pos", "", " Name", " Pos", ""});
    model.tablo1.SetRowCount(5);
    const std::vector<std::vector<std::string>> rows = {
        {"1", "A", "1", "11", "B", "2", "12"},
        {"2", "A", "1", "", "B", "2", "22"},   // empty key: the last column is read
        {"3", "A", "1", "x7", "B", "2", "33"}, // not a number: the last column too
        {"4", "A", "1", "0", "B", "2", "?"},   // neither is a number: 0
    };
    for (int r = 0; r < 4; ++r) {
        model.StartGridRow(r + 1);
        for (const auto& c : rows[static_cast<std::size_t>(r)])
            model.AddGridCell(c);
    }
    EXPECT_EQ(ResultGrid::RowKey(model.tablo1, 1, 1), 11);
    EXPECT_EQ(ResultGrid::RowKey(model.tablo1, 4, 1), 12);
    EXPECT_EQ(ResultGrid::RowKey(model.tablo1, 2, 2), 22);
    EXPECT_EQ(ResultGrid::RowKey(model.tablo1, 1, 3), 33);
    EXPECT_EQ(ResultGrid::RowKey(model.tablo1, 1, 4), 0);
}

TEST(StandardWidthsTest, ScaledByZoomAndWidenedOnWideScreens) {
    const auto narrow = StandardWidths::Compute(1.0, 1000);
    EXPECT_EQ(narrow.ColWName, 140);
    EXPECT_EQ(narrow.ColWDate, 85);
    EXPECT_EQ(narrow.ColWGrid, 30);
    const auto wide = StandardWidths::Compute(1.0, 1280);
    EXPECT_EQ(wide.ColWName, 150);
    EXPECT_EQ(wide.ColWTeam, 90);
    EXPECT_EQ(wide.ColWPos, 40);
    EXPECT_EQ(wide.ColWDate, 95);
    EXPECT_EQ(wide.ColWPoints, 95);
    EXPECT_EQ(wide.ColWNotes, 120);
    EXPECT_EQ(wide.ColWTime, 85);
    EXPECT_EQ(wide.ColWTrack, 110);
    EXPECT_EQ(wide.ColWSmall, 40);
    EXPECT_EQ(wide.ColWGrid, 40);
    // Halves go to the even neighbour: 110.5 -> 110, 97.5 -> 98, 123.5 -> 124.
    const auto big = StandardWidths::Compute(1.3, 800);
    EXPECT_EQ(big.ColWName, 182);
    EXPECT_EQ(big.ColWDate, 110);
    EXPECT_EQ(big.ColWTime, 98);
    EXPECT_EQ(big.ColWPoints, 124);
    const auto bigger = StandardWidths::Compute(1.6, 1600);
    EXPECT_EQ(bigger.ColWName, 234);
    EXPECT_EQ(bigger.ColWNotes, 192);
}

TEST_F(ResultGridTest, ZoomSetsRowHeights) {
    model.ApplyZoom(1.3, 1280);
    EXPECT_EQ(model.Widths.ColWName, 192);
    EXPECT_EQ(model.tablo1.DefaultRowHeight, 22);
    EXPECT_EQ(model.tablo1.RowHeight(0), 24);
    FillNames({"A"});
    EXPECT_EQ(model.tablo1.RowHeight(1), 22);
    EXPECT_EQ(model.tablo2.DefaultRowHeight, 22);
}

TEST_F(ResultGridTest, ColumnRolesFollowTheLanguageExactly) {
    const ColumnRoles& roles = model.Roles();
    EXPECT_TRUE(roles.IsName(" Name"));
    EXPECT_FALSE(roles.IsName("Name"));
    EXPECT_FALSE(roles.IsName(" name"));
    EXPECT_TRUE(roles.IsGrid("Grid"));
    EXPECT_FALSE(roles.IsGrid(" Grid"));
    EXPECT_EQ(roles.KindForFilter(" Date"), FilterKind::Date);
    EXPECT_EQ(roles.KindForFilter(" Track"), FilterKind::Track);
    EXPECT_EQ(roles.KindForFilter(" Name"), FilterKind::Name);
    EXPECT_EQ(roles.KindForFilter(" Team"), FilterKind::Team);
    EXPECT_EQ(roles.KindForFilter(" Pos"), FilterKind::None);
    EXPECT_TRUE(roles.IsDriverPointsColumn("Champion Driver"));
    EXPECT_TRUE(roles.IsDriverPointsColumn(" Driver 2"));
    EXPECT_TRUE(roles.IsTeamPointsColumn("Constructors Championship"));
    EXPECT_TRUE(roles.IsTeamPointsColumn("Champion Team"));
    EXPECT_FALSE(roles.IsTeamPointsColumn(" Team"));

    // Another language: its titles are the ones recognised, the English ones no longer.
    std::string file = "7 TR help_TR.txt\r\n";
    for (int s = 1; s <= 130; ++s) {
        std::string text = "slot" + std::to_string(s);
        if (s == slot::Team) text = "Tak\xFDm";
        if (s == slot::Grid) text = ""; // an empty title matches no column
        file += text + "\r\n";
    }
    langs.ApplyLanguageFile(LanguageOtherFile, "T.DT", &file);
    EXPECT_TRUE(roles.IsTeam(" Tak\xFDm"));
    EXPECT_FALSE(roles.IsTeam(" Team"));
    EXPECT_FALSE(roles.IsGrid(""));
    EXPECT_EQ(roles.StandardWidth("", model.Widths), NoStandardWidth);
}

} // namespace
} // namespace qor
