#pragma once
// What a click, right click, Ctrl+click and double click on a grid cell mean, as plain data
// the main window acts on: status line text, popup menus with their captions, highlight,
// filter, and the commands to run.

#include "database/STheClass.h"
#include "mainwindow/GridFilter.h"
#include "mainwindow/GridTable.h"
#include "mainwindow/ResultGrid.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qor {

// The mouse button of a press.
enum class MouseButton { Left, Right, Middle };

// The grid popup menus.
enum class GridPopup {
    None,
    Driver,       // popupdriver
    Team,         // popupteam
    Track,        // Popuppist
    DriverPoints, // popuppoints
    TeamPoints,   // Popupteampoints
};

// A menu item whose caption is set before its popup opens (other items keep theirs).
struct MenuCaption {
    std::string Item; // the item's name, e.g. "Aboutdriver1"
    std::string Caption;
};

// Kinds of GridAction.
enum class GridActionKind {
    None,
    OpenPopup,     // open Popup at the mouse with Captions
    RepaintGrids,  // the highlight changed
    FilterOpened,  // the filter box was filled and shown
    ShowGP,        // select Year and GPListIndex, show that GP, then select SelectName's row
    AnalyzeDriver, // run the driver analysis for DriverBoxText
};

// What the main window does after a mouse press or double click on a grid.
struct GridAction {
    GridActionKind Kind = GridActionKind::None;
    GridPopup Popup = GridPopup::None;
    std::vector<MenuCaption> Captions;
    // New text of the driver box (ComboBox2), when it changes.
    std::optional<std::string> DriverBoxText;
    // ShowGP.
    int Year = 0;
    std::uint16_t GP = 0;
    int GPListIndex = -1;
    std::string SelectName; // empty: keep the first row
};

// Effects of selecting a cell (tablo1SelectCell).
struct CellSelection {
    // False vetoes the selection (a row hidden by the filter).
    bool Allowed = true;
    // Row 0, or the cell that is already current: nothing changes.
    bool Unchanged = false;
    std::optional<std::string> Status;
    std::optional<std::string> DriverBoxText;
    // The GP whose information the panel shows (a list of GPs); 0 hides the panel.
    std::optional<std::uint16_t> GPInfo;
};

// Expands the first occurrence of each result code (DNS, DNQ, FL, Disq, S&G, NC) into its long
// text.
std::string ExpandNoteCodes(std::string notes);

// The status line for a selected cell: two blanks and the text, notes codes expanded, team
// abbreviations spelled out; nothing when the cell is empty.
std::optional<std::string> StatusLineForCell(const GridTable& grid, int col, int row,
                                             const The_Class& db, const ColumnRoles& roles);

// Captions the right-click handler gives the driver, team or track popup opened on a row whose
// key is result record `record` and whose cell shows `text` (the team menu names the cell's
// team, the track menu the cell's track); other popups get none. Year and track captions are
// left out when the record's GP is not found.
std::vector<MenuCaption> RecordPopupCaptions(const The_Class& db, GridPopup popup, int record,
                                             const std::string& text);

// Selects the row whose " Name" cell is name (after a GP was shown from a double click);
// when it lies below the visibleRows rows shown, it scrolls so that TopRow = row - visibleRows.
// Returns the row, or 0 when no row matches.
int SelectRowWithName(GridTable& grid, const ColumnRoles& roles, const std::string& name,
                      int visibleRows);

// The mouse handlers shared by both grids.
class GridInteraction {
  public:
    GridInteraction(ResultGrid& model, GridFilter& filter, const The_Class& db)
        : model_(model), filter_(filter), db_(db) {}

    CellSelection SelectCell(GridTable& grid, int col, int row);
    // col/row: the cell under the mouse (-1 outside); filterLeft: left edge of the cell plus
    // the grid's left edge, where the filter box opens.
    GridAction MouseDown(GridTable& grid, int col, int row, MouseButton button, bool ctrl,
                         int filterLeft = 0);
    // Uses ClickCol and the grid's current row.
    GridAction DoubleClick(const GridTable& grid);

  private:
    GridAction RightClick(const GridTable& grid, int col, int row);

    ResultGrid& model_;
    GridFilter& filter_;
    const The_Class& db_;
};

} // namespace qor
