#include "mainwindow/GridInteraction.h"

#include "text/Encoding.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace qor {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kNoteCodes = {{
    {"DNS", "Did Not Start"},
    {"DNQ", "Did Not Qualified"},
    {"FL", "Fastest Lap"},
    {"Disq", "Disqualified"},
    {"S&G", "Stop and Go"},
    {"NC", "Not Classified"},
}};

// Year and track captions of the GP a result record belongs to; nothing when not found.
void AddGPCaptions(const The_Class& db, int record, const char* yearItem, const char* trackItem,
                   std::vector<MenuCaption>& captions) {
    const std::uint16_t g = db.GPOfResult(record);
    if (!g) return;
    const TGPRow& gp = db.GPs[g];
    captions.push_back({yearItem, std::to_string(The_Class::YearOfDate(gp.Date))});
    captions.push_back({trackItem, db.TrackNameOf(gp.Track)});
}

} // namespace

std::string ExpandNoteCodes(std::string notes) {
    for (const auto& [code, text] : kNoteCodes) {
        const auto at = notes.find(code);
        if (at != std::string::npos) notes.replace(at, code.size(), text);
    }
    return notes;
}

std::optional<std::string> StatusLineForCell(const GridTable& grid, int col, int row,
                                             const The_Class& db, const ColumnRoles& roles) {
    std::string text = grid.Cell(col, row);
    if (text.empty()) return std::nullopt;
    const std::string& title = grid.Title(col);
    if (roles.IsNotes(title))
        text = ExpandNoteCodes(std::move(text));
    else if (roles.IsTeam(title) && text.size() < 6)
        text = db.TeamFullName(text);
    return "  " + text;
}

std::vector<MenuCaption> RecordPopupCaptions(const The_Class& db, GridPopup popup, int record,
                                             const std::string& text) {
    std::vector<MenuCaption> captions;
    switch (popup) {
    case GridPopup::Driver:
        captions = {{"Aboutdriver1", db.ResultDriverName(record)},
                    {"onthisteam1", db.ResultTeamName(record)}};
        AddGPCaptions(db, record, "onthisyear1", "onthispist1", captions);
        break;
    case GridPopup::Team:
        captions = {{"aboutteam1", text}, {"bythisdriver1", db.ResultDriverName(record)}};
        AddGPCaptions(db, record, "onthisyear2", "onthispist2", captions);
        break;
    case GridPopup::Track:
        captions = {{"aboutpist1", text}};
        break;
    default:
        break;
    }
    return captions;
}

int SelectRowWithName(GridTable& grid, const ColumnRoles& roles, const std::string& name,
                      int visibleRows) {
    for (int c = 0; c < grid.ColCount(); ++c) {
        if (!roles.IsName(grid.Title(c))) continue;
        for (int r = 1; r < grid.RowCount(); ++r) {
            if (grid.Cell(c, r) != name) continue;
            grid.Row = r;
            if (r >= grid.TopRow + visibleRows) grid.TopRow = std::max(r - visibleRows, 1);
            return r;
        }
        return 0;
    }
    return 0;
}

CellSelection GridInteraction::SelectCell(GridTable& grid, int col, int row) {
    CellSelection sel;
    if (row == 0 || (col == model_.ClickCol && row == grid.Row)) {
        sel.Unchanged = true;
        return sel;
    }
    if (grid.RowHeight(row) == 0) {
        sel.Allowed = false;
        return sel;
    }
    const ColumnRoles& roles = model_.Roles();
    if (roles.IsDate(grid.Title(1))) sel.GPInfo = db_.FindGPByDate(grid.Cell(1, row));
    sel.Status = StatusLineForCell(grid, col, row, db_, roles);
    if (roles.IsDriverSelectionColumn(grid.Title(col))) sel.DriverBoxText = grid.Cell(col, row);
    grid.Row = row;
    return sel;
}

GridAction GridInteraction::MouseDown(GridTable& grid, int col, int row, MouseButton button,
                                      bool ctrl, int filterLeft) {
    model_.ClickCol = col;
    model_.ClickRow = row;
    GridAction action;
    if (col < 0 || row < 0) return action;
    if (button == MouseButton::Right) return RightClick(grid, col, row);
    if (button != MouseButton::Left) return action;
    const std::string& text = grid.Cell(col, row);
    if (ctrl && !text.empty() && db_.FindDriver(text) != 0) {
        model_.HighlightName = model_.HighlightName == text ? std::string() : text;
        action.Kind = GridActionKind::RepaintGrids;
        return action;
    }
    if (row == 0 && filter_.Open(grid, col, filterLeft)) action.Kind = GridActionKind::FilterOpened;
    return action;
}

GridAction GridInteraction::RightClick(const GridTable& grid, int col, int row) {
    GridAction action;
    const std::string& text = grid.Cell(col, row);
    if (row < 1 || text.empty()) return action;
    const ColumnRoles& roles = model_.Roles();
    const std::string& title = grid.Title(col);
    model_.SelectedRecord = static_cast<std::uint16_t>(ResultGrid::RowKey(grid, col, row));
    const int record = model_.SelectedRecord;
    action.Kind = GridActionKind::OpenPopup;
    if (roles.IsName(title)) {
        action.DriverBoxText = db_.ResultDriverName(record);
        action.Popup = GridPopup::Driver;
        action.Captions = RecordPopupCaptions(db_, action.Popup, record, text);
    } else if (roles.IsTeam(title)) {
        action.Popup = GridPopup::Team;
        action.Captions = RecordPopupCaptions(db_, action.Popup, record, text);
    } else if (roles.IsTrack(title)) {
        // "2006 - Monza": a year and a dash in front of the name.
        std::string track = text;
        if (track.find(" - ") == 4) track.erase(0, 7);
        action.Popup = GridPopup::Track;
        action.Captions = RecordPopupCaptions(db_, action.Popup, record, track);
    } else if (roles.IsDriverPointsColumn(title)) {
        model_.SelectedRecord = db_.FindDriver(text);
        action.Popup = GridPopup::DriverPoints;
        action.Captions = {{"Driver1", text}};
    } else if (roles.IsTeamPointsColumn(title)) {
        model_.SelectedRecord = static_cast<std::uint16_t>(db_.FindTeam(text) & 0xFF);
        action.Popup = GridPopup::TeamPoints;
        action.Captions = {{"team1", text}};
    } else {
        action.Kind = GridActionKind::None;
    }
    return action;
}

GridAction GridInteraction::DoubleClick(const GridTable& grid) {
    GridAction action;
    const int col = model_.ClickCol;
    if (col < 1 || model_.ClickRow < 1) return action;
    const int row = grid.Row;
    const ColumnRoles& roles = model_.Roles();
    const std::string& title = grid.Title(col);
    const std::string& text = grid.Cell(col, row);
    if (roles.IsDate(title)) {
        const int key = ResultGrid::RowKey(grid, col, row);
        const std::uint16_t g = db_.FindGPByDate(text);
        // A date that names no GP would select a list entry outside the season.
        if (!g) return action;
        const int year = The_Class::YearOfDate(db_.GPs[g].Date);
        action.Kind = GridActionKind::ShowGP;
        action.Year = year;
        action.GP = g;
        action.GPListIndex = g - db_.Seasons[year].FirstGP;
        if (key > 0) action.SelectName = db_.ResultDriverName(key);
    } else if (roles.IsDriverAnalysisColumn(title)) {
        action.Kind = GridActionKind::AnalyzeDriver;
        action.DriverBoxText = text;
    }
    return action;
}

} // namespace qor
