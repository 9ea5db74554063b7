// The main window's doors to the online windows: the "Online" menu, the log-in and news
// buttons of the tool bar and the label with the log-in message.

#include "mainwindow/MainWindow.h"

#include "dialogs/Prompts.h"
#include "mainwindow/DriverCombo.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "online/LoginWindow.h"
#include "online/NewsWindow.h"
#include "online/OnlineState.h"
#include "online/PasswordWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace qor::app {

void MainWindow::BuildOnline() {
    QMenu* online = new QMenu(QStringLiteral("Online"), this);
    online->menuAction()->setObjectName(QStringLiteral("Online1"));
    menuBar()->insertMenu(helpMenu_->menuAction(), online);
    connect(AddAction(*online, "Login1", QStringLiteral("Login to Qor")), &QAction::triggered, this,
            [this] { OpenLogin(); });
    connect(AddAction(*online, "LookforNewVersion1", QStringLiteral("Qor News")),
            &QAction::triggered, this, [this] { OpenNews(); });

    connect(AddOnlineButton("Sbt26", QStringLiteral("<Login>")), &QToolButton::clicked, this,
            [this] { OpenLogin(); });
    connect(AddOnlineButton("Sbt23", QStringLiteral("<Qor News>")), &QToolButton::clicked, this,
            [this] { OpenNews(); });

    onlineLabel_ = MakeLabel("onlinelabel", this);
    statusBar()->addPermanentWidget(onlineLabel_);
    // The log-in sends the language of the string table loaded at start (and again at each
    // log-in, as the language may change).
    online::OnlineState::Instance().SetLanguageCode(session_.langs.LanguageCode);
}

QToolButton* MainWindow::AddOnlineButton(const char* name, const QString& caption) {
    // After the season-list buttons and the online buttons made before, ahead of the
    // right-aligned driver box.
    auto* panel1 = findChild<QToolBar*>(QStringLiteral("Panel1"));
    QAction* before = nullptr;
    for (QAction* a : panel1->actions())
        if (!qobject_cast<QToolButton*>(panel1->widgetForAction(a))) {
            before = a;
            break;
        }
    QToolButton* button = MakeButton(name, caption, panel1);
    panel1->insertWidget(before, button);
    return button;
}

LoginWindow& MainWindow::OpenLogin() {
    if (!loginWindow_) loginWindow_ = new LoginWindow(*this);
    loginWindow_->Open();
    return *loginWindow_;
}

PasswordWindow& MainWindow::OpenPassword() {
    if (!passwordWindow_) passwordWindow_ = new PasswordWindow(*this);
    QPalette back = passwordWindow_->palette();
    back.setColor(QPalette::Window, ToQColor(session_.palette.WindowBackColor));
    passwordWindow_->setPalette(back);
    passwordWindow_->setAutoFillBackground(true);
    prompts_.RunModal(*passwordWindow_);
    return *passwordWindow_;
}

NewsWindow& MainWindow::OpenNews() {
    if (!newsWindow_) newsWindow_ = new NewsWindow(*this);
    newsWindow_->Check();
    return *newsWindow_;
}

void MainWindow::SetOnlineLabel(const QString& text) {
    onlineLabel_->setText(text);
    SyncShare();
}

void MainWindow::DriversChanged() {
    FillDriverCombo(session_.db, 2000, session_.DriverBoxItems);
    SyncDriverBox();
}

std::optional<QString> MainWindow::ShowOnlineView(const QStringList& args) {
    if (!args.isEmpty() && args[0] == QLatin1String("gp-updates"))
        return ShowSharedResultsView(args);
    if (const std::optional<QString> board = ShowMessagingView(args)) return board;
    if (args.isEmpty() || (args[0] != QLatin1String("login") && args[0] != QLatin1String("news")))
        return std::nullopt;
    if (args.size() != 1) return QStringLiteral("usage: ") + args[0];
    if (args[0] == QLatin1String("login"))
        OpenLogin();
    else
        OpenNews();
    return QString();
}

} // namespace qor::app
