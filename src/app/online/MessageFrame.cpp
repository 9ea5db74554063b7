#include "online/MessageFrame.h"

#include "lang/DefaultStrings.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "online/Board.h"
#include "online/OnlineState.h"
#include "online/QorConnect.h"
#include "online/RequestBodies.h"
#include "online/WindowRequest.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace qor::app {

namespace {
constexpr int TextMax = 1000;
constexpr int FirstPanelTop = 21;
constexpr int ShowMsgDelayMs = 200;
constexpr int InitialPages = 20;
// The header line's colour ($808000).
const QColor HeaderColour(0x00, 0x80, 0x80);

QPushButton* Push(const char* name, const char* text, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// The service writes CR LF line ends.
QString Lines(const std::string& cp1254) {
    return ToQt(cp1254).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
} // namespace

MessageFrame::MessageFrame(MainWindow& main, QWidget* parent) : QWidget(parent), main_(main) {
    setObjectName(QStringLiteral("FrameMsg"));
    label8_ = MakeLabel("Label8", this);
    QFont bold = label8_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    label8_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(label8_);
    panel1_ = BuildReadingPage();
    panel3_ = BuildWritingPage();
    layout->addWidget(panel1_, 1);
    layout->addWidget(panel3_, 1);

    read_ = new WindowRequest(this, label2_);
    send_ = new WindowRequest(this, nullptr);
    timerShowmsg_ = new QTimer(this);
    timerShowmsg_->setObjectName(QStringLiteral("Timer_showmsg"));
    timerShowmsg_->setSingleShot(true);
    timerShowmsg_->setInterval(ShowMsgDelayMs);
    connect(timerShowmsg_, &QTimer::timeout, this, &MessageFrame::DrawPage);
    ShowReadingPage();
}

QWidget* MessageFrame::BuildReadingPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel1"));
    speedButton1_ = Push("SpeedButton1", "Get Page", page);
    connect(speedButton1_, &QPushButton::clicked, this, [this] { ReadPage(); });
    comboBox1_ = new QComboBox(page);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    for (int n = 1; n <= InitialPages; ++n)
        comboBox1_->addItem(Text(slot::PageWord) + QString::number(n));
    comboBox1_->setCurrentIndex(0);
    QPushButton* write = Push("SpeedButton2", "Write Message", page);
    connect(write, &QPushButton::clicked, this, &MessageFrame::ShowWritingPage);
    label1_ = MakeLabel("Label1", page);
    label2_ = MakeLabel("Label2", page);
    label7_ = MakeLabel("Label7", page);
    label10_ = MakeLabel("Label10", page);

    scroll1_ = new QScrollArea(page);
    scroll1_->setObjectName(QStringLiteral("Scroll1"));
    scroll1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox_ = new QWidget;
    scrollBox_->setObjectName(QStringLiteral("ScrollBox"));
    label5_ = MakeLabel("Label5", scrollBox_);
    label6_ = MakeLabel("Label6", scrollBox_);
    label5_->move(10, 3);
    scroll1_->setWidget(scrollBox_);
    scroll1_->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(speedButton1_);
    buttons->addWidget(comboBox1_);
    buttons->addWidget(write);
    buttons->addStretch(1);
    buttons->addWidget(label10_);
    auto* status = new QHBoxLayout;
    status->addWidget(label1_, 1);
    status->addWidget(label2_);
    status->addWidget(label7_);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addLayout(status);
    layout->addWidget(scroll1_, 1);
    return page;
}

QWidget* MessageFrame::BuildWritingPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel3"));
    QLabel* label12 = MakeLabel("Label12", page);
    label12->setText(QStringLiteral("Write a message or select a rate and click SEND button"));
    memo2_ = new QPlainTextEdit(page);
    memo2_->setObjectName(QStringLiteral("Memo2"));
    memo2_->installEventFilter(this);
    // Pasted text is cut too: the service keeps no more.
    connect(memo2_, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = memo2_->toPlainText();
        if (text.size() <= TextMax) return;
        memo2_->setPlainText(text.left(TextMax));
        memo2_->moveCursor(QTextCursor::End);
    });
    memo3_ = new QPlainTextEdit(page);
    memo3_->setObjectName(QStringLiteral("Memo3"));
    memo3_->setReadOnly(true);
    QFont ten = memo3_->font();
    ten.setPointSize(10);
    memo3_->setFont(ten);
    comboBox2_ = new QComboBox(page);
    comboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    for (int mark = 1; mark <= 10; ++mark)
        comboBox2_->addItem(QString::number(mark));
    comboBox2_->setCurrentIndex(-1);
    connect(comboBox2_, &QComboBox::activated, this, &MessageFrame::MarkChosen);
    speedButton3_ = Push("SpeedButton3", "Send Message", page);
    connect(speedButton3_, &QPushButton::clicked, this, &MessageFrame::Send);
    QPushButton* show = Push("SpeedButton7", "Show Messages", page);
    connect(show, &QPushButton::clicked, this, &MessageFrame::ShowReadingPage);
    label3_ = MakeLabel("Label3", page);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("Rate:"), page));
    buttons->addWidget(comboBox2_);
    buttons->addStretch(1);
    buttons->addWidget(speedButton3_);
    buttons->addWidget(show);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label12);
    layout->addWidget(memo2_, 3);
    layout->addLayout(buttons);
    layout->addWidget(label3_);
    layout->addWidget(memo3_, 1);
    return page;
}

QString MessageFrame::Text(int slot) const {
    return ToQt(main_.Session().langs.Text(slot));
}

void MessageFrame::SetBoard(const std::string& board, const QString& title) {
    board_ = board;
    label8_->setText(title);
}

void MessageFrame::ApplyTheme() {
    QPalette back = palette();
    back.setColor(QPalette::Window, ToQColor(main_.Session().palette.WindowBackColor));
    setPalette(back);
    setAutoFillBackground(true);
}

bool MessageFrame::Busy() const {
    return read_->Running() || send_->Running();
}

void MessageFrame::ShowWritingPage() {
    panel1_->hide();
    panel3_->show();
}

void MessageFrame::ShowReadingPage() {
    panel3_->hide();
    panel1_->show();
}

bool MessageFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo2_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->text() == QLatin1String("&")) {
        // It would split the request body.
        main_.Inform(Text(slot::CharacterNotAllowed));
        return true;
    }
    if (watched == scroll1_ && event->type() == QEvent::Resize) {
        // The panels follow the scroll box's width.
        const int width = scroll1_->width() - 30;
        for (int n = 1; n <= panelCount_; ++n) {
            auto* panel = scrollBox_->findChild<QWidget*>(QStringLiteral("pan%1").arg(n));
            if (!panel) continue;
            panel->resize(width, panel->height());
            if (auto* memo = panel->findChild<QPlainTextEdit*>())
                memo->resize(width, memo->height());
            if (auto* del = panel->findChild<QPushButton*>()) del->move(width - 80, 2);
        }
        scrollBox_->resize(scroll1_->viewport()->width(), scrollBox_->height());
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Reading ---------------------------------------------------------------------------------

void MessageFrame::ReadPage(const std::string& deleteId) {
    if (read_->Running()) return;
    everRead_ = true;
    speedButton1_->setEnabled(false);
    buffer_.clear();
    label1_->setText(QStringLiteral("Status: ") + Text(slot::GettingReviews));
    const int page =
        online::BoardPageNumber(FromQt(comboBox1_->currentText()), comboBox1_->currentIndex());
    const auto& state = online::OnlineState::Instance();
    const std::string user = state.LoginUser();
    read_->Start(
        online::BoardReadBody({user, state.LoginCode()}, board_, page, deleteId),
        [this](const std::string& payload) {
            std::string rest = payload;
            if (const auto rating = online::TakeRating(rest))
                label10_->setText(QStringLiteral("User Ratings:") + ToQt(rating->Average) +
                                  QLatin1Char('(') + ToQt(rating->Count) +
                                  QStringLiteral(" users voted)"));
            buffer_ += rest;
        },
        [this](int ended) { ReadEnded(ended); });
}

void MessageFrame::ReadEnded(int state) {
    const bool completed = state == online::Completed;
    label1_->setText(QStringLiteral("Status: ") +
                     Text(completed ? slot::CommunicationCompleted : slot::ServerNotAvailable));
    if (completed) timerShowmsg_->start();
    speedButton1_->setEnabled(true);
}

void MessageFrame::DrawPage() {
    for (int n = 1; n <= panelCount_; ++n)
        delete scrollBox_->findChild<QWidget*>(QStringLiteral("pan%1").arg(n));
    panelCount_ = 0;

    const online::BoardPage page = online::ParseBoardPage(buffer_);
    if (page.PageCount) {
        const int old = comboBox1_->currentIndex();
        comboBox1_->clear();
        for (int n = 1; n <= *page.PageCount; ++n)
            comboBox1_->addItem(Text(slot::PageWord) + QString::number(n));
        comboBox1_->setCurrentIndex(old >= 0 && old < *page.PageCount ? old : 0);
    }
    if (page.Total)
        label7_->setText(ToQt(*page.Total) + QLatin1Char(' ') + Text(slot::MessagesTotal));
    if (page.Page) {
        label5_->setText(Text(slot::PageHeading) + QStringLiteral("  ") + ToQt(*page.Page));
        label5_->adjustSize();
    }
    if (page.ServerTime) {
        label6_->setText(ToQt(*page.ServerTime));
        label6_->adjustSize();
    }
    if (page.Status) label1_->setText(QStringLiteral("Status: ") + ToQt(*page.Status));

    const std::string user = online::OnlineState::Instance().LoginUser();
    const int width = scroll1_->width() - 30;
    label6_->move(std::max(label5_->x() + label5_->width() + 20, width - label6_->width()), 3);
    QFont textFont = scroll1_->font();
    textFont.setPointSize(10);
    int y = FirstPanelTop;
    for (const online::BoardMessage& m : page.Messages) {
        const QString id = ToQt(m.Id);
        auto* panel = new QFrame(scrollBox_);
        panel->setObjectName(QStringLiteral("pan%1").arg(++panelCount_));
        panel->setFrameShape(QFrame::StyledPanel);
        const QString text = Lines(m.Text);
        const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
        const int height = online::MessagePanelHeight(lines);
        panel->setGeometry(10, y, width, height);

        auto* memo = new QPlainTextEdit(text, panel);
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setFont(textFont);
        memo->setProperty("tag", id);
        // A grown panel gives its text box all but the header line.
        const int memoHeight = height - (height > 90 ? 20 : 25);
        memo->setGeometry(0, height - memoHeight, width, memoHeight);

        QLabel* header = MakeLabel("Header", panel);
        header->setText(ToQt(m.Heading) + QStringLiteral("   v") + ToQt(m.Suffix) +
                        QStringLiteral("      ") + ToQt(m.User));
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
        QPalette colour = header->palette();
        colour.setColor(QPalette::WindowText, HeaderColour);
        header->setPalette(colour);
        header->move(4, 4);
        header->adjustSize();

        QPushButton* del = Push("SpeedButton4", "<Delete>", panel);
        del->setFlat(true);
        QFont underlined = del->font();
        underlined.setBold(true);
        underlined.setUnderline(true);
        del->setFont(underlined);
        del->setGeometry(width - 80, 2, 70, 18);
        del->setProperty("tag", id);
        del->setEnabled(online::CanDeleteMessage(m, user));
        connect(del, &QPushButton::clicked, this, [this, id] { AskDelete(id); });
        panel->show();
        y = panel->y() + panel->height();
    }
    scrollBox_->resize(scroll1_->viewport()->width(), y + 10);
    scroll1_->verticalScrollBar()->setValue(0);
}

void MessageFrame::AskDelete(const QString& id) {
    if (main_.Ask(Text(slot::ConfirmDeleteMessage))) ReadPage(FromQt(id));
}

// ---- Writing ---------------------------------------------------------------------------------

void MessageFrame::MarkChosen() {
    if (online::OnlineState::Instance().LoginCode() >= online::LoginCodeMin) return;
    main_.Inform(Text(slot::RateNeedsLogin) + QLatin1Char('\n') + Text(slot::SeeReviewsHelp));
    comboBox2_->setCurrentIndex(-1);
}

void MessageFrame::Send() {
    if (send_->Running()) return;
    const std::string text = online::BoardSendText(FromQt(memo2_->toPlainText()));
    const std::string mark =
        comboBox2_->currentIndex() >= 0 ? FromQt(comboBox2_->currentText()) : std::string();
    if (text.empty() && mark.empty()) {
        main_.Inform(Text(slot::WriteOrRateFirst));
        return;
    }
    memo3_->clear();
    sendAccepted_ = false;
    speedButton3_->setEnabled(false);
    label3_->setText(QStringLiteral("Status: ") + Text(slot::SendingMessage));
    const auto& state = online::OnlineState::Instance();
    const std::string user = state.LoginUser();
    send_->Start(
        online::BoardSendBody({user, state.LoginCode()}, board_, mark, text),
        [this](const std::string& payload) {
            sendAccepted_ = online::BoardSendAccepted(payload);
            memo3_->setPlainText(Lines(payload));
        },
        [this](int ended) { SendEnded(ended); });
    comboBox2_->setCurrentIndex(-1);
}

void MessageFrame::SendEnded(int state) {
    const bool completed = state == online::Completed;
    label3_->setText(QStringLiteral("Status: ") +
                     Text(completed ? slot::Completed : slot::ServerNotAvailable));
    // A refused text (e.g. logged out) stays in the box, so nothing typed is lost.
    if (completed && sendAccepted_) memo2_->clear();
    speedButton3_->setEnabled(true);
}

} // namespace qor::app
