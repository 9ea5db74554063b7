#pragma once
// The race chart of the driver statistics frame as geometry: one row per Grand Prix of the
// career's seasons, a marker at the finishing position, season rows with their year and
// separator, the lines joining a season's finishes, and which GP a point of the chart is on.
// The window only paints it.

#include "database/STheClass.h"
#include "statistics/DriverAnalysis.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qor {

// A 24-bit colour.
struct ChartColour {
    std::uint8_t R = 0, G = 0, B = 0;
    friend bool operator==(const ChartColour&, const ChartColour&) = default;
};

// A rectangle as the canvas takes it: left/top inside, right/bottom the far edges.
struct ChartRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const ChartRect&, const ChartRect&) = default;
};

struct ChartPoint {
    int X = 0, Y = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// Colours and pens of the chart.
namespace chart_colour {
inline constexpr ChartColour ReferenceLine{110, 170, 110}; // dotted, 2 pixels
inline constexpr ChartColour SeasonLine{210, 210, 255};    // separator, 1 pixel
inline constexpr ChartColour SeasonText{0, 0, 255};        // "Arial" 7, blue
inline constexpr ChartColour NoEntryFill{255, 255, 255};
inline constexpr ChartColour NoEntryOutline{210, 210, 210};
inline constexpr ChartColour UnplacedFill{255, 0, 0};
inline constexpr ChartColour UnplacedOutline{210, 210, 255};
inline constexpr ChartColour PlacedOutline{210, 210, 250}; // also the joining lines
inline constexpr ChartColour PodiumFill{0, 230, 0};
inline constexpr ChartColour PlacedFill{0, 0, 255};
} // namespace chart_colour

// What a chart row shows.
enum class MarkerKind {
    NoEntry,  // the driver has no entry in this GP: white box at the right edge
    Unplaced, // an entry without a position: red box at the right edge
    Placed,   // a finishing position: green on the podium, blue otherwise
};

// The marker of one GP (one chart row).
struct ChartMarker {
    std::uint16_t GP = 0;
    int Row = 0;
    MarkerKind Kind = MarkerKind::NoEntry;
    std::uint8_t Pos = 0;
    int HistoryIndex = -1; // the History entry shown, -1 for NoEntry
    ChartRect Rect;
    ChartColour Fill;
    ChartColour Outline;
};

// One season of the chart.
struct ChartSeason {
    int Year = 0;
    int FirstRow = 0; // row of its first GP (rows count from 0 over the whole span)
    int RowCount = 0;
    ChartPoint TextAt;  // where the year is written
    int SeparatorY = 0; // separator from x = Width to x = 0
    // The joining line: from the separator's left end through the centre of each finish in
    // order; empty when the season has no finish.
    std::vector<ChartPoint> Line;
};

// The whole chart. Empty (no rows) for an empty history.
struct RaceChart {
    double StatsScale = 1.0;
    int FirstSeason = 0;
    int LastSeason = 0;
    std::uint16_t FirstGP = 0; // the GP of row 0
    int N = 0;                 // rows: GPs from the first season's first to the last's last
    double RowHeight = 5.0;
    int Height = 0;     // picture height, Round(N x RowHeight)
    int ChartWidth = 0; // also the picture's width
    double PosScale = 0.0;
    int MarkerSize = 0;
    // x of the dotted lines for positions 1, 2, 3 and 8, from top to bottom.
    std::array<int, 4> ReferenceX{};
    std::vector<ChartSeason> Seasons;
    std::vector<ChartMarker> Markers; // one per row, in row order

    bool Empty() const { return N <= 0; }
};

// Left margin of the position markers.
inline constexpr int ChartLeftMargin = 10;

// StatsScale: 1.2 to the power StatsWindowSize - 25 (a size outside 24..26 counts as 25).
double StatsScaleOf(int statsWindowSize);

// DrawRaceChart's geometry for a history (History entries in GP order), the statistics window
// size and the fit toggle.
RaceChart BuildRaceChart(const The_Class& db, const std::vector<RaceHistoryEntry>& history,
                         int statsWindowSize, bool fit);

// What lies under a point of the chart picture.
struct ChartHit {
    bool Inside = false; // on a row of the chart
    int Row = -1;
    std::uint16_t GP = 0;  // the GP of that row: first GP of the first season + row
    int Season = 0;        // the season holding it
    bool OnMarker = false; // on the marker of one of the driver's entries
    std::uint8_t Pos = 0;  // his position there (OnMarker)
};
ChartHit ChartHitTest(const RaceChart& chart, const The_Class& db, int x, int y);

// The three chart labels for a point: over a marker Label20 the GP's date (long form),
// Label21 its track, Label22 "Retired" for no position, else the position and "."; elsewhere
// all three empty.
struct ChartHoverLabels {
    std::string Label20, Label21, Label22;
};
ChartHoverLabels ChartHover(const The_Class& db, const ChartHit& hit);

// The band of a season (highlighted when selected): its rows across the chart. Empty when the
// chart has no such season.
ChartRect SeasonBand(const RaceChart& chart, int year);

} // namespace qor
