// The browsing roads through the main window on the shipped data: the start-up GP, another
// season's GP, the season lists, the championship panel and its popups, the double click on
// a date, and the GP list's label modes.

#include "mainwindow/Fonts.h"
#include "support/AppFixture.h"
#include "support/UiHelpers.h"

#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

class BrowserFlowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void startUpShowsTheLastGPWithItsInformation() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        GridView& g = w.Grid1();
        QCOMPARE(g.Grid().ColCount(), 8);
        QStringList titles;
        for (int c = 0; c < g.model()->columnCount(); ++c)
            titles << g.model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, (QStringList{" Name", " Team", " Pos", " Time", "Grid", " Notes", ""}));
        QVERIFY(g.isColumnHidden(6)); // the key column
        QCOMPARE(g.model()->data(g.model()->index(0, 0)).toString(),
                 QStringLiteral("Felipe Massa"));
        QCOMPARE(Child<QLabel>(w, "label5")->text(),
                 QStringLiteral("Brazil       Interlagos     22 October 2006"));
        QVERIFY(Child<QLabel>(w, "Label1")->text().endsWith(QStringLiteral("  record(s) found.")));
        // The information panel.
        QVERIFY(Child<QWidget>(w, "gpbilgipanel")->isVisible());
        QCOMPARE(Child<QLabel>(w, "Label6")->text(), QStringLiteral("Fastest lap"));
        QCOMPARE(Child<QLabel>(w, "numberoflaps")->text(), QStringLiteral("71"));
        QCOMPARE(Child<QLabel>(w, "Fastestlap")->text(),
                 QString::fromStdString(f.session->ctx.browser.Info.FastestLap));
        QVERIFY(!Child<QLabel>(w, "Fastestlap")->text().isEmpty());
        QVERIFY(!Child<QLabel>(w, "Label8")->isVisible()); // no weather in the shipped data
        // The browser shows the season and its last GP.
        QCOMPARE(Child<QComboBox>(w, "ComboBox1")->currentText(), QStringLiteral("2006"));
        auto* list = Child<QListWidget>(w, "gpListBox1");
        QCOMPARE(list->count(), 18);
        QCOMPARE(list->currentRow(), 17);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Interlagos"));
        Action(w, "Noline1")->trigger();
        // Times are right-aligned 5 pixels inside their standard width; names start 5 pixels
        // from the cell's left edge.
        const int time = ColumnTitled(g, " Time");
        const QRect timeCell = g.CellRect(time, 2);
        const auto [timeLeft, timeRight] = TextExtent(g, time, 2);
        const int standard =
            qRound(f.session->ctx.grid.Widths.ColWTime * f.session->ctx.grid.FontFactor);
        QVERIFY2(timeRight <= timeCell.left() + standard - 5 &&
                     timeRight >= timeCell.left() + standard - 9,
                 qPrintable(QString::number(timeRight - timeCell.left())));
        QVERIFY(timeLeft > timeCell.left() + 5);
        const QRect nameCell = g.CellRect(1, 2);
        const auto [nameLeft, nameRight] = TextExtent(g, 1, 2);
        QVERIFY2(nameLeft >= nameCell.left() + 5 && nameLeft <= nameCell.left() + 7,
                 qPrintable(QString::number(nameLeft - nameCell.left())));
        QVERIFY(nameRight < nameCell.right());
    }

    void choosing1988AndAGPShowsSevenColumns() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        ChooseYearAndGP(w, QStringLiteral("1988"), 2);
        GridView& g = w.Grid1();
        QCOMPARE(g.Grid().ColCount(), 7);
        QCOMPARE(ColumnTitled(g, "Grid"), -1);
        QCOMPARE(Child<QListWidget>(w, "gpListBox1")->count(), 16);
        QVERIFY(Child<QLabel>(w, "label5")->text().endsWith(QStringLiteral("1988")));
        QCOMPARE(f.session->ctx.history.HistCount(), 2);
        QVERIFY(Child<QToolButton>(w, "backbutton")->isEnabled());
        // The HTML button is shown from 1980 on and hidden before.
        QVERIFY(Child<QToolButton>(w, "button9")->isVisible());
        ChooseYearAndGP(w, QStringLiteral("1979"), 0);
        QVERIFY(!Child<QToolButton>(w, "button9")->isVisible());
    }

    void doubleClickOnADateReturnsToThatGPWithTheDriverSelected() {
        AppFixture f;
        QVERIFY(f.Start({1280, 800}));
        MainWindow& w = *f.window;
        ChooseYearAndGP(w, QStringLiteral("1988"), 0);
        QTest::mouseClick(Child<QToolButton>(w, "button2"), Qt::LeftButton); // 1988 winners
        GridView& g = w.Grid1();
        QCOMPARE(Child<QLabel>(w, "label5")->text(), QStringLiteral("1988 - Winners"));
        QVERIFY(!Child<QWidget>(w, "gpbilgipanel")->isVisible());
        const int date = ColumnTitled(g, " Date");
        const int name = ColumnTitled(g, " Name");
        const int row = 5;
        const std::string winner = g.Grid().Cell(name, row);
        const std::string day = g.Grid().Cell(date, row);
        // Selecting a row of a GP list shows that GP's information.
        Click(g, date, row);
        QVERIFY(Child<QWidget>(w, "gpbilgipanel")->isVisible());
        DoubleClick(g, date, row);
        const GridTable& t = w.Grid1().Grid();
        QCOMPARE(t.ColCount(), 7);
        QVERIFY(Child<QLabel>(w, "label5")
                    ->text()
                    .endsWith(QString::fromStdString(
                        f.session->db.FormatDateAlt(f.session->db.ParseDate(day)))));
        QCOMPARE(t.Cell(1, t.Row), winner);
        QCOMPARE(t.Row, 1); // a winner stands in the first row
        // The list box follows: 1988, and the GP of that date.
        QCOMPARE(Child<QComboBox>(w, "ComboBox1")->currentText(), QStringLiteral("1988"));
        QCOMPARE(f.session->ctx.history.HistCount(), 4);

        // A driver further down the classification: his row becomes current.
        QTest::mouseClick(Child<QToolButton>(w, "button14"), Qt::LeftButton); // fastest laps
        GridView& fl = w.Grid1();
        const int flDate = ColumnTitled(fl, " Date");
        int pick = 0;
        for (int r = 1; r < fl.Grid().RowCount() && !pick; ++r)
            if (fl.Grid().Cell(ColumnTitled(fl, " Pos"), r) != "1" &&
                !fl.Grid().Cell(flDate, r).empty())
                pick = r;
        QVERIFY(pick > 0);
        const std::string driver = fl.Grid().Cell(ColumnTitled(fl, " Name"), pick);
        Click(fl, flDate, pick);
        DoubleClick(fl, flDate, pick);
        const GridTable& t2 = w.Grid1().Grid();
        QVERIFY(t2.Row > 1);
        QCOMPARE(t2.Cell(1, t2.Row), driver);
        QCOMPARE(w.Grid1().currentIndex().row() + 1, t2.Row);
    }

    void seasonListsOfAllYears() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton10"), Qt::LeftButton);
        QCOMPARE(Child<QLabel>(w, "label5")->text(), QStringLiteral("Winners"));
        QCOMPARE(Child<QToolButton>(w, "SpeedButton10")->text(), QStringLiteral("GP Winners"));
        QVERIFY(w.Grid1().Grid().RowCount() > 700);
        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton9"), Qt::LeftButton);
        QCOMPARE(Child<QLabel>(w, "label5")->text(), QStringLiteral("Pole Positions"));
        QCOMPARE(ColumnTitled(w.Grid1(), " Pole Time"), 5);
    }

    void championshipPanelTablesAndPointsPopup() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton3"), Qt::LeftButton);
        QTRY_VERIFY(Child<QToolButton>(w, "SpeedButton4")->isEnabled());
        auto* drivers = Child<QListWidget>(w, "ListBox2");
        QCOMPARE(drivers->item(0)->text(), QStringLiteral("2006"));
        ClickItem(*drivers, 2006 - 1988);
        QCOMPARE(Child<QLabel>(w, "label5")->text(), QStringLiteral("Drivers Championship   1988"));
        GridView& g = w.Grid1();
        const int driver = ColumnTitled(g, " Driver");
        QCOMPARE(g.Grid().Cell(driver, 1), std::string("Ayrton Senna"));

        Click(g, driver, 1, Qt::RightButton);
        QMenu* popup = w.OpenedPopup();
        QVERIFY(popup);
        QCOMPARE(popup->objectName(), QStringLiteral("popuppoints"));
        QCOMPARE(popup->findChild<QAction*>(QStringLiteral("Driver1"))->text(),
                 QStringLiteral("Ayrton Senna"));
        QAction* titles = popup->findChild<QAction*>(QStringLiteral("Championship1"));
        QCOMPARE(titles->text(), QStringLiteral("Championship"));
        titles->trigger();
        popup->hide();
        QCOMPARE(Child<QLabel>(w, "label5")->text(), QStringLiteral("Ayrton Senna  championship"));
        QCOMPARE(w.Grid1().Grid().RowCount() - 1, 3);

        // The constructors' year list starts in 1958; its champions button lists every title.
        auto* teams = Child<QListWidget>(w, "ListBox3");
        QCOMPARE(teams->item(teams->count() - 1)->text(), QStringLiteral("1958"));
        QTest::mouseClick(Child<QToolButton>(w, "button3"), Qt::LeftButton);
        QCOMPARE(Child<QLabel>(w, "label5")->text(), QStringLiteral("Constructors Championship"));
        Click(w.Grid1(), ColumnTitled(w.Grid1(), "Champion Team"), 1, Qt::RightButton);
        QCOMPARE(w.OpenedPopup()->objectName(), QStringLiteral("Popupteampoints"));
        w.OpenedPopup()->hide();
    }

    void rightClickOnANameAndAllWinsListsHisWins() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        GridView& g = w.Grid1();
        const int name = ColumnTitled(g, " Name");
        const std::string driver = g.Grid().Cell(name, 2); // Fernando Alonso, 2nd
        Click(g, name, 2, Qt::RightButton);
        QMenu* popup = w.OpenedPopup();
        QVERIFY(popup);
        QCOMPARE(popup->objectName(), QStringLiteral("popupdriver"));
        // The submenus are captioned with the record's track, season and team.
        const auto sub = [&](const char* item) {
            return popup->findChild<QAction*>(QString::fromLatin1(item))->text();
        };
        QCOMPARE(sub("All1"), QStringLiteral("All"));
        QCOMPARE(sub("onthispist1"), QStringLiteral("Interlagos"));
        QCOMPARE(sub("onthisyear1"), QStringLiteral("2006"));
        QCOMPARE(sub("onthisteam1"), QStringLiteral("Renault"));
        QAction* wins = popup->findChild<QAction*>(QStringLiteral("Wins7"));
        QCOMPARE(wins->text(), QStringLiteral("Wins"));
        wins->trigger();
        popup->hide();
        QCOMPARE(Child<QLabel>(w, "label5")->text(),
                 QString::fromStdString(driver) + QStringLiteral("   (Wins)"));
        GridView& list = w.Grid1();
        QCOMPARE(list.Grid().RowCount() - 1, 15); // Alonso's wins up to 2006
        const int date = ColumnTitled(list, " Date");
        for (int r = 1; r < list.Grid().RowCount(); ++r)
            QCOMPARE(list.Grid().Cell(ColumnTitled(list, " Pos"), r), std::string("1"));
        QCOMPARE(f.session->ctx.history.HistCount(), 2);

        // Back to the GP, forward to the list, and a double click on a date brings that GP.
        QTest::mouseClick(Child<QToolButton>(w, "backbutton"), Qt::LeftButton);
        QCOMPARE(Child<QLabel>(w, "label5")->text(),
                 QStringLiteral("Brazil       Interlagos     22 October 2006"));
        QTest::mouseClick(Child<QToolButton>(w, "nextbutton"), Qt::LeftButton);
        QCOMPARE(Child<QLabel>(w, "label5")->text(),
                 QString::fromStdString(driver) + QStringLiteral("   (Wins)"));
        Click(list, date, 3);
        DoubleClick(list, date, 3);
        const GridTable& t = w.Grid1().Grid();
        QCOMPARE(t.Cell(1, t.Row), driver);
        QCOMPARE(t.Cell(ColumnTitled(w.Grid1(), " Pos"), t.Row), std::string("1"));
    }

    void teamAndTrackPopupsListRecords() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        GridView& g = w.Grid1();
        Click(g, ColumnTitled(g, " Team"), 1, Qt::RightButton);
        QMenu* popup = w.OpenedPopup();
        QCOMPARE(popup->objectName(), QStringLiteral("popupteam"));
        QCOMPARE(popup->findChild<QAction*>(QStringLiteral("aboutteam1"))->text(),
                 QStringLiteral("Ferrari"));
        QCOMPARE(popup->findChild<QAction*>(QStringLiteral("bythisdriver1"))->text(),
                 QStringLiteral("Felipe Massa"));
        popup->findChild<QAction*>(QStringLiteral("wins5"))->trigger();
        popup->hide();
        QCOMPARE(Child<QLabel>(w, "label5")->text(), QStringLiteral("Ferrari     2006   (Wins)"));
        QCOMPARE(w.Grid1().Grid().RowCount() - 1, 9);

        // The winners of 2006 have a track column: its popup lists the track's records.
        QTest::mouseClick(Child<QToolButton>(w, "button2"), Qt::LeftButton);
        GridView& winners = w.Grid1();
        const int track = ColumnTitled(winners, " Track");
        const std::string monza = "Monza";
        int row = 0;
        for (int r = 1; r < winners.Grid().RowCount() && !row; ++r)
            if (winners.Grid().Cell(track, r) == monza) row = r;
        QVERIFY(row > 0);
        Click(winners, track, row, Qt::RightButton);
        popup = w.OpenedPopup();
        QCOMPARE(popup->objectName(), QStringLiteral("Popuppist"));
        QCOMPARE(popup->findChild<QAction*>(QStringLiteral("aboutpist1"))->text(),
                 QStringLiteral("Monza"));
        QAction* races = popup->findChild<QAction*>(QStringLiteral("AllRaces2"));
        QCOMPARE(races->text(), QStringLiteral("Races && Results"));
        races->trigger();
        popup->hide();
        QVERIFY(Child<QLabel>(w, "label5")->text().startsWith(QStringLiteral("Monza")));
        QVERIFY(w.Grid1().Grid().RowCount() - 1 >= 56);
    }

    void gpListLabelModes() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        auto* list = Child<QListWidget>(w, "gpListBox1");
        QAction* byDate = Action(w, "Bydate1");
        QCOMPARE(byDate->text(), QStringLiteral("By date"));
        byDate->trigger();
        QCOMPARE(list->item(17)->text(), QStringLiteral("22 October"));
        Action(w, "byprixname1")->trigger();
        QCOMPARE(list->item(17)->text(), QStringLiteral("Brazil"));
        Action(w, "bypistname1")->trigger();
        QCOMPARE(list->item(17)->text(), QStringLiteral("Interlagos"));
    }
};

QTEST_MAIN(BrowserFlowTest)
#include "BrowserFlowTest.moc"
