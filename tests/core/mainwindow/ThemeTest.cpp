// Theme palettes, the colour arithmetic and the Modern pictures.

#include "mainwindow/ThemePalette.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct Expected {
    Colour sel, selFont, odd, oddFont, even, evenFont, fixed, formBack, title;
    Colour listSelBack, listSelText, listText;
    Colour menuSelBack, menuSelText, menuBack, menuText, menuHeadBack;
};

// The colour table of the five themes.
const Expected kExpected[5] = {
    {0x20FFAA, 0x000000, 0xEAEAEA, 0x000066, 0xF4F4F4, 0x000099, 0xDCD9DA, 0xE3E3E3, 0x800000,
     0xD9DFDF, 0x9D9030, 0x777700, 0xD4D0D4, 0x777777, 0xF3F2F5, 0x777777, 0xE0E2E5},
    {0xDD6666, 0xFFEEEE, 0xFFDDDD, 0xAA4444, 0xFFEEEE, 0xDD6666, 0xF0C8C8, 0xF0DCDC, 0x730000,
     0xEED0D0, 0xAD5050, 0x770000, 0x55EE88, 0x0000FF, 0xF0D8D8, 0x770000, 0xD7C2C2},
    {0x76EDED, 0x000000, 0xDDDDFF, 0x4444AA, 0xEEEEFF, 0x6666DD, 0xD0D0EF, 0xEBE8F0, 0x000073,
     0xD0D0EE, 0x5050AD, 0x000077, 0x78D8E8, 0x007878, 0xDDDDEE, 0x000077, 0xC5C5D6},
    {0x9999FF, 0x000000, 0xCCF6CC, 0x446644, 0xEEFFEE, 0x558855, 0xCCDDCC, 0xEBF0E8, 0x007300,
     0xD0EED0, 0x50A050, 0x007700, 0x8855EE, 0x00FF00, 0xDDEEDD, 0x007700, 0xC5D6C5},
    {0xFFD044, 0x663333, 0xFFEEAA, 0x776622, 0xFFFFDD, 0xAA7744, 0xF0E6AA, 0xFAFAC8, 0x917D00,
     0xEEE090, 0x9D9030, 0x777700, 0xFFC044, 0x0000FF, 0xFEF2C0, 0x777700, 0xEEE2B0},
};

void ExpectPalette(const ThemePalette& p, const Expected& e, bool modernStandart) {
    EXPECT_EQ(p.SelBrushColor, modernStandart ? 0x60DD60u : e.sel);
    EXPECT_EQ(p.SelFontColor, e.selFont);
    EXPECT_EQ(p.OddBrushColor, modernStandart ? 0xE6E6E6u : e.odd);
    EXPECT_EQ(p.OddFontColor, e.oddFont);
    EXPECT_EQ(p.EvenBrushColor, e.even);
    EXPECT_EQ(p.EvenFontColor, e.evenFont);
    EXPECT_EQ(p.FixedCellColor, e.fixed);
    EXPECT_EQ(p.FormBackColor, e.formBack);
    EXPECT_EQ(p.TitleLabelColor, e.title);
    EXPECT_EQ(p.ListSelBack, e.listSelBack);
    EXPECT_EQ(p.ListSelText, e.listSelText);
    EXPECT_EQ(p.ListBack, e.formBack);
    EXPECT_EQ(p.ListText, e.listText);
    EXPECT_EQ(p.MenuSelBack, e.menuSelBack);
    EXPECT_EQ(p.MenuSelText, e.menuSelText);
    EXPECT_EQ(p.MenuBack, e.menuBack);
    EXPECT_EQ(p.MenuText, e.menuText);
    EXPECT_EQ(p.MenuHeadBack, e.menuHeadBack);
}

TEST(ThemeTest, PaletteOfEveryThemeWithAndWithoutModern) {
    for (int m = 0; m < 5; ++m) {
        SCOPED_TRACE(m);
        const ThemePalette plain = SetColorTheme(m, 0, 1.0);
        ExpectPalette(plain, kExpected[m], false);
        EXPECT_EQ(plain.ThemeNumber, m);
        EXPECT_FALSE(plain.Modern);
        EXPECT_EQ(plain.GridLineWidth, 1);
        EXPECT_FALSE(plain.DecorationVisible);
        EXPECT_EQ(plain.WindowBackColor, kExpected[m].formBack);
        EXPECT_EQ(plain.PopupsOwnerDrawn, m != 0);

        const ThemePalette modern = SetColorTheme(m + 100, 0, 1.0);
        ExpectPalette(modern, kExpected[m], m == 0);
        EXPECT_EQ(modern.ThemeNumber, m);
        EXPECT_TRUE(modern.Modern);
        EXPECT_EQ(modern.ColorTheme, m + 100);
        EXPECT_EQ(modern.GridLineWidth, 0);
        EXPECT_TRUE(modern.DecorationVisible);
        EXPECT_EQ(modern.WindowBackColor, kExpected[m].even);
        EXPECT_TRUE(modern.PopupsOwnerDrawn);
    }
}

TEST(ThemeTest, UnknownThemeNumberFallsBackToStandart) {
    const ThemePalette p = SetColorTheme(7, 0, 1.0);
    EXPECT_EQ(p.ThemeNumber, 0);
    ExpectPalette(p, kExpected[0], false);
}

TEST(ThemeTest, DarkLevelsDarkenOnlyTheRowBrushes) {
    // Level "3" (divisor 7): (234 x 3 div 4) div 7 = 25 off each channel.
    const ThemePalette p = SetColorTheme(0, 7, 1.0);
    EXPECT_EQ(p.OddBrushColor, 0xD1D1D1u);
    EXPECT_EQ(p.EvenBrushColor, 0xDADADAu); // (244 x 3 div 4) div 7 = 26
    EXPECT_EQ(p.SelBrushColor, 0x20FFAAu);
    EXPECT_EQ(p.FixedCellColor, 0xDCD9DAu);
    // Level "1" (divisor 20) on Autumn's #FFDDDD: (255 + 221 + 221) div 4 div 20 = 8.
    EXPECT_EQ(SetColorTheme(1, 20, 1.0).OddBrushColor, 0xF7D5D5u);
    EXPECT_EQ(Darken(0x050505, 1), 0x020202u);
    EXPECT_EQ(Darken(0x000030, 1), 0x000024u); // d = 12; channels stop at 0
    EXPECT_EQ(Darken(0xEAEAEA, 0), 0xEAEAEAu);
}

TEST(ThemeTest, FadeTakesASixthOfEachChannel) {
    EXPECT_EQ(FadeColour(0xEAEAEA), 0xC3C3C3u); // 234 - 39
    EXPECT_EQ(FadeColour(0x20FFAA), 0x1BD58Eu); // 32-5, 255-42, 170-28
    EXPECT_EQ(FadeColour(0x050505), 0x050505u);
}

TEST(ThemeTest, LightenDivisorAndRounding) {
    EXPECT_EQ(LightenDivisor(8), 16);
    EXPECT_EQ(LightenDivisor(6), 12);
    EXPECT_EQ(LightenDivisor(5), 8); // 7.5: the half goes to the even neighbour
    EXPECT_EQ(LightenDivisor(4), 6);
    EXPECT_EQ(LightenDivisor(3), 3);
    EXPECT_EQ(LightenDivisor(1), 1);
    EXPECT_EQ(LightenDivisor(-1), -1);
    EXPECT_EQ(Lighten(0x000000, 5), 0x202020u);                      // 256 div 8
    EXPECT_EQ(Lighten(0x204060, 8), Rgb(32 + 14, 64 + 12, 96 + 10)); // k = 16
    EXPECT_EQ(Lighten(0xFFFFFF, 2), 0xFFFFFFu);
    EXPECT_EQ(Lighten(0x123456, 1), 0x123456u);
    EXPECT_EQ(Lighten(0x123456, 0), 0x123456u);
    EXPECT_EQ(Lighten(0x123456, -3), 0x123456u);
}

TEST(ThemeTest, GradientRowsOfModernStandart) {
    const ThemePalette p = SetColorTheme(100, 0, 1.0);
    // Odd #E6E6E6 (230): row 7 is the lightest (k 16), rows 0 and 15 keep the colour.
    EXPECT_EQ(p.OddBitmap[7], 0xE7E7E7u);  // 230 + 26 div 16
    EXPECT_EQ(p.OddBitmap[3], 0xEAEAEAu);  // n 4, k 6: 230 + 26 div 6
    EXPECT_EQ(p.OddBitmap[2], 0xEEEEEEu);  // n 3, k 3: 230 + 26 div 3
    EXPECT_EQ(p.OddBitmap[1], 0xF3F3F3u);  // n 2, k 2: 230 + 13
    EXPECT_EQ(p.OddBitmap[0], 0xE6E6E6u);  // n 1
    EXPECT_EQ(p.OddBitmap[15], 0xE6E6E6u); // n 0
    EXPECT_EQ(p.OddBitmap[14], 0xE6E6E6u); // n 1
    EXPECT_EQ(p.SelBitmap[7], 0x6ADF6Au);  // #60DD60: 96 + 10, 221 + 2
    EXPECT_EQ(p.EvenBitmap[7], 0xF4F4F4u); // 244 + 12 div 16 = 244
    // The highlight picture starts from the odd colour less 28: #CACACA.
    EXPECT_EQ(p.HighlightBitmap[7], 0xCDCDCDu);  // n 7, k 14: 202 + 54 div 14
    EXPECT_EQ(p.HighlightBitmap[0], 0xCACACAu);  // n 0
    EXPECT_EQ(p.HighlightBitmap[15], 0xCACACAu); // n -1
    for (int d = 1; d <= 6; ++d)
        EXPECT_EQ(p.OddBitmap[7 - d], p.OddBitmap[7 + d]) << d;
}

TEST(ThemeTest, DecorationStripFollowsTheZoom) {
    const ThemePalette one = SetColorTheme(102, 0, 1.0);
    ASSERT_EQ(one.DecorationRows.size(), 25u); // h 12
    // Winter odd #DDDDFF; the middle row uses n 9 (k 18), the ends n -3 (unchanged).
    EXPECT_EQ(one.DecorationRows[12], Rgb(221 + 35 / 18, 221 + 35 / 18, 255));
    EXPECT_EQ(one.DecorationRows[0], 0xDDDDFFu);
    EXPECT_EQ(one.DecorationRows[24], 0xDDDDFFu);
    EXPECT_EQ(one.DecorationRows[9], Rgb(221 + 35 / 12, 221 + 35 / 12, 255)); // n 6
    const ThemePalette big = SetColorTheme(102, 0, 1.3);
    EXPECT_EQ(big.DecorationRows.size(), 33u);                                 // h round(15.6) = 16
    EXPECT_EQ(big.DecorationRows[16], Rgb(221 + 35 / 24, 221 + 35 / 24, 255)); // n 12
    EXPECT_TRUE(SetColorTheme(2, 0, 1.0).DecorationRows.empty());
}

TEST(ThemeTest, ModernPicturesUseTheDarkenedColours) {
    const ThemePalette p = SetColorTheme(100, 7, 1.0);
    EXPECT_EQ(p.OddBrushColor, Darken(0xE6E6E6, 7));
    EXPECT_EQ(p.OddBitmap[0], p.OddBrushColor);
    EXPECT_EQ(p.WindowBackColor, p.EvenBrushColor);
}

TEST(ThemeTest, DarkLevelMenu) {
    EXPECT_EQ(DarkLevelMenuItem(0), 0);
    EXPECT_EQ(DarkLevelMenuItem(20), 1);
    EXPECT_EQ(DarkLevelMenuItem(12), 2);
    EXPECT_EQ(DarkLevelMenuItem(7), 3);
    EXPECT_EQ(DarkLevelMenuItem(5), -1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(DarkLevelMenuItem(DarkLevelOfMenuItem(i)), i);
    EXPECT_EQ(GradientStripWidth(1280), 1080);
    EXPECT_EQ(GradientStripWidth(400), 300);
}

} // namespace
} // namespace qor
