// The cell drawing decision: colours, fonts, positions, pictures, lines and the filter marker.

#include "mainwindow/CellStyle.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::EnglishLangs;

// Every text is 7 pixels per character in the tests' "toolkit".
int SevenPerChar(const std::string& text, const CellFont&) {
    return static_cast<int>(text.size()) * 7;
}

class CellStyleTest : public ::testing::Test {
  protected:
    Langs langs = EnglishLangs();
    ResultGrid model{langs};
    ThemePalette palette = SetColorTheme(0, 0, 1.0);
    int lineStyle = 0;
    int oddEvenRows = 0;

    // Columns: number, name, date, time, pos, key. Rows numbered by `numbers`.
    void Fill(const std::vector<std::string>& numbers, int timeWidth = 75) {
        model.SetTableColumns({6, 25, 140, 85, timeWidth, 30, 0});
        model.SetColumnTitles({"", " Name", " Date", " Time", " Pos", ""});
        int r = 0;
        for (const auto& n : numbers) {
            ++r;
            model.tablo1.SetRowCount(r + 1);
            model.StartGridRow(r);
            for (const auto& c : {n, std::string("Jim Clark"), std::string("01 Jan 1965"),
                                  std::string("1:02.000"), std::string("1"), std::to_string(r)})
                model.AddGridCell(c);
        }
        model.tablo1kayitsayisi(static_cast<std::uint16_t>(r));
    }

    CellStyle Style(int col, int row, bool selected = false, CellRect rect = {100, 40, 240, 58}) {
        const CellStyleView view{model.tablo1, model, palette, lineStyle, oddEvenRows};
        return DecideCellStyle(view, col, row, selected, rect, SevenPerChar);
    }
};

TEST_F(CellStyleTest, TitleRowIsBoldOnTheFixedColourWithFilterMarkers) {
    Fill({"1"});
    const CellStyle name = Style(1, 0, false, {100, 0, 240, 20});
    EXPECT_EQ(name.Brush, 0xDCD9DAu);
    EXPECT_EQ(name.Text, Black);
    EXPECT_TRUE(name.Font.Bold);
    EXPECT_EQ(name.Font.Name, "tahoma");
    EXPECT_EQ(name.Font.Size, 8);
    EXPECT_EQ(name.TextX, 100);
    EXPECT_EQ(name.TextY, (0 + 20 - 8 - 4) / 2);
    ASSERT_TRUE(name.Marker.has_value());
    // s = 4, cx = 240 - 15, cy = (0 + 20 - 2) div 2
    EXPECT_EQ(name.Marker->Points[0], std::make_pair(221, 9));
    EXPECT_EQ(name.Marker->Points[1], std::make_pair(229, 9));
    EXPECT_EQ(name.Marker->Points[2], std::make_pair(225, 13));
    EXPECT_EQ(name.Marker->Pen, Rgb(68, 68, 68));
    EXPECT_EQ(name.Marker->Brush, Rgb(153, 153, 153));
    EXPECT_TRUE(Style(2, 0).Marker.has_value()); // " Date"
    // " Pos": no marker; right-aligned on its standard width 30 (" Pos" is 28 pixels).
    const CellStyle pos = Style(4, 0, false, {100, 0, 140, 20});
    EXPECT_FALSE(pos.Marker.has_value());
    EXPECT_EQ(pos.TextX, 100 + 30 - 28 - 5);
    EXPECT_EQ(Style(0, 0).Brush, 0xDCD9DAu);
}

TEST_F(CellStyleTest, RowNumberCellsAreFixedAndPlain) {
    Fill({"1", "2"});
    const CellStyle s = Style(0, 2, true);
    EXPECT_EQ(s.Brush, 0xDCD9DAu);
    EXPECT_EQ(s.Text, Black);
    EXPECT_FALSE(s.Font.Bold);
    EXPECT_EQ(s.TextX, 102);
    EXPECT_EQ(s.TextY, 42);
    EXPECT_EQ(s.Picture, CellPicture::None);
}

TEST_F(CellStyleTest, RowColoursFollowTheRowNumberNotTheGridRow) {
    Fill({"1", "1", "2", "3"});
    EXPECT_EQ(Style(1, 1).Brush, palette.OddBrushColor);
    EXPECT_EQ(Style(1, 1).Text, palette.OddFontColor);
    EXPECT_EQ(Style(1, 2).Brush, palette.OddBrushColor); // same group as row 1
    EXPECT_EQ(Style(1, 3).Brush, palette.EvenBrushColor);
    EXPECT_EQ(Style(1, 3).Text, palette.EvenFontColor);
    EXPECT_EQ(Style(1, 4).Brush, palette.OddBrushColor);
    // Selection wins.
    EXPECT_EQ(Style(1, 3, true).Brush, palette.SelBrushColor);
    EXPECT_EQ(Style(1, 3, true).Text, palette.SelFontColor);
}

TEST_F(CellStyleTest, EmptyOrBrokenRowNumberColoursByGridRow) {
    Fill({"", "x", "4"});
    EXPECT_EQ(Style(1, 1).Brush, palette.OddBrushColor);
    EXPECT_EQ(Style(1, 2).Brush, palette.EvenBrushColor);
    EXPECT_EQ(Style(1, 3).Brush, palette.EvenBrushColor);
}

TEST_F(CellStyleTest, PlainRowsUseTheEvenPairButKeepTheSelection) {
    oddEvenRows = 1;
    Fill({"1", "2"});
    EXPECT_EQ(Style(1, 1).Brush, palette.EvenBrushColor);
    EXPECT_EQ(Style(1, 1).Text, palette.EvenFontColor);
    EXPECT_EQ(Style(1, 2).Brush, palette.EvenBrushColor);
    EXPECT_EQ(Style(1, 1, true).Brush, palette.SelBrushColor);
}

TEST_F(CellStyleTest, ComparisonContinuationRowsFadeMarkedColumns) {
    Fill({"1", "1", "2", "2"});
    model.CompareGroupSize = 2;
    model.CompareMarks[2] = 1; // the date column
    const CellStyle first = Style(2, 1);
    EXPECT_EQ(first.Text, palette.OddFontColor);
    const CellStyle cont = Style(2, 2);
    EXPECT_EQ(cont.Brush, palette.OddBrushColor);
    EXPECT_EQ(cont.Text, FadeColour(palette.OddBrushColor));
    EXPECT_EQ(Style(1, 2).Text, palette.OddFontColor); // not marked
    EXPECT_EQ(Style(2, 4).Text, FadeColour(palette.EvenBrushColor));
    EXPECT_EQ(Style(2, 3).Text, palette.EvenFontColor); // first row of group 2
    EXPECT_EQ(Style(2, 2, true).Text, palette.SelFontColor);
}

TEST_F(CellStyleTest, HorizontalComparisonBandsColumnsInFours) {
    Fill({"1", "2"});
    model.tablo1.SetColCount(11);
    model.tablo1.Tag = GridTagHorizontalCompare;
    for (int c : {1, 2, 3, 4, 5})
        EXPECT_EQ(Style(c, 1).Brush, palette.EvenBrushColor) << c;
    for (int c : {6, 7, 8, 9})
        EXPECT_EQ(Style(c, 2).Brush, palette.OddBrushColor) << c;
    EXPECT_EQ(Style(10, 1).Brush, palette.EvenBrushColor);
    EXPECT_EQ(Style(6, 1, true).Brush, palette.SelBrushColor);
    model.tablo1.Tag = GridTagVerticalCompare;
    EXPECT_EQ(Style(6, 2).Brush, palette.EvenBrushColor);
}

TEST_F(CellStyleTest, HighlightedNameUsesTheFadedBrushAndBlackText) {
    Fill({"1", "2"});
    model.HighlightName = "Jim Clark";
    const CellStyle s = Style(1, 2);
    EXPECT_TRUE(s.Highlighted);
    EXPECT_EQ(s.Brush, FadeColour(palette.OddBrushColor));
    EXPECT_EQ(s.Text, Black);
    EXPECT_EQ(Style(1, 2, true).Brush, FadeColour(palette.SelBrushColor));
    EXPECT_FALSE(Style(2, 2).Highlighted);
}

TEST_F(CellStyleTest, DateColumnsUseCourierAndStandardColumnsAlignRight) {
    Fill({"1"});
    EXPECT_EQ(Style(2, 1).Font.Name, "courier new");
    EXPECT_EQ(Style(1, 1).Font.Name, "tahoma");
    EXPECT_EQ(Style(2, 1).TextX, 105);
    // " Time" 75 wide: right-aligned at 5 pixels inside the standard width.
    const CellStyle time = Style(3, 1, false, {100, 40, 175, 58});
    EXPECT_TRUE(time.RightAligned);
    EXPECT_EQ(time.TextX, 100 + 75 - 8 * 7 - 5);
    EXPECT_EQ(time.TextY, 42);
    // Narrower than the standard width: left-aligned at 5 pixels.
    const CellStyle narrow = Style(3, 1, false, {100, 40, 160, 58});
    EXPECT_FALSE(narrow.RightAligned);
    EXPECT_EQ(narrow.TextX, 105);
}

TEST_F(CellStyleTest, ZoomScalesFontAndMarker) {
    model.ApplyZoom(1.6, 800);
    Fill({"1"});
    const CellStyle s = Style(1, 0, false, {0, 0, 200, 30});
    EXPECT_EQ(s.Font.Size, 13);                                              // 12.8
    EXPECT_EQ(s.Marker->Points[1].first - s.Marker->Points[0].first, 2 * 6); // s = round(6.4)
}

TEST_F(CellStyleTest, ModernPicturesBehindBodyCells) {
    palette = SetColorTheme(100, 0, 1.0);
    Fill({"1", "2"});
    model.HighlightName = "Jim Clark";
    EXPECT_EQ(Style(1, 1).Picture, CellPicture::Highlight);
    EXPECT_TRUE(Style(1, 1).TransparentBrush);
    EXPECT_EQ(Style(2, 1).Picture, CellPicture::Odd);
    EXPECT_EQ(Style(2, 2).Picture, CellPicture::Even);
    EXPECT_EQ(Style(2, 2, true).Picture, CellPicture::Sel);
    EXPECT_EQ(Style(0, 1).Picture, CellPicture::None);
    EXPECT_FALSE(Style(1, 0).TransparentBrush);
    palette = SetColorTheme(0, 0, 1.0);
    EXPECT_EQ(Style(2, 1).Picture, CellPicture::None);
    EXPECT_FALSE(Style(2, 1).TransparentBrush);
}

TEST_F(CellStyleTest, GridLinesByStyle) {
    Fill({"1"});
    EXPECT_TRUE(Style(1, 1).Lines.empty());
    lineStyle = 1;
    auto lines = Style(1, 1, false, {10, 20, 50, 38}).Lines;
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].X1, 10);
    EXPECT_EQ(lines[0].Y1, 37);
    EXPECT_EQ(lines[0].X2, 50);
    EXPECT_EQ(lines[0].Y2, 37);
    EXPECT_EQ(lines[0].Pen, palette.FixedCellColor);
    lineStyle = 2;
    lines = Style(1, 0, false, {10, 20, 50, 38}).Lines;
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].X1, 49);
    EXPECT_EQ(lines[0].Y1, 20);
    EXPECT_EQ(lines[0].Y2, 38);
    lineStyle = 3;
    EXPECT_EQ(Style(1, 1).Lines.size(), 2u);
}

TEST_F(CellStyleTest, HiddenRowsAreNotDrawn) {
    Fill({"1", "2"});
    model.tablo1.SetRowHeight(2, 0);
    EXPECT_FALSE(Style(1, 2).Visible);
    EXPECT_TRUE(Style(1, 1).Visible);
}

} // namespace
} // namespace qor
