#pragma once
// Per-track statistics of the "Pist Statistics" window (TForm13): the best fastest lap of each
// track since 1980 and the drivers with the most fastest laps, poles and wins there, as four
// fixed-pitch text lists, and what a click on one of their lines runs in the main window.

#include "database/STheClass.h"
#include "lang/Langs.h"
#include "mainwindow/MainState.h"
#include "statistics/MenuItemCall.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Only GPs from this season on are counted, and only tracks whose best lap was set in
// TrackRecentYear or later are listed.
inline constexpr int TrackStatsFirstYear = 1980;
inline constexpr int TrackRecentYear = 2000;

// The lists: 1 best fastest lap, 2 most fastest laps, 3 most poles, 4 most wins.
inline constexpr int PistListCount = 4;
inline constexpr int PistListBestLap = 1;
inline constexpr int PistListFastestLaps = 2;
inline constexpr int PistListPoles = 3;
inline constexpr int PistListWins = 4;

// The header line of every list starts with this; then "Lap Time" or "Count".
inline constexpr std::string_view PistListHeader =
    "Pist                  Driver                     ";
inline constexpr std::string_view GPNotExistMessage = "GP is not exist";

// String-table slots: the window caption, the buttons SB1..SB4, the top label.
namespace slot {
inline constexpr int PistStatisticsCaption = 54;
inline constexpr int PistFirstButton = 55; // "Best Fastest Lap Owner" .. "Most Race Winner"
inline constexpr int PistTopLabel = 59;
} // namespace slot

// The best lap of one track since 1980.
struct TrackLapRecord {
    std::uint16_t Driver = 0;
    std::uint32_t Time = 0;
    std::uint16_t Date = 0;
    std::uint8_t Recent = 0; // set once the record was bettered in 2000 or later
};

// Lap length of a time code in thousandths of a second (hundredths-precision codes scaled);
// codes are compared by this, never by their bits, whose fraction bits lie above the minutes.
std::uint32_t LapThousandths(std::uint32_t code);

// One record per track index 0..TrackCount (index 0 unused). Only a strictly faster lap
// replaces a record, so of two equal laps the earlier GP keeps it.
std::vector<TrackLapRecord> BestTrackLaps(const The_Class& db);

// The driver with the most of something on a track and his count (0 and 0 when nobody).
struct TrackLeader {
    std::uint16_t Driver = 0;
    std::uint16_t Count = 0;
};
struct TrackLeaders {
    TrackLeader FastestLaps;
    TrackLeader Poles;
    TrackLeader Wins;
};
// Over the GPs since 1980 on the track that have a fastest-lap time: fastest laps, poles and
// wins (a first result record classified first) per driver. Of equal counts the lower driver
// index leads.
TrackLeaders CountTrackLeaders(const The_Class& db, int track);

// Blanks appended up to width characters; a longer text is kept unchanged.
std::string PadRight(std::string_view text, std::size_t width);

// The window's content, computed by PistStatistics1Click.
struct TrackStatistics {
    // ListBox1..ListBox4 (Lists[0] is ListBox1); each has its header line at index 0.
    std::array<std::vector<std::string>, PistListCount> Lists;
    // The list shown (ShowPistList 1..4).
    int Shown = PistListBestLap;

    const std::vector<std::string>& List(int list) const {
        return Lists[static_cast<std::size_t>(list - 1)];
    }

    // A click on line `index` of the best-lap list: shows the GP of the line's date in the
    // main window. Returns GPNotExistMessage when its season has no GP on that date, else
    // the empty text (also for the header line and indexes outside the list).
    std::string ListBox1Click(TableContext& ctx, int index) const;
    // A click on line `index` of list 2, 3 or 4: the driver's fastest laps, poles or wins on
    // that track (FL1, poles1, wins1) from his first record there. The header line and
    // indexes outside the list ask for nothing.
    MenuItemCall ListBox4Click(const The_Class& db, int list, int index) const;
};

// Computes the four lists (each sorted by its text, then the header line put on top).
TrackStatistics PistStatistics1Click(const The_Class& db);

// The captions the window takes from the string table: window, SB1..SB4, top label.
struct PistCaptions {
    std::string Window;
    std::array<std::string, PistListCount> Buttons;
    std::string TopLabel;
};
PistCaptions PistWindowCaptions(const Langs& langs);

} // namespace qor
