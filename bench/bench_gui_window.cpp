// Building the main window from a started session, the largest part of the desktop program's
// own start-up: every widget, menu and popup made and filled, then laid out and painted into
// a picture at the program's usual size.

#include "dialogs/Prompts.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainSession.h"
#include "mainwindow/MainWindow.h"
#include "settings/SettingsStore.h"

#include "support/GridFixtures.h"

#include "GuiBench.h"

#include <benchmark/benchmark.h>

#include <QPixmap>

#include <cstdlib>

namespace {

using namespace qor;

// The shipped data started as the program starts it (its last Grand Prix in tablo1).
struct StartedSession {
    MainSession session;
    MemorySettings settings;
    bench::SilentPrompts prompts;

    StartedSession() {
        bench::OffscreenApp();
        session.ctx.grid.FontWidthFactor = app::FontWidthFactor;
        session.ctx.grid.MeasureText = app::CellTextWidth;
        if (!session.Start(testing::RunningProgramFolder(), {1280, 800}, settings).Loaded)
            std::abort();
    }
};

void BM_BuildMainWindow(benchmark::State& state) {
    StartedSession s;
    for (auto _ : state) {
        app::MainWindow window(s.session, s.settings, s.prompts);
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_BuildMainWindow)->Unit(benchmark::kMillisecond);

void BM_BuildAndPaintMainWindow(benchmark::State& state) {
    StartedSession s;
    for (auto _ : state) {
        app::MainWindow window(s.session, s.settings, s.prompts);
        window.resize(1280, 800);
        const QPixmap picture = window.grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}
BENCHMARK(BM_BuildAndPaintMainWindow)->Unit(benchmark::kMillisecond);

} // namespace
