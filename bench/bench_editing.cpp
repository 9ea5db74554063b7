// Editing operations on a full-size database, in their worst cases: an edit at the very
// start of the tables moves every later row and range.

#include "support/Fixtures.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using qor::The_Class;

// A full-size database whose 2005 season has a realistic field: 24 drivers in 12 teams, so
// that its recomputed tables fit beside the stored ones of the other seasons.
std::unique_ptr<The_Class> DatabaseWithRealisticSeason() {
    auto db = qor::testing::MakeFullSizeDatabase();
    const qor::TSeasonRow& s = db->Seasons[2005];
    for (int g = s.FirstGP; g <= s.LastGP; ++g) {
        const qor::TGPRow& gp = db->GPs[static_cast<std::size_t>(g)];
        for (int r = gp.FirstResult; r <= gp.LastResult; ++r) {
            const int slot = (r * 7 + g) % 24;
            db->Results[static_cast<std::size_t>(r)].Driver = static_cast<std::uint16_t>(1 + slot);
            db->Results[static_cast<std::size_t>(r)].Team = static_cast<std::uint8_t>(1 + slot / 2);
        }
    }
    return db;
}

void BM_AddResultIntoFirstGP(benchmark::State& state) {
    auto db = qor::testing::MakeFullSizeDatabase();
    const std::string date = db->FormatDate(db->GPs[1].Date);
    const qor::TResultRec rec{1, 5, 1, The_Class::ParseTime("+5.000"), 1, 5};
    for (auto _ : state) {
        const std::uint16_t i = db->AddResult(rec, date);
        benchmark::DoNotOptimize(i);
        state.PauseTiming();
        db->DeleteResult(date, i - db->GPs[1].FirstResult + 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddResultIntoFirstGP);

void BM_DeleteFirstGP(benchmark::State& state) {
    auto db = qor::testing::MakeFullSizeDatabase();
    const auto original = std::make_unique<qor::TheClassData>(*db);
    const std::string date = db->FormatDate(db->GPs[1].Date);
    for (auto _ : state) {
        benchmark::DoNotOptimize(db->DeleteGP(date));
        state.PauseTiming();
        static_cast<qor::TheClassData&>(*db) = *original;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteFirstGP);

void BM_RecalcStandingsOfASeason(benchmark::State& state) {
    auto db = DatabaseWithRealisticSeason();
    db->RecalcStandings(2005);
    for (auto _ : state) {
        db->RecalcStandings(2005);
        benchmark::DoNotOptimize(db->DriverStandingCount);
    }
    state.counters["rows"] =
        db->Seasons[2005].LastDriverStanding - db->Seasons[2005].FirstDriverStanding + 1;
}
BENCHMARK(BM_RecalcStandingsOfASeason);

} // namespace
