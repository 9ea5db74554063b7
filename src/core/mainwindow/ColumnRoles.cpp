#include "mainwindow/ColumnRoles.h"

namespace qor {

bool ColumnRoles::Contains(std::string_view title, int slot) const {
    const std::string& needle = langs_.Title(slot);
    // A blank or missing title text would match every column.
    if (needle.find_first_not_of(' ') == std::string::npos) return false;
    return title.find(needle) != std::string_view::npos;
}

int ColumnRoles::StandardWidth(std::string_view title, const StandardWidths& widths) const {
    if (IsGrid(title)) return widths.ColWGrid;
    if (IsTime(title)) return widths.ColWTime;
    if (IsPos(title)) return widths.ColWPos;
    return NoStandardWidth;
}

FilterKind ColumnRoles::KindForFilter(std::string_view title) const {
    if (IsDate(title)) return FilterKind::Date;
    if (IsTrack(title)) return FilterKind::Track;
    if (IsName(title)) return FilterKind::Name;
    if (IsTeam(title)) return FilterKind::Team;
    return FilterKind::None;
}

bool ColumnRoles::IsDriverSelectionColumn(std::string_view title) const {
    return IsName(title) || Is(title, slot::ChampionDriver) || Contains(title, slot::Driver);
}

bool ColumnRoles::IsDriverAnalysisColumn(std::string_view title) const {
    return IsName(title) || Is(title, slot::Driver) || Is(title, slot::Winner) ||
           Is(title, slot::Champion) || Is(title, slot::ChampionDriver) ||
           Is(title, slot::PolePosition) || Is(title, slot::FastestLap);
}

bool ColumnRoles::IsDriverPointsColumn(std::string_view title) const {
    return Contains(title, slot::Driver) || Contains(title, slot::ChampionDriver);
}

bool ColumnRoles::IsTeamPointsColumn(std::string_view title) const {
    return Contains(title, slot::Constructors) || Contains(title, slot::ChampionTeam);
}

} // namespace qor
