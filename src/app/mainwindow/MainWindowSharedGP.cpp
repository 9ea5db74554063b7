// The main window's side of the shared GP results: the "Qor GP Updates" and "Share This GP"
// menu items, the flashing "<GP Updates>" button and the once-a-day check.

#include "mainwindow/MainWindow.h"

#include "dialogs/Prompts.h"
#include "lang/DefaultStrings.h"
#include "mainwindow/GPBrowser.h"
#include "mainwindow/QtText.h"
#include "online/AccountReplies.h"
#include "online/OnlineState.h"
#include "online/QorConnect.h"
#include "online/SharedGP.h"
#include "online/SharedResultsWindow.h"
#include "online/WindowRequest.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace qor::app {

namespace {
constexpr int FlashMs = 500;
constexpr int UpdaterDelayMs = 2000;
// Sbt25's two text colours while it flashes (BGR values).
constexpr Colour FlashColours[2] = {37103, 12543};
} // namespace

void MainWindow::BuildSharedResults() {
    QMenu* online = nullptr;
    for (QAction* a : menuBar()->actions())
        if (a->objectName() == QLatin1String("Online1")) online = a->menu();
    connect(AddAction(*online, "UpdatefromQorsharing1", QStringLiteral("Qor GP Updates")),
            &QAction::triggered, this, [this] { OpenSharedResults(); });
    connect(AddAction(*online, "ShareGPResults1", QStringLiteral("Share This GP")),
            &QAction::triggered, this, [this] { ShareShownGP(); });
    // The log-in may have changed since the GP was shown.
    connect(online, &QMenu::aboutToShow, this, &MainWindow::SyncShare);

    auto* panel1 = findChild<QToolBar*>(QStringLiteral("Panel1"));
    auto* sbt23 = findChild<QToolButton*>(QStringLiteral("Sbt23"));
    QAction* after = nullptr;
    const QList<QAction*> actions = panel1->actions();
    for (qsizetype i = 0; i + 1 < actions.size(); ++i)
        if (panel1->widgetForAction(actions[i]) == sbt23) after = actions[i + 1];
    sbt25_ = MakeButton("Sbt25", QStringLiteral("<GP Updates>"), panel1);
    connect(sbt25_, &QToolButton::clicked, this, [this] {
        sbt25Tag_ = 0;
        OpenSharedResults();
    });
    panel1->insertWidget(after, sbt25_);
    // The tool bar's share button has always been hidden; the menu item is the way in.
    QToolButton* speedButton22 = MakeButton("SpeedButton22", QStringLiteral("Share This GP"), this);
    speedButton22->hide();
    connect(speedButton22, &QToolButton::clicked, this, [this] { ShareShownGP(); });

    flashTimer_ = new QTimer(this);
    flashTimer_->setObjectName(QStringLiteral("Timer4"));
    flashTimer_->setInterval(FlashMs);
    connect(flashTimer_, &QTimer::timeout, this, [this] {
        QPalette colours = sbt25_->palette();
        if (sbt25Tag_ != 1) {
            flashTimer_->stop();
            sbt25_->setPalette(QPalette());
            sbt25Lit_ = false;
            return;
        }
        sbt25Lit_ = !sbt25Lit_;
        colours.setColor(QPalette::ButtonText, ToQColor(FlashColours[sbt25Lit_ ? 0 : 1]));
        sbt25_->setPalette(colours);
    });

    shareRequest_ = new WindowRequest(this, nullptr);
    timerUpdater_ = new QTimer(this);
    timerUpdater_->setObjectName(QStringLiteral("Timer_updater"));
    timerUpdater_->setSingleShot(true);
    timerUpdater_->setInterval(UpdaterDelayMs);
    connect(timerUpdater_, &QTimer::timeout, this, &MainWindow::CheckForUpdates);
    timerUpdater_->start();
}

SharedResultsWindow& MainWindow::SharedResults() {
    // Built when first needed, not at start-up: the first table comes sooner.
    if (!sharedResults_) sharedResults_ = new SharedResultsWindow(*this);
    return *sharedResults_;
}

SharedResultsWindow& MainWindow::OpenSharedResults() {
    SharedResultsWindow& w = SharedResults();
    w.ApplyTheme();
    prompts_.RunModal(w);
    return w;
}

void MainWindow::SetGPUpdatesWaiting(bool waiting) {
    sbt25Tag_ = waiting ? 1 : 0;
}

void MainWindow::FlashGPUpdates() {
    if (sbt25Tag_ == 1 && !flashTimer_->isActive()) flashTimer_->start();
}

void MainWindow::ListChecked(double day) {
    settings_.WriteNumber(setting::Access, day);
}

void MainWindow::ShowUpdatesStatus(const QString& text) {
    ShowStatus(text);
}

void MainWindow::CheckForUpdates() {
    if (!online::DailyCheckDue(session_.db.OnlineOption, online::TodayDayNumber(),
                               settings_.ReadNumber(setting::Access)))
        return;
    ShowStatus(ToQt(session_.langs.MsgQueryingUpdates));
    SharedResults().RefreshList();
}

void MainWindow::ShowSharedGP(std::uint16_t gp, bool written) {
    // The save wrote the files; after a failed write the user may still save them.
    session_.SaveChangesEnabled = !written;
    if (!written) Inform(ToQt(session_.langs.MsgWriteError));
    FillYearLists(session_.ctx);
    ShowGPByDate(session_.ctx, session_.db.GPs[gp].Date);
    TableRebuilt();
}

void MainWindow::SyncShare() {
    QAction* share = findChild<QAction*>(QStringLiteral("ShareGPResults1"));
    if (!share) return;
    const BrowserState& b = session_.ctx.browser;
    share->setText(b.ShareCaption.empty() ? QStringLiteral("Share This GP") : ToQt(b.ShareCaption));
    share->setEnabled(session_.ctx.grid.ShareItemEnabled && !shareRequest_->Running() &&
                      online::OnlineState::Instance().LoginCode() != 0);
}

bool MainWindow::ShareShownGP() {
    SyncShare();
    const The_Class& db = session_.db;
    const int g = db.FindGPByDate(db.FormatDate(session_.ctx.browser.ShareTag));
    if (!findChild<QAction*>(QStringLiteral("ShareGPResults1"))->isEnabled() || g == 0)
        return false;
    const auto& state = online::OnlineState::Instance();
    const std::string user = state.LoginUser();
    auto reply = std::make_shared<std::string>();
    shareRequest_->Start(
        online::ShareGPBody({user, state.LoginCode()}, db, g),
        [reply](const std::string& payload) { *reply = payload; },
        [this, reply](int ended) {
            SyncShare();
            if (ended != online::Completed || reply->empty()) {
                Inform(ToQt(session_.langs.Text(slot::ServerNotAvailable)));
                return;
            }
            Inform(ToQt(online::ParseStatusReply(*reply).Message));
        });
    SyncShare();
    Inform(ToQt(session_.langs.MsgShareResultLater));
    return true;
}

QString MainWindow::ShowSharedResultsView(const QStringList& args) {
    static const QStringList pages{QStringLiteral("sources"), QStringLiteral("content")};
    if (args.size() > 2 || (args.size() == 2 && !pages.contains(args[1])))
        return QStringLiteral("usage: gp-updates [sources|content]");
    // Shown beside the main window (not modal, for pictures and scripts); the pages after
    // the list follow its first row as soon as each request has ended.
    SharedResultsWindow& w = SharedResults();
    w.ApplyTheme();
    w.setModal(false);
    w.show();
    const int last = args.size() == 2 ? static_cast<int>(pages.indexOf(args[1])) + 1 : 0;
    if (last == 0) {
        w.RefreshList();
        return QString();
    }
    auto* step = new QTimer(&w);
    step->setInterval(50);
    connect(step, &QTimer::timeout, &w, [&w, step, last] {
        if (w.Busy()) return;
        auto* grid = w.findChild<QTableWidget*>(w.Page() == 0 ? QStringLiteral("gridlist1")
                                                              : QStringLiteral("gridlist2"));
        if (w.Page() >= last || grid->rowCount() == 0 || !grid->item(0, 1)) {
            step->deleteLater();
            return;
        }
        grid->setCurrentCell(0, 1);
        if (w.Page() == 0)
            w.OpenCurrentGP();
        else
            w.OpenSource(grid->item(0, 1)->text());
    });
    w.RefreshList();
    step->start();
    return QString();
}

} // namespace qor::app
