// The GP browser, championship tables and season lists on the shipped 1950-2006 database,
// each producer from its history entry to the count label, as a click runs it.

#include "mainwindow/GPBrowser.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/SeasonLists.h"
#include "support/GridFixtures.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

using namespace qor;

TableContext& Ctx() {
    return testing::ShippedContext();
}

// Runs a producer repeatedly; the history fills up to its 50 entries as in a long session.
template <typename F> void Run(benchmark::State& state, F produce) {
    TableContext& ctx = Ctx();
    for (auto _ : state) {
        produce(ctx);
        benchmark::DoNotOptimize(ctx.grid.tablo1.RowCount());
    }
    state.counters["rows"] = ctx.grid.tablo1.RowCount() - 1;
}

void BM_GPList2006(benchmark::State& s) {
    Run(s, [](TableContext& c) {
        c.browser.YearIndex = 0;
        ComboBox1Change(c);
    });
    s.counters["rows"] = static_cast<double>(Ctx().browser.GPList.size());
}
void BM_GPTableBrazil2006(benchmark::State& s) {
    Run(s, [](TableContext& c) {
        c.browser.YearIndex = 0;
        ComboBox1Change(c);
        c.browser.GPIndex = 17;
        gpListBox1Click(c);
    });
}
void BM_DriverStandings2006(benchmark::State& s) {
    Run(s, [](TableContext& c) { DriverStandingsTable(c, 2006); });
}
void BM_TeamStandings2006(benchmark::State& s) {
    Run(s, [](TableContext& c) { TeamStandingsTable(c, 2006); });
}
void BM_DriverChampions(benchmark::State& s) {
    Run(s, DriverChampionsTable);
}
void BM_TeamChampions(benchmark::State& s) {
    Run(s, TeamChampionsTable);
}
void BM_DriverChampionRanking(benchmark::State& s) {
    Run(s, DriverChampionRanking);
}
void BM_TeamChampionRanking(benchmark::State& s) {
    Run(s, TeamChampionRanking);
}
void BM_PointsByYearSchumacher(benchmark::State& s) {
    const auto d = Ctx().db.FindDriver("Michael Schumacher");
    Run(s, [d](TableContext& c) { DriverPointsByYear(c, d); });
}
void BM_ChampionshipsSchumacher(benchmark::State& s) {
    const auto d = Ctx().db.FindDriver("Michael Schumacher");
    Run(s, [d](TableContext& c) { DriverChampionships(c, d); });
}
void BM_PointsByYearFerrari(benchmark::State& s) {
    const auto t = Ctx().db.FindTeam("Ferrari");
    Run(s, [t](TableContext& c) { TeamPointsByYear(c, t); });
}
void BM_ChampionshipsFerrari(benchmark::State& s) {
    const auto t = Ctx().db.FindTeam("Ferrari");
    Run(s, [t](TableContext& c) { TeamChampionships(c, t); });
}
void BM_Winners1988(benchmark::State& s) {
    Run(s, [](TableContext& c) { ListWinners(c, 1988); });
}
void BM_WinnersAllSeasons(benchmark::State& s) {
    Run(s, [](TableContext& c) { ListWinners(c, 0); });
}
void BM_FastestLaps2006(benchmark::State& s) {
    Run(s, [](TableContext& c) { ListGPFacts(c, GPFactFastestLaps, 2006); });
}
void BM_FastestLapsAllSeasons(benchmark::State& s) {
    Run(s, [](TableContext& c) { ListGPFacts(c, GPFactFastestLaps, 0); });
}
void BM_PolesAllSeasons(benchmark::State& s) {
    Run(s, [](TableContext& c) { ListGPFacts(c, GPFactPoles, 0); });
}

BENCHMARK(BM_GPList2006);
BENCHMARK(BM_GPTableBrazil2006);
BENCHMARK(BM_DriverStandings2006);
BENCHMARK(BM_TeamStandings2006);
BENCHMARK(BM_DriverChampions);
BENCHMARK(BM_TeamChampions);
BENCHMARK(BM_DriverChampionRanking);
BENCHMARK(BM_TeamChampionRanking);
BENCHMARK(BM_PointsByYearSchumacher);
BENCHMARK(BM_ChampionshipsSchumacher);
BENCHMARK(BM_PointsByYearFerrari);
BENCHMARK(BM_ChampionshipsFerrari);
BENCHMARK(BM_Winners1988);
BENCHMARK(BM_WinnersAllSeasons);
BENCHMARK(BM_FastestLaps2006);
BENCHMARK(BM_FastestLapsAllSeasons);
BENCHMARK(BM_PolesAllSeasons);

} // namespace
