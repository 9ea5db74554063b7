#pragma once
// What a grid column shows, recognised from its title text exactly as the current language
// spells the titles.

#include "lang/Langs.h"
#include "mainwindow/StandardWidths.h"

#include <string_view>

namespace qor {

// Column kinds the filter box offers (its Tag): 0 means the column cannot be filtered.
enum class FilterKind { None = 0, Date = 1, Track = 2, Name = 3, Team = 4 };

// Width given for columns without a standard width: wider than any column, so their text is
// never right-aligned.
inline constexpr int NoStandardWidth = 10000;

// Title tests against the language table. Titles are compared exactly and case-sensitively;
// "contains" tests ignore a title text that is empty in the language in use.
class ColumnRoles {
  public:
    explicit ColumnRoles(const Langs& langs) : langs_(langs) {}

    // An empty title text in the language matches nothing (the row-number and key columns
    // have empty titles).
    bool Is(std::string_view title, int slot) const {
        const std::string& text = langs_.Title(slot);
        return !text.empty() && title == text;
    }
    bool Contains(std::string_view title, int slot) const;

    bool IsName(std::string_view t) const { return Is(t, slot::Name); }
    // Both "Team" titles of the table name a team column.
    bool IsTeam(std::string_view t) const { return Is(t, slot::Team) || Is(t, slot::TeamColumn); }
    bool IsTrack(std::string_view t) const { return Is(t, slot::Track); }
    bool IsDate(std::string_view t) const { return Is(t, slot::Date); }
    bool IsTime(std::string_view t) const { return Is(t, slot::Time); }
    bool IsPos(std::string_view t) const { return Is(t, slot::Pos); }
    bool IsGrid(std::string_view t) const { return Is(t, slot::Grid); }
    bool IsNotes(std::string_view t) const { return Is(t, slot::Notes); }
    bool IsYears(std::string_view t) const { return Is(t, slot::Years); }

    // The width on which the column's values are right-aligned (Grid, Time, Pos), else
    // NoStandardWidth.
    int StandardWidth(std::string_view title, const StandardWidths& widths) const;
    // Date, track, name and team columns carry the filter marker and can be filtered.
    FilterKind KindForFilter(std::string_view title) const;
    // Columns whose selected cell names the driver for the analysis box.
    bool IsDriverSelectionColumn(std::string_view title) const;
    // Columns whose double click runs the driver analysis.
    bool IsDriverAnalysisColumn(std::string_view title) const;
    // Columns whose right click opens the driver points menu.
    bool IsDriverPointsColumn(std::string_view title) const;
    // Columns whose right click opens the team points menu.
    bool IsTeamPointsColumn(std::string_view title) const;
    // Columns the HTML page aligns to the right.
    bool IsRightAlignedInPage(std::string_view title) const {
        return IsPos(title) || IsTime(title) || IsGrid(title);
    }

    const Langs& Texts() const { return langs_; }

  private:
    const Langs& langs_;
};

} // namespace qor
