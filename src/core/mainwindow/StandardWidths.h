#pragma once
// The standard column widths the table producers use, scaled by the main window's zoom.

#include <cstdint>

namespace qor {

// Widths computed once at start-up from ZoomFactor and the screen width.
struct StandardWidths {
    std::uint16_t ColWName = 140;
    std::uint16_t ColWTeam = 80;
    std::uint16_t ColWPos = 30;
    std::uint16_t ColWDate = 85;
    std::uint16_t ColWPoints = 95;
    std::uint16_t ColWNotes = 120;
    std::uint16_t ColWTime = 75;
    std::uint16_t ColWTrack = 100;
    std::uint16_t ColWSmall = 40;
    std::uint16_t ColWGrid = 30;

    // Each width is the nearest integer to base x zoom; on screens wider than 1000 pixels the
    // name, team, position, date, time, track and grid widths get 10 more.
    static StandardWidths Compute(double zoomFactor, int screenWidth);
};

} // namespace qor
