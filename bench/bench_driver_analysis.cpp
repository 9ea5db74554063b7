// The driver analysis on the shipped 1950-2006 database: every driver's whole career in turn,
// one season, the two lists of the frame's labels, the date-label rule and the race chart.

#include "mainwindow/GPBrowser.h"
#include "statistics/DriverAnalysis.h"
#include "statistics/DriverCareerLists.h"
#include "statistics/DriverFrameCommands.h"
#include "statistics/RaceChart.h"
#include "support/GridFixtures.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

using namespace qor;

struct Shipped {
    Shipped() : ctx(&testing::ShippedContext()), db(ctx->db) {
        schumacher = db.FindDriver("Michael Schumacher");
        AnalyzeDriver(db, schumacher, 0, 0, true, frame);
    }
    TableContext* ctx;
    The_Class& db;
    std::uint16_t schumacher = 0;
    DriverFrame frame; // Schumacher's whole career
};

Shipped& Data() {
    static Shipped shipped;
    return shipped;
}

// Every driver of the database analysed in turn, as 789 "Analyze driver" clicks would.
void BM_AnalyzeEveryDriver(benchmark::State& state) {
    Shipped& s = Data();
    DriverFrame frame;
    for (auto _ : state) {
        for (int d = 1; d <= s.db.DriverCount; ++d) {
            AnalyzeDriver(s.db, static_cast<std::uint16_t>(d), 0, 0, true, frame);
            benchmark::DoNotOptimize(frame.History.data());
        }
    }
    state.counters["drivers"] = s.db.DriverCount;
}
BENCHMARK(BM_AnalyzeEveryDriver)->Unit(benchmark::kMillisecond);

void BM_AnalyzeOneCareer(benchmark::State& state) {
    Shipped& s = Data();
    DriverFrame frame;
    for (auto _ : state) {
        AnalyzeDriver(s.db, s.schumacher, 0, 0, true, frame);
        benchmark::DoNotOptimize(frame.History.data());
    }
}
BENCHMARK(BM_AnalyzeOneCareer)->Unit(benchmark::kMicrosecond);

// A season picked in the chart: the season alone, the history kept.
void BM_AnalyzeOneSeason(benchmark::State& state) {
    Shipped& s = Data();
    DriverFrame frame = s.frame;
    for (auto _ : state) {
        ChartSeasonClick(s.db, frame, 2004);
        ChartSeasonClick(s.db, frame, 2004); // back to the whole career
        benchmark::DoNotOptimize(frame.winslabel.data());
    }
    state.SetLabel("season and back");
}
BENCHMARK(BM_AnalyzeOneSeason)->Unit(benchmark::kMicrosecond);

void BM_StartsListCareer(benchmark::State& state) {
    Shipped& s = Data();
    for (auto _ : state) {
        s.ctx->grid.SelectedRecord = s.frame.Figures.FirstRecord;
        StartsList(*s.ctx, false);
    }
    state.counters["rows"] = s.ctx->grid.tablo1.RowCount() - 1;
}
BENCHMARK(BM_StartsListCareer)->Unit(benchmark::kMicrosecond);

void BM_AllRetireCareer(benchmark::State& state) {
    Shipped& s = Data();
    for (auto _ : state) {
        s.ctx->grid.SelectedRecord = s.frame.Figures.FirstRecord;
        AllRetire(*s.ctx, ResultStatus::Other, false);
    }
    state.counters["rows"] = s.ctx->grid.tablo1.RowCount() - 1;
}
BENCHMARK(BM_AllRetireCareer)->Unit(benchmark::kMicrosecond);

void BM_AllRetireDisqSeason(benchmark::State& state) {
    Shipped& s = Data();
    for (auto _ : state) {
        s.ctx->grid.SelectedRecord = s.frame.Figures.FirstRecord;
        AllRetire(*s.ctx, ResultStatus::Disq, true);
    }
}
BENCHMARK(BM_AllRetireDisqSeason)->Unit(benchmark::kMicrosecond);

void BM_DateLabelGP(benchmark::State& state) {
    Shipped& s = Data();
    for (auto _ : state)
        benchmark::DoNotOptimize(DateLabelGP(s.db, s.frame.lastwinlabel));
}
BENCHMARK(BM_DateLabelGP)->Unit(benchmark::kMicrosecond);

void BM_DateLabelClick(benchmark::State& state) {
    Shipped& s = Data();
    for (auto _ : state)
        benchmark::DoNotOptimize(DateLabelClick(*s.ctx, s.frame, s.frame.firstwinlabel, 20));
}
BENCHMARK(BM_DateLabelClick)->Unit(benchmark::kMicrosecond);

void BM_LabelCommands(benchmark::State& state) {
    Shipped& s = Data();
    for (auto _ : state)
        for (std::string_view label : FrameCommandLabels())
            benchmark::DoNotOptimize(LabelCommand(s.db, s.frame, label));
}
BENCHMARK(BM_LabelCommands)->Unit(benchmark::kMicrosecond);

void BM_RaceChart(benchmark::State& state) {
    Shipped& s = Data();
    for (auto _ : state) {
        const RaceChart chart = BuildRaceChart(s.db, s.frame.History, 25, state.range(0) != 0);
        benchmark::DoNotOptimize(chart.Markers.data());
    }
    state.SetLabel(state.range(0) ? "fit" : "5 pixel rows");
}
BENCHMARK(BM_RaceChart)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ChartHover(benchmark::State& state) {
    Shipped& s = Data();
    const RaceChart chart = BuildRaceChart(s.db, s.frame.History, 25, false);
    int y = 0;
    for (auto _ : state) {
        const ChartHit hit = ChartHitTest(chart, s.db, 20, y);
        benchmark::DoNotOptimize(ChartHover(s.db, hit));
        y = (y + 7) % chart.Height;
    }
}
BENCHMARK(BM_ChartHover)->Unit(benchmark::kMicrosecond);

} // namespace
