// The main window's doors to the top lists, the track statistics, Find Name, Help and About.

#include "mainwindow/MainWindow.h"

#include "dialogs/AboutBox.h"
#include "dialogs/FindNameDialog.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/Prompts.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "statistics/TopListWindow.h"
#include "statistics/TrackStatisticsWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace qor::app {

void MainWindow::BuildStatistics() {
    connect(AddAction(*overallMenu_, "opLists1", {}), &QAction::triggered, this,
            [this] { OpenTopLists(); });
    connect(AddAction(*overallMenu_, "PistStatistics1", {}), &QAction::triggered, this,
            [this] { OpenTrackStatistics(); });
    connect(AddAction(*helpMenu_, "Neleryapabilirim1", {}), &QAction::triggered, this,
            [this] { OpenHelp(); });
    connect(AddAction(*helpMenu_, "About1", {}), &QAction::triggered, this,
            [this] { OpenAbout(); });
    connect(speedButton13_, &QToolButton::clicked, this, [this] { OpenFindName(); });
}

TopListWindow& MainWindow::OpenTopLists(bool teams) {
    if (!topListWindow_) topListWindow_ = new TopListWindow(*this);
    topListWindow_->Open();
    if (teams) topListWindow_->ShowTeams();
    return *topListWindow_;
}

TrackStatisticsWindow& MainWindow::OpenTrackStatistics() {
    if (!trackWindow_) trackWindow_ = new TrackStatisticsWindow(*this);
    trackWindow_->Open();
    return *trackWindow_;
}

FindNameDialog& MainWindow::OpenFindName() {
    if (!findNameDialog_) findNameDialog_ = new FindNameDialog(*this);
    findNameDialog_->Open();
    return *findNameDialog_;
}

HelpWindow& MainWindow::OpenHelp() {
    // Made afresh each time: the language, and so the help file, may have changed.
    delete helpWindow_;
    helpWindow_ = new HelpWindow(*this);
    helpWindow_->setWindowModality(Qt::ApplicationModal);
    helpWindow_->show();
    return *helpWindow_;
}

AboutBox& MainWindow::OpenAbout() {
    if (!aboutBox_) aboutBox_ = new AboutBox(this, QString());
    aboutBox_->setWindowTitle(ToQt(session_.langs.Text(CaptionSlot("About1"))));
    aboutBox_->setWindowModality(Qt::ApplicationModal);
    aboutBox_->show();
    return *aboutBox_;
}

void MainWindow::Inform(const QString& text) {
    prompts_.Inform(this, text);
}

bool MainWindow::ShowStatisticsView(const QStringList& args, QString& error) {
    if (args.isEmpty()) return false;
    const QString& view = args.front();
    if (view == QLatin1String("toplist")) {
        const QString mode = args.size() == 2 ? args[1] : QString();
        if (mode != QLatin1String("drivers") && mode != QLatin1String("teams"))
            error = QStringLiteral("usage: toplist drivers|teams");
        else
            OpenTopLists(mode == QLatin1String("teams"));
        return true;
    }
    if (view == QLatin1String("find")) {
        if (args.size() != 2) {
            error = QStringLiteral("usage: find TEXT");
            return true;
        }
        FindNameDialog& find = OpenFindName();
        find.Edit().setText(args[1]);
        find.Search();
        return true;
    }
    const auto alone = [&](const char* name) {
        if (args.size() != 1) error = QStringLiteral("usage: ") + QLatin1String(name);
        return error.isEmpty();
    };
    if (view == QLatin1String("tracks")) {
        if (alone("tracks")) OpenTrackStatistics();
        return true;
    }
    if (view == QLatin1String("help")) {
        if (alone("help")) OpenHelp();
        return true;
    }
    if (view == QLatin1String("about")) {
        if (alone("about")) OpenAbout();
        return true;
    }
    return false;
}

} // namespace qor::app
