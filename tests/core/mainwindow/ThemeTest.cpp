// Theme palettes, the colour arithmetic and the Modern pictures, checked by the properties
// the drawing relies on rather than by a copy of the colour table.

#include "mainwindow/ThemePalette.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// True when every channel of a is at most the same channel of b.
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
            EXPECT_NE(p->SelBrushColor, p->EvenBrushColor);
            EXPECT_NE(p->OddFontColor, p->OddBrushColor);
            EXPECT_NE(p->SelFontColor, p->SelBrushColor);
            EXPECT_EQ(p->ListBack, p->FormBackColor);
        }
        if (m > 0) {
            EXPECT_NE(plain.OddBrushColor, SetColorTheme(m - 1, 0, 1.0).OddBrushColor);
        }
        EXPECT_FALSE(plain.Modern);
        EXPECT_EQ(plain.GridLineWidth, 1);
        EXPECT_FALSE(plain.DecorationVisible);
        EXPECT_EQ(plain.WindowBackColor, plain.FormBackColor);
        EXPECT_EQ(plain.PopupsOwnerDrawn, m != 0);
        EXPECT_TRUE(modern.Modern);
        EXPECT_EQ(modern.ColorTheme, m + 100);
        EXPECT_EQ(modern.GridLineWidth, 0);
        EXPECT_TRUE(modern.DecorationVisible);
        EXPECT_EQ(modern.WindowBackColor, modern.EvenBrushColor);
        EXPECT_TRUE(modern.PopupsOwnerDrawn);
        // Modern keeps the theme's colours; only Standart has its own selection and odd rows.
        EXPECT_EQ(modern.EvenBrushColor, plain.EvenBrushColor);
        EXPECT_EQ(modern.MenuBack, plain.MenuBack);
        EXPECT_EQ(modern.SelBrushColor == plain.SelBrushColor, m != 0);
        EXPECT_EQ(modern.OddBrushColor == plain.OddBrushColor, m != 0);
    }
    const ThemePalette unknown = SetColorTheme(7, 0, 1.0);
    EXPECT_EQ(unknown.ThemeNumber, 0);
    EXPECT_EQ(unknown.OddBrushColor, SetColorTheme(0, 0, 1.0).OddBrushColor);
}

TEST(ThemeTest, DarkLevelsDarkenOnlyTheRowBrushesStepByStep) {
    for (int theme : {0, 1, 104}) {
        SCOPED_TRACE(theme);
        ThemePalette previous = SetColorTheme(theme, 0, 1.0);
        for (int item = 1; item < 4; ++item) {
            const int level = DarkLevelOfMenuItem(item);
            EXPECT_EQ(DarkLevelMenuItem(level), item);
            const ThemePalette p = SetColorTheme(theme, level, 1.0);
            EXPECT_TRUE(NotLighter(p.OddBrushColor, previous.OddBrushColor));
            EXPECT_NE(p.OddBrushColor, previous.OddBrushColor);
            EXPECT_NE(p.EvenBrushColor, previous.EvenBrushColor);
            EXPECT_TRUE(NotLighter(p.EvenBrushColor, previous.EvenBrushColor));
            EXPECT_EQ(p.SelBrushColor, previous.SelBrushColor);
            EXPECT_EQ(p.FixedCellColor, previous.FixedCellColor);
            EXPECT_EQ(p.OddFontColor, previous.OddFontColor);
            if (p.Modern) {
                EXPECT_EQ(p.OddBitmap[0], p.OddBrushColor); // the pictures follow
            }
            previous = p;
        }
    }
    EXPECT_EQ(DarkLevelMenuItem(0), 0);
    EXPECT_EQ(DarkLevelMenuItem(5), -1);
    // (234 x 3 div 4) div 7 = 25 off each channel; channels stop at 0.
    EXPECT_EQ(Darken(0xEAEAEA, 7), 0xD1D1D1u);
    EXPECT_EQ(Darken(0x000030, 1), 0x000024u);
    EXPECT_EQ(Darken(0xEAEAEA, 0), 0xEAEAEAu);
}

TEST(ThemeTest, FadeAndLighten) {
    EXPECT_EQ(FadeColour(0x20FFAA), 0x1BD58Eu); // a sixth off each channel, rounded down
    EXPECT_EQ(FadeColour(0x050505), 0x050505u);
    // 7.5 rounds to the even 8: the fives and the fours differ from a plain 1.5 n.
    const std::pair<int, int> divisors[] = {{8, 16}, {6, 12}, {5, 8}, {4, 6}, {3, 3}, {-1, -1}};
    for (const auto& [n, k] : divisors)
        EXPECT_EQ(LightenDivisor(n), k) << n;
    EXPECT_EQ(Lighten(0x000000, 5), 0x202020u);
    EXPECT_EQ(Lighten(0xFFFFFF, 8), 0xFFFFFFu);
    for (int n : {1, 0, -3})
        EXPECT_EQ(Lighten(0x123456, n), 0x123456u) << n;
}

TEST(ThemeTest, ModernPicturesAreSymmetricAndKeepTheColourAtTheEnds) {
    const ThemePalette p = SetColorTheme(102, 0, 1.0);
    for (const auto* bitmap : {&p.OddBitmap, &p.EvenBitmap, &p.SelBitmap}) {
        const auto& b = *bitmap;
        EXPECT_EQ(b[0], b[14]);
        for (int d = 1; d <= 6; ++d)
            EXPECT_EQ(b[7 - d], b[7 + d]) << d;
        // Lightest next to the ends, less so towards the middle.
        EXPECT_TRUE(NotLighter(b[0], b[1]));
        for (int y = 2; y <= 7; ++y)
            EXPECT_TRUE(NotLighter(b[y], b[y - 1])) << y;
    }
    EXPECT_EQ(p.OddBitmap[0], p.OddBrushColor);
    EXPECT_EQ(p.OddBitmap[15], p.OddBrushColor);
    EXPECT_NE(p.OddBitmap[7], p.OddBrushColor);
    EXPECT_EQ(p.SelBitmap[15], p.SelBrushColor);
    // The highlight picture is darker than the odd rows (28 off each channel) at its ends.
    EXPECT_EQ(p.HighlightBitmap[0], p.OddBrushColor - 0x1C1C1Cu);
    EXPECT_EQ(p.HighlightBitmap[15], p.HighlightBitmap[0]);
    EXPECT_NE(p.HighlightBitmap[7], p.HighlightBitmap[0]);

    // The decoration strip: 2h + 1 rows, h = round(12 x zoom), lightened towards the middle.
    for (const auto& [zoom, rows] : {std::pair{1.0, 25u}, std::pair{1.3, 33u}}) {
        const auto strip = SetColorTheme(102, 0, zoom).DecorationRows;
        ASSERT_EQ(strip.size(), rows) << zoom;
        EXPECT_EQ(strip.front(), p.OddBrushColor);
        EXPECT_EQ(strip.back(), p.OddBrushColor);
        EXPECT_TRUE(NotLighter(strip[rows / 2], strip[rows / 2 - 1]));
        EXPECT_EQ(strip[rows / 2 - 3], strip[rows / 2 + 3]);
        EXPECT_NE(strip[rows / 2], p.OddBrushColor);
    }
    EXPECT_TRUE(SetColorTheme(2, 0, 1.0).DecorationRows.empty());
    EXPECT_EQ(GradientStripWidth(1280), 1080);
    EXPECT_EQ(GradientStripWidth(400), 300);
}

} // namespace
} // namespace qor
