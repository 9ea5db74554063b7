// The fill routines, standard widths, column roles and the key-column rule.

#include "mainwindow/ResultGrid.h"
#include "support/GridFixtures.h"
#include "support/MainWindowRows.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class ResultGridTest : public ::testing::Test {
  protected:
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};

    // A three-column table (number, name, key) with the given names.
    void FillNames(const std::vector<std::string>& names) {
        testing::Rows rows;
        for (const auto& name : names)
            rows.push_back(
                {std::to_string(rows.size() + 1), name, "10" + std::to_string(rows.size())});
        testing::FillRows(model, {3, 25, 140, 0}, {"", langs.Title(slot::Name), ""}, rows);
    }
};

TEST_F(ResultGridTest, NewTableResetsLayoutMarksAndButtons) {
    FillNames({"Ayrton Senna", "Alain Prost", "Nelson Piquet"});
    model.tablo1.SetRowHeight(2, 0);
    model.CompareMarks[1] = model.CompareMarks[100] = 1;
    model.tablo1.Tag = GridTagHorizontalCompare;
    model.HtmlButtonVisible = false;
    model.ShareItemEnabled = true;
    model.SetTableColumns({4, 25, 140, 80});
    EXPECT_EQ(model.tablo1.RowCount(), 1);
    EXPECT_EQ(model.tablo1.Tag, GridTagPlain);
    EXPECT_EQ((std::vector<int>{model.tablo1.ColWidth(0), model.tablo1.ColWidth(2),
                                model.tablo1.ColWidth(3)}),
              (std::vector<int>{25, 80, 0})); // a missing width is 0
    for (auto mark : model.CompareMarks)
        EXPECT_EQ(mark, 0);
    EXPECT_TRUE(model.HtmlButtonVisible);
    EXPECT_FALSE(model.ShareItemEnabled);
    // Cells go where the routines say; a cell beyond the columns is dropped.
    model.SetColumnTitles({"", " Name"});
    model.tablo1.SetRowCount(3);
    model.StartGridRow(2);
    for (const char* c : {"2", "Jim Clark", "", "key", "beyond"})
        model.AddGridCell(c);
    EXPECT_EQ(model.tablo1.Cell(1, 2), "Jim Clark");
    EXPECT_EQ(model.tablo1.Cell(3, 2), "key");
    EXPECT_EQ(model.tablo1.Title(2), "");
    EXPECT_EQ(model.tablo1.ColCount(), 4);
    // A refilled table forgets hidden rows and old cells.
    FillNames({"D", "E"});
    EXPECT_EQ(model.tablo1.RowHeight(2), model.tablo1.DefaultRowHeight);
    EXPECT_EQ(model.tablo1.Cell(1, 2), "E");
    EXPECT_EQ(model.tablo1.Cell(1, 3), "");
}

TEST_F(ResultGridTest, CountLineAndEmptyTable) {
    FillNames({"Ayrton Senna", "Alain Prost"});
    EXPECT_EQ(model.tablo1.CountLabel, "2  record(s) found.");
    model.tablo1.FilterLabel = "(1) Ayrton Senna";
    FillNames({});
    EXPECT_EQ(model.tablo1.RowCount(), 2); // one blank row
    for (int c = 0; c < model.tablo1.ColCount(); ++c)
        EXPECT_EQ(model.tablo1.Cell(c, 1), "");
    EXPECT_EQ(model.tablo1.CountLabel, "0  record(s) found.");
    EXPECT_EQ(model.tablo1.FilterLabel, "");
    EXPECT_EQ(std::make_pair(model.tablo1.FixedRows, model.tablo1.FixedCols), std::make_pair(1, 1));
    const std::string file = testing::LanguageFile(101, {{slot::RecordsFound, "kay\xFDt"}});
    langs.ApplyLanguageFile(LanguageOtherFile, "T.DT", &file);
    FillNames({"A", "B", "C"});
    EXPECT_EQ(model.tablo1.CountLabel, "3  kay\xFDt");
}

TEST_F(ResultGridTest, WidthFillStretchesTheLastVisibleColumnToThePanel) {
    // Widths 25 + 140 + 0, grid left 10, 30 for the scroll bar: 205 in all.
    const std::pair<int, int> cases[] = {{600, 140 + 395}, {206, 141}, {205, 140}, {100, 140}};
    for (const auto& [panelLeft, nameWidth] : cases) {
        model.GridLeft = 10;
        model.RightPanelLeft = panelLeft;
        FillNames({"A"});
        EXPECT_EQ(model.tablo1.ColWidth(1), nameWidth) << panelLeft;
        EXPECT_EQ(model.tablo1.ColWidth(2), 0) << panelLeft;
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
    struct Case {
        int col, row, key;
        const char* why;
    } const cases[] = {
        {1, 1, 11, "the first untitled column after the click"},
        {4, 1, 12, "right of the first key: the second"},
        {2, 2, 22, "empty key: the last column"},
        {1, 3, 33, "not a number: the last column"},
        {1, 4, 0, "neither is a number"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResultGrid::RowKey(model.tablo1, c.col, c.row), c.key) << c.why;
}

TEST_F(ResultGridTest, StandardWidthsAndRowHeightsFollowTheZoom) {
    struct Case {
        double zoom;
        int screen, name, date, time, points, grid;
        const char* why;
    } const cases[] = {
        {1.0, 1000, 140, 85, 75, 95, 30, "not wider than 1000: no extra"},
        {1.0, 1280, 150, 95, 85, 95, 40, "wide screens add 10 to most"},
        {1.3, 800, 182, 110, 98, 124, 39, "halves go to the even neighbour"},
        {1.6, 1600, 234, 146, 130, 152, 58, "both"},
    };
    for (const Case& c : cases) {
        const auto w = StandardWidths::Compute(c.zoom, c.screen);
        EXPECT_EQ((std::vector<int>{w.ColWName, w.ColWDate, w.ColWTime, w.ColWPoints, w.ColWGrid}),
                  (std::vector<int>{c.name, c.date, c.time, c.points, c.grid}))
            << c.why;
    }
    FillNames({"A", "B"});
    model.tablo1.SetRowHeight(2, 0);
    model.ApplyZoom(1.3, 1280);
    EXPECT_EQ(model.Widths.ColWName, 192);
    EXPECT_EQ(model.tablo1.DefaultRowHeight, 22);
    EXPECT_EQ(model.tablo1.RowHeight(0), 24);
    EXPECT_EQ(model.tablo1.RowHeight(1), 22);
    EXPECT_EQ(model.tablo1.RowHeight(2), 0); // a filtered row stays hidden
    EXPECT_EQ(model.tablo2.DefaultRowHeight, 22);
}

TEST_F(ResultGridTest, ColumnRolesFollowTheLanguageExactly) {
    const ColumnRoles& roles = model.Roles();
    EXPECT_TRUE(roles.IsName(" Name"));
    EXPECT_FALSE(roles.IsName("Name"));
    EXPECT_FALSE(roles.IsName(" name"));
    EXPECT_TRUE(roles.IsGrid("Grid"));
    EXPECT_FALSE(roles.IsGrid(" Grid"));
    const std::pair<const char*, FilterKind> kinds[] = {{" Date", FilterKind::Date},
                                                        {" Track", FilterKind::Track},
                                                        {" Name", FilterKind::Name},
                                                        {" Team", FilterKind::Team},
                                                        {" Pos", FilterKind::None}};
    for (const auto& [title, kind] : kinds)
        EXPECT_EQ(roles.KindForFilter(title), kind) << title;
    EXPECT_TRUE(roles.IsDriverPointsColumn(" Driver 2"));
    EXPECT_TRUE(roles.IsDriverPointsColumn("Champion Driver"));
    EXPECT_TRUE(roles.IsTeamPointsColumn("Constructors Championship"));
    EXPECT_TRUE(roles.IsTeamPointsColumn("Champion Team"));
    EXPECT_FALSE(roles.IsTeamPointsColumn(" Team"));

    // Another language: its titles are the ones recognised, the English ones no longer; an
    // empty title matches no column.
    const std::string file =
        testing::LanguageFile(130, {{slot::Team, "Tak\xFDm"}, {slot::Grid, ""}});
    langs.ApplyLanguageFile(LanguageOtherFile, "T.DT", &file);
    EXPECT_TRUE(roles.IsTeam(" Tak\xFDm"));
    EXPECT_FALSE(roles.IsTeam(" Team"));
    EXPECT_FALSE(roles.IsGrid(""));
    EXPECT_EQ(roles.StandardWidth("", model.Widths), NoStandardWidth);
}

} // namespace
} // namespace qor
