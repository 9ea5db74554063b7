// "Tile All": where the statistics windows go on screens of several sizes, and which windows
// are closed when the screen is full.

#include "statistics/WindowTiling.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace qor {
namespace {

struct TilingCase {
    TilingScreen Screen;
    std::vector<TileWindowSize> Windows; // newest first
    std::vector<TilePlace> Expected;
    const char* Why;
};

TEST(WindowTilingTest, KeepsTheRightHandPanelFreeWhileTheWindowsFitBesideIt) {
    const std::tuple<TilingScreen, int, int, const char*> cases[] = {
        {{1280, 800, 24, 1.0, 8}, 8, 1110, "Small windows: capacity 2 + 7 = 9 beats 8 shown"},
        {{1280, 800, 24, 1.0, 9}, 9, 1280, "capacity 9 is not greater than 9 shown"},
        {{1600, 1024, 24, 1.0, 12}, 12, 1600, "below 1025 pixels the capacity stays 9"},
        {{1600, 1025, 24, 1.0, 12}, 12, 1430, "from 1025 pixels on it is 3 + 10 = 13"},
        {{1280, 800, 26, 1.0, 4}, 4, 1110, "Big windows: capacity -2 + 7 = 5"},
        {{1280, 800, 0, 1.0, 7}, 7, 1280, "a size outside 24..26 counts as Normal: 7"},
        {{1280, 800, 25, 1.3, 1}, 1, 1059, "the panel's width follows the zoom: 221"},
        {{1280, 800, 25, 1.0, 0}, 9, 1110, "all hidden: the windows shown decide"},
    };
    for (const auto& [screen, count, edge, why] : cases)
        EXPECT_EQ(TilingRightEdge(screen, count), edge) << why;
}

TEST(WindowTilingTest, PlacesNewestFirstInColumnsFromTheRight) {
    const TileWindowSize w{300, 300};
    // clang-format off
    const TilingCase cases[] = {
        {{1280, 800, 25, 1.0, 2}, {w, w}, {{true, 795, 30}, {true, 795, 330}},
         "15 pixels inside the right edge, from top 30 downwards"},
        {{1280, 800, 25, 1.0, 7}, {w, w, w, w, w, w, w},
         {{true, 965, 30}, {true, 965, 330}, {true, 665, 30}, {true, 665, 330}, {true, 365, 30},
          {true, 365, 330}, {false, 0, 0}},
         "a window passing the bottom starts a column to the left; a column leaving under 100 "
         "pixels closes the rest"},
        {{1280, 800, 25, 1.0, 3}, {{400, 300}, {300, 300}, {300, 300}},
         {{true, 695, 30}, {true, 795, 330}, {true, 395, 30}},
         "the widest window sets its column's width, so the next column clears it"},
        {{600, 400, 25, 1.0, 1}, {{300, 500}}, {{true, 115, 30}},
         "the newest window is always placed, even when taller than the screen"},
    };
    // clang-format on
    for (const TilingCase& c : cases)
        EXPECT_EQ(TileWindows(c.Screen, c.Windows), c.Expected) << c.Why;
}

} // namespace
} // namespace qor
