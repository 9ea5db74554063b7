// The fill routines, row heights, column roles and the key-column rule.

#include "mainwindow/ResultGrid.h"
#include "support/GridFixtures.h"
#include "support/MainWindowRows.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qor {
namespace {

class ResultGridTest : public ::testing::Test {
  protected:
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};
    GridTable& t = model.tablo1;

    // A three-column table (number, name, key) with the given names.
    void FillNames(const std::vector<std::string>& names) {
        testing::Rows rows;
        for (const auto& name : names)
            rows.push_back({std::to_string(rows.size() + 1), name, "7"});
        testing::FillRows(model, {3, 25, 140, 0}, {"", " Name", ""}, rows);
    }
};

TEST_F(ResultGridTest, NewTableResetsLayoutMarksAndButtons) {
    FillNames({"Ayrton Senna", "Alain Prost", "Nelson Piquet"});
    t.SetRowHeight(2, 0);
    model.CompareMarks[1] = model.CompareMarks[100] = 1;
    t.Tag = GridTagHorizontalCompare;
    model.HtmlButtonVisible = false;
    model.ShareItemEnabled = true;
    model.SetTableColumns({4, 25, 140, 80});
    EXPECT_EQ(std::make_tuple(t.RowCount(), t.Tag, t.ColWidth(2), t.ColWidth(3)),
              std::make_tuple(1, GridTagPlain, 80, 0)); // a missing width is 0
    EXPECT_EQ(std::count(model.CompareMarks.begin(), model.CompareMarks.end(), 0),
              static_cast<long>(model.CompareMarks.size()));
    EXPECT_TRUE(model.HtmlButtonVisible);
    EXPECT_FALSE(model.ShareItemEnabled);
    // A refilled table forgets hidden rows and old cells.
    FillNames({"D", "E"});
    EXPECT_EQ(t.RowHeight(2), t.DefaultRowHeight);
    EXPECT_EQ(std::make_pair(t.Cell(1, 2), t.Cell(1, 3)),
              std::make_pair(std::string("E"), std::string()));
}

TEST_F(ResultGridTest, CountLineInTheLanguageAndTheEmptyTable) {
    model.tablo1.FilterLabel = "(1) Ayrton Senna";
    FillNames({});
    EXPECT_EQ(t.RowCount(), 2); // one blank row
    EXPECT_EQ(t.Cell(1, 1), "");
    EXPECT_EQ(t.CountLabel, "0  record(s) found.");
    EXPECT_EQ(t.FilterLabel, "");
    EXPECT_EQ(std::make_pair(t.FixedRows, t.FixedCols), std::make_pair(1, 1));
    const std::string file = testing::LanguageFile(101, {{slot::RecordsFound, "kay\xFDt"}});
    langs.ApplyLanguageFile(LanguageOtherFile, "T.DT", &file);
    FillNames({"A", "B", "C"});
    EXPECT_EQ(t.CountLabel, "3  kay\xFDt");
}

TEST_F(ResultGridTest, WidthFillStretchesTheLastVisibleColumnToThePanel) {
    // Widths 25 + 140 + 0, grid left 10, 30 for the scroll bar: 205 in all.
    const std::pair<int, int> cases[] = {{600, 140 + 395}, {206, 141}, {205, 140}, {100, 140}};
    for (const auto& [panelLeft, nameWidth] : cases) {
        model.GridLeft = 10;
        model.RightPanelLeft = panelLeft;
        FillNames({"A"});
        EXPECT_EQ(std::make_pair(t.ColWidth(1), t.ColWidth(2)), std::make_pair(nameWidth, 0))
            << panelLeft;
    }
}

TEST_F(ResultGridTest, KeyColumnRule) {
    // Two drivers side by side, each with its own key column (the untitled one after it).
    testing::FillRows(model, {7, 25, 100, 40, 0, 100, 40, 0},
                      {"", " Name", " Pos", "", " Name", " Pos", ""},
                      {{"1", "A", "1", "11", "B", "2", "12"},
                       {"2", "A", "1", "", "B", "2", "22"},
                       {"3", "A", "1", "x7", "B", "2", "33"},
                       {"4", "A", "1", "0", "B", "2", "?"}});
    const std::tuple<int, int, int, const char*> cases[] = {
        {1, 1, 11, "the first untitled column after the click"},
        {4, 1, 12, "right of the first key: the second"},
        {2, 2, 22, "empty key: the last column"},
        {1, 3, 33, "not a number: the last column"},
        {1, 4, 0, "neither is a number"},
    };
    for (const auto& [col, row, key, why] : cases)
        EXPECT_EQ(ResultGrid::RowKey(t, col, row), key) << why;
}

TEST_F(ResultGridTest, RowHeightsFollowTheZoom) {
    FillNames({"A", "B"});
    t.SetRowHeight(2, 0);
    model.ApplyZoom(1.3, 1280);
    EXPECT_EQ(model.Widths.ColWName, 192);
    EXPECT_EQ((std::vector<int>{t.RowHeight(0), t.RowHeight(1), t.RowHeight(2)}),
              (std::vector<int>{24, 22, 0})); // a filtered row stays hidden
    EXPECT_EQ(model.tablo2.DefaultRowHeight, 22);
}

TEST_F(ResultGridTest, ColumnRolesFollowTheLanguageExactly) {
    const ColumnRoles& roles = model.Roles();
    EXPECT_TRUE(roles.IsName(" Name"));
    EXPECT_FALSE(roles.IsName(" name"));
    EXPECT_FALSE(roles.IsGrid(" Grid")); // "Grid" has no leading blank
    EXPECT_TRUE(roles.IsDriverPointsColumn(" Driver 2"));
    EXPECT_FALSE(roles.IsTeamPointsColumn(" Team"));
    // Another language: its titles are recognised, the English ones no longer; an empty title
    // matches no column.
    const std::string file = testing::LanguageFile(
        130, {{slot::Team, "Tak\xFDm"}, {slot::Grid, ""}, {slot::Driver, ""}});
    langs.ApplyLanguageFile(LanguageOtherFile, "T.DT", &file);
    EXPECT_TRUE(roles.IsTeam(" Tak\xFDm"));
    EXPECT_FALSE(roles.IsTeam(" Team"));
    EXPECT_FALSE(roles.IsGrid(""));
    EXPECT_FALSE(roles.IsDriverPointsColumn(" Anything"));
    EXPECT_EQ(roles.StandardWidth("", model.Widths), NoStandardWidth);
}

} // namespace
} // namespace qor
