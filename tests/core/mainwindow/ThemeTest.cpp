// Theme palettes, the colour arithmetic and the Modern pictures, checked by the properties
// the drawing relies on rather than by a copy of the colour table.

#include "mainwindow/ThemePalette.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// True when no channel of a is lighter than the same channel of b.
bool NotLighter(Colour a, Colour b) {
    return RedOf(a) <= RedOf(b) && GreenOf(a) <= GreenOf(b) && BlueOf(a) <= BlueOf(b);
}

TEST(ThemeTest, EveryThemeTellsItsRowsApartAndModernOnlyChangesTheStyle) {
    for (int m = 0; m < 5; ++m) {
        SCOPED_TRACE(m);
        const ThemePalette plain = SetColorTheme(m, 0, 1.0);
        const ThemePalette modern = SetColorTheme(m + 100, 0, 1.0);
        for (const ThemePalette* p : {&plain, &modern}) {
            EXPECT_EQ(p->ThemeNumber, m);
            EXPECT_NE(p->OddBrushColor, p->EvenBrushColor);
            EXPECT_NE(p->SelBrushColor, p->OddBrushColor);
            EXPECT_NE(p->OddFontColor, p->OddBrushColor);
            EXPECT_EQ(p->ListBack, p->FormBackColor);
        }
        EXPECT_NE(plain.OddBrushColor, SetColorTheme((m + 1) % 5, 0, 1.0).OddBrushColor);
        EXPECT_EQ(std::make_tuple(plain.Modern, plain.GridLineWidth, plain.DecorationVisible,
                                  plain.WindowBackColor, plain.PopupsOwnerDrawn),
                  std::make_tuple(false, 1, false, plain.FormBackColor, m != 0));
        EXPECT_EQ(std::make_tuple(modern.Modern, modern.GridLineWidth, modern.DecorationVisible,
                                  modern.WindowBackColor, modern.PopupsOwnerDrawn),
                  std::make_tuple(true, 0, true, modern.EvenBrushColor, true));
        // Modern keeps the theme's colours; only Standart has its own selection and odd rows.
        EXPECT_EQ(modern.EvenBrushColor, plain.EvenBrushColor);
        EXPECT_EQ(modern.SelBrushColor == plain.SelBrushColor, m != 0);
        EXPECT_EQ(modern.OddBrushColor == plain.OddBrushColor, m != 0);
    }
    EXPECT_EQ(SetColorTheme(7, 0, 1.0).OddBrushColor, SetColorTheme(0, 0, 1.0).OddBrushColor);
}

TEST(ThemeTest, DarkLevelsDarkenOnlyTheRowBrushesStepByStep) {
    for (int theme : {0, 1, 104}) {
        ThemePalette previous = SetColorTheme(theme, 0, 1.0);
        for (int item = 1; item < 4; ++item) {
            const int level = DarkLevelOfMenuItem(item);
            EXPECT_EQ(DarkLevelMenuItem(level), item);
            const ThemePalette p = SetColorTheme(theme, level, 1.0);
            for (auto brush : {&ThemePalette::OddBrushColor, &ThemePalette::EvenBrushColor}) {
                EXPECT_TRUE(NotLighter(p.*brush, previous.*brush)) << theme << " " << item;
                EXPECT_NE(p.*brush, previous.*brush) << theme << " " << item;
            }
            EXPECT_EQ(std::make_pair(p.SelBrushColor, p.FixedCellColor),
                      std::make_pair(previous.SelBrushColor, previous.FixedCellColor));
            EXPECT_EQ(p.OddBitmap[0], p.Modern ? p.OddBrushColor : 0u); // pictures follow
            previous = p;
        }
    }
    EXPECT_EQ(DarkLevelMenuItem(5), -1);
    // (234 x 3 div 4) div 7 = 25 off each channel; channels stop at 0.
    EXPECT_EQ(Darken(0xEAEAEA, 7), 0xD1D1D1u);
    EXPECT_EQ(Darken(0x000030, 1), 0x000024u);
}

TEST(ThemeTest, FadeAndLighten) {
    EXPECT_EQ(FadeColour(0x20FFAA), 0x1BD58Eu); // a sixth off each channel, rounded down
    // 7.5 rounds to the even 8: the fives and fours differ from a plain 1.5 n.
    const std::pair<int, int> divisors[] = {{8, 16}, {6, 12}, {5, 8}, {4, 6}, {3, 3}, {-1, -1}};
    for (const auto& [n, k] : divisors)
        EXPECT_EQ(LightenDivisor(n), k) << n;
    EXPECT_EQ(Lighten(0x000000, 5), 0x202020u);
    EXPECT_EQ(Lighten(0xFFFFFF, 8), 0xFFFFFFu);
    EXPECT_EQ(Lighten(0x123456, 1), 0x123456u);
}

TEST(ThemeTest, ModernPicturesAreSymmetricAndKeepTheColourAtTheEnds) {
    const ThemePalette p = SetColorTheme(102, 0, 1.0);
    for (const auto* b : {&p.OddBitmap, &p.EvenBitmap, &p.SelBitmap, &p.HighlightBitmap}) {
        for (int d = 1; d <= 7; ++d)
            EXPECT_EQ((*b)[7 - d], (*b)[7 + d]) << d;
        EXPECT_EQ((*b)[15], (*b)[0]);
        EXPECT_NE((*b)[7], (*b)[0]); // lightened in the middle
    }
    // Lightest next to the ends, less so towards the middle.
    for (int y = 2; y <= 7; ++y)
        EXPECT_TRUE(NotLighter(p.OddBitmap[y], p.OddBitmap[y - 1])) << y;
    EXPECT_EQ(p.OddBitmap[0], p.OddBrushColor);
    EXPECT_EQ(p.SelBitmap[0], p.SelBrushColor);
    EXPECT_EQ(p.HighlightBitmap[0], p.OddBrushColor - 0x1C1C1Cu); // 28 darker
    // The decoration strip: 2h + 1 rows, h = round(12 x zoom), lightened towards the middle.
    for (const auto& [zoom, rows] : {std::pair{1.0, 25u}, std::pair{1.3, 33u}}) {
        const auto strip = SetColorTheme(102, 0, zoom).DecorationRows;
        ASSERT_EQ(strip.size(), rows) << zoom;
        EXPECT_EQ(strip.front(), p.OddBrushColor);
        EXPECT_EQ(strip.back(), p.OddBrushColor);
        EXPECT_NE(strip[rows / 2], p.OddBrushColor);
        EXPECT_EQ(strip[rows / 2 - 3], strip[rows / 2 + 3]);
    }
    EXPECT_TRUE(SetColorTheme(2, 0, 1.0).DecorationRows.empty());
    EXPECT_EQ(std::make_pair(GradientStripWidth(1280), GradientStripWidth(400)),
              std::make_pair(1080, 300));
}

} // namespace
} // namespace qor
