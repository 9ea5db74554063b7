// The top lists, track statistics, Find Name and Help windows on the shipped data: each shows
// what a user looks for and leads into the main window; the figures are the core tests' concern.

#include "dialogs/FindNameDialog.h"
#include "dialogs/HelpWindow.h"
#include "mainwindow/Fonts.h"
#include "statistics/TopListWindow.h"
#include "statistics/TrackStatisticsWindow.h"
#include "support/AppFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

class StatisticsWindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> f;

    MainWindow& W() { return *f->window; }
    QString Title() { return Child<QLabel>(W(), "label5")->text(); }
    template <typename T> T& Opened(const char* name) {
        T* w = W().findChild<T*>(QString::fromLatin1(name));
        if (!w) qFatal("no window %s", name);
        return *w;
    }

  private slots:
    void initTestCase() { InstallFontSubstitutions(); }
    void init() { f = std::make_unique<AppFixture>(); }
    void cleanup() { f.reset(); }

    void topListsShowTheLeadersAndANameListsHisRecords() {
        QVERIFY(f->Start());
        Action(W(), "opLists1")->trigger();
        auto& top = Opened<TopListWindow>("Form12");
        QVERIFY(top.isVisible());
        QCOMPARE(top.windowTitle(), "TOP LISTS");
        const auto name = [&](TopListCategory c, int place) {
            return top.NameLabel(c, place).text();
        };
        QCOMPARE(name(TopListCategory::Points, 0), "Michael Schumacher");
        QCOMPARE(name(TopListCategory::Points, 1), "Alain Prost");
        QTest::mouseClick(top.findChild<QToolButton*>("SpeedButton2"), Qt::LeftButton);
        QCOMPARE(name(TopListCategory::Wins, 0), "Ferrari");
        QTest::mouseClick(top.findChild<QToolButton*>("SpeedButton1"), Qt::LeftButton);
        QTest::mouseClick(&top.NameLabel(TopListCategory::Wins, 0), Qt::LeftButton);
        QCOMPARE(Title(), "Michael Schumacher   (Wins)");
        QCOMPARE(W().Grid1().Grid().RowCount(), 1 + 91);
        Action(W(), "TR1")->trigger(); // captions come from the language's table
        QCOMPARE(W().OpenTopLists().windowTitle(), "EN İYİLER");
    }

    void aTrackLineLeadsIntoTheMainWindow() {
        QVERIFY(f->Start());
        Action(W(), "PistStatistics1")->trigger();
        auto& tracks = Opened<TrackStatisticsWindow>("Form13");
        QVERIFY(tracks.isVisible() && tracks.List(1).isVisible() && !tracks.List(4).isVisible());
        ClickItem(tracks.List(1), 1); // A1-Ring: its best lap's GP
        QCOMPARE(Title(), "Austria       A1-Ring     18 May 2003");
        QTest::mouseClick(Child<QToolButton>(W(), "SB4"), Qt::LeftButton);
        QVERIFY(tracks.List(4).isVisible() && !tracks.List(1).isVisible());
        ClickItem(tracks.List(4), 1); // the most wins there: that driver's wins on the track
        QCOMPARE(Title(), "A1-Ring - Mika Häkkinen   (Wins)");
        QVERIFY(f->prompts.messages.isEmpty());
    }

    void findNameOffersSennaAndADoubleClickFillsTheDriverBox() {
        QVERIFY(f->Start());
        QTest::mouseClick(Child<QToolButton>(W(), "SpeedButton13"), Qt::LeftButton);
        auto& find = Opened<FindNameDialog>("Form3");
        QVERIFY(find.isVisible());
        QTest::keyClicks(&find.Edit(), "senn");
        QTest::keyClick(&find.Edit(), Qt::Key_Return);
        QCOMPARE(find.List().count(), 1);
        QCOMPARE(find.List().item(0)->text(), "Ayrton Senna [+] Ayrton Senna da Silva");
        const QRect at = find.List().visualItemRect(find.List().item(0));
        QTest::mouseClick(find.List().viewport(), Qt::LeftButton, Qt::NoModifier, at.center());
        QTest::mouseDClick(find.List().viewport(), Qt::LeftButton, Qt::NoModifier, at.center());
        QCOMPARE(W().DriverBox().currentText(), "Ayrton Senna");
        QVERIFY(!find.isVisible());
    }

    void helpShowsTheFirstSection() {
        QVERIFY(f->Start());
        Action(W(), "Neleryapabilirim1")->trigger();
        auto& help = Opened<HelpWindow>("Form5");
        QVERIFY(help.isVisible());
        QCOMPARE(help.SectionButtons().size(), help.Text().Sections.size());
        QCOMPARE(help.SectionButtons().front()->text(), "Welcome to Qor");
        QVERIFY(help.Display().toPlainText().startsWith("***[Welcome to Qor]"));
        QTest::mouseClick(help.SectionButtons()[1], Qt::LeftButton);
        QVERIFY(help.Display().toPlainText().startsWith("***[Seasons and Grands Prix]"));
    }

    void aHelpFileWithoutSectionsGivesAnEmptyWindow() {
        QFile help(f->Folder() + QStringLiteral("help_EN.txt"));
        QVERIFY(help.remove() && help.open(QIODevice::WriteOnly));
        help.write("No sections here.\r\nJust text.\r\n");
        help.close();
        QVERIFY(f->Start());
        HelpWindow& window = W().OpenHelp();
        QVERIFY(window.SectionButtons().empty());
        QCOMPARE(window.Display().toPlainText(), "");
    }
};

QTEST_MAIN(StatisticsWindowsTest)
#include "StatisticsWindowsTest.moc"
