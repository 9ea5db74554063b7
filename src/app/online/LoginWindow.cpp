#include "online/LoginWindow.h"

#include "lang/DefaultStrings.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "online/AccountClient.h"
#include "online/AccountKeys.h"
#include "online/OnlineState.h"
#include "online/Protocol.h"
#include "online/QorConnect.h"
#include "online/UserFile.h"
#include "online/WindowRequest.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace qor::app {

namespace {

constexpr const char* KeyMessage = "Please enter alphanumeric characters or \"_ . @\" chracters";

QPushButton* MakePush(const char* name, const char* text, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit* MakeEdit(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QLabel* MakeText(const char* name, const char* text, QWidget* parent) {
    QLabel* l = MakeLabel(name, parent);
    l->setText(QString::fromLatin1(text));
    l->setWordWrap(true);
    return l;
}

void SetTextColour(QLabel& label, Qt::GlobalColor colour) {
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, colour);
    label.setPalette(p);
}

} // namespace

LoginWindow::LoginWindow(MainWindow& main) : QWidget(&main, Qt::Tool), main_(main) {
    setObjectName(QStringLiteral("form18"));
    setWindowTitle(QStringLiteral("Log In"));
    const double zoom = main_.Session().ZoomFactor();
    const double scale = std::round(100 * zoom) / 100;
    setFont(MainFont(zoom));
    const auto inform = [this](const QString& text) { main_.Inform(text); };
    const QString keyMessage = QString::fromLatin1(KeyMessage);

    // ---- Log-in page ----------------------------------------------------------------------
    panel4_ = new QWidget(this);
    panel4_->setObjectName(QStringLiteral("Panel4"));
    auto* login = new QGridLayout(panel4_);
    edit1_ = MakeEdit("Edit1", panel4_);
    edit2_ = MakeEdit("Edit2", panel4_);
    edit2_->setEchoMode(QLineEdit::Password);
    new AccountKeyFilter(*edit1_, keyMessage, inform);
    new AccountKeyFilter(*edit2_, keyMessage, inform, AccountKeyFilter::Enter::Runs,
                         [this] { LogIn(); });
    QPushButton* speedButton4 = MakePush("SpeedButton4", "Log In", panel4_);
    connect(speedButton4, &QPushButton::clicked, this, &LoginWindow::LogIn);
    QPushButton* speedButton8 = MakePush("SpeedButton8", "Sign Up", panel4_);
    connect(speedButton8, &QPushButton::clicked, this, &LoginWindow::ShowSignUpPage);
    QPushButton* speedButton3 = MakePush("SpeedButton3", "Change My Password", panel4_);
    connect(speedButton3, &QPushButton::clicked, this, [this] { main_.OpenPassword(); });
    label7_ = MakeText("Label7", "Guest", panel4_);
    label14_ = MakeText("Label14", "", panel4_);
    label9_ = MakeText("Label9", "", panel4_);
    login->addWidget(MakeText("Label1", "User name:", panel4_), 0, 0);
    login->addWidget(edit1_, 0, 1);
    login->addWidget(MakeText("Label2", "Password:", panel4_), 1, 0);
    login->addWidget(edit2_, 1, 1);
    auto* loginButtons = new QHBoxLayout;
    loginButtons->addWidget(speedButton4);
    loginButtons->addWidget(speedButton8);
    login->addLayout(loginButtons, 2, 1);
    login->addWidget(speedButton3, 3, 1);
    login->addWidget(label7_, 4, 0, 1, 2);
    login->addWidget(label14_, 5, 0, 1, 2);
    login->setRowStretch(6, 1);
    login->addWidget(label9_, 7, 0, 1, 2);

    // ---- Sign-up page ---------------------------------------------------------------------
    panel5_ = new QWidget(this);
    panel5_->setObjectName(QStringLiteral("Panel5"));
    auto* signUp = new QGridLayout(panel5_);
    edit6_ = MakeEdit("Edit6", panel5_);
    edit6_->setMaxLength(static_cast<int>(online::UserNameMax));
    edit7_ = MakeEdit("Edit7", panel5_);
    edit7_->setMaxLength(static_cast<int>(online::EmailMax));
    new AccountKeyFilter(*edit6_, keyMessage, inform);
    new AccountKeyFilter(*edit7_, keyMessage, inform);
    radioButton1_ = new QRadioButton(
        QStringLiteral("Use this email only for this registration process"), panel5_);
    radioButton1_->setObjectName(QStringLiteral("RadioButton1"));
    radioButton1_->setChecked(true);
    radioButton2_ = new QRadioButton(
        QStringLiteral("Use this email also to send important news about Qor"), panel5_);
    radioButton2_->setObjectName(QStringLiteral("RadioButton2"));
    QPushButton* speedButton5 = MakePush("SpeedButton5", "Send Info", panel5_);
    connect(speedButton5, &QPushButton::clicked, this, &LoginWindow::SignUp);
    QPushButton* speedButton1 = MakePush("SpeedButton1", "<Log In>", panel5_);
    connect(speedButton1, &QPushButton::clicked, this, &LoginWindow::ShowLoginPage);
    label17_ = MakeText("Label17", "", panel5_);
    label13_ = MakeText("Label13", "", panel5_);
    signUp->addWidget(MakeText("Label15", "User name:", panel5_), 0, 0);
    signUp->addWidget(edit6_, 0, 1);
    signUp->addWidget(MakeText("Label16", "E-mail:", panel5_), 1, 0);
    signUp->addWidget(edit7_, 1, 1);
    signUp->addWidget(radioButton1_, 2, 0, 1, 2);
    signUp->addWidget(radioButton2_, 3, 0, 1, 2);
    signUp->addWidget(
        MakeText("Label11", "Note: After confirming your registration i will send you a password.",
                 panel5_),
        4, 0, 1, 2);
    auto* signUpButtons = new QHBoxLayout;
    signUpButtons->addWidget(speedButton5);
    signUpButtons->addWidget(speedButton1);
    signUp->addLayout(signUpButtons, 5, 1);
    signUp->addWidget(label17_, 6, 0, 1, 2);
    signUp->setRowStretch(7, 1);
    signUp->addWidget(label13_, 8, 0, 1, 2);

    progressLabel_ = MakeLabel("ProgressLabel", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel4_, 1);
    layout->addWidget(panel5_, 1);
    layout->addWidget(progressLabel_);
    request_ = new WindowRequest(this, progressLabel_);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(100);
    connect(timer1_, &QTimer::timeout, this, [this] {
        timer1_->stop();
        if (!popupText_.isEmpty()) main_.Inform(popupText_);
    });

    resize(static_cast<int>(387 * scale), static_cast<int>(320 * scale));
    ShowLoginPage();
}

void LoginWindow::Open() {
    QPalette back = palette();
    back.setColor(QPalette::Window, ToQColor(main_.Session().palette.WindowBackColor));
    setPalette(back);
    setAutoFillBackground(true);
    ShowLoginPage();
    if (!isVisible()) move(main_.geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void LoginWindow::ShowLoginPage() {
    panel5_->hide();
    panel4_->show();
    if (edit1_->text().isEmpty()) {
        const std::string user = online::ReadRememberedUser(main_.Session().ProgramFolder);
        if (!user.empty()) {
            auto& state = online::OnlineState::Instance();
            state.SetLogin(user, state.LoginCode());
            edit1_->setText(ToQt(user));
        }
    }
}

void LoginWindow::ShowSignUpPage() {
    panel4_->hide();
    panel5_->show();
}

void LoginWindow::LogIn() {
    if (edit1_->text().isEmpty() || edit2_->text().isEmpty() || request_->Running()) return;
    popupText_.clear();
    panel4_->setEnabled(false);
    SetLabel7Bold(false);
    label14_->clear();
    label7_->setText(QStringLiteral("Trying to Login..."));
    label9_->setText(QStringLiteral("Waiting..."));
    // The language may have changed since the last request.
    online::OnlineState::Instance().SetLanguageCode(main_.Session().langs.LanguageCode);
    std::string body = online::StartLogin(FromQt(edit1_->text()), FromQt(edit2_->text()));
    edit2_->clear();
    request_->Start(
        std::move(body), [this](const std::string& payload) { LoginReplyArrived(payload); },
        [this](int state) { LoginEnded(state); });
}

void LoginWindow::LoginReplyArrived(const std::string& payload) {
    const online::LoginReply reply =
        online::ApplyLoginReply(payload, FromQt(edit1_->text()), main_.Session().ProgramFolder);
    popupText_ = ToQt(reply.Popup);
    label14_->setText(ToQt(reply.Information));
    label7_->setText(ToQt(reply.Message));
    if (reply.Accepted()) {
        main_.SetOnlineLabel(ToQt(online::OnlineText(reply.Message)));
        SetLabel7Bold(true);
    } else {
        SetLabel7Bold(false);
        panel4_->setEnabled(true);
        main_.SetOnlineLabel(QString());
    }
}

void LoginWindow::LoginEnded(int state) {
    label9_->setText(StatusText(state == online::Completed,
                                ToQt(main_.Session().langs.Text(slot::CommunicationCompleted))));
    panel4_->setEnabled(true);
    timer1_->start();
}

void LoginWindow::SignUp() {
    if (request_->Running()) return;
    const std::string user = FromQt(edit6_->text());
    const std::string email = FromQt(edit7_->text());
    if (const std::string problem = online::SignUpProblem(user, email); !problem.empty()) {
        main_.Inform(ToQt(problem));
        (user.size() < online::UserNameMin ? edit6_ : edit7_)->setFocus();
        return;
    }
    panel5_->setEnabled(false);
    label13_->setText(QStringLiteral("Waiting..."));
    request_->Start(
        online::StartSignUp(user, email, radioButton2_->isChecked()),
        [this](const std::string& payload) { SignUpReplyArrived(payload); },
        [this](int state) { SignUpEnded(state); });
}

void LoginWindow::SignUpReplyArrived(const std::string& payload) {
    const online::StatusReply reply = online::ParseStatusReply(payload);
    label17_->setText(ToQt(reply.Message));
    SetTextColour(*label17_, reply.Accepted() ? Qt::blue : Qt::red);
    if (!reply.Accepted()) panel5_->setEnabled(true);
}

void LoginWindow::SignUpEnded(int state) {
    label13_->setText(
        StatusText(state == online::Completed, QStringLiteral("Successfully completed")));
    // Without an answer the user may try again; an accepted sign-up keeps the page closed.
    if (state != online::Completed) panel5_->setEnabled(true);
}

QString LoginWindow::StatusText(bool completed, const QString& success) const {
    return QStringLiteral("Status: ") +
           (completed ? success : ToQt(main_.Session().langs.Text(slot::ServerNotAvailable)));
}

void LoginWindow::SetLabel7Bold(bool bold) {
    QFont f = label7_->font();
    f.setBold(bold);
    label7_->setFont(f);
}

} // namespace qor::app
