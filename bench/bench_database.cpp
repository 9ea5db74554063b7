// Loading and saving a full-size database (every table near its capacity).

#include "support/Fixtures.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qor;

struct SavedDatabase {
    testing::TempDir dir;
    std::unique_ptr<The_Class> db = testing::MakeFullSizeDatabase();
    SavedDatabase() {
        db->DataPath = dir.path();
        db->DataFileName = dir.file("f1data5.dat");
        db->NotesFileName = dir.file("f1notes5.dat");
        if (db->SaveDatabase() != 1) throw std::runtime_error("cannot save the benchmark database");
    }
};

SavedDatabase& Saved() {
    static SavedDatabase s;
    return s;
}

void BM_LoadDatabase(benchmark::State& state) {
    auto& saved = Saved();
    auto db = std::make_unique<The_Class>();
    db->DataPath = saved.dir.path();
    for (auto _ : state) {
        if (db->LoadDatabase("f1data5.dat", "f1notes5.dat", 1) != 0)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(db->ResultCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(saved.db->BuildDataImage().size()));
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMicrosecond);

void BM_LoadDatabaseImage(benchmark::State& state) {
    const auto image = Saved().db->BuildDataImage();
    const auto notes = Saved().db->BuildNotesImage();
    auto db = std::make_unique<The_Class>();
    for (auto _ : state) {
        if (db->LoadDatabaseImage(image, &notes, 1) != 0) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(db->ResultCount);
    }
}
BENCHMARK(BM_LoadDatabaseImage)->Unit(benchmark::kMicrosecond);

void BM_BuildDataImage(benchmark::State& state) {
    auto& saved = Saved();
    for (auto _ : state)
        benchmark::DoNotOptimize(saved.db->BuildDataImage());
}
BENCHMARK(BM_BuildDataImage)->Unit(benchmark::kMicrosecond);

// Includes fsync of both files and the folder: the price of never losing the old files.
void BM_SaveDatabase(benchmark::State& state) {
    auto& saved = Saved();
    for (auto _ : state)
        if (saved.db->SaveDatabase() != 1) state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveDatabase)->Unit(benchmark::kMillisecond);

} // namespace
