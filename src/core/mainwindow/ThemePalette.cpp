#include "mainwindow/ThemePalette.h"

#include "mainwindow/Rounding.h"

#include <algorithm>
#include <cstdlib>

namespace qor {
namespace {

template <class F> Colour MapChannels(Colour c, F f) {
    return Rgb(f(RedOf(c)), f(GreenOf(c)), f(BlueOf(c)));
}

// Per-theme colours, indexed by theme number 0..4.
struct ThemeColours {
    Colour SelBrush, SelFont, OddBrush, OddFont, EvenBrush, EvenFont, Fixed, FormBack, Title;
    Colour ListSelBack, ListSelText, ListText;
    Colour MenuSelBack, MenuSelText, MenuBack, MenuText, MenuHeadBack;
};

constexpr std::array<ThemeColours, 5> kThemes = {{
    // Standart
    {0x20FFAA, 0x000000, 0xEAEAEA, 0x000066, 0xF4F4F4, 0x000099, 0xDCD9DA, StandartFormBackColor,
     0x800000, 0xD9DFDF, 0x9D9030, 0x777700, 0xD4D0D4, 0x777777, 0xF3F2F5, 0x777777, 0xE0E2E5},
    // Autumn
    {0xDD6666, 0xFFEEEE, 0xFFDDDD, 0xAA4444, 0xFFEEEE, 0xDD6666, 0xF0C8C8, 0xF0DCDC, 0x730000,
     0xEED0D0, 0xAD5050, 0x770000, 0x55EE88, 0x0000FF, 0xF0D8D8, 0x770000, 0xD7C2C2},
    // Winter
    {0x76EDED, 0x000000, 0xDDDDFF, 0x4444AA, 0xEEEEFF, 0x6666DD, 0xD0D0EF, 0xEBE8F0, 0x000073,
     0xD0D0EE, 0x5050AD, 0x000077, 0x78D8E8, 0x007878, 0xDDDDEE, 0x000077, 0xC5C5D6},
    // Spring
    {0x9999FF, 0x000000, 0xCCF6CC, 0x446644, 0xEEFFEE, 0x558855, 0xCCDDCC, 0xEBF0E8, 0x007300,
     0xD0EED0, 0x50A050, 0x007700, 0x8855EE, 0x00FF00, 0xDDEEDD, 0x007700, 0xC5D6C5},
    // Summer
    {0xFFD044, 0x663333, 0xFFEEAA, 0x776622, 0xFFFFDD, 0xAA7744, 0xF0E6AA, 0xFAFAC8, 0x917D00,
     0xEEE090, 0x9D9030, 0x777700, 0xFFC044, 0x0000FF, 0xFEF2C0, 0x777700, 0xEEE2B0},
}};

constexpr Colour kModernStandartSel = 0x60DD60;
constexpr Colour kModernStandartOdd = 0xE6E6E6;

} // namespace

Colour FadeColour(Colour c) {
    return MapChannels(c, [](int ch) { return ch - ch / 6; });
}

Colour Darken(Colour c, int level) {
    if (level <= 0) return c;
    const int d = (RedOf(c) + GreenOf(c) + BlueOf(c)) / 4 / level;
    return MapChannels(c, [d](int ch) { return std::max(ch - d, 0); });
}

int LightenDivisor(int n) {
    if (n >= 6) return 2 * n;
    if (n >= 4) return RoundHalfEven(1.5 * n);
    return n;
}

Colour Lighten(Colour c, int n) {
    const int k = LightenDivisor(n);
    if (k < 2) return c;
    return MapChannels(c, [k](int ch) { return ch + (256 - ch) / k; });
}

ThemePalette SetColorTheme(int t, int darkLevel, double zoomFactor) {
    ThemePalette p;
    p.ColorTheme = t;
    p.Modern = t >= ModernThemeOffset;
    p.GridLineWidth = p.Modern ? 0 : 1;
    int m = t % ModernThemeOffset;
    if (m < 0 || m >= static_cast<int>(kThemes.size())) m = 0;
    p.ThemeNumber = m;
    p.PopupsOwnerDrawn = !(m == 0 && !p.Modern);

    const ThemeColours& c = kThemes[static_cast<std::size_t>(m)];
    p.SelBrushColor = (m == 0 && p.Modern) ? kModernStandartSel : c.SelBrush;
    p.SelFontColor = c.SelFont;
    p.OddBrushColor = (m == 0 && p.Modern) ? kModernStandartOdd : c.OddBrush;
    p.OddFontColor = c.OddFont;
    p.EvenBrushColor = c.EvenBrush;
    p.EvenFontColor = c.EvenFont;
    p.FixedCellColor = c.Fixed;
    p.FormBackColor = c.FormBack;
    p.TitleLabelColor = c.Title;
    p.ListSelBack = c.ListSelBack;
    p.ListSelText = c.ListSelText;
    p.ListBack = c.FormBack;
    p.ListText = c.ListText;
    p.MenuSelBack = c.MenuSelBack;
    p.MenuSelText = c.MenuSelText;
    p.MenuBack = c.MenuBack;
    p.MenuText = c.MenuText;
    p.MenuHeadBack = c.MenuHeadBack;

    if (darkLevel > 0) {
        p.OddBrushColor = Darken(p.OddBrushColor, darkLevel);
        p.EvenBrushColor = Darken(p.EvenBrushColor, darkLevel);
    }

    if (p.Modern) {
        const Colour highlightBase =
            MapChannels(p.OddBrushColor, [](int ch) { return std::max(ch - 28, 0); });
        for (int y = 0; y < GradientStripHeight; ++y) {
            const int v = std::abs(y - 7);
            const auto i = static_cast<std::size_t>(y);
            p.OddBitmap[i] = Lighten(p.OddBrushColor, 8 - v);
            p.EvenBitmap[i] = Lighten(p.EvenBrushColor, 8 - v);
            p.SelBitmap[i] = Lighten(p.SelBrushColor, 8 - v);
            p.HighlightBitmap[i] = Lighten(highlightBase, (14 - 2 * v) / 2);
        }
        const int h = RoundHalfEven(12 * zoomFactor);
        const int top = RoundHalfEven(9 * zoomFactor);
        for (int r = -h; r <= h; ++r)
            p.DecorationRows.push_back(Lighten(p.OddBrushColor, top - std::abs(r)));
        p.DecorationVisible = true;
        p.WindowBackColor = p.EvenBrushColor;
    } else {
        p.WindowBackColor = p.FormBackColor;
    }
    return p;
}

int GradientStripWidth(int screenWidth) {
    return std::max(screenWidth - 200, 300);
}

int DarkLevelMenuItem(int darkLevel) {
    switch (darkLevel) {
    case 0:
        return 0;
    case 20:
        return 1;
    case 12:
        return 2;
    case 7:
        return 3;
    default:
        return -1;
    }
}

int DarkLevelOfMenuItem(int item) {
    static constexpr int kLevels[] = {0, 20, 12, 7};
    return item >= 0 && item < 4 ? kLevels[item] : 0;
}

} // namespace qor
