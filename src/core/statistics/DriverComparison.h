#pragma once
// Race-by-race comparison of drivers: the compare list the driver popup collects, and the
// comparison table in tablo1, side by side (up to 3 drivers) or one row per driver per race.

#include "mainwindow/MainState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr int MaxCompareDrivers = 25;

namespace history_kind {
// The compare list's races ("Races" button).
inline constexpr std::uint16_t CompareRaces = 170;
// A comparison of two drivers asked for by the team-mates window.
inline constexpr std::uint16_t ComparePair = 171;
} // namespace history_kind

// Kinds of CompareDrivers: 0 races all compared drivers took part in; 1..10 a pair, odd kinds
// testing the first driver's (A's) achievement, even kinds the second's (B's).
inline constexpr int CompareRacesTogether = 0;
inline constexpr int CompareWins = 1;        // 2: B's wins
inline constexpr int ComparePodiums = 3;     // 4: B's podiums
inline constexpr int CompareAllRaces = 5;    // 6: the same
inline constexpr int ComparePoles = 7;       // 8: B's poles
inline constexpr int CompareFastestLaps = 9; // 10: B's fastest laps
inline constexpr int MaxCompareKind = 10;

namespace slot {
inline constexpr int CompareListTitle = 81;
inline constexpr int ComparingDrivers = 222;
} // namespace slot

// "To Compare List": appends the driver of SelectedRecord's result record unless the list is
// full or already holds him. True when he was added.
bool oCompareList1Click(TableContext& ctx);
// The same for a driver index (0 and unknown indexes are not added).
bool AddToCompareList(TableContext& ctx, std::uint16_t driver);
// A choice in ComboBox6: item 0 is the title; item i removes the i-th driver of the list.
void ComboBox6Click(TableContext& ctx, int item);
// ComboBox6's items: the title, then the names in list order.
std::vector<std::string> CompareBoxItems(const TableContext& ctx);
// Panel5 (the combo box and "Races") shows while the list is not empty.
bool ComparePanelVisible(const TableContext& ctx);
// "Highlight": highlights the name of SelectedRecord's driver, or clears it when it already is.
void Highlight1Click(TableContext& ctx);
// The view menu: horizontal (CompareView 0) or vertical (1) for the next comparison.
void Horizontaluntil3driver2Click(TableContext& ctx);
void Vertical2Click(TableContext& ctx);

// A name shortened for the side-by-side view: every first word longer than 2 letters becomes
// its initial and ". " ("Juan Pablo Montoya" -> "J. P. Montoya"); a word of at most 2 letters
// stops the shortening ("Pedro de la Rosa" -> "P. de la Rosa").
std::string AbbreviatedName(std::string_view name);

// The table's heading: without A the comparison title; with A the pair and the kind's words.
std::string CompareHeading(const TableContext& ctx, int kind, std::uint16_t a, std::uint16_t b);

// Writes the comparison into tablo1 (no history entry): kind 0..10 over one season or all
// (season 0), the compare list's drivers, or A and B when A is given. Seasons ascend and each
// season's GPs come newest first; the count is the number of GPs listed. A kind outside 0..10,
// a season that is not loaded, or a pair kind with no pair leaves an empty table.
// CompareGroupSize becomes the number of drivers compared.
void CompareDrivers(TableContext& ctx, int kind, int season, std::uint16_t a = 0,
                    std::uint16_t b = 0);

// "Races": records the table (kind 170) and compares the list over all seasons.
void SpeedButton5Click(TableContext& ctx);
// The compare list over one season (0: all), recorded like "Races".
void CompareListTable(TableContext& ctx, int season);
// A pair comparison recorded in the history (kind 171), as the team-mates window asks for it.
void ComparePairTable(TableContext& ctx, int kind, int season, std::uint16_t a, std::uint16_t b);

} // namespace qor
