// The seasons' championship tables: inserting rows and recomputing a season from its results.

#include "database/STheClass.h"
#include "database/TableRows.h"
#include "text/Encoding.h"

#include <vector>

namespace qor {
namespace {

// Seasons before this one keep the tables stored in the data file: they were scored by
// other points systems, which the program does not recompute.
constexpr int FirstRecalcYear = 2005;
constexpr float PointsByPosition[9] = {0.0f, 10.0f, 8.0f, 6.0f, 5.0f, 4.0f, 3.0f, 2.0f, 1.0f};

void Note(const The_Class& db, const char* utf8) {
    db.Debug(Utf8ToCp1254(utf8));
}

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// The two season fields that carry one standings table's range.
struct StandingsRange {
    std::uint16_t TSeasonRow::*first;
    std::uint16_t TSeasonRow::*last;
};
constexpr StandingsRange DriverRange{&TSeasonRow::FirstDriverStanding,
                                     &TSeasonRow::LastDriverStanding};
constexpr StandingsRange TeamRange{&TSeasonRow::FirstTeamStanding, &TSeasonRow::LastTeamStanding};

// Moves the ranges of every season after `year` by delta rows.
void ShiftLaterSeasons(TheClassData& d, int year, StandingsRange r, int delta) {
    for (int y = year + 1; y <= d.LastYear; ++y) {
        TSeasonRow& s = d.Seasons[y];
        s.*r.first = static_cast<std::uint16_t>(s.*r.first + delta);
        s.*r.last = static_cast<std::uint16_t>(s.*r.last + delta);
    }
}

// Removes a season's rows from one standings table, leaving it an empty range in place.
template <typename T, std::size_t N>
void ClearSeason(TheClassData& d, int year, std::array<T, N>& table, std::uint16_t& count,
                 StandingsRange r) {
    TSeasonRow& s = d.Seasons[year];
    const int n = The_Class::RangeCount(s.*r.first, s.*r.last);
    rows::RemoveRows(table, s.*r.first, n, count);
    count = static_cast<std::uint16_t>(count - n);
    s.*r.last = static_cast<std::uint16_t>(s.*r.first - 1);
    ShiftLaterSeasons(d, year, r, -n);
}

// Inserts a row after every row of the season with at least as many points.
template <typename T, std::size_t N>
int InsertByPoints(TheClassData& d, int year, std::array<T, N>& table, std::uint16_t& count,
                   StandingsRange r, const T& row) {
    TSeasonRow& s = d.Seasons[year];
    int i = s.*r.first;
    while (i <= s.*r.last && table[U(i)].Points >= row.Points)
        ++i;
    rows::OpenRow(table, i, count);
    ++count;
    table[U(i)] = row;
    ++(s.*r.last);
    ShiftLaterSeasons(d, year, r, 1);
    return i;
}

} // namespace

std::uint16_t The_Class::AddDriverStanding(int year, std::uint16_t driver, float points,
                                           std::uint8_t team) {
    if (!IsYearLoaded(year)) {
        Note(*this, "Sıralama: geçersiz yıl");
        return 0;
    }
    if (DriverStandingCount >= MaxDriverStandings) {
        Note(*this, "Yer yok.");
        return 0;
    }
    if (driver > DriverCount || team > TeamCount) {
        Note(*this, "Sıralama: geçersiz indeks");
        return 0;
    }
    const TDriverStanding row{driver, team, 0, points};
    const auto added = static_cast<std::uint16_t>(
        InsertByPoints(*this, year, DriverStandings, DriverStandingCount, DriverRange, row));
    RebuildResultIndex();
    return added;
}

std::uint16_t The_Class::AddTeamStanding(int year, std::string_view name, float points,
                                         std::uint8_t team) {
    if (!IsYearLoaded(year)) {
        Note(*this, "Sıralama: geçersiz yıl");
        return 0;
    }
    if (TeamStandingCount >= MaxTeamStandings) {
        Note(*this, "Yer yok.");
        return 0;
    }
    if (team > TeamCount) {
        Note(*this, "Sıralama: geçersiz indeks");
        return 0;
    }
    TTeamStanding row{};
    row.Team = team;
    row.Name.assign_clean(name);
    row.Points = points;
    return static_cast<std::uint16_t>(
        InsertByPoints(*this, year, TeamStandings, TeamStandingCount, TeamRange, row));
}

void The_Class::RecalcStandings(int year) {
    if (!IsYearLoaded(year)) {
        Note(*this, "Sıralama: geçersiz yıl");
        return;
    }
    if (year < FirstRecalcYear) return;

    // Indexed by driver and team, so as large as those tables can be.
    std::vector<float> driverPoints(MaxDrivers + 1, 0.0f);
    std::vector<int> driverWins(MaxDrivers + 1, 0);
    std::vector<std::uint8_t> driverTeam(MaxDrivers + 1, 0);
    std::vector<float> teamPoints(MaxTeams + 1, 0.0f);
    std::vector<int> teamWins(MaxTeams + 1, 0);

    TSeasonRow& season = Seasons[year];
    for (int g = season.FirstGP; g <= season.LastGP; ++g) {
        const TGPRow& gp = GPs[U(g)];
        for (int r = gp.FirstResult; r <= gp.LastResult; ++r) {
            const TResultRec& res = Results[U(r)];
            if (res.Pos < 1 || res.Pos > 8) continue;
            const float points = PointsByPosition[res.Pos];
            if (res.Driver <= MaxDrivers) {
                driverPoints[res.Driver] += points;
                driverTeam[res.Driver] = res.Team;
                if (res.Pos == 1) ++driverWins[res.Driver];
            }
            if (res.Team <= MaxTeams) {
                teamPoints[res.Team] += points;
                if (res.Pos == 1) ++teamWins[res.Team];
            }
        }
    }

    int scoringDrivers = 0;
    for (int d = 1; d <= DriverCount; ++d)
        scoringDrivers += driverPoints[U(d)] > 0.0f;
    int scoringTeams = 0;
    for (int t = 1; t <= TeamCount; ++t)
        scoringTeams += teamPoints[U(t)] > 0.0f;
    // All or nothing: a table that cannot take the new rows keeps the old ones.
    if (DriverStandingCount - RangeCount(season.FirstDriverStanding, season.LastDriverStanding) +
                scoringDrivers >
            MaxDriverStandings ||
        TeamStandingCount - RangeCount(season.FirstTeamStanding, season.LastTeamStanding) +
                scoringTeams >
            MaxTeamStandings) {
        Note(*this, "Yer yok.");
        return;
    }

    ClearSeason(*this, year, DriverStandings, DriverStandingCount, DriverRange);
    ClearSeason(*this, year, TeamStandings, TeamStandingCount, TeamRange);
    RebuildResultIndex(); // the season's rows are gone, whether or not any come back
    // In index order, so that ties list the lower index first.
    for (int d = 1; d <= DriverCount; ++d)
        if (driverPoints[U(d)] > 0.0f)
            AddDriverStanding(year, static_cast<std::uint16_t>(d), driverPoints[U(d)],
                              driverTeam[U(d)]);
    for (int t = 1; t <= TeamCount; ++t)
        if (teamPoints[U(t)] > 0.0f)
            AddTeamStanding(year, "", teamPoints[U(t)], static_cast<std::uint8_t>(t));

    const auto capped = [](int wins) { return static_cast<std::uint8_t>(std::min(wins, 255)); };
    if (season.LastDriverStanding >= season.FirstDriverStanding) {
        const TDriverStanding& champion = DriverStandings[season.FirstDriverStanding];
        season.ChampDriver = champion.Driver;
        season.ChampDriverTeam = champion.Team;
        season.ChampDriverWins = capped(driverWins[champion.Driver]);
    } else {
        season.ChampDriver = 0;
        season.ChampDriverTeam = 0;
        season.ChampDriverWins = 0;
    }
    if (season.LastTeamStanding >= season.FirstTeamStanding) {
        const TTeamStanding& champion = TeamStandings[season.FirstTeamStanding];
        season.ChampTeam = static_cast<std::uint8_t>(champion.Team);
        season.ChampTeamWins = capped(teamWins[champion.Team]);
    } else {
        season.ChampTeam = 0;
        season.ChampTeamWins = 0;
    }
}

} // namespace qor
