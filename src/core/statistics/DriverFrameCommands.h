#pragma once
// What the labels of the driver statistics frame do when clicked, as data and as commands:
// the record list each count label opens, the Grand Prix a date label leads to, the team
// popup's lists, the driver box's "Analyze driver" and the season choice of the chart.

#include "mainwindow/MainState.h"
#include "statistics/DriverAnalysis.h"
#include "statistics/ResultStatus.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qor {

// The record-list kinds a frame command asks for (the RecordKind of the driver popup's
// record lists).
namespace frame_list {
inline constexpr int Podiums = -1;
inline constexpr int Races = 0;
inline constexpr int Wins = 1;
inline constexpr int FastestLaps = 2;
inline constexpr int Poles = 3;
} // namespace frame_list

// What a frame command runs.
enum class FrameCommandTarget {
    RecordMenuItem, // a record list item of the driver popup (Item), as if the user chose it
    StartsList,     // StartsList(Season)
    AllRetire,      // AllRetire(Filter, Season)
    PointsByYear,   // the driver's "Points by year" (pointsbyyear)
    Championship,   // the driver's "Championship" (Championship1)
};

// One label (or popup item) command of the frame, resolved for the frame's current figures.
struct FrameCommand {
    std::string_view Label; // the label, e.g. "winslabel"; the team popup's items: "PopupRACES_FOR"
    FrameCommandTarget Target = FrameCommandTarget::RecordMenuItem;
    std::string_view Item; // menu item or producer run: "Wins7", "wins2", "StartsList", ...
    int RecordKind = frame_list::Races;        // for RecordMenuItem: frame_list value
    ResultStatus Filter = ResultStatus::Other; // for AllRetire
    bool Season = false;                       // the one-season column (the frame shows one season)
    std::uint16_t SelectedRecord = 0;
    std::uint16_t HistoryKind = 0; // the kind the table is recorded with
    bool Ignored = false;          // the label shows "0": a click does nothing
};

// The count labels with commands, in the frame's order.
std::span<const std::string_view> FrameCommandLabels();

// The command of a count label for the frame as it stands: the whole-career column while
// SelectedSeason < 1, else the season column. SelectedRecord is the frame's first_kayit_no
// (for a range in which the driver started nowhere, his first entry's record, so that the list
// still names him), or the driver index for totalpointlabel and Label25. Nothing for a label
// without a command.
std::optional<FrameCommand> LabelCommand(const The_Class& db, const DriverFrame& frame,
                                         std::string_view label);

// The command of an item of the "Team by team records" popup: races3 (the driver's races with
// that team) on the item's Tag.
FrameCommand TeamRecordsCommand(const TeamRecordsItem& item);

// How a command went.
enum class FrameCommandRun {
    Ignored,     // the label shows "0"
    Done,        // the table was produced
    RunMenuItem, // SelectedRecord is set; the window runs the record menu item named Item
};

// Runs a frame command: sets ctx.grid.SelectedRecord, then runs the list (it records itself
// in the history). Record menu items are left to the window (RunMenuItem).
FrameCommandRun RunFrameCommand(TableContext& ctx, const FrameCommand& command);

// The main window's status line while the mouse is over a frame control with a hint (the
// place breakdown of the "Podiums" caption, or a head button's hint).
std::string HintStatus(std::string_view hint);

// The Grand Prix a date label ("track'YY") leads to: the season (YY below 40 is 20YY, else
// 19YY) and its last GP on that track.
struct DateLabelTarget {
    int Year = 0;
    std::uint16_t GP = 0;
    int GPListIndex = 0; // position of the GP in its season
};
// Nothing when the caption is too short, the track or season is unknown, or the season has no
// GP on that track.
std::optional<DateLabelTarget> DateLabelGP(const The_Class& db, std::string_view caption);

// Shows GP g in the browser (year box, GP list, results) and selects the driver's row,
// scrolling when it lies below the visibleRows rows shown. False when the year box does not
// list the season.
bool ShowGPWithDriver(TableContext& ctx, std::uint16_t g, const std::string& driverName,
                      int visibleRows);

// A click on a date label: shows its GP with the frame's driver selected. False (nothing
// happens) when DateLabelGP finds none.
bool DateLabelClick(TableContext& ctx, const DriverFrame& frame, std::string_view caption,
                    int visibleRows);

// "Analyze driver" (button8Click): the driver named by the trimmed driver box, found without
// regard to ASCII case; the box then shows the stored spelling. 0 for an empty or unknown
// name; an unknown one puts the closest known names into the status line.
std::uint16_t DriverBoxDriver(TableContext& ctx);

// The "History" and "Statistics" page buttons: with a season selected, the whole career again
// (the history is kept). Nothing otherwise.
void ShowWholeCareer(const The_Class& db, DriverFrame& frame, const FlagImages* flags = nullptr);

// A click on a season of the chart: the selected season again returns to the whole career;
// another season shows that season alone (Lseason "Statistics for " + year, SelectedSeason the
// year). The history is kept.
void ChartSeasonClick(const The_Class& db, DriverFrame& frame, int year,
                      const FlagImages* flags = nullptr);

} // namespace qor
