// The compare list and the team-mates window driven through the real main window; the
// comparison tables' figures are the core tests' concern, here each control reaches them.

#include "mainwindow/Fonts.h"
#include "support/AppFixture.h"

#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

// A started window on a fresh copy of the shipped data for every test.
class CompareWindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> f;

    MainWindow& W() { return *f->window; }
    GridView& G() { return f->window->Grid1(); }
    const GridTable& T() { return f->window->Grid1().Grid(); }
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

  private slots:
    void initTestCase() { InstallFontSubstitutions(); }
    void init() {
        f = std::make_unique<AppFixture>();
        QVERIFY(f->Start());
    }
    void cleanup() { f.reset(); }

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
        QTest::addRow("two drivers compared")
            << QStringList{"compare", "Michael Schumacher", "Rubens Barrichello"} << QString();
        QTest::addRow("every name must be known")
            << QStringList{"compare", "Michael Schumacher", "Nobody"} << "no driver Nobody";
        QTest::addRow("the team is no driver")
            << QStringList{"teammates", "Michael Schumacher", "Nowhere"} << "no team Nowhere";
        QTest::addRow("a team he never drove for")
            << QStringList{"teammates", "Michael Schumacher", "Williams"}
            << "Michael Schumacher never drove for Williams";
    }
    void namedViewsTakeDriversAndATeam() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        const QString title = Title();
        QCOMPARE(W().ShowView(args), error);
        // A wrong view changes nothing; the comparison lists the drivers in the compare list.
        QCOMPARE(Title(), error.isEmpty() ? "Comparing drivers (Race results)" : title);
        QCOMPARE(f->session->ctx.browser.CompareList.size(), error.isEmpty() ? 2u : 0u);
        QCOMPARE(Child<QComboBox>(W(), "ComboBox6")->count(), error.isEmpty() ? 3 : 1);
    }
};

QTEST_MAIN(CompareWindowsTest)
#include "CompareWindowsTest.moc"
