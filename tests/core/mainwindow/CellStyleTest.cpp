// Drawing: the theme palettes and their colour arithmetic, checked by the properties the
// drawing relies on rather than by a copy of the colour table, the cell drawing decision, and
// column widths fitted to a drawing font wider than the one they were designed for (every
// width scaled, then widened to its texts, the HTML page keeping the design).

#include "mainwindow/CellStyle.h"
#include "export/HtmlExport.h"
#include "support/GridFixtures.h"
#include "support/MainWindowRows.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// True when no channel of a is lighter than the same channel of b.
bool NotLighter(Colour a, Colour b) {
    return RedOf(a) <= RedOf(b) && GreenOf(a) <= GreenOf(b) && BlueOf(a) <= BlueOf(b);
}

TEST(ThemeTest, EveryThemeTellsItsRowsApartAndModernOnlyChangesTheStyle) {
    for (int m = 0; m < 5; ++m) {
        const ThemePalette plain = SetColorTheme(m, 0, 1.0),
                           modern = SetColorTheme(m + 100, 0, 1.0);
        for (const ThemePalette* p : {&plain, &modern})
            EXPECT_TRUE(p->OddBrushColor != p->EvenBrushColor &&
                        p->SelBrushColor != p->OddBrushColor &&
                        p->OddFontColor != p->OddBrushColor && p->ThemeNumber == m)
                << m;
        EXPECT_NE(plain.OddBrushColor, SetColorTheme((m + 1) % 5, 0, 1.0).OddBrushColor);
        EXPECT_EQ(std::make_tuple(plain.GridLineWidth, plain.DecorationVisible,
                                  plain.WindowBackColor, plain.PopupsOwnerDrawn),
                  std::make_tuple(1, false, plain.FormBackColor, m != 0));
        EXPECT_EQ(std::make_tuple(modern.GridLineWidth, modern.DecorationVisible,
                                  modern.WindowBackColor, modern.PopupsOwnerDrawn,
                                  modern.EvenBrushColor),
                  std::make_tuple(0, true, modern.EvenBrushColor, true, plain.EvenBrushColor));
        // Only Standart has its own Modern selection and odd rows.
        EXPECT_EQ(modern.SelBrushColor == plain.SelBrushColor, m != 0);
    }
}

TEST(ThemeTest, DarkLevelsDarkenOnlyTheRowBrushesStepByStep) {
    for (int theme : {0, 1, 104}) {
        ThemePalette previous = SetColorTheme(theme, 0, 1.0);
        for (int item = 1; item < 4; ++item) {
            EXPECT_EQ(DarkLevelMenuItem(DarkLevelOfMenuItem(item)), item);
            const ThemePalette p = SetColorTheme(theme, DarkLevelOfMenuItem(item), 1.0);
            for (auto brush : {&ThemePalette::OddBrushColor, &ThemePalette::EvenBrushColor})
                EXPECT_TRUE(NotLighter(p.*brush, previous.*brush) && p.*brush != previous.*brush)
                    << theme << " " << item;
            EXPECT_EQ(p.SelBrushColor, previous.SelBrushColor);
            EXPECT_EQ(p.OddBitmap[0], p.Modern ? p.OddBrushColor : 0u); // pictures follow
            previous = p;
        }
    }
    EXPECT_EQ(Darken(0xEAEAEA, 7), 0xD1D1D1u);  // (234 x 3 div 4) div 7 = 25 off each channel
    EXPECT_EQ(Darken(0x000030, 1), 0x000024u);  // channels stop at 0
    EXPECT_EQ(FadeColour(0x20FFAA), 0x1BD58Eu); // a sixth off each channel, rounded down
}

TEST(ThemeTest, ModernPicturesAreSymmetricAndKeepTheColourAtTheEnds) {
    // 7.5 rounds to the even 8: the fives and fours differ from a plain 1.5 n.
    for (const auto& [n, k] : {std::pair{8, 16}, {5, 8}, {4, 6}, {3, 3}})
        EXPECT_EQ(LightenDivisor(n), k) << n;
    const ThemePalette p = SetColorTheme(102, 0, 1.0);
    for (const auto* b : {&p.OddBitmap, &p.EvenBitmap, &p.SelBitmap, &p.HighlightBitmap}) {
        for (int d = 1; d <= 7; ++d)
            EXPECT_EQ((*b)[7 - d], (*b)[7 + d]) << d;
        EXPECT_EQ((*b)[15], (*b)[0]);
        EXPECT_NE((*b)[7], (*b)[0]); // lightened in the middle
    }
    for (int y = 2; y <= 7; ++y) // lightest next to the ends, less so towards the middle
        EXPECT_TRUE(NotLighter(p.OddBitmap[y], p.OddBitmap[y - 1])) << y;
    EXPECT_EQ(p.HighlightBitmap[0], p.OddBrushColor - 0x1C1C1Cu); // 28 darker
    // The decoration strip: 2h + 1 rows, h = round(12 x 1.3), lightened towards the middle.
    const auto strip = SetColorTheme(102, 0, 1.3).DecorationRows;
    ASSERT_EQ(strip.size(), 33u);
    EXPECT_EQ(std::make_pair(strip.front(), strip.back()),
              std::make_pair(p.OddBrushColor, p.OddBrushColor));
    EXPECT_NE(strip[16], p.OddBrushColor);
}

class CellStyleTest : public ::testing::Test { // a table to draw, its palette and settings
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
    EXPECT_EQ(std::make_pair(name.TextX, name.TextY), std::make_pair(100, (20 - 8 - 4) / 2));
    ASSERT_TRUE(name.Marker.has_value()); // a triangle of size 4 at (240 - 15, 9)
    using P = std::pair<int, int>;
    EXPECT_EQ(name.Marker->Points, (std::array<P, 3>{P{221, 9}, P{229, 9}, P{225, 13}}));
    // " Pos" cannot be filtered; right-aligned on its standard width 30 (" Pos" is 28 pixels).
    const CellStyle pos = Style(4, 0, false, {100, 0, 140, 20});
    EXPECT_EQ(pos.TextX, 100 + 30 - 28 - 5);
    // Row numbers: fixed, even when selected.
    const CellStyle number = Style(0, 2, true);
    EXPECT_EQ(number.Brush, palette.FixedCellColor);
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
    model.CompareMarks[2] = 1;                          // the date column
    EXPECT_EQ(Style(2, 3).Text, palette.EvenFontColor); // first row of group 2
    EXPECT_EQ(Style(2, 2).Text, FadeColour(palette.OddBrushColor));
    EXPECT_EQ(Style(2, 4).Text, FadeColour(palette.EvenBrushColor));

    model.tablo1.SetColCount(11);
    model.tablo1.Tag = GridTagHorizontalCompare;
    for (int c : {1, 2, 5, 10})
        EXPECT_EQ(Style(c, 1).Brush, palette.EvenBrushColor) << c;
    for (int c : {6, 9})
        EXPECT_EQ(Style(c, 2).Brush, palette.OddBrushColor) << c;
}

TEST_F(CellStyleTest, HighlightedNamesAndModernPictures) {
    Fill({"1", "2"});
    model.HighlightName = "Jim Clark";
    const CellStyle s = Style(1, 2);
    EXPECT_TRUE(s.Highlighted);
    EXPECT_EQ(std::make_pair(s.Brush, s.Text),
              std::make_pair(FadeColour(palette.OddBrushColor), Black));
    EXPECT_EQ(Style(1, 2, true).Brush, FadeColour(palette.SelBrushColor));

    palette = SetColorTheme(100, 0, 1.0);
    EXPECT_EQ(Style(1, 1).Picture, CellPicture::Highlight);
    EXPECT_EQ(Style(2, 1).Picture, CellPicture::Odd);
    EXPECT_EQ(Style(2, 2).Picture, CellPicture::Even);
    EXPECT_EQ(Style(2, 2, true).Picture, CellPicture::Sel);
}

TEST_F(CellStyleTest, FontsAlignmentAndZoom) {
    Fill({"1"});
    EXPECT_EQ(Style(2, 1).Font.Name, "courier new");
    // " Time" at least its standard width 75: right-aligned 5 pixels inside it.
    EXPECT_EQ(Style(3, 1, false, {100, 40, 175, 58}).TextX, 100 + 75 - 8 * 7 - 5);
    EXPECT_EQ(Style(3, 1, false, {100, 40, 174, 58}).TextX, 105);
    model.ApplyZoom(1.6, 800);
    const CellStyle zoomed = Style(1, 0, false, {0, 0, 200, 30});
    EXPECT_EQ(zoomed.Font.Size, 13); // 12.8
}

TEST_F(CellStyleTest, GridLinesByStyleAndHiddenRows) {
    Fill({"1", "2"});
    const auto lines = [&](int style, int row) {
        lineStyle = style;
        std::vector<std::array<int, 5>> out;
        for (const CellLine& l : Style(1, row, false, {10, 20, 50, 38}).Lines)
            out.push_back({l.X1, l.Y1, l.X2, l.Y2, static_cast<int>(l.Pen)});
        return out;
    };
    const int pen = static_cast<int>(palette.FixedCellColor);
    EXPECT_EQ(lines(3, 1),
              (std::vector<std::array<int, 5>>{{10, 37, 50, 37, pen}, {49, 20, 49, 38, pen}}));
    EXPECT_EQ(lines(2, 0), (std::vector<std::array<int, 5>>{{49, 20, 49, 38, pen}}));
    model.tablo1.SetRowHeight(2, 0);
    EXPECT_FALSE(Style(1, 2).Visible);
}

class ColumnFit : public CellStyleTest { // widths fitted to a wider drawing font
  protected:
    // Number, name, time and key columns, `rows` rows; each character measures 7 pixels.
    void Fill(double measuredFactor, int rows, const char* name = "Ayrton Senna") {
        model.FontWidthFactor = [measuredFactor](double) { return measuredFactor; };
        model.MeasureText = [](const std::string& t, const CellFont&) {
            return 7 * static_cast<int>(t.size());
        };
        model.ApplyZoom(1.0, 1280);
        model.SetTableColumns({4, 25, 150, model.Widths.ColWTime, 0});
        model.SetColumnTitles({"", langs.Title(slot::Name), langs.Title(slot::Time), ""});
        for (int n = 1; n <= rows; ++n) {
            model.tablo1.SetRowCount(n + 1);
            model.StartGridRow(n);
            for (const char* cell : {"", name, "1:23.456", "7"})
                model.AddGridCell(*cell ? cell : std::to_string(n));
        }
        model.tablo1kayitsayisi(static_cast<std::uint16_t>(rows));
    }
    std::vector<int> Widths() {
        return {model.tablo1.ColWidth(0), model.tablo1.ColWidth(1), model.tablo1.ColWidth(2)};
    }
};

TEST_F(ColumnFit, WidthsGrowWithTheFontAndFitTheirTexts) {
    struct Case {
        double measured;
        int rows;
        const char* name;
        std::vector<int> widths;
        const char* why;
    };
    const Case cases[] = {
        {1.0, 99, "Ayrton Senna", {25, 150, 85}, "the design font: widths as designed"},
        {0.9, 99, "Ayrton Senna", {25, 150, 85}, "a narrower font keeps them"},
        {1.2, 99, "Ayrton Senna", {30, 180, 102}, "a wider font widens every column"},
        {1.0, 100, "Ayrton Senna", {26, 150, 85}, "\"100\" is 21 pixels: 2 in front, 3 behind"},
        {1.2, 1000, "Ayrton Senna", {33, 180, 102}, "scaled, then fitted"},
        {1.0, 9, "Robin Montgomerie-Charrington", {25, 211, 85}, "203 pixels: 5 in front"},
    };
    for (const Case& c : cases) {
        Fill(c.measured, c.rows, c.name);
        EXPECT_EQ(Widths(), c.widths) << c.why;
    }
}

TEST_F(ColumnFit, TimesAlignOnTheScaledStandardWidthAndThePageKeepsTheDesign) {
    Fill(1.2, 3);
    const CellStyleView view{model.tablo1, model, palette};
    const auto width = [](const std::string& t, const CellFont&) {
        return 7 * static_cast<int>(t.size());
    };
    // Right-aligned 5 pixels inside the scaled width of 102, not inside the design's 85.
    const CellStyle s = DecideCellStyle(view, 2, 1, false, {200, 0, 302, 18}, width);
    EXPECT_EQ(s.TextX, 200 + 102 - 56 - 5);
    const std::string page = BuildHtmlPage(view, 2);
    EXPECT_NE(page.find("<td nowrap width=\"155\""), std::string::npos) << page;
    EXPECT_NE(page.find("<td nowrap width=\"90\" align=right"), std::string::npos) << page;
}

} // namespace
} // namespace qor
