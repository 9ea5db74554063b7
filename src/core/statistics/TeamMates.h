#pragma once
// The team-mates window (TForm19) without its widgets: the seasons a driver drove for a team,
// each season's team-mates, the chosen pair, and the pair comparisons its figures ask for.

#include "mainwindow/MainState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qor {

// Capacity of the team-mate list.
inline constexpr int MaxTeamMates = 199;

// One team-mate of the examined driver in one season.
struct TeamMateEntry {
    std::uint16_t Driver = 0;
    std::uint16_t Season = 0;
};

// The figures of the two statistics frames that produce a pair comparison.
enum class TeamMateFigure { Wins, Podiums, AllRaces, Poles, FastestLaps };

// The window's state and lists.
class TeamMatesWindow {
  public:
    // Fills the seasons and team-mates of driver D for team T, then selects the latest season
    // (seasonboxChange). When the list cannot hold every team-mate, the latest seasons keep
    // theirs: seasons are taken from the newest back, the one that overflows keeps its first
    // team-mates and older ones keep none (they stay in the season box).
    void Open(const The_Class& db, std::uint16_t driver, std::uint8_t team);
    // A choice in the season box: that season's team-mates, the first one chosen.
    void seasonboxChange(const The_Class& db, int index);
    // A choice in the team-mate box: only the second frame changes.
    void teammateboxChange(int index);
    // A click on a count label of frame 1 (the driver) or 2 (the team-mate): the pair
    // comparison of that figure for the chosen season, recorded in the history. Nothing
    // happens without a team-mate.
    void CompareClick(TableContext& ctx, int frame, TeamMateFigure figure) const;
    // The comparison kind of a frame's figure (1..10).
    static int CompareKind(int frame, TeamMateFigure figure);

    // Runs the driver analysis of one season in frame 1 or 2 (set by the window; the frames
    // belong to the statistics windows).
    std::function<void(int frame, std::uint16_t driver, int season)> AnalyzeFrame;

    std::string Caption;   // "TeamMates of " + D + " for " + T
    std::string TeamLabel; // Label2
    std::vector<int> SeasonBox;
    int SeasonIndex = -1;
    std::array<TeamMateEntry, MaxTeamMates> TeamMateList{};
    std::uint16_t TeamMateCount = 0;
    int TeamMateSeason = 0;
    std::vector<std::string> TeamMateBox; // names of the season's team-mates, list order
    int TeamMateIndex = -1;
    bool TeamMateBoxVisible = false;
    std::string Label1; // the single team-mate's name
    bool Label1Visible = false;

    std::uint16_t Driver = 0;   // D, the examined driver
    std::uint8_t Team = 0;      // T
    std::uint16_t TeamMate = 0; // B, the chosen team-mate (0 for none)

  private:
    std::vector<std::uint16_t> SeasonMates(int season) const;
    void ChooseTeamMate(int index);
};

// "TeamMate Compare" of the driver popup: opens the window for the driver and team of
// SelectedRecord's result record. False (nothing opened) when there is no such record.
bool eamMate1Click(TableContext& ctx, TeamMatesWindow& window);

} // namespace qor
