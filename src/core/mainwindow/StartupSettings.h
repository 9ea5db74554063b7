#pragma once
// Start-up decisions of the main window that need no widgets: caption, minimum size, zoom from
// the font-size setting and the screen, the statistics-window scale and the view menus' ticks.

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

// The project's web address shown in the window caption.
inline constexpr const char* ProjectWebAddress = "https://qor-f1.github.io";

// "Qor v1.88    1950-2006    " + web address + "  Not Official Results".
std::string MainWindowCaption();

struct WindowSize {
    int Width = 0;
    int Height = 0;
};

// (screen width div 6) x 5 wide, (screen height div 4) x 3 high.
WindowSize MinimumWindowSize(int screenWidth, int screenHeight);

// Items of the menu "Font Size" > "Main Form"; the value is what FontSizeMode stores.
enum class FontSizeItem : std::uint8_t { Automatic = 0, Big = 1, Bigger = 2, Normal = 3 };

// The item a stored FontSizeMode ticks: 0 Automatic, 1 Big, 2 Bigger, anything else Normal.
FontSizeItem FontSizeMenuItem(std::uint8_t fontSizeMode);
// The zoom a stored FontSizeMode gives on a screen of this height. Automatic: up to 900 pixels
// 1.0, above 900 and below 1200 1.6, from 1200 on 1.3.
double ZoomFactorFor(std::uint8_t fontSizeMode, int screenHeight);

// Statistics window sizes (StatsWindowSize).
inline constexpr std::uint8_t StatsWindowSmall = 24;
inline constexpr std::uint8_t StatsWindowNormal = 25;
inline constexpr std::uint8_t StatsWindowBig = 26;

// A stored size outside 24..26 (an old file holds 0) counts as Normal.
std::uint8_t NormalStatsWindowSize(std::uint8_t stored);
// 1.2 raised to (size - 25): 1/1.2 Small, 1.0 Normal, 1.2 Big.
double StatsScaleOf(std::uint8_t statsWindowSize);

// What choosing a statistics-window size does: open windows are rescaled Steps times by
// StepFactor (100/120 per step down, 120/100 per step up).
struct StatsWindowResize {
    bool Changed = false;
    std::uint8_t NewSize = StatsWindowNormal;
    int Steps = 0;
    double StepFactor = 1.0;
};
StatsWindowResize ChooseStatsWindowSize(std::uint8_t current, std::uint8_t chosen);

// The theme chosen from the theme menu (0..4) keeps the Modern style when it is on.
int ThemeMenuChoice(int colorTheme, int themeNumber);
// "Modern" toggles the style on the current theme.
int ModernToggled(int colorTheme);

// Drivers from this index on were added after the shipped driver list; the driver box lists
// them whatever their results.
inline constexpr int FirstAddedDriver = 779;

} // namespace qor
