// The driver statistics windows through the real main window: opening and bringing forward,
// the 30-window limit, the race chart's clicks and the frame's label commands.

#include "mainwindow/Fonts.h"
#include "mainwindow/QtText.h"
#include "statistics/AnalyzeWindows.h"
#include "statistics/DriverFrameWidget.h"
#include "statistics/RaceChartWidget.h"
#include "statistics/StatisticsWindow.h"
#include "support/AppFixture.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

class AnalysisWindowsTest : public AppTest {
    Q_OBJECT

    AnalyzeWindows& A() { return W().Analyzes(); }
    // Analyses the driver typed into the driver box with "Analyze driver".
    DriverFrameWidget& Analyze(const QString& name) {
        W().SetDriverBox(name);
        QTest::mouseClick(Child<QToolButton>(W(), "button8"), Qt::LeftButton);
        return *A().CurrentFrame();
    }
    static QString Text(DriverFrameWidget& frame, const char* label) {
        return frame.Label(QString::fromLatin1(label))->text();
    }
    // The window items of "Analyzes" (without "View All" and "Close All").
    QStringList MenuItems() {
        QStringList items;
        for (QAction* a : Action(W(), "Analyzes1")->menu()->actions())
            if (a->objectName() == QLatin1String("analizsecim1")) items << a->text();
        return items;
    }
    // Clicks the chart picture at a row, on its marker or at the left edge.
    static void ClickRow(DriverFrameWidget& frame, const ChartMarker& m, bool onMarker) {
        const QPoint at(onMarker ? (m.Rect.Left + m.Rect.Right) / 2 : 2,
                        (m.Rect.Top + m.Rect.Bottom) / 2);
        QTest::mouseClick(&frame.Chart().Canvas(), Qt::LeftButton, Qt::NoModifier, at);
    }
    static const ChartMarker& FirstMarkerIn(DriverFrameWidget& frame, int year, MarkerKind kind) {
        const RaceChart& c = frame.Chart().Geometry();
        for (const ChartMarker& m : c.Markers)
            if (m.Kind == kind && m.Row >= SeasonBand(c, year).Top / c.RowHeight) return m;
        qFatal("no marker");
    }

  private slots:
    void analyzingOpensAWindowCaptionedWithHisNameShowingHisCounts() {
        DriverFrameWidget& frame = Analyze(QStringLiteral("  ayrton senna "));
        QCOMPARE(A().Count(), 1);
        QCOMPARE(A().At(0)->windowTitle(), "Ayrton Senna");
        QVERIFY(A().At(0)->isVisible());
        QCOMPARE(&A().At(0)->Frame(), &frame);
        QCOMPARE(W().DriverBox().currentText(), "Ayrton Senna"); // the stored spelling
        QCOMPARE(Text(frame, "winslabel"), "41");
        QCOMPARE(Text(frame, "podiumslabel"), "80");
        QCOMPARE(Text(frame, "poleslabel"), "65");
        QCOMPARE(MenuItems(), QStringList{"Ayrton Senna"});
        QVERIFY(Action(W(), "Analyzes1")->isVisible());
    }

    void analyzingHimAgainOnlyBringsHisWindowForward() {
        Analyze(QStringLiteral("Ayrton Senna"));
        Analyze(QStringLiteral("Alain Prost"));
        A().At(0)->showMinimized();
        DriverFrameWidget& again = Analyze(QStringLiteral("Ayrton Senna"));
        QCOMPARE(A().Count(), 2);
        QCOMPARE(&again, &A().At(0)->Frame());
        QVERIFY(!A().At(0)->isMinimized());
        QCOMPARE(MenuItems(), (QStringList{"Ayrton Senna", "Alain Prost"}));
    }

    void theThirtyFirstAnalysisFreesTheOldestWindowAndItsItem() {
        const std::vector<std::string>& names = f->session->DriverBoxItems;
        QVERIFY(names.size() > 31);
        for (int i = 0; i < 31; ++i)
            Analyze(ToQt(names[static_cast<std::size_t>(i)]));
        QCOMPARE(A().Count(), 30);
        QCOMPARE(MenuItems().size(), 30);
        const QString first = ToQt(names[0]);
        QVERIFY(!A().Find(first));
        QVERIFY(!MenuItems().contains(first));
        QCOMPARE(A().At(29)->windowTitle(), ToQt(names[30]));
    }

    void aSeasonClickedOnTheChartShowsItsFiguresAndAgainTheCareer() {
        DriverFrameWidget& frame = Analyze(QStringLiteral("Ayrton Senna"));
        QTest::mouseClick(frame.findChild<QToolButton*>(QStringLiteral("SpeedButton8")),
                          Qt::LeftButton);
        QVERIFY(frame.ChartShown());
        const ChartMarker& row = FirstMarkerIn(frame, 1988, MarkerKind::Placed);
        ClickRow(frame, row, false);
        QCOMPARE(Text(frame, "winslabel"), "8");
        QCOMPARE(Text(frame, "Lseason"), "Statistics for 1988");
        QCOMPARE(frame.Chart().SelectedSeason(), 1988);
        ClickRow(frame, row, false);
        QCOMPARE(Text(frame, "winslabel"), "41");
        QCOMPARE(Text(frame, "Lseason"), "");
        QCOMPARE(frame.Chart().SelectedSeason(), 0);
    }

    void aMarkerClickShowsThatGPWithHisRowSelected() {
        DriverFrameWidget& frame = Analyze(QStringLiteral("Ayrton Senna"));
        frame.ToggleChart();
        const ChartMarker& m = FirstMarkerIn(frame, 1989, MarkerKind::Placed);
        ClickRow(frame, m, true);
        const int name = ColumnTitled(W().Grid1(), " Name");
        QCOMPARE(T().Cell(name, T().Row), "Ayrton Senna");
        QCOMPARE(T().Cell(ColumnTitled(W().Grid1(), " Pos"), T().Row), std::to_string(m.Pos));
        const TGPRow& gp = f->session->db.GPs[m.GP];
        QVERIFY(Child<QLabel>(W(), "label5")
                    ->text()
                    .contains(ToQt(f->session->db.FormatDateAlt(gp.Date))));
    }

    void winsListsHisWinsInTheMainGrid() {
        DriverFrameWidget& frame = Analyze(QStringLiteral("Ayrton Senna"));
        QLabel* wins = frame.Label(QStringLiteral("winslabel"));
        QTest::mouseClick(wins, Qt::LeftButton, Qt::NoModifier, wins->rect().center());
        QCOMPARE(T().RowCount() - 1, 41);
        const int name = ColumnTitled(W().Grid1(), " Name");
        QCOMPARE(T().Cell(name, 1), "Ayrton Senna");
        QCOMPARE(T().Cell(name, 41), "Ayrton Senna");
    }

    void aDoubleClickOnANameAnalysesThatDriver() {
        const int name = ColumnTitled(W().Grid1(), " Name");
        const QString driver = ToQt(T().Cell(name, 2));
        Click(W().Grid1(), name, 2);
        DoubleClick(W().Grid1(), name, 2);
        QCOMPARE(A().Count(), 1);
        QCOMPARE(A().At(0)->windowTitle(), driver);
    }

    void aDateLabelShowsThatGPWithHisRowSelected() {
        DriverFrameWidget& frame = Analyze(QStringLiteral("Ayrton Senna"));
        frame.ShowHistoryPage();
        QLabel* firstWin = frame.Label(QStringLiteral("firstwinlabel"));
        QCOMPARE(firstWin->text(), "Estoril'85");
        QTest::mouseClick(firstWin, Qt::LeftButton, Qt::NoModifier, firstWin->rect().center());
        QCOMPARE(T().Cell(ColumnTitled(W().Grid1(), " Name"), T().Row), "Ayrton Senna");
        QCOMPARE(T().Cell(ColumnTitled(W().Grid1(), " Pos"), T().Row), "1");
        QVERIFY(Child<QLabel>(W(), "label5")->text().endsWith(QStringLiteral("1985")));
    }

    void theTeamPopupListsHisRacesWithThatTeam() {
        DriverFrameWidget& frame = Analyze(QStringLiteral("Ayrton Senna"));
        frame.ShowHistoryPage();
        QTest::mouseClick(frame.findChild<QToolButton*>(QStringLiteral("SpeedButton7")),
                          Qt::LeftButton);
        auto* popup = frame.findChild<QMenu*>(QStringLiteral("PopupRACES_FOR"));
        QStringList teams;
        for (QAction* a : popup->actions())
            teams << a->text();
        QCOMPARE(teams,
                 (QStringList{"Lotus", "McLaren", "Williams", "Toleman"})); // team index order
        popup->actions()[1]->trigger();
        popup->hide();
        QVERIFY(T().RowCount() > 50);
        for (int row = 1; row < T().RowCount(); ++row)
            QCOMPARE(T().Cell(ColumnTitled(W().Grid1(), " Team"), row), "McLaren");
    }

    void thePodiumsCaptionHintsThePlacesInTheStatusLine() {
        DriverFrameWidget& frame = Analyze(QStringLiteral("Ayrton Senna"));
        QLabel* caption = frame.Label(QStringLiteral("Label17"));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(caption, &enter);
        QCOMPARE(Child<QLabel>(W(), "status")->text(),
                 "---->   41 times first, 23 times second, 16 times third   <----");
    }

    void theBigSizeEnlargesEveryOpenWindow() {
        Analyze(QStringLiteral("Ayrton Senna"));
        Analyze(QStringLiteral("Alain Prost"));
        QTest::qWait(20); // the windows take their frames' size
        const int before[] = {A().At(0)->width(), A().At(1)->width()};
        Action(W(), "Big1")->trigger();
        for (int i = 0; i < 2; ++i)
            QTRY_VERIFY(A().At(i)->width() > before[i] * 1.1);
    }

    void anUnknownNameOpensNothing() {
        QCOMPARE(W().ShowView(
                     {QStringLiteral("analyze"), QStringLiteral("Ayrton"), QStringLiteral("Sena")}),
                 QString());
        QCOMPARE(A().Count(), 0);
        QVERIFY(MenuItems().isEmpty());
        QVERIFY(Child<QLabel>(W(), "status")->text().contains(QStringLiteral("Ayrton Senna")));
        QVERIFY(!Action(W(), "Analyzes1")->isVisible());
    }
};

QTEST_MAIN(AnalysisWindowsTest)
#include "AnalysisWindowsTest.moc"
