// Painting the owner-drawn result grid on the offscreen platform: a 2,000-row table rebuilt
// and painted, one screenful repainted, and every page of the table painted in turn.

#include "mainwindow/Fonts.h"
#include "mainwindow/GridView.h"
#include "mainwindow/MainSession.h"
#include "settings/SettingsStore.h"

#include "support/GridFixtures.h"

#include "GuiBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>

#include <climits>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

using namespace qor;

QApplication& App() {
    return bench::OffscreenApp();
}

// The shipped database with a 2,000-row record list in tablo1 (the first 2,000 results in the
// layout of a driver's record list).
struct PaintFixture {
    MainSession session;
    MemorySettings settings;
    std::unique_ptr<app::GridView> view;

    explicit PaintFixture(int theme) {
        App();
        if (!session.Start(testing::RunningProgramFolder(), {1280, 800}, settings).Loaded)
            std::abort();
        session.SetColorTheme(theme);
        session.SetGridLines(3);
        ResultGrid& g = session.ctx.grid;
        const Langs& l = session.langs;
        const StandardWidths& w = g.Widths;
        g.SetTableColumns({9, 25, w.ColWDate, w.ColWTrack, w.ColWName, w.ColWTeam, w.ColWPos,
                           w.ColWTime, w.ColWNotes, 0});
        g.SetColumnTitles({"", l.Title(slot::Date), l.Title(slot::Track), l.Title(slot::Name),
                           l.Title(slot::Team), l.Title(slot::Pos), l.Title(slot::Time),
                           l.Title(slot::Notes), ""});
        const The_Class& db = session.db;
        int n = 0;
        for (int gp = 1; gp <= db.GPCount && n < 2000; ++gp) {
            const TGPRow& row = db.GPs[static_cast<std::size_t>(gp)];
            for (int r = row.FirstResult; r <= row.LastResult && n < 2000; ++r) {
                const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
                ++n;
                g.tablo1.SetRowCount(n + 1);
                g.StartGridRow(n);
                g.AddGridCell(std::to_string(n));
                g.AddGridCell(db.FormatDate(row.Date));
                g.AddGridCell(db.TrackNameOf(row.Track));
                g.AddGridCell(db.ResultDriverName(r));
                g.AddGridCell(db.ResultTeamName(r));
                g.AddGridCell(The_Class::NumText(rec.Pos));
                g.AddGridCell(The_Class::FormatTime(rec.Time));
                g.AddGridCell(db.ReasonText(rec.Reason));
                g.AddGridCell(std::to_string(r));
            }
        }
        g.tablo1kayitsayisi(static_cast<std::uint16_t>(n));
        view = std::make_unique<app::GridView>(session, g.tablo1);
        view->resize(900, 700);
        view->show();
    }
};

// A producer has rebuilt the table: the view reloads it and paints the first screenful.
void BM_Reload2000RowsAndPaint(benchmark::State& state) {
    PaintFixture f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.view->Reload();
        QPixmap p = f.view->grab();
        benchmark::DoNotOptimize(p);
    }
    state.SetLabel(state.range(0) >= 100 ? "Modern" : "plain");
}
BENCHMARK(BM_Reload2000RowsAndPaint)->Arg(0)->Arg(101)->Unit(benchmark::kMillisecond);

// One screenful repainted (a theme or highlight change).
void BM_PaintScreenful(benchmark::State& state) {
    PaintFixture f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QPixmap p = f.view->grab();
        benchmark::DoNotOptimize(p);
    }
    state.SetLabel(state.range(0) >= 100 ? "Modern" : "plain");
}
BENCHMARK(BM_PaintScreenful)->Arg(0)->Arg(101)->Unit(benchmark::kMillisecond);

// Every page of the 2,000 rows painted once (scrolling from the top to the bottom).
void BM_PaintAllPages(benchmark::State& state) {
    PaintFixture f(0);
    QScrollBar* bar = f.view->verticalScrollBar();
    int pages = 0;
    for (auto _ : state) {
        pages = 0;
        for (int v = 0; v <= bar->maximum(); v += std::max(1, bar->pageStep())) {
            bar->setValue(v);
            QPixmap p = f.view->viewport()->grab();
            benchmark::DoNotOptimize(p);
            ++pages;
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PaintAllPages)->Unit(benchmark::kMillisecond);

} // namespace
