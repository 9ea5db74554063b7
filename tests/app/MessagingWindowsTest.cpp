// The message board and guess game windows through the real main window against the real
// service on loopback: two users on the board, the refusals made before any request, and a
// Grand Prix guessed, saved, scored and compared.

#include "support/AppFixture.h"

#include "lang/DefaultStrings.h"
#include "mainwindow/QtText.h"
#include "online/AccountClient.h"
#include "online/GuessGame.h"
#include "online/GuessWindow.h"
#include "online/LoginWindow.h"
#include "online/MessageFrame.h"
#include "online/MessagingWindow.h"
#include "online/OnlineState.h"
#include "online/Protocol.h"
#include "online/QorConnect.h"
#include "online/RequestBodies.h"
#include "support/Process.h"
#include "support/ServerProcess.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

#include <map>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

namespace {

template <typename T> T* In(QWidget& window, const QString& name) {
    T* c = window.findChild<T*>(name);
    if (!c) qFatal("no control %s", qPrintable(name));
    return c;
}

// The drivers the service offers for guessing, in the order their ids are given.
const char* const Drivers[] = {
    "Kimi Raikkonen", "Fernando Alonso", "Lewis Hamilton", "Felipe Massa", "Nick Heidfeld",
    "Robert Kubica",  "Nico Rosberg",    "Mark Webber",    "Jarno Trulli", "David Coulthard"};
const char* const GPDate = "2007-03-18";

// Waits for a window's request and then for the timer that reads its reply.
template <typename Window> void Settle(Window& w, const char* timer) {
    QTRY_VERIFY(!w.Busy());
    QTRY_VERIFY(!In<QTimer>(w, timer)->isActive());
}

// A user's choice in a drop-down list (its popup ignores a click that comes at once).
void Pick(QComboBox& box, int index) {
    box.setCurrentIndex(index);
    emit box.activated(index);
}

} // namespace

class MessagingWindowsTest : public AppTest {
    Q_OBJECT

    std::unique_ptr<qor::testing::ServerProcess> server_;
    std::map<std::string, std::string> passwords_;

    // The real service, confirming sign-ups at once, with the accounts "tester" and "racer".
    void Serve() {
        online::tQorConnect::SetTimeouts(1000, 3000);
        server_ = std::make_unique<qor::testing::ServerProcess>();
        const std::string config = server_->WriteConfig("auto_confirm = true\n");
        if (server_->Start({"--config", config}) == 0) qFatal("%s", server_->Log().c_str());
        auto& state = online::OnlineState::Instance();
        state.SetWebHost(server_->Address());
        state.ClearCachedService();
        for (const char* user : {"tester", "racer"}) {
            state.SetLogin({}, 0);
            online::RunRequest(online::RegisterBody(user, std::string(user) + "@example.org", 0));
            passwords_[user] = server_->MailedPassword(user);
        }
        state.SetLogin({}, 0);
    }
    // Logs in as the user would through the log-in window (the state the windows read).
    void LogInAs(const std::string& user) {
        const auto e = online::RunRequest(online::StartLogin(user, passwords_[user]));
        online::ApplyLoginReply(e.Payload, user, f->Folder().toStdString());
        QVERIFY(online::OnlineState::Instance().LoginCode() >= online::LoginCodeMin);
    }
    // "qor-server admin --data-dir DIR " + arguments (quoted as given); its exit status.
    int Admin(const std::string& arguments) {
        const auto r =
            qor::testing::RunProcess(qor::testing::ServerProcess::Binary() + " admin --data-dir '" +
                                     server_->DataDir() + "' " + arguments);
        if (r.status != 0) qWarning("%s", r.err.c_str());
        return r.status;
    }
    // The drivers offered and a Grand Prix open for guessing until far ahead.
    void OpenGP() {
        std::string names;
        for (const char* d : Drivers)
            names += std::string(" '") + d + "'";
        QCOMPARE(Admin("guess-drivers" + names), 0);
        QCOMPARE(Admin(std::string("guess-open --date ") + GPDate +
                       " --name 'Australian GP' --closes '2099-01-01 12:00'"),
                 0);
    }
    QString Text(int slot) { return ToQt(f->session->langs.Text(slot)); }

    // The board window's frame after page 0 was read and drawn.
    MessageFrame& ReadBoard() {
        MessageFrame& frame = W().OpenMessaging().Frame();
        if (!frame.Busy() && frame.EverRead()) In<QPushButton>(frame, "SpeedButton1")->click();
        Settle(frame, "Timer_showmsg");
        return frame;
    }
    void Post(MessageFrame& frame, const QString& text) {
        frame.ShowWritingPage();
        In<QPlainTextEdit>(frame, "Memo2")->setPlainText(text);
        In<QPushButton>(frame, "SpeedButton3")->click();
        QTRY_VERIFY(!frame.Busy());
        QCOMPARE(In<QLabel>(frame, "Label3")->text(), "Status: " + Text(slot::Completed));
        frame.ShowReadingPage();
    }
    // The message panels as "text|delete enabled".
    QStringList Panels(MessageFrame& frame) {
        QStringList out;
        for (int n = 1; n <= frame.PanelCount(); ++n) {
            QWidget* panel = In<QWidget>(frame, QStringLiteral("pan%1").arg(n));
            out << In<QPlainTextEdit>(*panel, QString())->toPlainText() + "|" +
                       (In<QPushButton>(*panel, "SpeedButton4")->isEnabled() ? "on" : "off");
        }
        return out;
    }

    GuessWindow& Guess() {
        GuessWindow& w = W().OpenGuess();
        Settle(w, "Timer_guess");
        return w;
    }
    QComboBox& Chooser(GuessWindow& w, int k) {
        return *In<QComboBox>(w, QStringLiteral("Combobox%1").arg(k));
    }

  private slots:
    void cleanup() { server_.reset(); }

    void twoUsersSeeBothMessagesAndEachDeletesOnlyHisOwn() {
        Serve();
        LogInAs("tester");
        Post(W().OpenMessaging().Frame(), QStringLiteral("Hello from tester"));
        LogInAs("racer");
        // A "*" inside a text does not end it.
        Post(W().OpenMessaging().Frame(), QStringLiteral("Racer * here\nsecond line"));
        for (const char* user : {"tester", "racer"}) {
            LogInAs(user);
            MessageFrame& frame = ReadBoard();
            const bool racer = std::string(user) == "racer";
            QCOMPARE(
                Panels(frame),
                (QStringList{QStringLiteral("Racer * here\nsecond line|") + (racer ? "on" : "off"),
                             QStringLiteral("Hello from tester|") + (racer ? "off" : "on")}));
        }
        QVERIFY(In<QLabel>(ReadBoard(), "Label7")->text().startsWith("2 "));
        // Asked first; "No" keeps it, "Yes" deletes it.
        MessageFrame& frame = ReadBoard();
        f->prompts.answers = {false, true};
        QWidget* own = In<QWidget>(frame, "pan1");
        In<QPushButton>(*own, "SpeedButton4")->click();
        QCOMPARE(f->prompts.questions, QStringList{Text(slot::ConfirmDeleteMessage)});
        QVERIFY(!frame.Busy());
        In<QPushButton>(*own, "SpeedButton4")->click();
        QTRY_VERIFY(!frame.Busy());
        QTRY_COMPARE(Panels(frame), QStringList{QStringLiteral("Hello from tester|off")});
    }

    void aMarkCountsOnceAndIsRefusedLoggedOutLikeTheAmpersand() {
        Serve();
        MessageFrame& frame = W().OpenMessaging().Frame();
        QTRY_VERIFY(!frame.Busy());
        frame.ShowWritingPage();
        auto* mark = In<QComboBox>(frame, "ComboBox2");
        Pick(*mark, 7);
        QCOMPARE(mark->currentIndex(), -1);
        QTest::keyClicks(In<QPlainTextEdit>(frame, "Memo2"), QStringLiteral("a&b"));
        QCOMPARE(In<QPlainTextEdit>(frame, "Memo2")->toPlainText(), QStringLiteral("ab"));
        In<QPlainTextEdit>(frame, "Memo2")->clear();
        In<QPushButton>(frame, "SpeedButton3")->click();
        QCOMPARE(f->prompts.messages,
                 (QStringList{Text(slot::RateNeedsLogin) + "\n" + Text(slot::SeeReviewsHelp),
                              Text(slot::CharacterNotAllowed), Text(slot::WriteOrRateFirst)}));
        QVERIFY(!frame.Busy());
        QVERIFY(In<QLabel>(frame, "Label3")->text().isEmpty());
        // A text the service refuses (logged out) stays in the box.
        In<QPlainTextEdit>(frame, "Memo2")->setPlainText(QStringLiteral("kept words"));
        In<QPushButton>(frame, "SpeedButton3")->click();
        QTRY_VERIFY(!frame.Busy());
        QVERIFY(!In<QPlainTextEdit>(frame, "Memo3")->toPlainText().isEmpty());
        QCOMPARE(In<QPlainTextEdit>(frame, "Memo2")->toPlainText(), QStringLiteral("kept words"));

        // Logged in, a mark goes alone; a second one replaces the first.
        LogInAs("tester");
        for (int index : {7, 9}) {
            Pick(*mark, index);
            In<QPushButton>(frame, "SpeedButton3")->click();
            QCOMPARE(mark->currentIndex(), -1);
            QTRY_VERIFY(!frame.Busy());
        }
        QCOMPARE(In<QLabel>(ReadBoard(), "Label10")->text(),
                 QStringLiteral("User Ratings:10.0(1 users voted)"));
    }

    void theExtraFieldsGoUntilAReplyBringsTheResults() {
        Serve();
        OpenGP();
        auto& state = online::OnlineState::Instance();
        state.SetWebHost("127.0.0.1:1");
        state.ClearCachedService();
        GuessWindow& w = Guess();
        QCOMPARE(w.Extra(), std::string(online::FirstGuessExtra));
        QCOMPARE(In<QLabel>(w, "Label74")->text(), QStringLiteral("---"));
        state.SetWebHost(server_->Address());
        w.RequestPlayers();
        QTRY_VERIFY(!w.Busy());
        QTRY_COMPARE(In<QLabel>(w, "Label74")->text(), QString(GPDate) + " Australian GP");
        QCOMPARE(w.Extra(), std::string());
        QCOMPARE(Chooser(w, 1).count(), int(std::size(Drivers)) + 1);
        QCOMPARE(Chooser(w, 10).itemText(1), QString(Drivers[0]));
        QCOMPARE(In<QListWidget>(w, "ListBox1")->item(0)->text(),
                 QStringLiteral("*No user has point*"));
    }

    void aGuessIsRefusedWithADriverTwiceAndSavedOtherwise() {
        Serve();
        OpenGP();
        GuessWindow& w = Guess();
        // Logged out, "SAVE" opens the log-in window.
        In<QPushButton>(w, "SpeedButton1")->click();
        QVERIFY(W().findChild<LoginWindow*>() && W().findChild<LoginWindow*>()->isVisible());
        LogInAs("tester");
        In<QPushButton>(w, "SpeedButton2")->click();
        Settle(w, "Timer_guess");
        // Positions 1 to 8 and fastest lap; position 5 repeats position 1.
        const int picks[10] = {1, 2, 3, 4, 1, 6, 7, 8, 1, 0};
        for (int k = 1; k <= 10; ++k) {
            Pick(Chooser(w, k), picks[k - 1]);
        }
        for (int k = 1; k <= 8; ++k)
            QCOMPARE(Chooser(w, k).palette().color(QPalette::Button),
                     k == 1 || k == 5 ? QColor(0xFF, 0xAA, 0xAA) : QColor(Qt::white));
        In<QPushButton>(w, "SpeedButton1")->click();
        QCOMPARE(f->prompts.messages,
                 QStringList{"You must select different drivers for position 1 to 8!"});
        QVERIFY(!w.Busy());
        Pick(Chooser(w, 5), 5);
        QCOMPARE(Chooser(w, 1).palette().color(QPalette::Button), QColor(Qt::white));
        In<QPushButton>(w, "SpeedButton1")->click();
        QTRY_VERIFY(!w.Busy());
        QTRY_VERIFY(In<QLabel>(w, "Label58")->text().contains("saved"));
        // The saved guess comes back in [myguess].
        for (int k = 1; k <= 10; ++k)
            Chooser(w, k).setCurrentIndex(0);
        In<QPushButton>(w, "SpeedButton2")->click();
        QTRY_VERIFY(!w.Busy());
        QTRY_COMPARE(Chooser(w, 5).currentText(), QString(Drivers[4]));
        QCOMPARE(Chooser(w, 9).currentText(), QString(Drivers[0]));
        QCOMPARE(Chooser(w, 10).currentText(), QString());
        // The race key (the date as a number) and the name.
        QCOMPARE(In<QLabel>(w, "Label49")->text(), QStringLiteral("20070318 Australian GP"));
    }

    void theHistoryComparesAGuessWithTheResultInPointsAndGreenBoxes() {
        Serve();
        OpenGP();
        const auto offered = online::RunRequest(online::GuessBody({}, "", "&driver_list=1"),
                                                online::GuessPayloadKeep);
        const online::GuessReply reply = online::ParseGuessReply(offered.Payload);
        std::map<std::string, int> ids;
        for (const auto& [id, name] : reply.Drivers.value_or(GuessDriverList{}))
            ids[name] = id;
        // tester guesses the result; racer swaps the first two and misses the pole.
        for (const std::string user : {"tester", "racer"}) {
            LogInAs(user);
            online::GuessIds guess{};
            for (int k = 0; k < 10; ++k)
                guess[k] = ids[Drivers[user == "tester" ? (k == 9 ? 0 : k) : (k < 2 ? 1 - k : k)]];
            online::RunRequest(
                online::GuessBody({user, online::OnlineState::Instance().LoginCode()},
                                  online::SaveGuessPart(guess), ""),
                online::GuessPayloadKeep);
        }
        // The result: 1 2 3 4 5 6 7 8, fastest lap 9, pole 1.
        std::string result;
        for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 8, 0})
            result += std::string(" '") + Drivers[k] + "'";
        QCOMPARE(Admin("guess-close"), 0);
        QCOMPARE(Admin(std::string("guess-result --date ") + GPDate + result), 0);

        LogInAs("tester");
        GuessWindow& w = Guess();
        auto* players = In<QListWidget>(w, "ListBox1");
        QCOMPARE(players->item(1)->text(), QStringLiteral("2. racer  (111)"));
        players->setCurrentRow(1);
        In<QPushButton>(w, "SpeedButton3")->click();
        QVERIFY(In<QWidget>(w, "Panel3")->isVisible());
        QTRY_COMPARE(In<QLabel>(w, "Label55")->text(), QStringLiteral("racer"));
        QCOMPARE(In<QLabel>(w, "Label79")->text(), QStringLiteral("16 Points"));
        QCOMPARE(In<QLabel>(w, "Label81")->text(), QStringLiteral("80 Points"));
        QCOMPARE(In<QLabel>(w, "Label82")->text(), QStringLiteral("111 Points"));
        QCOMPARE(In<QLineEdit>(w, "Edit11")->text(), QString(Drivers[0]));
        QCOMPARE(In<QLineEdit>(w, "Edit1")->text(), QString(Drivers[1]));
        for (int k = 1; k <= 10; ++k) {
            const bool right = k >= 3 && k <= 9;
            QCOMPARE(In<QLineEdit>(w, QStringLiteral("Edit%1").arg(k))
                             ->palette()
                             .color(QPalette::Base) == QColor(0xBB, 0xFF, 0xBB),
                     right);
        }
    }
};

QTEST_MAIN(MessagingWindowsTest)
#include "MessagingWindowsTest.moc"
