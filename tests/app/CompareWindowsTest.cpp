// The compare list and the team-mates window driven through the real main window; the
// comparison tables' figures are the core tests' concern, here each control reaches them.

#include "mainwindow/Fonts.h"
#include "statistics/DriverFrameWidget.h"
#include "statistics/TeamMatesDialog.h"
#include "support/AppFixture.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

class CompareWindowsTest : public AppTest {
    Q_OBJECT

    QString Title() { return Child<QLabel>(W(), "label5")->text(); }
    // Right-clicks a driver's name in tablo1 and triggers an item of the popup.
    void DriverPopup(int row, const char* item) {
        Click(G(), ColumnTitled(G(), " Name"), row, Qt::RightButton);
        QMenu* popup = W().OpenedPopup();
        QVERIFY(popup);
        popup->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        popup->hide();
    }
    // Chooses an entry of the compare list's box with the mouse.
    void ChooseCompareEntry(int index) {
        auto* box = Child<QComboBox>(W(), "ComboBox6");
        box->showPopup();
        ChooseEntry(*box, index);
    }
    // The cells of a grid row, joined by '|'.
    std::string Row(int row) {
        std::string text;
        for (int c = 0; c < T().ColCount(); ++c)
            text += T().Cell(c, row) + "|";
        return text;
    }

    // Opens the team-mates window from the driver's row of the start table.
    TeamMatesDialog* OpenTeamMates(const std::string& name) {
        int row = 1;
        while (row + 1 < T().RowCount() && T().Cell(ColumnTitled(G(), " Name"), row) != name)
            ++row;
        DriverPopup(row, "eamMate1");
        TeamMatesDialog* d = W().TeamMates();
        return d && d->isVisible() ? d : nullptr;
    }
    // A choice in a box of the team-mates window.
    static void Pick(QComboBox& box, int index) {
        QVERIFY(index >= 0 && index < box.count());
        box.setCurrentIndex(index);
        emit box.activated(index);
    }
    // The name a frame of the window shows.
    static QString Name(TeamMatesDialog& d, int frame) {
        return d.Frame(frame).Label("namelabel")->text();
    }

  private slots:
    void compareListRacesFillTheGridAndEmptyListHidesThePanel() {
        auto* panel = Child<QWidget>(W(), "Panel5");
        auto* box = Child<QComboBox>(W(), "ComboBox6");
        QTRY_VERIFY(!panel->isVisible());
        const std::string first = T().Cell(1, 1), second = T().Cell(1, 2); // Massa, Alonso
        DriverPopup(1, "oCompareList1");
        DriverPopup(2, "oCompareList1");
        DriverPopup(2, "oCompareList1"); // already there: not added twice
        QCOMPARE(box->count(), 3);
        QTRY_VERIFY(panel->isVisible());
        QCOMPARE(box->itemText(2), QString::fromStdString(second));

        QTest::mouseClick(Child<QToolButton>(W(), "SpeedButton5"), Qt::LeftButton);
        QCOMPARE(Title(), "Comparing drivers (Race results)");
        QVERIFY(T().RowCount() > 2);
        // Side by side: each race row names both drivers, shortened ("F. Massa").
        for (const std::string& name : {first, second})
            QVERIFY2(Row(1).find(name.substr(name.find(' '))) != std::string::npos, Row(1).c_str());
        QCOMPARE(W().focusWidget(), &G());

        ChooseCompareEntry(1);
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->currentIndex(), 0);
        QVERIFY(panel->isVisible());
        ChooseCompareEntry(1);
        QTRY_VERIFY(!panel->isVisible());
    }

    void namedViewsTakeDriversAndATeam_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("window"); // the team-mates window's caption, if opened
        QTest::addRow("two drivers compared")
            << QStringList{"compare", "Michael Schumacher", "Rubens Barrichello"} << QString()
            << QString();
        QTest::addRow("every name must be known")
            << QStringList{"compare", "Michael Schumacher", "Nobody"} << "no driver Nobody"
            << QString();
        QTest::addRow("a driver and his team")
            << QStringList{"teammates", "Rubens Barrichello", "Stewart"} << QString()
            << "TeamMates of Rubens Barrichello for Stewart";
        QTest::addRow("the team is no driver")
            << QStringList{"teammates", "Michael Schumacher", "Nowhere"} << "no team Nowhere"
            << QString();
        QTest::addRow("a team he never drove for")
            << QStringList{"teammates", "Michael Schumacher", "Williams"}
            << "Michael Schumacher never drove for Williams" << QString();
    }
    void namedViewsTakeDriversAndATeam() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        QFETCH(QString, window);
        const QString title = Title();
        QCOMPARE(W().ShowView(args), error);
        // Only the comparison changes the table, and only its drivers join the compare list.
        const bool compared = error.isEmpty() && args[0] == "compare";
        QCOMPARE(Title(), compared ? "Comparing drivers (Race results)" : title);
        QCOMPARE(f->session->ctx.browser.CompareList.size(), compared ? 2u : 0u);
        QCOMPARE(Child<QComboBox>(W(), "ComboBox6")->count(), compared ? 3 : 1);
        TeamMatesDialog* d = W().TeamMates();
        QCOMPARE(d && d->isVisible() ? d->windowTitle() : QString(), window);
    }

    void teamMatesWindowShowsTheDriverAndHisTeamMate() {
        TeamMatesDialog* dialog = OpenTeamMates("Michael Schumacher");
        QVERIFY(dialog);
        TeamMatesDialog& d = *dialog;
        QCOMPARE(d.windowTitle(), "TeamMates of Michael Schumacher for Ferrari");
        auto* seasons = d.findChild<QComboBox*>("seasonbox");
        auto* mates = d.findChild<QComboBox*>("teammatebox");
        QCOMPARE(seasons->currentText(), "2006"); // the latest season first
        QCOMPARE(Name(d, 1), "Michael Schumacher");
        QCOMPARE(Name(d, 2), "Felipe Massa");
        QVERIFY(!mates->isVisible()); // one team-mate: his name instead of the box
        QCOMPARE(d.findChild<QLabel*>("Label1")->text(), "Felipe Massa");
        // 40 pixels from the right and 80 from the bottom of the 1280 x 800 screen.
        QCOMPARE(d.frameGeometry().right() + 1, 1280 - 40);
        QCOMPARE(d.frameGeometry().bottom() + 1, 800 - 80);

        Pick(*seasons, seasons->findText("1999"));
        QVERIFY(mates->isVisible());
        QCOMPARE(mates->count(), 2);
        QCOMPARE(Name(d, 2), mates->itemText(0));
        Pick(*mates, 1);
        QCOMPARE(Name(d, 2), mates->itemText(1));
        QCOMPARE(Name(d, 1), "Michael Schumacher");
    }

    void countLabelsPutThePairComparisonIntoTheMainGrid() {
        TeamMatesDialog* dialog = OpenTeamMates("Michael Schumacher");
        QVERIFY(dialog);
        TeamMatesDialog& d = *dialog;
        QLabel* wins = d.Frame(1).Label("winslabel");
        QTest::mouseClick(wins, Qt::LeftButton);
        QCOMPARE(Title(), " (Win) Michael Schumacher -- Felipe Massa (Race)");
        // One listed race per win the frame counts for the season.
        QVERIFY2(Child<QLabel>(W(), "Label1")->text().startsWith(wins->text() + "  "),
                 qPrintable(wins->text()));
        // The frame whose figure the mouse enters becomes the current one.
        QLabel* poles = d.Frame(2).Label("poleslabel");
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(poles, &enter);
        QCOMPARE(d.CurrentFrame(), &d.Frame(2));
        QTest::mouseClick(poles, Qt::LeftButton);
        QCOMPARE(Title(), " (Race) Michael Schumacher -- Felipe Massa (P)");
    }
};

QTEST_MAIN(CompareWindowsTest)
#include "CompareWindowsTest.moc"
