#pragma once
// The season and GP browser of the main window's right panel: the year box, the GP list with
// its label modes, a Grand Prix's classification in tablo1 and the GP information panel.

#include "mainwindow/MainState.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

// GP list label modes (GPListMode).
inline constexpr std::uint8_t GPListByTrack = 1;
inline constexpr std::uint8_t GPListByName = 2;
inline constexpr std::uint8_t GPListByDate = 3;
// Labels of the GP list are cut to this many characters.
inline constexpr std::size_t GPListLabelLength = 50;

// An item of the GP list's popup menu (PopupMenu2) and the mode it sets (SetGPListMode's
// argument, 0-based).
struct GPListModeItem {
    std::string_view Item;
    std::string_view Handler;
    int CaptionSlot;
    int Mode;
};
inline constexpr std::array<GPListModeItem, 3> GPListModeItems = {{
    {"bypistname1", "bypistname1Click", 167, 0},
    {"byprixname1", "byprixname1Click", 168, 1},
    {"Bydate1", "Bydate1Click", 169, 2},
}};

// The label of GP g in the GP list for a label mode.
std::string GPListLabel(const The_Class& db, int g, std::uint8_t mode);

// The GP information panel for GP g: fastest lap, pole position, weather (emptied with its
// caption hidden when the remark is unknown) and laps. g = 0 or beyond the GPs hides it.
void FillGPInfoPanel(const The_Class& db, int g, GPInfoPanel& panel);

// Start-up fill of the year lists: ComboBox1 and ListBox2 with LastYear down to 1950, ListBox3
// down to 1958. Selections are cleared.
void FillYearLists(TableContext& ctx);

// The year selected in the year box, or 0 when none is (or its text is no loaded season).
int SelectedYear(const TableContext& ctx);
// The year box position of a year, or -1 when the box does not list it.
int YearBoxIndex(const TableContext& ctx, int year);

// Refills the GP list for the selected year (its selection is cleared).
void ComboBox1Change(TableContext& ctx);
// Ticks popup item m (0..2), chooses the list font and GPListMode = m + 1, then refills the
// list. Other values of m are ignored.
void SetGPListMode(TableContext& ctx, int m);
// Shows the selected GP of the list: history entry, table, title and information panel.
// Nothing happens when no GP is selected.
void gpListBox1Click(TableContext& ctx);
// The results table of GP g in grid.tablo1 (columns, title, rows, count), without the history,
// the information panel or the share item.
void FillGPResultsTable(ResultGrid& grid, const The_Class& db, int g);

// Selects the year of the last GP (the first year when that one is not listed) and the last GP
// of its list, and shows it. False when there is nothing to show.
bool ShowLastSeason(TableContext& ctx);
// Selects the year of a packed date and the GP of that date, and shows it. False (nothing
// shown) when the year is not listed or the season has no GP on that date.
bool ShowGPByDate(TableContext& ctx, std::uint16_t date);

} // namespace qor
