// The cell drawing decision: colours, fonts, positions, pictures, lines and the filter marker.

#include "mainwindow/CellStyle.h"
#include "support/GridFixtures.h"
#include "support/MainWindowRows.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class CellStyleTest : public ::testing::Test {
  protected:
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};
    ThemePalette palette = SetColorTheme(0, 0, 1.0);
    int lineStyle = 0, oddEvenRows = 0;

    // Columns: number, name, date, time, pos, key; one row per row number given.
    void Fill(const std::vector<std::string>& numbers) {
        testing::Rows rows;
        for (const auto& n : numbers)
            rows.push_back({n, "Jim Clark", "01 Jan 1965", "1:02.000", "1", "9"});
        testing::FillRows(model, {6, 25, 140, 85, 75, 30, 0},
                          {"", " Name", " Date", " Time", " Pos", ""}, rows);
    }
    // Every text is 7 pixels per character in the tests' "toolkit".
    CellStyle Style(int col, int row, bool selected = false, CellRect rect = {100, 40, 240, 58}) {
        const CellStyleView view{model.tablo1, model, palette, lineStyle, oddEvenRows};
        return DecideCellStyle(view, col, row, selected, rect,
                               [](auto& text, auto&) { return static_cast<int>(text.size()) * 7; });
    }
};

TEST_F(CellStyleTest, FixedCellsAndTheTitleRowWithItsFilterMarkers) {
    Fill({"1", "2"});
    const CellStyle name = Style(1, 0, false, {100, 0, 240, 20});
    EXPECT_EQ(std::make_pair(name.Brush, name.Text), std::make_pair(palette.FixedCellColor, Black));
    EXPECT_TRUE(name.Font.Bold);
    EXPECT_EQ(std::make_pair(name.TextX, name.TextY), std::make_pair(100, (20 - 8 - 4) / 2));
    ASSERT_TRUE(name.Marker.has_value()); // a triangle of size 4 at (240 - 15, 9)
    using P = std::pair<int, int>;
    EXPECT_EQ(name.Marker->Points, (std::array<P, 3>{P{221, 9}, P{229, 9}, P{225, 13}}));
    EXPECT_TRUE(Style(2, 0).Marker.has_value()); // dates filter too
    // " Pos" cannot be filtered; right-aligned on its standard width 30 (" Pos" is 28 pixels).
    const CellStyle pos = Style(4, 0, false, {100, 0, 140, 20});
    EXPECT_FALSE(pos.Marker.has_value());
    EXPECT_EQ(pos.TextX, 100 + 30 - 28 - 5);
    // Row numbers: fixed and plain, even when selected.
    const CellStyle number = Style(0, 2, true);
    EXPECT_EQ(number.Brush, palette.FixedCellColor);
    EXPECT_FALSE(number.Font.Bold);
    EXPECT_EQ(std::make_pair(number.TextX, number.TextY), std::make_pair(102, 42));
}

TEST_F(CellStyleTest, BodyColoursByRowNumberSettingAndSelection) {
    enum Want { Odd, Even, Sel };
    struct Case {
        const char* why;
        std::vector<std::string> numbers;
        int oddEvenRows, row;
        bool selected;
        Want want;
    } const cases[] = {
        {"row number 1 is odd", {"1", "1", "2"}, 0, 1, false, Odd},
        {"a repeated number keeps its group's colour", {"1", "1", "2"}, 0, 2, false, Odd},
        {"row number 2 is even", {"1", "1", "2"}, 0, 3, false, Even},
        {"selection wins", {"1", "1", "2"}, 0, 3, true, Sel},
        {"empty number: by grid row", {"", "x", "4"}, 0, 1, false, Odd},
        {"no number: by grid row", {"", "x", "4"}, 0, 2, false, Even},
        {"number 4 on grid row 3", {"", "x", "4"}, 0, 3, false, Even},
        {"plain rows use the even pair", {"1", "2"}, 1, 1, false, Even},
        {"plain rows keep the selection", {"1", "2"}, 1, 1, true, Sel},
    };
    const Colour brush[] = {palette.OddBrushColor, palette.EvenBrushColor, palette.SelBrushColor};
    const Colour text[] = {palette.OddFontColor, palette.EvenFontColor, palette.SelFontColor};
    for (const Case& c : cases) {
        oddEvenRows = c.oddEvenRows;
        Fill(c.numbers);
        const CellStyle s = Style(1, c.row, c.selected);
        EXPECT_EQ(std::make_pair(s.Brush, s.Text), std::make_pair(brush[c.want], text[c.want]))
            << c.why;
    }
}

TEST_F(CellStyleTest, ComparisonsFadeContinuationRowsAndBandColumnsInFours) {
    Fill({"1", "1", "2", "2"});
    model.CompareGroupSize = 2;
    model.CompareMarks[2] = 1;                         // the date column
    EXPECT_EQ(Style(2, 1).Text, palette.OddFontColor); // first row of a group
    EXPECT_EQ(Style(2, 2).Text, FadeColour(palette.OddBrushColor));
    EXPECT_EQ(Style(1, 2).Text, palette.OddFontColor); // not marked
    EXPECT_EQ(Style(2, 4).Text, FadeColour(palette.EvenBrushColor));
    EXPECT_EQ(Style(2, 2, true).Text, palette.SelFontColor);

    model.tablo1.SetColCount(11);
    model.tablo1.Tag = GridTagHorizontalCompare;
    for (int c : {1, 2, 5, 10})
        EXPECT_EQ(Style(c, 1).Brush, palette.EvenBrushColor) << c;
    for (int c : {6, 9})
        EXPECT_EQ(Style(c, 2).Brush, palette.OddBrushColor) << c;
    EXPECT_EQ(Style(6, 1, true).Brush, palette.SelBrushColor);
}

TEST_F(CellStyleTest, HighlightedNamesAndModernPictures) {
    Fill({"1", "2"});
    model.HighlightName = "Jim Clark";
    const CellStyle s = Style(1, 2);
    EXPECT_TRUE(s.Highlighted);
    EXPECT_EQ(std::make_pair(s.Brush, s.Text),
              std::make_pair(FadeColour(palette.OddBrushColor), Black));
    EXPECT_EQ(Style(1, 2, true).Brush, FadeColour(palette.SelBrushColor));
    EXPECT_FALSE(Style(2, 2).Highlighted);
    EXPECT_EQ(Style(2, 1).Picture, CellPicture::None);

    palette = SetColorTheme(100, 0, 1.0);
    EXPECT_EQ(Style(1, 1).Picture, CellPicture::Highlight);
    EXPECT_TRUE(Style(1, 1).TransparentBrush);
    EXPECT_EQ(Style(2, 1).Picture, CellPicture::Odd);
    EXPECT_EQ(Style(2, 2).Picture, CellPicture::Even);
    EXPECT_EQ(Style(2, 2, true).Picture, CellPicture::Sel);
    EXPECT_EQ(Style(0, 1).Picture, CellPicture::None);
    EXPECT_FALSE(Style(1, 0).TransparentBrush);
}

TEST_F(CellStyleTest, FontsAlignmentAndZoom) {
    Fill({"1"});
    EXPECT_EQ(Style(2, 1).Font.Name, "courier new");
    EXPECT_EQ(Style(1, 1).Font.Name, "tahoma");
    EXPECT_EQ(Style(2, 1).TextX, 105);
    // " Time" at least its standard width 75: right-aligned 5 pixels inside it.
    EXPECT_EQ(Style(3, 1, false, {100, 40, 175, 58}).TextX, 100 + 75 - 8 * 7 - 5);
    EXPECT_EQ(Style(3, 1, false, {100, 40, 174, 58}).TextX, 105);
    model.ApplyZoom(1.6, 800);
    const CellStyle zoomed = Style(1, 0, false, {0, 0, 200, 30});
    EXPECT_EQ(zoomed.Font.Size, 13);                                                   // 12.8
    EXPECT_EQ(zoomed.Marker->Points[1].first - zoomed.Marker->Points[0].first, 2 * 6); // 6.4
}

TEST_F(CellStyleTest, GridLinesByStyleAndHiddenRows) {
    Fill({"1", "2"});
    using L = std::vector<std::array<int, 4>>;
    const auto lines = [&](int style, int row) {
        lineStyle = style;
        L out;
        for (const CellLine& l : Style(1, row, false, {10, 20, 50, 38}).Lines) {
            EXPECT_EQ(l.Pen, palette.FixedCellColor);
            out.push_back({l.X1, l.Y1, l.X2, l.Y2});
        }
        return out;
    };
    EXPECT_EQ(lines(0, 1), L{});
    EXPECT_EQ(lines(1, 1), (L{{10, 37, 50, 37}}));
    EXPECT_EQ(lines(2, 0), (L{{49, 20, 49, 38}}));
    EXPECT_EQ(lines(3, 1), (L{{10, 37, 50, 37}, {49, 20, 49, 38}}));
    model.tablo1.SetRowHeight(2, 0);
    EXPECT_FALSE(Style(1, 2).Visible);
    EXPECT_TRUE(Style(1, 1).Visible);
}

} // namespace
} // namespace qor
