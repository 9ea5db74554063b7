// Fit and finish on the shipped data: no text wider than its column in any table, nothing of
// the right-hand panel beside the wide table, the status line's hints and messages.

#include "mainwindow/Fonts.h"
#include "mainwindow/GPBrowser.h"
#include "mainwindow/QtText.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/DriverCareerLists.h"
#include "statistics/DriverComparison.h"
#include "statistics/RecordLists.h"
#include "statistics/SeasonLists.h"
#include "support/AppFixture.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

class FitFinishTest : public QObject {
    Q_OBJECT

    // Cells of tablo1 whose text does not fit its column (or, in a title, leaves no room for
    // the filter marker): one line per table and column.
    static void CollectClipped(const MainSession& s, const char* table, QStringList& clipped) {
        const GridTable& g = s.ctx.grid.tablo1;
        const CellStyleView view = s.StyleView(g);
        for (int c = 0; c < g.ColCount(); ++c) {
            const int width = g.ColWidth(c);
            for (int r = 0; r < g.RowCount() && width > 0; ++r) {
                if (g.Cell(c, r).empty()) continue;
                const CellRect rect{0, 0, width, g.RowHeight(r)};
                const CellStyle st = DecideCellStyle(view, c, r, false, rect, CellTextWidth);
                const int end = st.TextX + CellTextWidth(g.Cell(c, r), st.Font);
                const int room = st.Marker ? st.Marker->Points[0].first : width - 1;
                if (st.TextX >= 0 && end <= room) continue;
                const QString line =
                    QStringLiteral("%1, column \"%2\": \"%3\" at %4..%5 of %6")
                        .arg(QLatin1String(table), ToQt(g.Title(c)), ToQt(g.Cell(c, r)))
                        .arg(st.TextX)
                        .arg(end)
                        .arg(room);
                if (!clipped.contains(line)) clipped << line;
                break;
            }
        }
    }

  private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void everyTableFitsItsColumns() {
        AppFixture f;
        QVERIFY(f.Start());
        MainSession& s = *f.session;
        TableContext& ctx = s.ctx;
        const The_Class& db = s.db;
        QStringList clipped;
        const auto check = [&](const char* table, auto&& fill) {
            fill();
            CollectClipped(s, table, clipped);
        };
        for (int g = 1; g <= db.GPCount; ++g)
            check("GP", [&] { ShowGPByDate(ctx, db.GPs[static_cast<std::size_t>(g)].Date); });
        for (int y = FirstYear; y <= db.LastYear; ++y) {
            check("drivers' standings", [&] { DriverStandingsTable(ctx, y); });
            if (TeamStandingsTable(ctx, y)) CollectClipped(s, "constructors' standings", clipped);
        }
        for (auto* table :
             {DriverChampionsTable, TeamChampionsTable, DriverChampionRanking, TeamChampionRanking})
            check("champions", [&] { table(ctx); });
        check("winners of all seasons", [&] { ListWinners(ctx, 0); });
        for (int kind : {GPFactFastestLaps, GPFactPoles})
            check("fastest laps or poles", [&] { ListGPFacts(ctx, kind, 0); });
        const std::uint16_t schumacher = db.FindDriver("Michael Schumacher");
        const std::uint8_t ferrari = static_cast<std::uint8_t>(db.FindTeam("Ferrari"));
        check("driver's points", [&] { DriverPointsByYear(ctx, schumacher); });
        check("driver's titles", [&] { DriverChampionships(ctx, schumacher); });
        check("team's points", [&] { TeamPointsByYear(ctx, ferrari); });
        check("team's titles", [&] { TeamChampionships(ctx, ferrari); });
        // Every record list on the first record of a GP of each decade.
        for (int g = 1; g <= db.GPCount; g += 80) {
            ctx.grid.SelectedRecord = db.GPs[static_cast<std::size_t>(g)].FirstResult;
            for (int p = 0; p <= static_cast<int>(RecordProducer::AllRaces2Click); ++p)
                for (RecordKind k : {rkRaces, rkWins, rkPodiums, rkFastestLaps, rkPoles})
                    check("record list",
                          [&] { RunRecordProducer(ctx, static_cast<RecordProducer>(p), k); });
            check("starts", [&] { StartsList(ctx, false); });
            check("retirements", [&] { AllRetire(ctx, ResultStatus::Other, false); });
        }
        for (int kind = 0; kind <= 10; ++kind)
            check("comparison", [&] {
                CompareDrivers(ctx, kind, 0, schumacher, db.FindDriver("Rubens Barrichello"));
            });
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }

    void wideTableHidesThePanelBehindIt() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton2"), Qt::LeftButton);
        QTRY_VERIFY(Child<QToolButton>(w, "SpeedButton1")->isEnabled());
        // Down the strip right of the wide table only the window's background shows.
        QWidget* central = w.centralWidget();
        QWidget* panel8 = Child<QWidget>(w, "Panel8");
        for (int y = 0; y < central->height(); y += 5) {
            QWidget* at = central->childAt(central->width() - 5, y);
            QVERIFY2(!at || panel8->isAncestorOf(at), qPrintable(at ? at->objectName() : ""));
        }
        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton1"), Qt::LeftButton);
        QTRY_VERIFY(Child<QToolButton>(w, "SpeedButton2")->isEnabled());
        QVERIFY(Child<QWidget>(w, "Panel2")->isVisible());
    }

    void statusLineHintsAndUnopenedPages() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        auto* status = Child<QLabel>(w, "status");
        auto* html = Child<QToolButton>(w, "button9");
        QTest::mouseMove(html);
        QTRY_COMPARE(status->text(), QStringLiteral("---->   Extract data as HTML   <----"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(html, &leave);
        QCOMPARE(status->text(), QString());

        f.prompts.pageOpens = false;
        QTest::mouseClick(html, Qt::LeftButton);
        QCOMPARE(f.prompts.openedPages.size(), 1);
        QCOMPARE(status->text(), QStringLiteral("  No program could open the page written to ") +
                                     f.prompts.openedPages.front());
    }
};

QTEST_MAIN(FitFinishTest)
#include "FitFinishTest.moc"
