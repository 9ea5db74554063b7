#include "mainwindow/StandardWidths.h"

#include "mainwindow/Rounding.h"

namespace qor {

StandardWidths StandardWidths::Compute(double zoomFactor, int screenWidth) {
    const int wide = screenWidth > 1000 ? 10 : 0;
    const auto w = [zoomFactor](int base, int extra) {
        return static_cast<std::uint16_t>(RoundHalfEven(base * zoomFactor) + extra);
    };
    StandardWidths s;
    s.ColWName = w(140, wide);
    s.ColWTeam = w(80, wide);
    s.ColWPos = w(30, wide);
    s.ColWDate = w(85, wide);
    s.ColWPoints = w(95, 0);
    s.ColWNotes = w(120, 0);
    s.ColWTime = w(75, wide);
    s.ColWTrack = w(100, wide);
    s.ColWSmall = w(40, 0);
    s.ColWGrid = w(30, wide);
    return s;
}

} // namespace qor
