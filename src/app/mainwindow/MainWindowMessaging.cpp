// The main window's doors to the message board and the guess game: the "Qor Messaging" menu
// item and the buttons "<Qor Messaging>" and "<F1 Guess Game>" of the tool bar.

#include "mainwindow/MainWindow.h"

#include "dialogs/Prompts.h"
#include "mainwindow/QtText.h"
#include "online/AccountClient.h"
#include "online/GuessWindow.h"
#include "online/MessagingWindow.h"
#include "online/QorConnect.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace qor::app {

void MainWindow::BuildMessaging() {
    QMenu* online = nullptr;
    for (QAction* a : menuBar()->actions())
        if (a->objectName() == QLatin1String("Online1")) online = a->menu();
    connect(AddAction(*online, "ReviewsandMessages1", QStringLiteral("Qor Messaging")),
            &QAction::triggered, this, [this] { OpenMessaging(); });

    // The two buttons follow the other online buttons. The windows themselves are built when
    // first opened: start-up stays as quick as it was.
    connect(AddOnlineButton("Sbt24", QStringLiteral("<Qor Messaging>")), &QToolButton::clicked,
            this, [this] { OpenMessaging(); });
    connect(AddOnlineButton("Sbt28", QStringLiteral("<F1 Guess Game>")), &QToolButton::clicked,
            this, [this] { OpenGuess(); });
}

MessagingWindow& MainWindow::OpenMessaging() {
    if (!messagingWindow_) messagingWindow_ = new MessagingWindow(*this);
    messagingWindow_->Open();
    return *messagingWindow_;
}

GuessWindow& MainWindow::OpenGuess() {
    if (!guessWindow_) guessWindow_ = new GuessWindow(*this);
    guessWindow_->Open();
    return *guessWindow_;
}

bool MainWindow::Ask(const QString& question) {
    return prompts_.AskYesNo(this, question);
}

std::optional<QString> MainWindow::ShowMessagingView(const QStringList& args) {
    if (args.isEmpty() || (args[0] != QLatin1String("board") && args[0] != QLatin1String("guess")))
        return std::nullopt;
    const bool guess = args[0] == QLatin1String("guess");
    const bool history = guess && args.size() > 1 && args[1] == QLatin1String("history");
    const qsizetype rest = args.size() - 1 - (history ? 1 : 0);
    if (rest != 0 && rest != 2)
        return guess ? QStringLiteral("usage: guess [history] [USER PASSWORD]")
                     : QStringLiteral("usage: board [USER PASSWORD]");
    if (rest == 2) {
        // Logged in first, as the user would be, so that his own messages and guess show.
        const std::string user = FromQt(args[args.size() - 2]);
        const online::Exchange e =
            online::RunRequest(online::StartLogin(user, FromQt(args.back())));
        const online::LoginReply reply =
            online::ApplyLoginReply(e.Payload, user, session_.ProgramFolder);
        if (!reply.Accepted()) return QStringLiteral("log-in refused: ") + ToQt(reply.Message);
        SetOnlineLabel(ToQt(online::OnlineText(reply.Message)));
    }
    if (!guess) {
        OpenMessaging();
        return QString();
    }
    GuessWindow& w = OpenGuess();
    if (rest == 0 && !history) return QString();
    // Once the first reply has been read: the user's own guess, or the first player's past
    // guesses.
    auto* step = new QTimer(&w);
    step->setInterval(50);
    connect(step, &QTimer::timeout, &w, [&w, step, history] {
        auto* players = w.findChild<QListWidget*>(QStringLiteral("ListBox1"));
        if (w.Busy() || players->count() == 0) return;
        step->deleteLater();
        if (!history) {
            w.MakeGuess();
            return;
        }
        players->setCurrentRow(0);
        w.ViewHistory();
    });
    step->start();
    return QString();
}

} // namespace qor::app
