// The log-in, password and news windows through the real main window against a small service
// on loopback: log-ins accepted and refused, a transport failure, the refusals made before
// any request, the news check's busy refusal and its driver update.

#include "support/AppFixture.h"

#include "mainwindow/QtText.h"

#include "lang/DefaultStrings.h"
#include "online/AccountReplies.h"
#include "online/Discovery.h"
#include "online/FormFields.h"
#include "online/LoginWindow.h"
#include "online/NewsWindow.h"
#include "online/OnlineState.h"
#include "online/PasswordCodec.h"
#include "online/Protocol.h"
#include "online/QorConnect.h"
#include "online/ReplyFraming.h"
#include "online/RequestBodies.h"
#include "support/ServerProcess.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;
using namespace std::chrono_literals;

namespace {

// The service and web host on a free loopback port: the discovery file, the log-in of one
// user ("tester", "secret") and the two files of the news check. Log-in replies and the news
// text can be held back until Release(), so that a request stays running.
class FakeService {
  public:
    FakeService() {
        server_.Get(std::string(online::DiscoveryPath), [this](const httplib::Request&,
                                                               httplib::Response& res) {
            res.set_content(online::MakeDiscovery({Host(), "/trevask/qor"}), "text/plain");
        });
        server_.Post("/trevask/qor", [this](const httplib::Request& req, httplib::Response& res) {
            ++posts;
            WaitForRelease();
            const auto fields = online::FormFields::Parse(req.body);
            const std::string_view data = fields.Value("data");
            const auto star = data.find('*');
            const auto password = online::DecodeLoginPassword(
                data.substr(star == data.npos ? data.size() : star + 1));
            const bool accepted = password && *password == "secret";
            res.set_content(online::FramePayload(online::FormatLoginReply(
                                accepted, 12345, accepted ? "Welcome tester" : "Wrong password", {},
                                accepted ? "Hello" : "")),
                            "text/plain");
        });
        server_.Get(std::string(online::NewsPath),
                    [this](const httplib::Request&, httplib::Response& res) {
                        WaitForRelease();
                        res.set_content("Qor news\r\nVersion 1.88", "text/plain");
                    });
        server_.Get(std::string(online::DriversPath),
                    [](const httplib::Request&, httplib::Response& res) {
                        res.set_content("*****\r\n#ABC DEF*xyz\r\n", "text/plain");
                    });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::sleep_for(1ms);
    }
    ~FakeService() {
        Release();
        server_.stop();
        thread_.join();
    }
    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }
    void Hold() {
        std::lock_guard lock(mutex_);
        hold_ = true;
    }
    void Release() {
        {
            std::lock_guard lock(mutex_);
            hold_ = false;
        }
        released_.notify_all();
    }

    std::atomic<int> posts{0};

  private:
    void WaitForRelease() {
        std::unique_lock lock(mutex_);
        released_.wait_for(lock, 5s, [this] { return !hold_; });
    }

    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable released_;
    bool hold_ = false;
};

template <typename T> T* In(QWidget& window, const char* name) {
    T* c = window.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

} // namespace

class OnlineWindowsTest : public AppTest {
    Q_OBJECT

    FakeService service_;

    // A fresh process-wide state pointed at `webHost` (the fake service by default).
    void Online(const std::string& webHost = {}) {
        online::tQorConnect::SetTimeouts(1000, 3000);
        auto& state = online::OnlineState::Instance();
        state.SetWebHost(webHost.empty() ? service_.Host() : webHost);
        state.ClearCachedService();
        state.SetLogin({}, 0);
        service_.posts = 0;
    }
    // Types the user name and password into the log-in window and presses "Log In"; waits
    // for the status line of the request's end.
    LoginWindow& LogIn(const char* user, const char* password) {
        LoginWindow& login = W().OpenLogin();
        In<QLineEdit>(login, "Edit1")->clear();
        QTest::keyClicks(In<QLineEdit>(login, "Edit1"), QString::fromLatin1(user));
        QTest::keyClicks(In<QLineEdit>(login, "Edit2"), QString::fromLatin1(password));
        In<QPushButton>(login, "SpeedButton4")->click();
        [&] { QTRY_VERIFY(In<QLabel>(login, "Label9")->text().startsWith("Status: ")); }();
        return login;
    }
    QString OnlineLabel() { return Child<QLabel>(W(), "onlinelabel")->text(); }
    QString Text(int slot) { return ToQt(f->session->langs.Text(slot)); }

  private slots:
    // The real service with the account "tester", confirmed at once; its mailed password.
    std::string RealService(qor::testing::ServerProcess& server) {
        const std::string config = server.WriteConfig("auto_confirm = true\n");
        if (server.Start({"--config", config}) == 0) qFatal("%s", server.Log().c_str());
        Online(server.Address());
        const auto signUp =
            online::RunRequest(online::RegisterBody("tester", "t@example.org", false));
        if (!online::ParseStatusReply(signUp.Payload).Accepted()) qFatal("no sign-up");
        online::OnlineState::Instance().ClearCachedService();
        return server.MailedPassword("tester");
    }

    void anAcceptedLogInIsShownRememberedAndOffered() {
        qor::testing::ServerProcess server;
        const std::string password = RealService(server);
        LoginWindow& login = LogIn("tester", password.c_str());
        QCOMPARE(In<QLabel>(login, "Label9")->text(),
                 "Status: " + Text(slot::CommunicationCompleted));
        const QString welcome = In<QLabel>(login, "Label7")->text();
        QVERIFY(!welcome.isEmpty());
        QVERIFY(In<QLabel>(login, "Label7")->font().bold());
        QCOMPARE(OnlineLabel(), welcome.simplified());
        QVERIFY(online::OnlineState::Instance().LoginCode() >= online::LoginCodeMin);
        QVERIFY(In<QWidget>(login, "Panel4")->isEnabled());
        // The popup text comes in a message box once the request has ended.
        QTRY_COMPARE(f->prompts.messages.size(), 1);
        QFile remembered(f->Folder() + QStringLiteral("qoruser.txt"));
        QVERIFY(remembered.open(QIODevice::ReadOnly));
        QCOMPARE(remembered.readLine().trimmed(), QByteArray("tester"));
        // The next start offers the name.
        f->window.reset();
        QVERIFY(f->Start());
        QCOMPARE(In<QLineEdit>(W().OpenLogin(), "Edit1")->text(), QStringLiteral("tester"));
    }

    void aRefusedLogInLogsOutAndEnablesTheFieldsAgain() {
        qor::testing::ServerProcess server;
        const std::string password = RealService(server);
        LogIn("tester", password.c_str());
        QVERIFY(online::OnlineState::Instance().LoginCode() >= online::LoginCodeMin);
        LoginWindow& login = LogIn("tester", "wrong");
        QVERIFY(!In<QLabel>(login, "Label7")->text().isEmpty());
        QVERIFY(!In<QLabel>(login, "Label7")->font().bold());
        QVERIFY(In<QWidget>(login, "Panel4")->isEnabled());
        QVERIFY(In<QLineEdit>(login, "Edit2")->text().isEmpty());
        QCOMPARE(OnlineLabel(), QString());
        QCOMPARE(online::OnlineState::Instance().LoginUser(), std::string());
        QCOMPARE(online::OnlineState::Instance().LoginCode(), 0);
    }

    void aLogInWithoutAServiceShowsTheFailureText() {
        Online("127.0.0.1:1");
        LoginWindow& login = LogIn("tester", "secret");
        QCOMPARE(In<QLabel>(login, "Label9")->text(), "Status: " + Text(slot::ServerNotAvailable));
        QCOMPARE(In<QLabel>(login, "ProgressLabel")->text(), QStringLiteral("***************"));
        QVERIFY(In<QWidget>(login, "Panel4")->isEnabled());
        QCOMPARE(online::OnlineState::Instance().LoginCode(), 0);
    }

    void aReplyArrivingAfterTheWindowClosedIsDropped() {
        Online();
        service_.Hold();
        LoginWindow& login = W().OpenLogin();
        QTest::keyClicks(In<QLineEdit>(login, "Edit1"), QStringLiteral("tester"));
        QTest::keyClicks(In<QLineEdit>(login, "Edit2"), QStringLiteral("secret"));
        In<QPushButton>(login, "SpeedButton4")->click();
        QTRY_COMPARE(service_.posts.load(), 1);
        std::thread release([this] {
            std::this_thread::sleep_for(100ms);
            service_.Release();
        });
        f->window.reset();
        release.join();
        QTest::qWait(50);
        QCOMPARE(online::OnlineState::Instance().LoginCode(), 0);
    }

    void keysOtherThanLettersDigitsAndUnderscoreDotAtAreDroppedAndEnterLogsIn() {
        Online();
        LoginWindow& login = W().OpenLogin();
        QTest::keyClicks(In<QLineEdit>(login, "Edit1"), QStringLiteral("te&st_.@9"));
        QCOMPARE(In<QLineEdit>(login, "Edit1")->text(), QStringLiteral("test_.@9"));
        QCOMPARE(f->prompts.messages,
                 QStringList{QStringLiteral(
                     "Please enter alphanumeric characters or \"_ . @\" chracters")});
        In<QLineEdit>(login, "Edit1")->setText(QStringLiteral("tester"));
        QTest::keyClicks(In<QLineEdit>(login, "Edit2"), QStringLiteral("secret"));
        QTest::keyClick(In<QLineEdit>(login, "Edit2"), Qt::Key_Return);
        QTRY_COMPARE(online::OnlineState::Instance().LoginCode(), 12345);
    }

    void signUpRefusalsComeBeforeAnyRequest() {
        Online();
        struct Row {
            const char *user, *email, *message, *focused, *why;
        } rows[] = {
            {"abc", "a@b.c", "User name length must be at least 4", "Edit6", "3 letters"},
            {"abcd", "ab.c", "You must write a valid email", "Edit7", "no @"},
        };
        LoginWindow& login = W().OpenLogin();
        login.activateWindow();
        In<QPushButton>(login, "SpeedButton8")->click();
        for (const Row& r : rows) {
            f->prompts.messages.clear();
            In<QLineEdit>(login, "Edit6")->setText(QString::fromLatin1(r.user));
            In<QLineEdit>(login, "Edit7")->setText(QString::fromLatin1(r.email));
            In<QPushButton>(login, "SpeedButton5")->click();
            QCOMPARE(f->prompts.messages, QStringList{QString::fromLatin1(r.message)});
            QTRY_COMPARE(login.focusWidget()->objectName(), QString::fromLatin1(r.focused));
            QVERIFY2(In<QWidget>(login, "Panel5")->isEnabled(), r.why);
        }
        QTest::qWait(50);
        QCOMPARE(service_.posts.load(), 0);
    }

    void passwordChangeRefusalsComeBeforeAnyRequest() {
        Online();
        struct Row {
            bool loggedIn;
            const char *repeat, *why;
            int message;
        } rows[] = {
            {false, "new1", "logged out", slot::LoginBeforePassword},
            {true, "new2", "repetition differs", slot::PasswordRepeatWrong},
        };
        for (const Row& r : rows) {
            online::OnlineState::Instance().SetLogin(r.loggedIn ? "tester" : "",
                                                     r.loggedIn ? 12345 : 0);
            f->prompts.messages.clear();
            f->prompts.onModal = [&](QDialog& d) {
                QTest::keyClicks(In<QLineEdit>(d, "Edit1"), QStringLiteral("secret"));
                QTest::keyClicks(In<QLineEdit>(d, "Edit2"), QStringLiteral("new1"));
                QTest::keyClicks(In<QLineEdit>(d, "Edit3"), QString::fromLatin1(r.repeat));
                In<QPushButton>(d, "SB2")->click();
                return 0;
            };
            In<QPushButton>(W().OpenLogin(), "SpeedButton3")->click();
            QVERIFY2(f->prompts.dialogs.contains(QStringLiteral("Form21")), r.why);
            QCOMPARE(f->prompts.messages, QStringList{Text(r.message)});
        }
        QTest::qWait(50);
        QCOMPARE(service_.posts.load(), 0);
    }

    void theNewsCheckRefusesASecondRunAndAddsANewDriverOnce() {
        Online();
        The_Class& db = f->session->db;
        const int drivers = db.DriverCount;
        service_.Hold();
        Child<QToolButton>(W(), "Sbt23")->click();
        Child<QToolButton>(W(), "Sbt23")->click();
        QCOMPARE(f->prompts.messages, QStringList{Text(slot::ConnectionBusy)});
        service_.Release();
        NewsWindow* news = W().findChild<NewsWindow*>();
        QTRY_COMPARE(news->Pending(), 0);
        QCOMPARE(In<QLabel>(*news, "Label2")->text(), QStringLiteral("Completed: Succesfully"));
        QVERIFY(In<QPlainTextEdit>(*news, "Memo1")->toPlainText().startsWith("Qor news\nVersion"));
        QCOMPARE(In<QLabel>(*news, "Label1")->text(),
                 QStringLiteral("Updates:\nDriver:Abc Def xyz"));
        QVERIFY(W().DriverBox().findText(QStringLiteral("Abc Def")) >= 0);
        QCOMPARE(int(db.DriverCount), drivers + 1);
        // Again: nothing new.
        Action(W(), "LookforNewVersion1")->trigger();
        QTRY_COMPARE(news->Pending(), 0);
        QCOMPARE(int(db.DriverCount), drivers + 1);
        // It was saved.
        f->window.reset();
        QVERIFY(f->Start());
        QVERIFY(f->session->db.FindDriver("Abc Def") != 0);
    }
};

QTEST_MAIN(OnlineWindowsTest)
#include "OnlineWindowsTest.moc"
