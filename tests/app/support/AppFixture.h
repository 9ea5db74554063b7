#pragma once
// A main window on a private copy of the shipped data, with scripted answers; and helpers to
// find controls by design name, click cells and lists, and read painted colours.

#include "AppStart.h"
#include "dialogs/Prompts.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/GridView.h"
#include "mainwindow/MainWindow.h"
#include "settings/QtSettingsStore.h"
#include "support/Fixtures.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <utility>

namespace qor::app::testing {

// Answers questions from a script and records every message and page.
class ScriptedPrompts : public Prompts {
  public:
    void Inform(QWidget*, const QString& text) override { messages << text; }
    bool AskYesNo(QWidget*, const QString& text) override {
        questions << text;
        if (answers.empty()) return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    QString PickLanguageFile(QWidget*, const QString&) override { return pickedFile; }
    bool OpenPage(const QString& path) override {
        openedPages << path;
        return pageOpens;
    }
    // A modal dialog: `onModal` fills and saves it (or leaves it, which cancels).
    int RunModal(QDialog& dialog) override {
        dialogs << dialog.objectName();
        return onModal ? onModal(dialog) : 0;
    }
    QString PickImportFile(QWidget*, const QString&) override { return importFile; }

    QStringList messages, questions, openedPages;
    std::deque<bool> answers;
    QString pickedFile;
    bool pageOpens = true;
    QStringList dialogs;
    std::function<int(QDialog&)> onModal;
    QString importFile;
};

// The program folder (a temporary copy of the shipped files) and a started window.
class AppFixture {
  public:
    AppFixture() {
        for (const char* name :
             {"f1data5.dat", "TR.dt", "flags.dat", "other_names.txt", "help_EN.txt"})
            QFile::copy(QStringLiteral(QOR_BIN_DIR "/") + QLatin1String(name),
                        Folder() + QLatin1String(name));
        // The copies must be writable: closing writes the view settings back.
        QFile::setPermissions(Folder() + QStringLiteral("f1data5.dat"),
                              QFile::ReadOwner | QFile::WriteOwner);
        settings = std::make_unique<QtSettingsStore>(Folder() + QStringLiteral("settings.ini"));
    }
    // Starts the window as the program does; false when start-up failed.
    bool Start(ScreenSize screen = {1280, 800}) {
        session = std::make_unique<MainSession>();
        window = CreateMainWindow(*session, *settings, prompts, Folder(), screen);
        if (!window) return false;
        window->resize(1200, 760);
        window->show();
        return true;
    }

    QString Folder() const { return dir_.path() + QLatin1Char('/'); }
    std::string File(const char* name) const {
        return (Folder() + QLatin1String(name)).toStdString();
    }

    QTemporaryDir dir_;
    ScriptedPrompts prompts;
    std::unique_ptr<QtSettingsStore> settings;
    std::unique_ptr<MainSession> session;
    std::unique_ptr<MainWindow> window;
};

// The base of the GUI test classes: a window started on a fresh copy of the shipped data for
// every test function.
class AppTest : public QObject {
    Q_OBJECT
  protected:
    MainWindow& W() { return *f->window; }
    GridView& G() { return f->window->Grid1(); }
    const GridTable& T() { return f->window->Grid1().Grid(); }

    std::unique_ptr<AppFixture> f;

  private slots:
    void initTestCase() { InstallFontSubstitutions(); }
    void init() {
        f = std::make_unique<AppFixture>();
        QVERIFY(f->Start());
    }
    void cleanup() { f.reset(); }
};

// The colour of a pixel of a widget as painted.
inline QColor PixelOf(QWidget& widget, QPoint at) {
    const QImage image = widget.grab().toImage();
    return image.pixelColor(at * image.devicePixelRatio());
}

// Centre of a grid cell in the coordinates of the widget that receives its mouse events
// (the body's viewport, or the header for the title row and the number column).
struct CellTarget {
    QWidget* widget = nullptr;
    QPoint pos;
};
inline CellTarget CellTargetOf(GridView& view, int col, int row) {
    QWidget* target = view.viewport();
    if (row == 0 && col > 0) target = view.horizontalHeader()->viewport();
    if (col == 0 && row > 0) target = view.verticalHeader()->viewport();
    return {target, target->mapFrom(&view, view.CellRect(col, row).center())};
}

inline QAction* Action(MainWindow& w, const char* name) {
    QAction* a = w.findChild<QAction*>(QString::fromLatin1(name));
    if (!a) qFatal("no action %s", name);
    return a;
}

template <typename T> T* Child(MainWindow& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

// The grid column whose title is `title`, or -1.
inline int ColumnTitled(const GridView& view, const std::string& title) {
    for (int c = 0; c < view.Grid().ColCount(); ++c)
        if (view.Grid().Title(c) == title) return c;
    return -1;
}

inline void Click(GridView& view, int col, int row, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const CellTarget t = CellTargetOf(view, col, row);
    QVERIFY(t.widget);
    QTest::mouseClick(t.widget, button, mods, t.pos);
}

inline QColor CellPixel(GridView& view, int col, int row, QPoint offset = {1, 1}) {
    const QRect r = view.CellRect(col, row);
    return PixelOf(view, r.topLeft() + offset);
}

// Clicks a list entry with the mouse.
inline void ClickItem(QListWidget& list, int row) {
    QVERIFY(row >= 0 && row < list.count());
    list.scrollToItem(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualItemRect(list.item(row)).center());
}

// Picks a season in the year box and a GP in the list with the mouse.
inline void ChooseYearAndGP(MainWindow& w, const QString& year, int gp) {
    auto* years = Child<QComboBox>(w, "ComboBox1");
    const int index = years->findText(year);
    QVERIFY(index >= 0);
    years->setCurrentIndex(index);
    emit years->activated(index);
    ClickItem(*Child<QListWidget>(w, "gpListBox1"), gp);
}

inline QColor Rgb(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Chooses a drop-down entry with the mouse, as a user does.
inline void ChooseEntry(QComboBox& box, int index) {
    QTRY_VERIFY(box.view()->isVisible());
    const QModelIndex i = box.model()->index(index, 0);
    box.view()->scrollTo(i);
    const QPoint at = box.view()->visualRect(i).center();
    QTest::mouseClick(box.view()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// Leftmost and rightmost x (view coordinates) of the pixels of a cell that differ from its
// background (its top-left pixel): where its text was painted. (-1, -1) when none do.
inline std::pair<int, int> TextExtent(GridView& view, int col, int row) {
    const QRect r = view.CellRect(col, row);
    const QImage image = view.grab().toImage();
    std::pair<int, int> extent{-1, -1};
    for (int x = r.left(); x <= r.right(); ++x)
        for (int y = r.top() + 1; y < r.bottom() - 1; ++y)
            if (image.pixelColor(x, y) != image.pixelColor(r.topLeft() + QPoint(1, 1))) {
                extent = {extent.first < 0 ? x : extent.first, x};
                break;
            }
    return extent;
}

// A double click on a grid cell (press, release, press, double click, release).
inline void DoubleClick(GridView& view, int col, int row) {
    const CellTarget t = CellTargetOf(view, col, row);
    QVERIFY(t.widget);
    QTest::mouseDClick(t.widget, Qt::LeftButton, Qt::NoModifier, t.pos);
}

} // namespace qor::app::testing
