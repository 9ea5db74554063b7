// The main window as a user meets it: start-up and its failures, menus and their settings,
// themes, languages, the grids' mouse commands, filter, second table, HTML page, history,
// sliding panels and closing. Runs on the offscreen platform.

#include "mainwindow/FilterBox.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/GridView.h"
#include "mainwindow/Rounding.h"
#include "support/AppFixture.h"
#include "support/Fixtures.h"
#include "support/UiHelpers.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void startUpShowsTheShell() {
        AppFixture f;
        QVERIFY(f.Start({1280, 800}));
        MainWindow& w = *f.window;
        QCOMPARE(w.windowTitle(),
                 QStringLiteral(
                     "Qor v1.88    1950-2006    https://qor-f1.github.io  Not Official Results"));
        QCOMPARE(w.minimumSize(), QSize(1065, 600));
        QCOMPARE(f.session->ZoomFactor(), 1.0);
        // Only menus of built features: no edit, analysis, online, top-list or help items.
        QStringList menus;
        for (QAction* a : w.menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{"Table drawing", "Themes", "Font Size", "Language"}));
        for (const char* absent : {"Update1", "Savechanges1", "Analyzes1", "opLists1", "About1",
                                   "Help1", "OverallStatistics1", "PistStatistics1"})
            QVERIFY2(!w.findChild<QAction*>(QString::fromLatin1(absent)), absent);
        // Year box and standings year lists.
        auto* years = Child<QComboBox>(w, "ComboBox1");
        QCOMPARE(years->count(), 57);
        QCOMPARE(years->itemText(0), QStringLiteral("2006"));
        // Ticks follow the stored settings.
        const The_Class& db = f.session->db;
        QCOMPARE(Action(w, "NoOddEvenrowcolor1")->isChecked(), db.OddEvenRows == 0);
        const char* lines[] = {"Noline1", "Rowlines1", "Columnlines1", "Alllines1"};
        QVERIFY(Action(w, lines[db.GridLineStyle & 3])->isChecked());
        QVERIFY(Action(w, "EN1")->isChecked());
        QVERIFY(!Child<QToolButton>(w, "backbutton")->isEnabled());
        QVERIFY(!Child<QToolButton>(w, "nextbutton")->isEnabled());
        QVERIFY(!Child<QToolButton>(w, "SpeedButton17")->isEnabled());
    }

    void missingDataFileEndsTheProgramWithItsMessage() {
        AppFixture f;
        QFile::remove(f.Folder() + QStringLiteral("f1data5.dat"));
        QVERIFY(!f.Start());
        QCOMPARE(f.prompts.messages, QStringList{"Data file not found"});
        AppOptions o;
        o.DataFolder = f.Folder();
        QCOMPARE(RunQor(*qApp, o, f.prompts, *f.settings), 1);
        QVERIFY(QApplication::topLevelWidgets().count() == 0 ||
                std::none_of(
                    QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                    [](QWidget* t) { return t->isVisible() && qobject_cast<MainWindow*>(t); }));
    }

    void damagedDataFileSaysCorruptedData() {
        AppFixture f;
        std::string bytes = ReadAll(f.File("f1data5.dat"));
        bytes.resize(bytes.size() - 1000);
        qor::testing::WriteFileBytes(f.File("f1data5.dat"), bytes);
        QVERIFY(!f.Start());
        QCOMPARE(f.prompts.messages, QStringList{"Corrupted data"});
    }

    void wrongArgumentsAreRefused() {
        QVERIFY(!ParseOptions({"qor", "--bogus"}).Error.isEmpty());
        QVERIFY(!ParseOptions({"qor", "--theme", "7"}).Error.isEmpty());
        const AppOptions o =
            ParseOptions({"qor", "--data", "/x", "--show", "gp", "1988", "3", "--theme", "102"});
        QVERIFY(o.Error.isEmpty());
        QCOMPARE(o.DataFolder, QStringLiteral("/x"));
        QCOMPARE(o.Show, (QStringList{"gp", "1988", "3"}));
        QCOMPARE(o.Theme, 102);
    }

    void closingWithUnsavedEditsAsksAndNoKeepsTheWindow() {
        AppFixture f;
        QVERIFY(f.Start());
        const std::string before = ReadAll(f.File("f1data5.dat"));
        f.session->SaveChangesEnabled = true;
        Action(*f.window, "Winter1")->trigger();
        f.prompts.answers = {false};
        QVERIFY(!f.window->close());
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.prompts.questions, QStringList{"Exit without save?"});
        QCOMPARE(ReadAll(f.File("f1data5.dat")), before);

        f.prompts.answers = {true};
        QVERIFY(f.window->close());
        QCOMPARE(static_cast<unsigned char>(ReadAll(f.File("f1data5.dat"))[13]), 2);
    }

    void viewSettingsAreWrittenBackOnClose() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        const bool oddEven = f.session->OddEvenRowColour();
        Action(w, "Spring1")->trigger();
        Action(w, "MoreStyle1")->trigger();
        Action(w, "Columnlines1")->trigger();
        Action(w, "N003")->trigger();
        Action(w, "Vertical2")->trigger();
        Action(w, "Big1")->trigger();
        Action(w, "NoOddEvenrowcolor1")->trigger();
        Action(w, "Bigger1")->trigger();
        QCOMPARE(f.prompts.messages, QStringList{"Restart the program"});
        // The font size waits for the next start.
        QCOMPARE(f.session->ZoomFactor(), 1.0);
        QVERIFY(f.prompts.questions.isEmpty());
        QVERIFY(w.close());
        QVERIFY(f.prompts.questions.isEmpty());
        const std::string file = ReadAll(f.File("f1data5.dat"));
        const auto byte = [&](int i) {
            return static_cast<int>(static_cast<unsigned char>(file[static_cast<std::size_t>(i)]));
        };
        QCOMPARE(byte(13), 103);
        QCOMPARE(byte(14) & 0x0F, 2);
        QCOMPARE(byte(14) >> 4, oddEven ? 1 : 0);
        QCOMPARE(byte(16), 1);
        QCOMPARE(byte(17), 26);
        QCOMPARE(byte(18), 12);
        QCOMPARE(byte(19), 2);

        // The next start uses them: Bigger is 160 %.
        MainSession next;
        QVERIFY(next.Start(f.Folder().toStdString(), {1280, 800}, *f.settings).Loaded);
        QCOMPARE(next.ZoomFactor(), 1.6);
        QCOMPARE(next.db.ColorTheme, 103);
    }

    void themeChangeRepaintsWithThePalette() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        if (f.session->db.OddEvenRows == 1) Action(w, "NoOddEvenrowcolor1")->trigger();
        Action(w, "standart1")->trigger();
        if (f.session->palette.Modern) Action(w, "MoreStyle1")->trigger();
        Action(w, "N001")->trigger();
        ShowGPTable(w, f.session->db.GPCount);
        GridView& g = w.Grid1();
        QCOMPARE(CellPixel(g, 1, 2), Rgb(0xF4F4F4)); // even row
        QCOMPARE(CellPixel(g, 1, 3), Rgb(0xEAEAEA)); // odd row
        QCOMPARE(CellPixel(g, 1, 1), Rgb(0x20FFAA)); // the current row
        QCOMPARE(CellPixel(g, 1, 0), Rgb(0xDCD9DA)); // title row
        QCOMPARE(CellPixel(g, 0, 2), Rgb(0xDCD9DA)); // row numbers

        Action(w, "autumn1")->trigger();
        QCOMPARE(CellPixel(g, 1, 2), Rgb(0xFFEEEE));
        QCOMPARE(CellPixel(g, 1, 1), Rgb(0xDD6666));
        QCOMPARE(CellPixel(g, 1, 0), Rgb(0xF0C8C8));

        Action(w, "N004")->trigger(); // dark level 3
        QCOMPARE(CellPixel(g, 1, 3), Rgb(Darken(0xFFDDDD, 7)));

        // Modern: a gradient picture behind every body cell, darker at the edges.
        Action(w, "MoreStyle1")->trigger();
        QVERIFY(f.session->palette.Modern);
        const QRect r = g.CellRect(1, 2);
        const QColor edge = PixelOf(g, QPoint(r.left() + 1, r.top()));
        const QColor middle = PixelOf(g, QPoint(r.left() + 1, r.top() + r.height() / 2));
        QCOMPARE(edge, Rgb(f.session->palette.EvenBitmap[0]));
        QVERIFY(middle.lightness() > edge.lightness());
        QVERIFY(Child<QLabel>(w, "Image1")->isVisible());
    }

    void gridLinesFollowTheMenu() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        Action(w, "Winter1")->trigger();
        if (f.session->palette.Modern) Action(w, "MoreStyle1")->trigger();
        ShowGPTable(w, f.session->db.GPCount);
        GridView& g = w.Grid1();
        const QRect r = g.CellRect(2, 3);
        Action(w, "Noline1")->trigger();
        QCOMPARE(PixelOf(g, QPoint(r.left() + 10, r.bottom())),
                 Rgb(f.session->palette.OddBrushColor));
        Action(w, "Rowlines1")->trigger();
        QCOMPARE(PixelOf(g, QPoint(r.left() + 10, r.bottom())), Rgb(0xD0D0EF));
        QCOMPARE(PixelOf(g, QPoint(r.right(), r.top() + 8)), Rgb(f.session->palette.OddBrushColor));
        Action(w, "Alllines1")->trigger();
        QCOMPARE(PixelOf(g, QPoint(r.right(), r.top() + 8)), Rgb(0xD0D0EF));
    }

    void turkishChangesCaptionsAndColumnTitles() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        ShowGPTable(w, f.session->db.GPCount);
        Action(w, "TR1")->trigger();
        QCOMPARE(f.session->db.LanguageMode, LanguageTurkish);
        QVERIFY(Action(w, "TR1")->isChecked());
        QCOMPARE(Action(w, "hemes1")->text(), Text("Temalar"));
        QCOMPARE(Action(w, "Dil1")->text(), Text("Dil"));
        QCOMPARE(w.Grid1().model()->headerData(0, Qt::Horizontal).toString(), Text(" İsim"));
        QCOMPARE(w.Grid1().model()->headerData(1, Qt::Horizontal).toString(), Text(" Takım"));
        QVERIFY(Child<QLabel>(w, "Label1")->text().endsWith(Text("kayıt bulundu.")));
        QCOMPARE(Child<QLabel>(w, "Label6")->text(), Text("En hızlı tur"));

        Action(w, "EN1")->trigger();
        QCOMPARE(Action(w, "hemes1")->text(), Text("Themes"));
        QCOMPARE(w.Grid1().model()->headerData(0, Qt::Horizontal).toString(), Text(" Name"));
    }

    void extraLanguageFileIsKeptInTheSettings() {
        AppFixture f;
        QFile::copy(f.Folder() + QStringLiteral("TR.dt"), f.Folder() + QStringLiteral("MINE.DT"));
        QVERIFY(f.Start());
        f.prompts.pickedFile = f.Folder() + QStringLiteral("MINE.DT");
        Action(*f.window, "Other1")->trigger();
        QVERIFY(Action(*f.window, "Other1")->isChecked());
        QCOMPARE(Action(*f.window, "hemes1")->text(), Text("Temalar"));
        QSettings stored(f.Folder() + QStringLiteral("settings.ini"), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("language_file")).toString(),
                 QStringLiteral("MINE.DT"));

        // Cancelling the dialog changes nothing.
        f.prompts.pickedFile.clear();
        Action(*f.window, "Other1")->trigger();
        QCOMPARE(f.session->db.LanguageMode, LanguageOtherFile);
    }

    void selectingACellShowsItInTheStatusLine() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        ShowGPTable(w, f.session->db.GPCount);
        GridView& g = w.Grid1();
        const int name = ColumnTitled(g, " Name");
        Click(g, name, 3);
        QCOMPARE(g.Grid().Row, 3);
        const QString expected =
            QStringLiteral("  ") + QString::fromStdString(g.Grid().Cell(name, 3));
        QCOMPARE(Child<QLabel>(w, "status")->text(), expected);
        QCOMPARE(f.session->ctx.browser.DriverBox, g.Grid().Cell(name, 3));
        // The selected row takes the selection colours.
        QCOMPARE(CellPixel(g, 2, 3), Rgb(f.session->palette.SelBrushColor));
    }

    void rightClickOnANameOpensTheDriverPopup() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        ShowGPTable(w, f.session->db.GPCount);
        GridView& g = w.Grid1();
        const int name = ColumnTitled(g, " Name");
        const std::string driver = g.Grid().Cell(name, 2);
        Click(g, name, 2, Qt::RightButton);
        QMenu* popup = w.OpenedPopup();
        QVERIFY(popup);
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->objectName(), QStringLiteral("popupdriver"));
        QCOMPARE(popup->findChild<QAction*>(QStringLiteral("Aboutdriver1"))->text(),
                 QString::fromStdString(driver));
        // The right click does not move the current row; it names the row's record.
        QCOMPARE(g.Grid().Row, 1);
        QCOMPARE(static_cast<int>(f.session->ctx.grid.SelectedRecord),
                 ResultGrid::RowKey(g.Grid(), name, 2));
        popup->findChild<QAction*>(QStringLiteral("Highlight1"))->trigger();
        popup->hide();
        QCOMPARE(f.session->ctx.grid.HighlightName, driver);
        QCOMPARE(CellPixel(g, name, 2), Rgb(FadeColour(f.session->palette.OddBrushColor)));
    }

    void ctrlClickTogglesTheHighlight() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        ShowGPTable(w, f.session->db.GPCount);
        GridView& g = w.Grid1();
        const int name = ColumnTitled(g, " Name");
        Click(g, name, 4, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f.session->ctx.grid.HighlightName, g.Grid().Cell(name, 4));
        Click(g, name, 4, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f.session->ctx.grid.HighlightName, std::string());
    }

    void filterOnTheTeamColumn() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        ShowGPTable(w, f.session->db.GPCount);
        GridView& g = w.Grid1();
        const int team = ColumnTitled(g, " Team");
        QVERIFY(team > 0);
        Click(g, team, 0);
        qor::app::FilterBox& box = w.Filter();
        QTRY_VERIFY(box.isVisible());
        QCOMPARE(box.itemText(0), QStringLiteral(" Team"));
        const int ferrari = box.findText(QStringLiteral("Ferrari"));
        QVERIFY(ferrari > 0);
        for (int i = 2; i < box.count(); ++i)
            QVERIFY(box.itemText(i - 1).toLower() <= box.itemText(i).toLower());
        ChooseEntry(box, ferrari);
        QTRY_VERIFY(!box.isVisible());
        int shown = 0;
        for (int r = 1; r < g.Grid().RowCount(); ++r) {
            const bool isFerrari = g.Grid().Cell(team, r) == "Ferrari";
            QCOMPARE(g.isRowHidden(r - 1), !isFerrari);
            shown += isFerrari;
        }
        QCOMPARE(shown, 2);
        QCOMPARE(Child<QLabel>(w, "Label3")->text(), QStringLiteral("(2) Ferrari"));

        // The title entry shows every row again.
        Click(g, team, 0);
        QTRY_VERIFY(box.isVisible());
        ChooseEntry(box, 0);
        for (int r = 1; r < g.Grid().RowCount(); ++r)
            QVERIFY(!g.isRowHidden(r - 1));
        QCOMPARE(Child<QLabel>(w, "Label3")->text(), QString());

        // A column without a filter opens nothing.
        Click(g, ColumnTitled(g, " Time"), 0);
        QVERIFY(!box.isVisible());
    }

    void copyToTheSecondTableKeepsTheFilter() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        ShowGPTable(w, f.session->db.GPCount);
        GridView& g = w.Grid1();
        const int team = ColumnTitled(g, " Team");
        Click(g, team, 0);
        QTRY_VERIFY(w.Filter().isVisible());
        ChooseEntry(w.Filter(), w.Filter().findText(QStringLiteral("Renault")));
        QTest::mouseClick(Child<QToolButton>(w, "kopyala"), Qt::LeftButton);
        auto* panel12 = Child<QWidget>(w, "Panel12");
        QVERIFY(panel12->isVisible());
        GridView& second = w.Grid2();
        QCOMPARE(second.model()->rowCount(), g.model()->rowCount());
        for (int r = 1; r < g.Grid().RowCount(); ++r)
            QCOMPARE(second.isRowHidden(r - 1), g.isRowHidden(r - 1));
        QCOMPARE(Child<QLabel>(w, "Label29")->text(), Child<QLabel>(w, "label5")->text());
        QCOMPARE(Child<QLabel>(w, "Label4")->text(), QStringLiteral("(2) Renault"));
        // Both tables share the area.
        const QList<int> sizes = Child<QSplitter>(w, "Splitter1")->sizes();
        QVERIFY(sizes[0] > 0 && sizes[1] > 0);
        QVERIFY(std::abs(sizes[0] - sizes[1]) <= 2);

        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton12"), Qt::LeftButton);
        QVERIFY(!panel12->isVisible());
        QCOMPARE(f.session->ctx.history.Entry(0).Kind, 0);
    }

    void htmlButtonWritesAndOpensThePage() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        ShowGPTable(w, f.session->db.GPCount);
        QTest::mouseClick(Child<QToolButton>(w, "button9"), Qt::LeftButton);
        const QString path =
            f.Folder() + QStringLiteral("html/Brazil_Interlagos_22_October_2006.html");
        QCOMPARE(f.prompts.openedPages, QStringList{path});
        const std::string page = ReadAll(path.toStdString());
        QVERIFY(page.find("<title>Brazil       Interlagos     22 October 2006</title>") !=
                std::string::npos);
        QVERIFY(page.find(">Felipe Massa</td>") != std::string::npos);
        // One line per row (title row included); the key column is left out.
        int rows = 0;
        for (std::size_t at = page.find("<tr>"); at != std::string::npos;
             at = page.find("<tr>", at + 1))
            ++rows;
        QCOMPARE(rows, w.Grid1().Grid().RowCount());
        QVERIFY(page.find("\r\n") != std::string::npos);
    }

    void hoveringCopyAndHtmlShowsTheirHints() {
        AppFixture f;
        QVERIFY(f.Start());
        QTest::mouseMove(Child<QToolButton>(*f.window, "button9"));
        QTRY_COMPARE(Child<QLabel>(*f.window, "status")->text(),
                     QStringLiteral("---->   Extract data as HTML   <----"));
    }

    void historyButtonsAndMenuRerunTables() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        ChooseYearAndGP(w, "1988", 0);
        QTest::mouseClick(Child<QToolButton>(w, "button2"), Qt::LeftButton); // winners of 1988
        QCOMPARE(Child<QLabel>(w, "label5")->text(), QStringLiteral("1988 - Winners"));
        QCOMPARE(f.session->ctx.history.HistCount(), 3);
        auto* back = Child<QToolButton>(w, "backbutton");
        auto* next = Child<QToolButton>(w, "nextbutton");
        QVERIFY(back->isEnabled());
        QVERIFY(!next->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QVERIFY(Child<QLabel>(w, "label5")
                    ->text()
                    .startsWith(QStringLiteral("Brazil       Jacarepagua")));
        QCOMPARE(w.Grid1().Grid().ColCount(), 7);
        QVERIFY(next->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(Child<QLabel>(w, "label5")->text(),
                 QStringLiteral("Brazil       Interlagos     22 October 2006"));
        QVERIFY(!back->isEnabled());
        // The re-run selected the recorded year and GP again.
        QCOMPARE(Child<QComboBox>(w, "ComboBox1")->currentText(), QStringLiteral("2006"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(Child<QComboBox>(w, "ComboBox1")->currentText(), QStringLiteral("1988"));
        QCOMPARE(Child<QListWidget>(w, "gpListBox1")->currentRow(), 0);
        QCOMPARE(f.session->ctx.history.HistCount(), 3);

        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton17"), Qt::LeftButton);
        QMenu& menu = w.HistoryMenu();
        QTRY_VERIFY(menu.isVisible());
        const QList<QAction*> items = menu.actions();
        QCOMPARE(items.size(), 3);
        QVERIFY(items[1]->isChecked());
        QCOMPARE(items[2]->text(), QStringLiteral("1988 - Winners"));
        items[2]->trigger();
        menu.hide();
        QCOMPARE(Child<QLabel>(w, "label5")->text(), QStringLiteral("1988 - Winners"));
        QCOMPARE(f.session->ctx.history.HistIndex(), 3);
        QVERIFY(!next->isEnabled());
    }

    void wideTableSwitchSlidesTheGridPanel() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        auto* panel8 = Child<QWidget>(w, "Panel8");
        auto* central = w.centralWidget();
        const int normal = panel8->width();
        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton2"), Qt::LeftButton);
        auto* narrow = Child<QToolButton>(w, "SpeedButton1");
        QVERIFY(narrow->isVisible());
        QTRY_VERIFY(narrow->isEnabled());
        QCOMPARE(panel8->width(), central->width() - 20);
        QTest::mouseClick(narrow, Qt::LeftButton);
        QTRY_VERIFY(Child<QToolButton>(w, "SpeedButton2")->isEnabled());
        QCOMPARE(panel8->width(), normal);
    }

    void championshipPanelSlidesDownAndUp() {
        AppFixture f;
        QVERIFY(f.Start());
        MainWindow& w = *f.window;
        auto* panel4 = Child<QWidget>(w, "Panel4");
        QCOMPARE(panel4->y(), 20 - panel4->height());
        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton3"), Qt::LeftButton);
        auto* close = Child<QToolButton>(w, "SpeedButton4");
        QTRY_VERIFY(close->isEnabled() && close->isVisible());
        QCOMPARE(panel4->y(), 0);
        QTest::mouseClick(close, Qt::LeftButton);
        QTRY_VERIFY(Child<QToolButton>(w, "SpeedButton3")->isEnabled());
        QCOMPARE(panel4->y(), 20 - panel4->height());
        // The title line's close button does the same.
        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton3"), Qt::LeftButton);
        QTRY_COMPARE(panel4->y(), 0);
        QTRY_VERIFY(close->isEnabled());
        QTest::mouseClick(Child<QToolButton>(w, "SpeedButton8"), Qt::LeftButton);
        QTRY_VERIFY(Child<QToolButton>(w, "SpeedButton3")->isEnabled());
        QCOMPARE(panel4->y(), 20 - panel4->height());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
