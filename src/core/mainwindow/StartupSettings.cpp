#include "mainwindow/StartupSettings.h"

#include "database/STheClass.h"
#include "mainwindow/ThemePalette.h"

#include <cmath>

namespace qor {

std::string MainWindowCaption() {
    return std::string("Qor v") + ProgramVersion + "    1950-2006    " + ProjectWebAddress +
           "  Not Official Results";
}

WindowSize MinimumWindowSize(int screenWidth, int screenHeight) {
    return {(screenWidth / 6) * 5, (screenHeight / 4) * 3};
}

FontSizeItem FontSizeMenuItem(std::uint8_t fontSizeMode) {
    switch (fontSizeMode) {
    case 0:
        return FontSizeItem::Automatic;
    case 1:
        return FontSizeItem::Big;
    case 2:
        return FontSizeItem::Bigger;
    default:
        return FontSizeItem::Normal;
    }
}

double ZoomFactorFor(std::uint8_t fontSizeMode, int screenHeight) {
    switch (FontSizeMenuItem(fontSizeMode)) {
    case FontSizeItem::Automatic:
        // Taller screens get 1.3, not 1.6: the largest zoom is for mid-sized screens.
        if (screenHeight <= 900) return 1.0;
        return screenHeight < 1200 ? 1.6 : 1.3;
    case FontSizeItem::Big:
        return 1.3;
    case FontSizeItem::Bigger:
        return 1.6;
    case FontSizeItem::Normal:
        break;
    }
    return 1.0;
}

std::uint8_t NormalStatsWindowSize(std::uint8_t stored) {
    return stored >= StatsWindowSmall && stored <= StatsWindowBig ? stored : StatsWindowNormal;
}

double StatsScaleOf(std::uint8_t statsWindowSize) {
    return std::pow(1.2, static_cast<int>(NormalStatsWindowSize(statsWindowSize)) - 25);
}

StatsWindowResize ChooseStatsWindowSize(std::uint8_t current, std::uint8_t chosen) {
    StatsWindowResize r;
    const std::uint8_t from = NormalStatsWindowSize(current);
    r.NewSize = NormalStatsWindowSize(chosen);
    if (r.NewSize == from) {
        r.NewSize = from;
        return r;
    }
    r.Changed = true;
    const int delta = r.NewSize - from;
    r.Steps = delta < 0 ? -delta : delta;
    r.StepFactor = delta < 0 ? 100.0 / 120.0 : 120.0 / 100.0;
    return r;
}

int ThemeMenuChoice(int colorTheme, int themeNumber) {
    return themeNumber + (colorTheme >= ModernThemeOffset ? ModernThemeOffset : 0);
}

int ModernToggled(int colorTheme) {
    return colorTheme < ModernThemeOffset ? colorTheme + ModernThemeOffset
                                          : colorTheme - ModernThemeOffset;
}

} // namespace qor
