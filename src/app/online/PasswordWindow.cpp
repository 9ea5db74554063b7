#include "online/PasswordWindow.h"

#include "lang/DefaultStrings.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "online/AccountClient.h"
#include "online/AccountKeys.h"
#include "online/OnlineState.h"
#include "online/QorConnect.h"
#include "online/WindowRequest.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qor::app {

PasswordWindow::PasswordWindow(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(QStringLiteral("My Password"));
    setFont(MainFont(main_.Session().ZoomFactor()));
    const auto inform = [this](const QString& text) { main_.Inform(text); };
    const QString keyMessage =
        QStringLiteral("Please enter numeric, alphabetical or \"_ . @\" chracters");
    auto* layout = new QGridLayout(this);
    const char* names[] = {"Edit1", "Edit2", "Edit3"};
    const char* captions[] = {"Current password:", "New password:", "New password again:"};
    QLineEdit** edits[] = {&edit1_, &edit2_, &edit3_};
    for (int i = 0; i < 3; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(names[i]));
        edit->setEchoMode(QLineEdit::Password);
        new AccountKeyFilter(*edit, keyMessage, inform, AccountKeyFilter::Enter::Ignored);
        *edits[i] = edit;
        QLabel* caption = MakeLabel("", this);
        caption->setText(QString::fromLatin1(captions[i]));
        layout->addWidget(caption, i, 0);
        layout->addWidget(edit, i, 1);
    }
    sb2_ = new QPushButton(QStringLiteral("Change Password"), this);
    sb2_->setObjectName(QStringLiteral("SB2"));
    sb2_->setAutoDefault(false);
    connect(sb2_, &QPushButton::clicked, this, &PasswordWindow::ChangePassword);
    layout->addWidget(sb2_, 3, 1);
    label13_ = MakeLabel("Label13", this);
    label13_->setWordWrap(true);
    label13_->setMinimumHeight(label13_->fontMetrics().height() * 4);
    label13_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(label13_, 4, 0, 1, 2);
}

void PasswordWindow::ChangePassword() {
    const Langs& l = main_.Session().langs;
    if (online::OnlineState::Instance().LoginUser().empty()) {
        main_.Inform(ToQt(l.Text(slot::LoginBeforePassword)));
        return;
    }
    for (QLineEdit* edit : {edit1_, edit2_})
        if (edit->text().isEmpty()) {
            edit->setFocus();
            return;
        }
    if (edit2_->text() != edit3_->text()) {
        main_.Inform(ToQt(l.Text(slot::PasswordRepeatWrong)));
        return;
    }
    std::string body = online::PasswordChangeBody(FromQt(edit1_->text()), FromQt(edit2_->text()));
    label13_->setText(QStringLiteral("Status: ") + ToQt(l.Text(slot::Waiting)));
    sb2_->setEnabled(false);
    request_ = request_ ? request_ : new WindowRequest(this, nullptr);
    request_->Start(
        std::move(body), [this](const std::string& payload) { ReplyArrived(payload); },
        [this](int state) { Ended(state); });
}

void PasswordWindow::ReplyArrived(const std::string& payload) {
    const online::StatusReply reply = online::ParseStatusReply(payload);
    AddStatusLine(ToQt(reply.Message));
    QPalette p = label13_->palette();
    p.setColor(QPalette::WindowText, reply.Accepted() ? Qt::blue : Qt::red);
    label13_->setPalette(p);
    if (reply.Accepted())
        for (QLineEdit* edit : {edit1_, edit2_, edit3_})
            edit->clear();
}

void PasswordWindow::Ended(int state) {
    const Langs& l = main_.Session().langs;
    AddStatusLine(ToQt(l.Text(state == online::Completed ? slot::CommunicationCompleted
                                                         : slot::ServerNotAvailable)));
    sb2_->setEnabled(true);
}

void PasswordWindow::AddStatusLine(const QString& line) {
    label13_->setText(label13_->text() + QLatin1Char('\n') + line);
}

} // namespace qor::app
