#pragma once
// Race-by-race season lists: the winner, the fastest lap or the pole position of every Grand
// Prix of one season or of all seasons, newest first.

#include "statistics/MenuTableCommand.h"

#include <array>
#include <cstdint>

namespace qor {

namespace history_kind {
inline constexpr std::uint16_t WinnersOfYear = 2;
inline constexpr std::uint16_t FastestLapsOfYear = 3;
inline constexpr std::uint16_t PolesOfYear = 4;
inline constexpr std::uint16_t AllWinners = 104;
inline constexpr std::uint16_t AllFastestLaps = 105;
inline constexpr std::uint16_t AllPoles = 106;
} // namespace history_kind

// The kinds of ListGPFacts.
inline constexpr int GPFactFastestLaps = 2;
inline constexpr int GPFactPoles = 3;

// The winners of a season (year 0: of all seasons). Records itself in the history (the year
// box position for one season), fills tablo1 and hides the GP information panel. False, doing
// nothing, for a year that is not in the database.
bool ListWinners(TableContext& ctx, int year);
// The fastest laps (kind 2) or pole positions (kind 3) of a season, or of all seasons for year
// 0; false, doing nothing, for an unknown year or kind.
bool ListGPFacts(TableContext& ctx, int kind, int year);

// The buttons: per year they use the year box's selection (nothing without one).
void Button2Click(TableContext& ctx);
void SpeedButton10Click(TableContext& ctx);
void Button14Click(TableContext& ctx);
void SpeedButton7Click(TableContext& ctx);
void Button15Click(TableContext& ctx);
void SpeedButton9Click(TableContext& ctx);

// The three buttons beside the GP list and the three of the top tool bar.
extern const std::array<MenuTableCommand, 6> SeasonListCommands;

} // namespace qor
