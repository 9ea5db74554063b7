#pragma once
// A main window started on a private copy of the shipped data, with the user's answers
// scripted and the desktop actions recorded.

#include "AppStart.h"
#include "dialogs/Prompts.h"
#include "mainwindow/MainWindow.h"
#include "settings/QtSettingsStore.h"

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

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    QString pickedFile;
    QStringList openedPages;
    bool pageOpens = true;
};

// The program folder (a temporary copy of the shipped files) and a started window.
class AppFixture {
  public:
    AppFixture();

    // Starts the window on the folder (as the program does); false when start-up failed.
    bool Start(ScreenSize screen = {1280, 800});

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

// Fills tablo1 with the classification of GP g as the season browser does and shows it.
void ShowGPTable(MainWindow& window, int g);

// The colour of a pixel of a widget as painted.
QColor PixelOf(QWidget& widget, QPoint at);

// Centre of a grid cell in the coordinates of the widget that receives its mouse events
// (the body's viewport, or the header for the title row and the number column).
struct CellTarget {
    QWidget* widget = nullptr;
    QPoint pos;
};
CellTarget CellTargetOf(GridView& view, int col, int row);

} // namespace qor::app::testing
