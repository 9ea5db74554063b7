// The chains of each driver's and team's rows: results, poles, fastest laps and standings.

#include "database/STheClass.h"

#include <algorithm>
#include <memory>

namespace qor {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Appends `row` to the chain of `key`; the row follows every row already chained. A key beyond
// its table belongs to no chain.
template <typename Heads, typename Next>
void Append(Heads& first, Heads& last, Next& next, std::size_t key, int row) {
    next[U(row)] = 0;
    if (key >= first.size()) return;
    if (last[key])
        next[last[key]] = static_cast<std::uint16_t>(row);
    else
        first[key] = static_cast<std::uint16_t>(row);
    last[key] = static_cast<std::uint16_t>(row);
}

void LinkResult(ResultIndex& ix, const TResultRec& rec, int r) {
    Append(ix.FirstOfDriver, ix.LastOfDriver, ix.NextOfDriver, rec.Driver, r);
    Append(ix.FirstOfTeam, ix.LastOfTeam, ix.NextOfTeam, rec.Team, r);
}

} // namespace

void BuildResultIndex(const TheClassData& d, ResultIndex& ix) {
    ix = ResultIndex{};
    const int results = std::min<int>(d.ResultCount, MaxResults);
    for (int r = 1; r <= results; ++r)
        LinkResult(ix, d.Results[U(r)], r);
    const int gps = std::min<int>(d.GPCount, MaxGPs);
    // Ranges are clipped so that a damaged file (rejected after this) cannot write outside.
    for (int g = 1; g <= gps; ++g) {
        const TGPRow& gp = d.GPs[U(g)];
        for (int r = std::max<int>(gp.FirstResult, 1); r <= gp.LastResult && r <= results; ++r)
            ix.GPOf[U(r)] = static_cast<std::uint16_t>(g);
    }
    // The last pole and fastest lap of each driver are needed only while building.
    const auto lastPole = std::make_unique<std::array<std::uint16_t, MaxDrivers + 1>>();
    const auto lastLap = std::make_unique<std::array<std::uint16_t, MaxDrivers + 1>>();
    for (int g = 1; g <= gps; ++g) {
        const TGPRow& gp = d.GPs[U(g)];
        Append(ix.FirstPoleOfDriver, *lastPole, ix.NextPole, gp.PoleDriver, g);
        Append(ix.FirstFastestLapOfDriver, *lastLap, ix.NextFastestLap, gp.FLDriver, g);
    }
    const int standings = std::min<int>(d.DriverStandingCount, MaxDriverStandings);
    for (int i = 1; i <= standings; ++i)
        Append(ix.FirstStandingOfDriver, ix.LastStandingOfDriver, ix.NextStanding,
               d.DriverStandings[U(i)].Driver, i);
}

void The_Class::RebuildResultIndex() {
    BuildResultIndex(*this, Index);
}

void The_Class::IndexLastResult() {
    const int r = ResultCount;
    if (r < 1 || r > MaxResults) return;
    LinkResult(Index, Results[U(r)], r);
    Index.GPOf[U(r)] = GPCount;
}

void The_Class::IndexLastDriverStanding() {
    const int i = DriverStandingCount;
    if (i < 1 || i > MaxDriverStandings) return;
    Append(Index.FirstStandingOfDriver, Index.LastStandingOfDriver, Index.NextStanding,
           DriverStandings[U(i)].Driver, i);
}

} // namespace qor
