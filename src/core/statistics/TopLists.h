#pragma once
// The all-time top three drivers or teams in five categories (points, fastest laps, poles,
// wins, consecutive wins), as the "TOP LISTS" window (TForm12) shows them, and the command a
// click on one of its names runs in the main window.

#include "database/STheClass.h"
#include "lang/Langs.h"
#include "statistics/MenuItemCall.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

// The window's mode (its Tag).
inline constexpr int TopListDrivers = 0;
inline constexpr int TopListTeams = 1;

// The five categories, in window order.
enum class TopListCategory { Points, FastestLaps, Poles, Wins, ConsecutiveWins };
inline constexpr int TopListCategoryCount = 5;
inline constexpr int TopListPlaces = 3;

// Every value label starts with this run of 54 dots and a blank; the name label covers its
// left part, so the visible dots lead from the name to the value.
inline constexpr std::string_view TopListDotLeader =
    "...................................................... ";

// String-table slots of the window's captions: the window, the two buttons, the categories.
namespace slot {
inline constexpr int TopListsCaption = 45;
inline constexpr int TopListsDrivers = 46;
inline constexpr int TopListsTeams = 47;
inline constexpr int TopListsFirstCategory = 48; // "Point" .. "Consecutive Win" (48..52)
} // namespace slot

// One place of a category: driver or team index (0 = never filled), value and, for
// consecutive wins, the year of the streak.
struct TopListSlot {
    std::uint16_t Key = 0;
    double Value = 0;
    std::uint16_t Year = 0;
};
using TopListSlots = std::array<TopListSlot, TopListPlaces>;

// Offers one candidate to a category's three places. Candidates come in ascending index; a
// value of 0 is skipped and only a strictly greater value moves a place down, so among equal
// values the lower index keeps the higher place.
void RankTopList(TopListSlots& slots, std::uint16_t key, double value, std::uint16_t year = 0);

// The texts of one row of the window: rank ("1."), name, value and year labels.
struct TopListRow {
    std::string Rank;
    std::string Name;
    std::string Value; // the number alone
    std::string Year;  // consecutive wins only; empty for a row without a streak
    // The value label's caption: the dot leader and the number.
    std::string ValueLabel() const { return std::string(TopListDotLeader) + Value; }
};

// What the window shows after a computation.
struct TopLists {
    int Tag = TopListDrivers;
    std::array<TopListSlots, TopListCategoryCount> Slots{};
    std::array<std::array<TopListRow, TopListPlaces>, TopListCategoryCount> Rows{};

    const TopListRow& Row(TopListCategory c, int place) const {
        return Rows[static_cast<std::size_t>(c)][static_cast<std::size_t>(place)];
    }
    const TopListSlot& Slot(TopListCategory c, int place) const {
        return Slots[static_cast<std::size_t>(c)][static_cast<std::size_t>(place)];
    }
};

// The team of driver d's first result record in GP g, or 0 when he has none there.
std::uint8_t TeamOfDriverInGP(const The_Class& db, int g, std::uint16_t d);

// The drivers' lists ("Drivers" button, the main window's opLists1Click).
TopLists opLists1Click(const The_Class& db);
// The teams' lists ("Teams" button, opListsteamClick).
TopLists opListsteamClick(const The_Class& db);

// The captions the window takes from the string table (toplistopen).
struct TopListCaptions {
    std::string Window;
    std::string Drivers;
    std::string Teams;
    std::array<std::string, TopListCategoryCount> Categories;
};
TopListCaptions TopListWindowCaptions(const Langs& langs);

// The name labels of each category (rows 1..3) and the consecutive-wins year labels.
extern const std::array<std::array<std::string_view, TopListPlaces>, TopListCategoryCount>
    TopListNameLabels;
extern const std::array<std::array<std::string_view, TopListPlaces>, TopListCategoryCount>
    TopListValueLabels;
extern const std::array<std::string_view, TopListPlaces> TopListYearLabels;

// A click on the name of a row: the main-window command to run, found from the label texts.
// A label without a name (empty, or the placeholder of an unfilled place) asks for nothing, as
// does a consecutive-wins row without a year.
MenuItemCall TopListNameClick(const The_Class& db, const TopLists& lists, TopListCategory category,
                              int place);

} // namespace qor
