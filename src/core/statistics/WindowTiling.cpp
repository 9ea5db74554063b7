#include "statistics/WindowTiling.h"

#include "mainwindow/Rounding.h"
#include "mainwindow/StartupSettings.h"

#include <algorithm>

namespace qor {
namespace {

constexpr int ColumnTop = 30;
constexpr int RightInset = 15;
constexpr int MinimumLeftRoom = 100;
constexpr int RightPanelWidth = 170;

} // namespace

int TilingCapacity(std::uint8_t statsWindowSize, int screenHeight) {
    const int steps = 25 - NormalStatsWindowSize(statsWindowSize);
    return screenHeight < 1025 ? steps * 2 + 7 : steps * 3 + 10;
}

int TilingRightEdge(const TilingScreen& screen, int windowCount) {
    const int c = TilingCapacity(screen.StatsWindowSize, screen.Height);
    if (c > screen.VisibleCount || c > windowCount)
        return screen.Width - RoundHalfEven(screen.ZoomFactor * RightPanelWidth);
    return screen.Width;
}

std::vector<TilePlace> TileWindows(const TilingScreen& screen,
                                   std::span<const TileWindowSize> newestFirst) {
    std::vector<TilePlace> places(newestFirst.size());
    int columnRight = TilingRightEdge(screen, static_cast<int>(newestFirst.size())) - RightInset;
    int top = ColumnTop;
    int columnWidth = 0; // the widest window of the column, so that columns never overlap
    for (std::size_t i = 0; i < newestFirst.size(); ++i) {
        const TileWindowSize& w = newestFirst[i];
        if (top > ColumnTop && top + w.Height > screen.Height) {
            columnRight -= columnWidth;
            top = ColumnTop;
            columnWidth = 0;
            // The rest (this window and all older ones) stays closed.
            if (columnRight - w.Width < MinimumLeftRoom) break;
        }
        places[i] = {true, columnRight - w.Width, top};
        top += w.Height;
        columnWidth = std::max(columnWidth, w.Width);
    }
    return places;
}

} // namespace qor
