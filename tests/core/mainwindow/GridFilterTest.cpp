// The grid filter: the value list of a column, hiding rows, the count of numbered groups.

#include "mainwindow/GridFilter.h"
#include "support/GridFixtures.h"
#include "support/MainWindowRows.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using Items = std::vector<std::string>;

class GridFilterTest : public ::testing::Test {
  protected:
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};
    GridFilter filter{model.Roles()};

    // Columns: number, date, track, name, team, pos, key.
    void Fill(testing::Rows rows) {
        for (auto& row : rows)
            row.insert(row.end(), {"1", row[0]});
        testing::FillRows(model, {7, 25, 85, 100, 140, 80, 30, 0},
                          {"", " Date", " Track", " Name", " Team", " Pos", ""}, rows);
    }
    // Opens the filter of `col` and chooses `value` (the title entry when empty); returns the
    // row heights as 1 (shown) and 0 (hidden).
    std::vector<int> Choose(int col, const std::string& value, GridTable* grid = nullptr) {
        GridTable& g = grid ? *grid : model.tablo1;
        EXPECT_TRUE(filter.Open(g, col, 0));
        const auto at = std::find(filter.Box.Items.begin(), filter.Box.Items.end(), value);
        filter.Apply(value.empty() ? 0 : static_cast<int>(at - filter.Box.Items.begin()));
        std::vector<int> shown;
        for (int r = 1; r < g.RowCount(); ++r)
            shown.push_back(g.RowHeight(r) == g.DefaultRowHeight ? 1 : g.RowHeight(r));
        return shown;
    }

    const testing::Rows wins = {
        {"1", "07 Mar 1993", "Kyalami", "Alain Prost", "Williams"},
        {"2", "28 Mar 1993", "Interlagos", "Ayrton Senna", "McLaren"},
        {"3", "11 Apr 1993", "Donington", "Ayrton Senna", "McLaren"},
        {"4", "20 Mar 1994", "Interlagos", "Michael Schumacher", "Benetton"},
        {"5", "", "Aida", "", "benetton"},
    };
};

TEST_F(GridFilterTest, OpeningListsTheColumnValuesSortedAfterTheTitle) {
    Fill(wins);
    ASSERT_TRUE(filter.Open(model.tablo1, 3, 333));
    EXPECT_TRUE(filter.Box.Visible);
    EXPECT_EQ(filter.Box.Kind, FilterKind::Name);
    EXPECT_EQ(filter.Box.Width, 138);
    EXPECT_EQ(filter.Box.Left, 333);
    EXPECT_EQ(filter.Box.ItemIndex, 0);
    // Empty cells are left out, repeated values listed once, case breaks ties only.
    EXPECT_EQ(filter.Box.Items,
              (Items{" Name", "Alain Prost", "Ayrton Senna", "Michael Schumacher"}));
    ASSERT_TRUE(filter.Open(model.tablo1, 4, 0));
    EXPECT_EQ(filter.Box.Items, (Items{" Team", "Benetton", "benetton", "McLaren", "Williams"}));
    ASSERT_TRUE(filter.Open(model.tablo1, 1, 0));
    EXPECT_EQ(filter.Box.Kind, FilterKind::Date);
    EXPECT_EQ(filter.Box.Items, (Items{" Date", "1993", "1994"})); // dates filter by season
    for (int col : {0, 5, 6})                                      // number, " Pos", key
        EXPECT_FALSE(filter.Open(model.tablo1, col, 0)) << col;
}

TEST_F(GridFilterTest, ChoosingHidesTheOtherRowsAndTheTitleShowsAllAgain) {
    Fill(wins);
    EXPECT_EQ(Choose(1, "1993"), (std::vector<int>{1, 1, 1, 0, 0}));
    EXPECT_EQ(model.tablo1.FilterLabel, "(3) 1993");
    EXPECT_EQ(Choose(2, "Interlagos"), (std::vector<int>{0, 1, 0, 1, 0}));
    EXPECT_EQ(model.tablo1.FilterLabel, "(2) Interlagos");
    EXPECT_EQ(Choose(2, ""), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_EQ(model.tablo1.FilterLabel, "");
    EXPECT_TRUE(model.tablo1.Visible);
    // No choice, or one out of range, changes nothing.
    Choose(3, "Alain Prost");
    for (int index : {-1, 99})
        filter.Apply(index);
    EXPECT_EQ(model.tablo1.FilterLabel, "(1) Alain Prost");
    filter.Hide();
    EXPECT_FALSE(filter.Box.Visible);
}

TEST_F(GridFilterTest, ComparisonTableCountsEachNumberOnce) {
    testing::Rows rows;
    for (const auto& [n, date, track] : {std::tuple{"1", "07 Mar 1993", "Kyalami"},
                                         {"2", "28 Mar 1993", "Interlagos"},
                                         {"3", "20 Mar 1994", "Interlagos"}})
        for (const char* driver : {"Alain Prost", "Ayrton Senna"})
            rows.push_back({n, date, track, driver, "Williams"});
    Fill(rows);
    Choose(1, "1993");
    EXPECT_EQ(model.tablo1.FilterLabel, "(2) 1993");
    Choose(3, "Ayrton Senna");
    EXPECT_EQ(model.tablo1.FilterLabel, "(3) Ayrton Senna");
}

TEST_F(GridFilterTest, WorksOnTheGridThatWasClickedOnly) {
    Fill(wins);
    filter.Apply(1); // never opened: nothing
    EXPECT_EQ(model.tablo1.FilterLabel, "");
    model.tablo2 = model.tablo1;
    EXPECT_EQ(Choose(4, "McLaren", &model.tablo2), (std::vector<int>{0, 1, 1, 0, 0}));
    EXPECT_EQ(model.tablo2.FilterLabel, "(2) McLaren");
    EXPECT_EQ(model.tablo1.FilterLabel, "");
    EXPECT_EQ(model.tablo1.RowHeight(1), model.tablo1.DefaultRowHeight);
}

TEST(GridFilterItems, TitleIsBoldAndEntriesAlternateFromTheOddPair) {
    const ThemePalette p = SetColorTheme(101, 0, 1.0);
    const auto style = [&](int index, bool selected) {
        const auto s = GridFilter::ItemStyle(p, index, selected);
        return std::make_tuple(s.Bold, s.Brush, s.Text, s.Picture, s.WhiteOutline);
    };
    EXPECT_EQ(style(0, false),
              std::make_tuple(true, p.OddBrushColor, p.OddFontColor, CellPicture::Even, true));
    EXPECT_EQ(style(1, false),
              std::make_tuple(false, p.EvenBrushColor, p.EvenFontColor, CellPicture::None, false));
    EXPECT_EQ(style(1, true),
              std::make_tuple(false, p.SelBrushColor, p.SelFontColor, CellPicture::Sel, false));
    EXPECT_EQ(GridFilter::ItemStyle(SetColorTheme(1, 0, 1.0), 1, true).Picture, CellPicture::None);
}

} // namespace
} // namespace qor
