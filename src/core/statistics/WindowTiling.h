#pragma once
// Where "Tile All" puts the driver statistics windows: in columns from the right edge of the
// screen leftwards, newest first; the windows that no longer fit are closed.

#include <cstdint>
#include <span>
#include <vector>

namespace qor {

// The outer size of one statistics window.
struct TileWindowSize {
    int Width = 0;
    int Height = 0;
};

// The screen and settings the tiling depends on.
struct TilingScreen {
    int Width = 0;
    int Height = 0;
    std::uint8_t StatsWindowSize = 25;
    double ZoomFactor = 1.0;
    // Statistics windows shown when tiling starts.
    int VisibleCount = 0;
};

// Where one window goes; a window not placed is closed.
struct TilePlace {
    bool Placed = false;
    int Left = 0;
    int Top = 0;
    friend bool operator==(const TilePlace&, const TilePlace&) = default;
};

// How many windows fit before the main window's right-hand panel has to be given up:
// (25 - size) x 2 + 7 on a screen below 1025 pixels, else (25 - size) x 3 + 10.
int TilingCapacity(std::uint8_t statsWindowSize, int screenHeight);

// The right edge of the tiling area: the screen's, or short of the main window's right-hand
// panel while the windows fit beside it.
int TilingRightEdge(const TilingScreen& screen, int windowCount);

// Places the windows (given newest first); the result is in the same order.
std::vector<TilePlace> TileWindows(const TilingScreen& screen,
                                   std::span<const TileWindowSize> newestFirst);

} // namespace qor
