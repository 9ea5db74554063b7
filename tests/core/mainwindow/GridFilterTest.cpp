// The grid filter: the value list of a column, hiding rows, the count of numbered groups.

#include "mainwindow/GridFilter.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::EnglishLangs;

class GridFilterTest : public ::testing::Test {
  protected:
    Langs langs = EnglishLangs();
    ResultGrid model{langs};
    GridFilter filter{model.Roles()};

    struct Row {
        std::string number, date, track, name, team;
    };
    void Fill(const std::vector<Row>& rows) {
        model.SetTableColumns({7, 25, 85, 100, 140, 80, 30, 0});
        model.SetColumnTitles({"", " Date", " Track", " Name", " Team", " Pos", ""});
        int r = 0;
        for (const auto& row : rows) {
            ++r;
            model.tablo1.SetRowCount(r + 1);
            model.StartGridRow(r);
            for (const auto& c : {row.number, row.date, row.track, row.name, row.team,
                                  std::string("1"), std::to_string(r)})
                model.AddGridCell(c);
        }
        model.tablo1kayitsayisi(static_cast<std::uint16_t>(r));
    }
    std::vector<int> Heights(const GridTable& g) const {
        std::vector<int> h;
        for (int r = 1; r < g.RowCount(); ++r)
            h.push_back(g.RowHeight(r));
        return h;
    }
    // Index of a value in the drop-down.
    int IndexOf(const std::string& v) const {
        for (std::size_t i = 0; i < filter.Box.Items.size(); ++i)
            if (filter.Box.Items[i] == v) return static_cast<int>(i);
        return -1;
    }

    const std::vector<Row> wins = {
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
    EXPECT_EQ(filter.FilterColumn, 3);
    // Empty cells are left out, repeated values listed once.
    EXPECT_EQ(filter.Box.Items, (std::vector<std::string>{" Name", "Alain Prost", "Ayrton Senna",
                                                          "Michael Schumacher"}));
    ASSERT_TRUE(filter.Open(model.tablo1, 4, 0));
    EXPECT_EQ(filter.Box.Items,
              (std::vector<std::string>{" Team", "Benetton", "benetton", "McLaren", "Williams"}));
}

TEST_F(GridFilterTest, DatesFilterBySeason) {
    Fill(wins);
    ASSERT_TRUE(filter.Open(model.tablo1, 1, 0));
    EXPECT_EQ(filter.Box.Kind, FilterKind::Date);
    EXPECT_EQ(filter.Box.Items, (std::vector<std::string>{" Date", "1993", "1994"}));
    filter.Apply(IndexOf("1993"));
    const int h = model.tablo1.DefaultRowHeight;
    EXPECT_EQ(Heights(model.tablo1), (std::vector<int>{h, h, h, 0, 0}));
    EXPECT_EQ(model.tablo1.FilterLabel, "(3) 1993");
}

TEST_F(GridFilterTest, OtherColumnsOpenNothing) {
    Fill(wins);
    EXPECT_FALSE(filter.Open(model.tablo1, 5, 0)); // " Pos"
    EXPECT_FALSE(filter.Open(model.tablo1, 6, 0)); // the key
    EXPECT_FALSE(filter.Box.Visible);
    EXPECT_FALSE(filter.Open(model.tablo1, 0, 0));
}

TEST_F(GridFilterTest, TitleEntryShowsAllRowsAgainAndClearsTheLabel) {
    Fill(wins);
    ASSERT_TRUE(filter.Open(model.tablo1, 2, 0));
    filter.Apply(IndexOf("Interlagos"));
    const int h = model.tablo1.DefaultRowHeight;
    EXPECT_EQ(Heights(model.tablo1), (std::vector<int>{0, h, 0, h, 0}));
    EXPECT_EQ(model.tablo1.FilterLabel, "(2) Interlagos");
    filter.Apply(0);
    EXPECT_EQ(Heights(model.tablo1), (std::vector<int>{h, h, h, h, h}));
    EXPECT_EQ(model.tablo1.FilterLabel, "");
    EXPECT_TRUE(model.tablo1.Visible);
}

TEST_F(GridFilterTest, ComparisonTableCountsEachNumberOnce) {
    Fill({
        {"1", "07 Mar 1993", "Kyalami", "Alain Prost", "Williams"},
        {"1", "07 Mar 1993", "Kyalami", "Ayrton Senna", "McLaren"},
        {"2", "28 Mar 1993", "Interlagos", "Alain Prost", "Williams"},
        {"2", "28 Mar 1993", "Interlagos", "Ayrton Senna", "McLaren"},
        {"3", "20 Mar 1994", "Interlagos", "Alain Prost", "Williams"},
        {"3", "20 Mar 1994", "Interlagos", "Ayrton Senna", "McLaren"},
    });
    ASSERT_TRUE(filter.Open(model.tablo1, 1, 0));
    filter.Apply(IndexOf("1993"));
    EXPECT_EQ(model.tablo1.FilterLabel, "(2) 1993");
    ASSERT_TRUE(filter.Open(model.tablo1, 3, 0));
    filter.Apply(IndexOf("Ayrton Senna"));
    EXPECT_EQ(model.tablo1.FilterLabel, "(3) Ayrton Senna");
}

TEST_F(GridFilterTest, WorksOnTheGridThatWasClicked) {
    Fill(wins);
    model.tablo2.SetColCount(model.tablo1.ColCount());
    model.tablo2.SetRowCount(model.tablo1.RowCount());
    for (int r = 0; r < model.tablo1.RowCount(); ++r)
        for (int c = 0; c < model.tablo1.ColCount(); ++c)
            model.tablo2.SetCell(c, r, model.tablo1.Cell(c, r));
    ASSERT_TRUE(filter.Open(model.tablo2, 4, 0));
    filter.Apply(IndexOf("McLaren"));
    EXPECT_EQ(model.tablo2.FilterLabel, "(2) McLaren");
    EXPECT_EQ(model.tablo1.FilterLabel, "");
    EXPECT_EQ(model.tablo1.RowHeight(1), model.tablo1.DefaultRowHeight);
    EXPECT_EQ(model.tablo2.RowHeight(1), 0);
}

TEST_F(GridFilterTest, NoChoiceOrNoColumnDoesNothing) {
    Fill(wins);
    filter.Apply(1); // never opened
    EXPECT_EQ(model.tablo1.FilterLabel, "");
    ASSERT_TRUE(filter.Open(model.tablo1, 3, 0));
    filter.Apply(-1);
    filter.Apply(99);
    for (int h : Heights(model.tablo1))
        EXPECT_NE(h, 0);
    filter.Hide();
    EXPECT_FALSE(filter.Box.Visible);
}

TEST_F(GridFilterTest, EntryColours) {
    const ThemePalette p = SetColorTheme(1, 0, 1.0);
    const auto title = GridFilter::ItemStyle(p, 0, false);
    EXPECT_TRUE(title.Bold);
    EXPECT_EQ(title.Brush, p.OddBrushColor);
    EXPECT_EQ(title.Text, p.OddFontColor);
    const auto second = GridFilter::ItemStyle(p, 1, false);
    EXPECT_FALSE(second.Bold);
    EXPECT_EQ(second.Brush, p.EvenBrushColor);
    EXPECT_EQ(second.Text, p.EvenFontColor);
    const auto sel = GridFilter::ItemStyle(p, 1, true);
    EXPECT_EQ(sel.Brush, p.SelBrushColor);
    EXPECT_EQ(sel.Text, p.SelFontColor);
    EXPECT_EQ(sel.Picture, CellPicture::None);
    const ThemePalette modern = SetColorTheme(101, 0, 1.0);
    EXPECT_EQ(GridFilter::ItemStyle(modern, 1, true).Picture, CellPicture::Sel);
    EXPECT_EQ(GridFilter::ItemStyle(modern, 2, false).Picture, CellPicture::Even);
    EXPECT_TRUE(GridFilter::ItemStyle(modern, 2, false).WhiteOutline);
    EXPECT_FALSE(GridFilter::ItemStyle(modern, 3, false).WhiteOutline);
}

} // namespace
} // namespace qor
