// Top lists, track statistics, driver comparisons and team-mates on the shipped 1950-2006
// database, each as a click runs it.

#include "statistics/DriverComparison.h"
#include "statistics/TeamMates.h"
#include "statistics/TopLists.h"
#include "statistics/TrackStatistics.h"
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

void BM_TopListDrivers(benchmark::State& state) {
    const The_Class& db = Ctx().db;
    for (auto _ : state)
        benchmark::DoNotOptimize(opLists1Click(db));
}

void BM_TopListTeams(benchmark::State& state) {
    const The_Class& db = Ctx().db;
    for (auto _ : state)
        benchmark::DoNotOptimize(opListsteamClick(db));
}

void BM_TrackStatistics(benchmark::State& state) {
    const The_Class& db = Ctx().db;
    for (auto _ : state)
        benchmark::DoNotOptimize(PistStatistics1Click(db));
    state.counters["tracks"] = static_cast<double>(PistStatistics1Click(db).List(1).size() - 1);
}

// "Races" for 25 drivers of 2006 (vertical, only the races all of them drove), all seasons.
void BM_Compare25Drivers(benchmark::State& state) {
    TableContext& ctx = Ctx();
    const The_Class& db = Ctx().db;
    ctx.browser.CompareList.clear();
    const TSeasonRow& s = db.Seasons[2006];
    for (int r = db.GPs[s.FirstGP].FirstResult; r <= db.GPs[s.LastGP].LastResult; ++r)
        AddToCompareList(ctx, db.Results[static_cast<std::size_t>(r)].Driver);
    for (auto _ : state) {
        SpeedButton5Click(ctx);
        benchmark::DoNotOptimize(ctx.grid.tablo1.RowCount());
    }
    state.counters["drivers"] = static_cast<double>(ctx.browser.CompareList.size());
    state.counters["rows"] = ctx.grid.tablo1.RowCount() - 1;
}

// A long pair comparison: every race either of two team-mates drove, side by side.
void BM_ComparePairAllRaces(benchmark::State& state) {
    TableContext& ctx = Ctx();
    const The_Class& db = Ctx().db;
    const std::uint16_t a = db.FindDriver("Michael Schumacher");
    const std::uint16_t b = db.FindDriver("Rubens Barrichello");
    for (auto _ : state) {
        ComparePairTable(ctx, CompareAllRaces, 0, a, b);
        benchmark::DoNotOptimize(ctx.grid.tablo1.RowCount());
    }
    state.counters["rows"] = ctx.grid.tablo1.RowCount() - 1;
}

void BM_TeamMatesOpen(benchmark::State& state) {
    const The_Class& db = Ctx().db;
    const std::uint16_t clark = db.FindDriver("Jim Clark");
    const auto lotus = static_cast<std::uint8_t>(db.FindTeam("Lotus"));
    TeamMatesWindow w;
    for (auto _ : state) {
        w.Open(db, clark, lotus);
        benchmark::DoNotOptimize(w.TeamMateCount);
    }
    state.counters["entries"] = w.TeamMateCount;
}

BENCHMARK(BM_TopListDrivers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TopListTeams)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrackStatistics)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compare25Drivers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComparePairAllRaces)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TeamMatesOpen)->Unit(benchmark::kMicrosecond);

} // namespace
