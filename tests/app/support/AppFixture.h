#pragma once
// A main window on a private copy of the shipped data, with scripted answers.

#include "AppStart.h"
#include "dialogs/Prompts.h"
#include "mainwindow/GridView.h"
#include "mainwindow/MainWindow.h"
#include "settings/QtSettingsStore.h"

#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>

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

    QStringList messages, questions, openedPages;
    std::deque<bool> answers;
    QString pickedFile;
    bool pageOpens = true;
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

} // namespace qor::app::testing
