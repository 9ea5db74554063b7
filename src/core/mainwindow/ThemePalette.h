#pragma once
// The colour themes of the main window: the palette every owner-drawn grid, list and menu
// reads, the colour arithmetic behind it and the Modern style's gradient pictures.

#include <array>
#include <cstdint>
#include <vector>

namespace qor {

// A 24-bit colour, 0xRRGGBB.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return (static_cast<Colour>(r & 0xFF) << 16) | (static_cast<Colour>(g & 0xFF) << 8) |
           static_cast<Colour>(b & 0xFF);
}
constexpr int RedOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}

inline constexpr Colour Black = 0x000000;
inline constexpr Colour White = 0xFFFFFF;

// Each channel loses a sixth: the near-invisible text of faded cells and the highlight.
Colour FadeColour(Colour c);
// Each channel loses (R + G + B) div 4 div level (level > 0; channels stop at 0).
Colour Darken(Colour c, int level);
// The divisor Lighten uses for step n: 2n from 6 on, 1.5n rounded half-to-even for 4 and 5
// (5 gives 8), else n.
int LightenDivisor(int n);
// Each channel moves towards white by (256 - ch) div k, k = LightenDivisor(n); unchanged when
// k < 2.
Colour Lighten(Colour c, int n);

// Themes by number (ColorTheme mod 100); ColorTheme >= 100 adds the Modern style.
enum class ThemeName { Standart = 0, Autumn = 1, Winter = 2, Spring = 3, Summer = 4 };
inline constexpr int ModernThemeOffset = 100;
// Height of the Modern pictures; every pixel of a picture row has the same colour.
inline constexpr int GradientStripHeight = 16;
// Width of the decoration picture Image1.
inline constexpr int DecorationWidth = 5;

// Which Modern picture is stretched behind a cell or list entry.
enum class CellPicture { None, Sel, Odd, Even, Highlight };

// Everything SetColorTheme decides: colours, pictures and the widget states that go with them.
struct ThemePalette {
    int ColorTheme = 0;  // as stored in the settings
    int ThemeNumber = 0; // 0..4, the ticked theme menu item
    bool Modern = false; // the "Modern" item's tick

    Colour SelBrushColor = 0;
    Colour SelFontColor = 0;
    Colour OddBrushColor = 0;
    Colour OddFontColor = 0;
    Colour EvenBrushColor = 0;
    Colour EvenFontColor = 0;
    Colour FixedCellColor = 0;
    Colour FormBackColor = 0;
    Colour TitleLabelColor = 0; // label5 and Label29
    Colour ListSelBack = 0;
    Colour ListSelText = 0;
    Colour ListBack = 0;
    Colour ListText = 0;
    Colour MenuSelBack = 0;
    Colour MenuSelText = 0;
    Colour MenuBack = 0;
    Colour MenuText = 0;
    Colour MenuHeadBack = 0;

    // The four Modern pictures, one colour per pixel row (painted only in Modern style).
    std::array<Colour, GradientStripHeight> SelBitmap{};
    std::array<Colour, GradientStripHeight> OddBitmap{};
    std::array<Colour, GradientStripHeight> EvenBitmap{};
    std::array<Colour, GradientStripHeight> HighlightBitmap{};
    // The decoration picture Image1: one colour per row, DecorationWidth pixels wide; shown
    // only in Modern style.
    std::vector<Colour> DecorationRows;
    bool DecorationVisible = false;

    // Background of the main window and its recoloured panels.
    Colour WindowBackColor = 0;
    // Line width of the grids' own lines: 1, or 0 in Modern style.
    int GridLineWidth = 1;
    // Popup menus are owner-drawn except in Standart without Modern.
    bool PopupsOwnerDrawn = false;
};

// The Windows 3D-light system colour that Standart uses as its window background.
inline constexpr Colour StandartFormBackColor = 0xE3E3E3;

// The palette of theme t (0..4, plus 100 for Modern) at a dark level (0 none, else the
// divisor: 20, 12 or 7 from the menu). zoomFactor sizes the decoration picture. A theme number
// outside 0..4 is taken as Standart.
ThemePalette SetColorTheme(int t, int darkLevel, double zoomFactor);

// Width of the gradient pictures for a screen width: max(screen width - 200, 300).
int GradientStripWidth(int screenWidth);

// The "Dark Level" menu item ticked for a DarkLevel value: 0 "Normal", 1 "1" (20), 2 "2"
// (12), 3 "3" (7); -1 for other values.
int DarkLevelMenuItem(int darkLevel);
// The DarkLevel value of a menu item 0..3.
int DarkLevelOfMenuItem(int item);

} // namespace qor
