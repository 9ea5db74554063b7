// The main window on a copy of the shipped data, one test per road a user takes; the rules
// behind each road are the core tests' concern, here each control reaches them.

#include "mainwindow/FilterBox.h"
#include "mainwindow/Fonts.h"
#include "support/AppFixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QToolButton>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

class MainWindowTest : public AppTest {
    Q_OBJECT

    const ThemePalette& Palette() { return f->session->palette; }
    QString Label(const char* name = "label5") { return Child<QLabel>(W(), name)->text(); }
    bool Shown(const char* name) { return Child<QWidget>(W(), name)->isVisible(); }
    void Press(const char* button) {
        QTest::mouseClick(Child<QToolButton>(W(), button), Qt::LeftButton);
    }
    void Trigger(std::initializer_list<const char*> actions) {
        for (const char* a : actions)
            Action(W(), a)->trigger();
    }
    // Right-clicks a cell; the popup's name, and its item triggered (none: just closed).
    QString Popup(const char* title, int row, const char* item = nullptr) {
        Click(G(), ColumnTitled(G(), title), row, Qt::RightButton);
        QMenu* popup = W().OpenedPopup();
        if (!popup) return {};
        if (item) popup->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        popup->hide();
        return popup->objectName();
    }
    void FilterOn(const char* title, const QString& entry) {
        Click(G(), ColumnTitled(G(), title), 0);
        QTRY_VERIFY(W().Filter().isVisible());
        ChooseEntry(W().Filter(), W().Filter().findText(entry));
    }
    int RowWhere(const char* title, bool (*match)(const std::string&)) {
        int row = 1;
        while (row + 1 < T().RowCount() && !match(T().Cell(ColumnTitled(G(), title), row)))
            ++row;
        return row;
    }

  private slots:
    void startUpShowsTheLastGPAndTheStoredTicks() {
        QCOMPARE(G().model()->data(G().model()->index(0, 0)).toString(), "Felipe Massa");
        QCOMPARE(Label(), "Brazil       Interlagos     22 October 2006");
        QCOMPARE(T().ColCount(), 8); // the grid column from 2002 on
        QVERIFY(Shown("gpbilgipanel"));
        const char* lines[] = {"Noline1", "Rowlines1", "Columnlines1", "Alllines1"};
        QVERIFY(Action(W(), lines[f->session->db.GridLineStyle & 3])->isChecked());
        Trigger({"Noline1"}); // times end 5 to 9 pixels inside their width, names start 5 in
        const int time = ColumnTitled(G(), " Time"),
                  width = qRound(f->session->ctx.grid.Widths.ColWTime *
                                 f->session->ctx.grid.FontFactor);
        const int timeEnd = TextExtent(G(), time, 2).second - G().CellRect(time, 2).left();
        QVERIFY(timeEnd <= width - 5 && timeEnd >= width - 9);
        QVERIFY(qAbs(TextExtent(G(), 1, 2).first - G().CellRect(1, 2).left() - 6) <= 1);
    }

    void startUpFailuresAndWrongArguments() {
        AppFixture broken;
        QFile::remove(broken.Folder() + "f1data5.dat");
        QVERIFY(!broken.Start());
        QCOMPARE(broken.prompts.messages, QStringList{"Data file not found"});
        AppOptions o;
        o.DataFolder = broken.Folder();
        QCOMPARE(RunQor(*qApp, o, broken.prompts, *broken.settings), 1);
        QVERIFY(!ParseOptions({"qor", "--bogus"}).Error.isEmpty());
        o = ParseOptions({"qor", "--data", "/x", "--show", "gp", "1988", "3", "--theme", "102"});
        QVERIFY(o.Error.isEmpty() && o.DataFolder == "/x" && o.Theme == 102);
        QCOMPARE(o.Show, (QStringList{"gp", "1988", "3"}));
    }

    void listButtonsAndTheGPListsLabelModes() {
        Press("SpeedButton10");
        QCOMPARE(Label(), "Winners");
        Press("SpeedButton9");
        QCOMPARE(Label(), "Pole Positions");
        const std::pair<const char*, const char*> modes[] = {
            {"Bydate1", "22 October"}, {"byprixname1", "Brazil"}, {"bypistname1", "Interlagos"}};
        for (const auto& [action, label] : modes) {
            Trigger({action});
            QCOMPARE(Child<QListWidget>(W(), "gpListBox1")->item(17)->text(), label);
        }
    }

    void choosingASeasonItsListsAndADateOnThem() {
        ChooseYearAndGP(W(), "1988", 2);
        auto* list = Child<QListWidget>(W(), "gpListBox1");
        QVERIFY(Label().contains(list->item(2)->text()) && Label().endsWith("1988"));
        QCOMPARE(T().ColCount(), 7); // no grid column before 2002
        QVERIFY(Shown("button9"));   // the HTML button, from 1980 on
        Press("button14");           // the season's fastest laps
        const int row = RowWhere(" Pos", [](const std::string& pos) { return pos != "1"; });
        const std::string driver = T().Cell(ColumnTitled(G(), " Name"), row);
        Click(G(), ColumnTitled(G(), " Date"), row); // a GP list's row shows its information
        QVERIFY(Shown("gpbilgipanel"));
        DoubleClick(G(), ColumnTitled(G(), " Date"), row);
        QCOMPARE(T().Cell(1, T().Row), driver);
        QCOMPARE(G().currentIndex().row() + 1, T().Row);
        QCOMPARE(Child<QComboBox>(W(), "ComboBox1")->currentText(), "1988");
        ChooseYearAndGP(W(), "1979", 0);
        QVERIFY(!Shown("button9"));
    }

    void recordPopupsOfDriverTeamAndTrack() {
        QCOMPARE(Popup(" Name", 2, "Wins7"), "popupdriver");
        QCOMPARE(Label(), "Fernando Alonso   (Wins)");
        Press("backbutton");
        QCOMPARE(Popup(" Team", 1, "wins5"), "popupteam");
        QCOMPARE(Label(), "Ferrari     2006   (Wins)");
        Press("button2"); // the winners of 2006 have a track column
        const int monza = RowWhere(" Track", [](const std::string& t) { return t == "Monza"; });
        QCOMPARE(Popup(" Track", monza, "AllRaces2"), "Popuppist");
        QCOMPARE(Label(), "Monza   (All Records)");
    }

    void championshipPanelSlidesAndItsTablesHavePopups() {
        auto* panel = Child<QWidget>(W(), "Panel4");
        const int closed = 20 - panel->height();
        Press("SpeedButton3");
        QTRY_VERIFY(Child<QToolButton>(W(), "SpeedButton4")->isEnabled());
        QCOMPARE(panel->y(), 0);
        ClickItem(*Child<QListWidget>(W(), "ListBox2"), 2006 - 1988);
        QCOMPARE(Label(), "Drivers Championship   1988");
        QCOMPARE(Popup(" Driver", 1, "Championship1"), "popuppoints");
        QCOMPARE(Label(), "Ayrton Senna  championship");
        Press("button3");
        QCOMPARE(Label(), "Constructors Championship");
        QCOMPARE(Popup("Champion Team", 1), "Popupteampoints");
        Press("SpeedButton4");
        QTRY_VERIFY(Child<QToolButton>(W(), "SpeedButton3")->isEnabled());
        QCOMPARE(panel->y(), closed);
    }

    void clickSelectsAndCtrlClickOrThePopupHighlights() {
        const int name = ColumnTitled(G(), " Name");
        Click(G(), name, 3);
        QCOMPARE(Label("status"), "  " + QString::fromStdString(T().Cell(name, 3)));
        Click(G(), name, 4, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f->session->ctx.grid.HighlightName, T().Cell(name, 4));
        Click(G(), name, 4, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f->session->ctx.grid.HighlightName, std::string());
        const int current = T().Row;
        QCOMPARE(Popup(" Name", 2, "Highlight1"), "popupdriver");
        QCOMPARE(T().Row, current); // a right click does not move the current row
        QCOMPARE(CellPixel(G(), name, 2), Rgb(FadeColour(Palette().OddBrushColor)));
        Popup(" Name", 2, "Highlight1"); // again: off
        QCOMPARE(f->session->ctx.grid.HighlightName, std::string());
    }

    void filterKeptInTheSecondTable() {
        const int team = ColumnTitled(G(), " Team");
        FilterOn(" Team", "Ferrari");
        QTRY_VERIFY(!W().Filter().isVisible());
        for (int r = 1; r < T().RowCount(); ++r)
            QCOMPARE(G().isRowHidden(r - 1), T().Cell(team, r) != "Ferrari");
        QCOMPARE(Label("Label3"), "(2) Ferrari");
        Press("kopyala");
        QVERIFY(Shown("Panel12"));
        for (int r = 1; r < T().RowCount(); ++r)
            QCOMPARE(W().Grid2().isRowHidden(r - 1), G().isRowHidden(r - 1));
        QCOMPARE(Label("Label4"), "(2) Ferrari");
        Press("SpeedButton12");
        QVERIFY(!Shown("Panel12"));
        FilterOn(" Team", " Team"); // the title entry shows every row again
        QCOMPARE(Label("Label3"), QString());
    }

    void htmlButtonWritesAndOpensThePage() {
        Press("button9");
        const QString path = f->Folder() + "html/Brazil_Interlagos_22_October_2006.html";
        QCOMPARE(f->prompts.openedPages, QStringList{path});
        QVERIFY(qor::testing::ReadFileBytes(path.toStdString()).find(">Felipe Massa</td>") !=
                std::string::npos);
    }

    void historyButtonsAndMenuRerunTables() {
        ChooseYearAndGP(W(), "1988", 0);
        Press("button2"); // the winners of 1988
        auto* back = Child<QToolButton>(W(), "backbutton");
        auto* next = Child<QToolButton>(W(), "nextbutton");
        QVERIFY(back->isEnabled() && !next->isEnabled());
        Press("backbutton");
        Press("backbutton");
        QCOMPARE(Label(), "Brazil       Interlagos     22 October 2006");
        QVERIFY(!back->isEnabled());
        Press("nextbutton"); // the re-run selects its year and GP again
        QCOMPARE(Child<QComboBox>(W(), "ComboBox1")->currentText(), "1988");
        Press("SpeedButton17");
        QMenu& menu = W().HistoryMenu();
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(menu.actions().size(), 3);
        menu.actions()[2]->trigger();
        menu.hide();
        QCOMPARE(Label(), "1988 - Winners");
        QVERIFY(!next->isEnabled());
    }

    void themesAndGridLinesRepaintTheGrid() {
        Trigger({"standart1"});
        if (Palette().Modern) Trigger({"MoreStyle1"});
        const auto expectRows = [&] {
            QCOMPARE(CellPixel(G(), 1, 1), Rgb(Palette().SelBrushColor)); // the current row
            QCOMPARE(CellPixel(G(), 1, 3), Rgb(Palette().OddBrushColor));
        };
        expectRows();
        const QRect c = G().CellRect(2, 3); // grid lines take the fixed cells' colour
        const QPoint bottom(c.left() + 10, c.bottom()), right(c.right(), c.top() + 8);
        Trigger({"Rowlines1"});
        QCOMPARE(PixelOf(G(), bottom), Rgb(Palette().FixedCellColor));
        QCOMPARE(PixelOf(G(), right), Rgb(Palette().OddBrushColor));
        Trigger({"Alllines1"});
        QCOMPARE(PixelOf(G(), right), Rgb(Palette().FixedCellColor));
        Trigger({"Noline1"});
        const Colour standard = Palette().OddBrushColor;
        Trigger({"autumn1", "N004"}); // dark level 3
        QVERIFY(Palette().OddBrushColor != standard);
        expectRows();
        // The corner above the row numbers and the title follow the theme; the table keeps the
        // application's window colour whatever its panel's.
        QCOMPARE(PixelOf(G(), QPoint(2, 2)), Rgb(Palette().FixedCellColor));
        QCOMPARE(Child<QLabel>(W(), "label5")->palette().color(QPalette::WindowText),
                 Rgb(Palette().TitleLabelColor));
        QCOMPARE(G().palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Window));
        Trigger({"MoreStyle1"}); // Modern: a gradient picture behind every body cell
        QCOMPARE(PixelOf(G(), G().CellRect(1, 2).topLeft() + QPoint(1, 0)),
                 Rgb(Palette().EvenBitmap[0]));
    }

    void languageMenuRetitlesMenusAndTables() {
        Trigger({"TR1"});
        QCOMPARE(Action(W(), "hemes1")->text(), "Temalar");
        QCOMPARE(G().model()->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8(" İsim"));
        // Another language file, picked in the dialog, is kept in the settings.
        Trigger({"EN1"});
        QFile::copy(f->Folder() + "TR.dt", f->Folder() + "MINE.DT");
        f->prompts.pickedFile = f->Folder() + "MINE.DT";
        Trigger({"Other1"});
        QCOMPARE(Action(W(), "hemes1")->text(), "Temalar");
        QSettings stored(f->Folder() + "settings.ini", QSettings::IniFormat);
        QCOMPARE(stored.value("language_file").toString(), "MINE.DT");
    }

    void menuSettingsAreWrittenBackOnCloseForTheNextStart() {
        const int oddEven = f->session->db.OddEvenRows;
        Trigger({"Spring1", "MoreStyle1", "Columnlines1", "N003", "Vertical2", "Big1",
                 "NoOddEvenrowcolor1", "Bigger1"});
        QCOMPARE(f->prompts.messages, QStringList{"Restart the program"});
        QCOMPARE(f->session->ZoomFactor(), 1.0); // the font size waits for the next start
        QVERIFY(W().close());
        MainSession next;
        QVERIFY(next.Start(f->Folder().toStdString(), {1280, 800}, *f->settings).Loaded);
        const The_Class& d = next.db; // theme, lines, odd-even, darkness, compare view, stats size
        QCOMPARE(QList<int>({d.ColorTheme, d.GridLineStyle, d.OddEvenRows, d.DarkLevel,
                             d.CompareView, d.StatsWindowSize}),
                 QList<int>({103, 2, oddEven ? 0 : 1, 12, 1, 26}));
        QCOMPARE(next.ZoomFactor(), 1.6);
        QCOMPARE(next.palette.OddBrushColor, f->session->palette.OddBrushColor);
    }

    void closingWithUnsavedEditsAsksAndNoKeepsTheWindow() {
        const std::string before = qor::testing::ReadFileBytes(f->File("f1data5.dat"));
        f->session->SaveChangesEnabled = true;
        Trigger({"Winter1"});
        f->prompts.answers = {false};
        QVERIFY(!W().close());
        QCOMPARE(f->prompts.questions, QStringList{"Exit without save?"});
        QCOMPARE(qor::testing::ReadFileBytes(f->File("f1data5.dat")), before); // nothing written
        f->prompts.answers = {true};
        QVERIFY(W().close());
        QVERIFY(qor::testing::ReadFileBytes(f->File("f1data5.dat")) != before); // the view settings
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
