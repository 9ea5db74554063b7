// The driver statistics window on the offscreen platform: opening one for a long career with
// its race chart painted for the first time, against the main window switching its table to
// another Grand Prix and painting the grid.

#include "AppStart.h"
#include "dialogs/Prompts.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/GPBrowser.h"
#include "mainwindow/GridView.h"
#include "mainwindow/MainWindow.h"
#include "settings/SettingsStore.h"
#include "statistics/DriverFrameWidget.h"
#include "statistics/RaceChartWidget.h"
#include "statistics/StatisticsWindow.h"

#include "support/GridFixtures.h"

#include "GuiBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <cstdlib>
#include <memory>

namespace {

using namespace qor;

QApplication& App() {
    return bench::OffscreenApp();
}

// The main window started on the shipped data, shown at a desktop size. It is never closed,
// so the data file's view settings are not written back.
struct WindowFixture {
    MainSession session;
    MemorySettings settings;
    bench::SilentPrompts prompts;
    std::unique_ptr<app::MainWindow> window;

    WindowFixture() {
        App();
        window = app::CreateMainWindow(session, settings, prompts,
                                       QString::fromStdString(testing::RunningProgramFolder()),
                                       {1280, 1024});
        if (!window) std::abort();
        window->resize(1200, 900);
        window->show();
    }
};

// "Analyze driver" for a 236-GP career: a new window with its frame, the figures, the window
// shown, the chart drawn and the window painted once.
void BM_OpenAnalysisWindowWithChart(benchmark::State& state) {
    WindowFixture f;
    const std::uint16_t driver = f.session.db.FindDriver("Rubens Barrichello");
    if (driver == 0) std::abort();
    for (auto _ : state) {
        auto w = std::make_unique<app::StatisticsWindow>(*f.window);
        w->setWindowTitle(QStringLiteral("Rubens Barrichello"));
        w->Frame().Analyze(driver);
        w->show();
        w->Frame().ToggleChart();
        QPixmap p = w->grab();
        benchmark::DoNotOptimize(p);
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAnalysisWindowWithChart)->Unit(benchmark::kMillisecond);

// The main window's table switch: another GP's results shown and the grid painted.
void BM_MainWindowTableSwitch(benchmark::State& state) {
    WindowFixture f;
    const The_Class& db = f.session.db;
    const std::uint16_t dates[] = {db.GPs[db.Seasons[1988].FirstGP].Date,
                                   db.GPs[db.Seasons[2006].LastGP].Date};
    int i = 0;
    for (auto _ : state) {
        const std::uint16_t date = dates[i++ % 2];
        f.window->RunTable([date](TableContext& ctx) { ShowGPByDate(ctx, date); });
        QPixmap p = f.window->Grid1().grab();
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_MainWindowTableSwitch)->Unit(benchmark::kMillisecond);

} // namespace
