#pragma once
// Program start of the desktop window: command-line options, the start-up that may end the
// program with a message, and the run.

#include "mainwindow/MainSession.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QApplication;

namespace qor::app {

class MainWindow;
class Prompts;

struct AppOptions {
    // --data DIR: the folder of the data, language and help files (default: ChooseDataFolder).
    QString DataFolder;
    // --show VIEW [ARGS]: the table to show after start-up (see ShowView).
    QStringList Show;
    // --theme N: the colour theme for this run (0..4, 100..104 Modern).
    int Theme = -1;
    // --row N: select row N of the table shown and scroll it into view (0: leave it).
    int Row = 0;
    // --screenshot FILE: save a picture of the window once shown, then close.
    QString ScreenshotPath;
    // --web-host HOST[:PORT]: the web host of the online features (over QOR_WEB_HOST and the
    // settings).
    QString WebHost;
    bool Help = false;
    // --quit-after-first-table: end as soon as the first table has been painted (start-up
    // time measurement).
    bool QuitAfterFirstTable = false;
    // Not empty when the arguments could not be read.
    QString Error;
};

AppOptions ParseOptions(const QStringList& arguments);
QString UsageText();
// "--help" and a wrong option: the text printed and the exit status; nothing for a run. Needs
// no application object, so that neither needs a display.
std::optional<int> AnswerWithoutWindow(const AppOptions& options);

// The primary screen's size.
ScreenSize PrimaryScreenSize();

// FormCreate: starts the session from the program folder and builds the window. When the
// database cannot be loaded the message is written on stderr and shown with `prompts`, and no
// window is made (null).
std::unique_ptr<MainWindow> CreateMainWindow(MainSession& session, SettingsStore& settings,
                                             Prompts& prompts, const QString& programFolder,
                                             ScreenSize screen);

// Runs the program: start-up, the window maximised, the event loop. Returns the exit code
// (1 when the database could not be loaded, 64 for wrong arguments).
int RunQor(QApplication& app, const AppOptions& options, Prompts& prompts, SettingsStore& settings);

} // namespace qor::app
