#pragma once
// The championship panel's tables: a season's drivers' and constructors' standings, the
// champions of every season, the ranking of champions by titles, and the points and titles of
// one driver or team, all read from the stored season data.

#include "statistics/MenuTableCommand.h"

#include <array>
#include <cstdint>

namespace qor {

namespace history_kind {
inline constexpr std::uint16_t DriverChampions = 100;
inline constexpr std::uint16_t TeamChampions = 101;
inline constexpr std::uint16_t DriverChampionRanking = 102;
inline constexpr std::uint16_t TeamChampionRanking = 103;
inline constexpr std::uint16_t PointsByYear = 152;
inline constexpr std::uint16_t Championships = 153;
} // namespace history_kind

// The first season with a constructors' championship.
inline constexpr int FirstConstructorsYear = 1958;

// Each producer records itself in the history, fills tablo1 and sets the title. The season
// producers return false, doing nothing, for a year without that championship in the database.
bool DriverStandingsTable(TableContext& ctx, int year);
bool TeamStandingsTable(TableContext& ctx, int year);
void DriverChampionsTable(TableContext& ctx);
void TeamChampionsTable(TableContext& ctx);
void DriverChampionRanking(TableContext& ctx);
void TeamChampionRanking(TableContext& ctx);
// Points of a driver (team) in every season he is listed in the standings, and the seasons he
// heads them. Index 0 (a name the popup did not find) lists nothing.
void DriverPointsByYear(TableContext& ctx, std::uint16_t driver);
void DriverChampionships(TableContext& ctx, std::uint16_t driver);
void TeamPointsByYear(TableContext& ctx, std::uint16_t team);
void TeamChampionships(TableContext& ctx, std::uint16_t team);

// The event handlers: the standings read the year lists' selections (nothing without one),
// the points popups read SelectedRecord.
void ListBox2Click(TableContext& ctx);
void ListBox3Click(TableContext& ctx);
void Button1Click(TableContext& ctx);
void Button3Click(TableContext& ctx);
void Button4Click(TableContext& ctx);
void Button7Click(TableContext& ctx);
void pointsbyyearClick(TableContext& ctx);
void Championship1Click(TableContext& ctx);
void teampointsbyyearClick(TableContext& ctx);
void teamChampionship1Click(TableContext& ctx);

// The championship panel's commands (the two year lists, four buttons, and the items of the
// driver and team points popups).
extern const std::array<MenuTableCommand, 10> ChampionshipCommands;

} // namespace qor
