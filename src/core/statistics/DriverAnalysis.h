#pragma once
// A driver's career figures (or one season's) as the driver statistics frame shows them:
// counts, dates, percentages, gauges, teams and the race-by-race history its chart draws.

#include "database/STheClass.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qor {

class FlagImages;

// One Grand Prix of a driver's history: the GP and his position in it (0 = none).
struct RaceHistoryEntry {
    std::uint16_t GP = 0;
    std::uint8_t Pos = 0;
};

// A Grand Prix a date label names; GP 0 when none is set.
struct GPMark {
    std::uint16_t GP = 0;
    int Year = 0;
    std::uint8_t Track = 0;

    bool IsSet() const { return GP != 0; }
};

// The counters of one analysis over a year range.
struct DriverFigures {
    int FromYear = 0;
    int ToYear = 0;
    // GPs with a record of the driver (his first record in each counts).
    int Entries = 0;
    // Entries less the non-starts of the four status marks.
    int Starts = 0;
    int First = 0;
    int Second = 0;
    int Third = 0;
    int FastestLaps = 0;
    int Poles = 0;
    // Unplaced first records without a status mark.
    int Retirements = 0;
    int DNS = 0;
    int DNQ = 0;
    int DNPQ = 0;
    int Disq = 0;
    int Championships = 0;
    double TotalPoints = 0.0;
    GPMark FirstGP, LastGP, FirstWin, LastWin, FirstPole, LastPole;
    // The result record that made the first GP; 0 when there is none.
    std::uint16_t FirstRecord = 0;
    // The driver's first record of his first entry of the range, whatever its status; 0 when
    // he has no entry. (A driver who never started has no FirstRecord but still this one.)
    std::uint16_t FirstEntryRecord = 0;
    // Per team index: the driver's last (first-in-GP) record with that team, 0 for none.
    std::array<std::uint16_t, MaxTeams + 1> LastRecordOfTeam{};

    int Wins() const { return First; }
    int Podiums() const { return First + Second + Third; }
};

// An item of the "Team by team records" popup (PopupRACES_FOR): the team's name and, as its
// Tag, the driver's last result record with that team.
struct TeamRecordsItem {
    std::uint8_t Team = 0;
    std::string Caption;
    std::uint16_t Tag = 0;
};

// Gauges and percentage labels, in the order the analysis fills them.
enum GaugeIndex : std::size_t {
    GaugeWins = 0,
    GaugeFastestLaps = 1,
    GaugePoles = 2,
    GaugePodiums = 3,
    GaugeRetirements = 4,
};
inline constexpr std::size_t GaugeCount = 5;

// Everything the frame (TFrame4) shows besides its fixed captions, and its run-time fields.
// Label texts are Windows-1254 bytes.
struct DriverFrame {
    std::uint16_t Driver = 0;
    std::string namelabel;
    std::string natlabel;
    // The flag picture's entry name (nationality + ".bmp", lower case), its offset in the flag
    // pictures (-1 when there is none) and whether Image1 is shown.
    std::string FlagName;
    std::int32_t FlagOffset = -1;
    bool FlagVisible = false;

    // Dates page.
    std::string firstgplabel, lastgplabel, firstwinlabel, lastwinlabel, firstpolelabel,
        lastpolelabel;
    std::string Label25; // championships
    std::string first_kayit_no = "0";
    std::vector<TeamRecordsItem> PopupRACES_FOR;

    // Counts page.
    std::string allraceslabel, raceslabel, winslabel, podiumslabel, fastestlapslabel, poleslabel,
        retirementslabel, DNQLABEL, DNPQLABEL, DNSLABEL, disqlabel, totalpointlabel;
    // Percentage labels by GaugeIndex: winsoran, fastestlapsoran, polesoran, podiumsoran,
    // retirementsoran.
    std::array<std::string, GaugeCount> Percentages{};
    // Gauge positions and the targets the timer raises them to, by GaugeIndex. The targets
    // belong to the frame, so that two frames side by side each rise to their own figures.
    std::array<int, GaugeCount> Gauges{};
    std::array<int, GaugeCount> GaugeTarget{};
    bool Timer3Enabled = false;
    // Hint of the "Podiums" caption label: the place breakdown.
    std::string Label17Hint;

    // Chart page: the race-by-race history (HistoryCount entries), the season shown (0 = the
    // whole career) and its label.
    std::vector<RaceHistoryEntry> History;
    int SelectedSeason = 0;
    std::string Lseason;

    // The figures behind the labels.
    DriverFigures Figures;

    std::size_t HistoryCount() const { return History.size(); }
};

// The counters of driver `driver` over fromYear..toYear (clamped to the database's seasons;
// fromYear 0 means the whole career). When history is given, each entry's (GP, Pos) is
// appended to it in GP order; it grows as needed and is never cut.
DriverFigures ComputeDriverFigures(const The_Class& db, std::uint16_t driver, int fromYear,
                                   int toYear, std::vector<RaceHistoryEntry>* history = nullptr);

// "track'YY" for a GP mark: the track's name, an apostrophe and the year's last two digits;
// empty when the mark is not set.
std::string GPMarkText(const The_Class& db, const GPMark& mark);

// "%" and 100 x count / starts with 3 significant digits ("%12.5", "%100"); empty without
// starts.
std::string PercentText(int count, int starts);

// AnalyzeDriver: fills the frame for driver `driver` over fromYear..toYear (fromYear 0: the
// whole career 1950..LastYear). resetHistory rebuilds the frame's History; otherwise it is
// kept. The place breakdown hint is Turkish when the database's LanguageMode is 0. With flags
// given, the flag picture is looked up. Ends with SelectedSeason 0 and Lseason empty (a caller
// showing one season sets them afterwards).
void AnalyzeDriver(const The_Class& db, std::uint16_t driver, int fromYear, int toYear,
                   bool resetHistory, DriverFrame& frame, const FlagImages* flags = nullptr);

// One tick of the gauge timer (Timer3Timer): each gauge below its target grows by 2 (the
// retirement gauge by 4), one at or above it is set to it. Returns whether any gauge grew
// (the timer then runs on); otherwise Timer3Enabled is cleared.
bool Timer3Timer(DriverFrame& frame);

} // namespace qor
