#include "online/GuessWindow.h"

#include "lang/DefaultStrings.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "online/MessageFrame.h"
#include "online/OnlineState.h"
#include "online/Protocol.h"
#include "online/QorConnect.h"
#include "online/RequestBodies.h"
#include "online/WindowRequest.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace qor::app {

namespace {
// The pages stand this far from the top, the board higher (over the information lines).
constexpr int PagesTop = 100, BoardTop = 40;
constexpr int InterpretDelayMs = 100;
constexpr int PlayersMinWidth = 260;
const char* const BusyMessage = "Wait until previous communication to complete!";

QPushButton* Push(const char* name, const char* text, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* Caption(const char* text, QWidget* parent) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}
} // namespace

GuessWindow::GuessWindow(MainWindow& main)
    : QWidget(&main, Qt::Tool), main_(main), guessExtra_(online::FirstGuessExtra) {
    setObjectName(QStringLiteral("Form20"));
    setWindowTitle(QStringLiteral("F1 Guess Game"));
    setFont(MainFont(main_.Session().ZoomFactor()));

    QWidget* header = BuildHeader();
    panel1_ = new GuessEntryPanel(this);
    connect(&panel1_->SaveButton(), &QPushButton::clicked, this, &GuessWindow::SaveGuess);
    panel3_ = new GuessComparePanel(this);
    connect(&panel3_->RaceBox(), &QComboBox::activated, this, &GuessWindow::CompareRace);
    panel2_ = BuildPlayers();
    panel4_ = new QWidget(this);
    panel4_->setObjectName(QStringLiteral("Panel4"));
    frame_ = new MessageFrame(main_, panel4_);
    frame_->SetBoard("guess", QStringLiteral("F1 Guess Messaging"));
    auto* boardLayout = new QVBoxLayout(panel4_);
    boardLayout->setContentsMargins(0, 0, 0, 0);
    boardLayout->addWidget(frame_);

    // Panel1 and Panel3 share a place; Panel2 stands 8 pixels to their right.
    const int pageWidth = std::max(panel1_->sizeHint().width(), panel3_->sizeHint().width());
    const int pageHeight = std::max(
        {panel1_->sizeHint().height(), panel3_->sizeHint().height(), panel2_->sizeHint().height()});
    panel1_->setGeometry(8, PagesTop, pageWidth, pageHeight);
    panel3_->setGeometry(8, PagesTop, pageWidth, pageHeight);
    const int playersWidth = std::max(panel2_->sizeHint().width(), PlayersMinWidth);
    panel2_->setGeometry(panel1_->x() + pageWidth + 8, PagesTop, playersWidth, pageHeight);
    const int width = panel2_->x() + playersWidth + 5;
    const int height = panel1_->y() + pageHeight + 5;
    header->setGeometry(0, 0, width, PagesTop);
    panel4_->setGeometry(0, BoardTop, width, height - BoardTop);
    panel4_->hide();
    panel3_->hide();
    setFixedSize(width, height);

    request_ = new WindowRequest(this, progress_, false, online::GuessPayloadKeep);
    timerGuess_ = new QTimer(this);
    timerGuess_->setObjectName(QStringLiteral("Timer_guess"));
    timerGuess_->setSingleShot(true);
    timerGuess_->setInterval(InterpretDelayMs);
    connect(timerGuess_, &QTimer::timeout, this, &GuessWindow::Interpret);
}

QWidget* GuessWindow::BuildHeader() {
    auto* header = new QWidget(this);
    QPushButton* makeGuess = Push("SpeedButton2", "<Make Guess>", header);
    connect(makeGuess, &QPushButton::clicked, this, &GuessWindow::MakeGuess);
    QPushButton* messages = Push("SpeedButton9", "<Open Guess Messages>", header);
    connect(messages, &QPushButton::clicked, this, &GuessWindow::OpenMessages);
    returnButton_ = Push("SpeedButton10", "RETURN to F1 GUESS", header);
    connect(returnButton_, &QPushButton::clicked, this, &GuessWindow::CloseMessages);
    returnButton_->hide();
    // The players' page is asked for through ComboBox12; the button itself stays hidden.
    getPage_ = Push("SpeedButton7", "GET PAGE", header);
    connect(getPage_, &QPushButton::clicked, this, &GuessWindow::RequestPlayers);
    getPage_->hide();
    label13_ = MakeLabel("Label13", header);
    progress_ = MakeLabel("ProgressLabel", header);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeGuess);
    buttons->addWidget(messages);
    buttons->addWidget(returnButton_);
    buttons->addWidget(getPage_);
    buttons->addStretch(1);
    buttons->addWidget(Caption("User:", header));
    buttons->addWidget(label13_);
    buttons->addSpacing(12);
    buttons->addWidget(progress_);

    label74_ = MakeLabel("Label74", header);
    QFont bold = label74_->font();
    bold.setBold(true);
    label74_->setFont(bold);
    label74_->setText(QStringLiteral("---"));
    label77_ = MakeLabel("Label77", header);
    label78_ = MakeLabel("Label78", header);
    label16_ = MakeLabel("Label16", header);
    label58_ = MakeLabel("Label58", header);
    label58_->setWordWrap(true);
    label58_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* info = new QGridLayout;
    info->addWidget(Caption("Active GP:", header), 0, 0);
    info->addWidget(label74_, 0, 1, 1, 3);
    info->addWidget(Caption("Last date:", header), 1, 0);
    info->addWidget(label77_, 1, 1);
    info->addWidget(Caption("Remaining:", header), 1, 2);
    info->addWidget(label78_, 1, 3);
    info->addWidget(Caption("Server date:", header), 2, 0);
    info->addWidget(label16_, 2, 1);
    info->addWidget(label58_, 0, 4, 3, 1);
    info->setColumnStretch(4, 1);
    info->setVerticalSpacing(2);

    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addLayout(buttons);
    layout->addLayout(info);
    return header;
}

QWidget* GuessWindow::BuildPlayers() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    comboBox12_ = new QComboBox(panel);
    comboBox12_->setObjectName(QStringLiteral("ComboBox12"));
    comboBox12_->addItem(QStringLiteral("Page: 1"));
    connect(comboBox12_, &QComboBox::activated, this, &GuessWindow::RequestPlayers);
    listBox1_ = new QListWidget(panel);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    QPushButton* history = Push("SpeedButton3", "View Player's Guess History", panel);
    connect(history, &QPushButton::clicked, this, &GuessWindow::ViewHistory);
    memo1_ = new QPlainTextEdit(panel);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    auto* pages = new QHBoxLayout;
    pages->addWidget(Caption("Players", panel));
    pages->addStretch(1);
    pages->addWidget(comboBox12_);
    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(pages);
    layout->addWidget(listBox1_, 3);
    layout->addWidget(history);
    layout->addWidget(memo1_, 2);
    return panel;
}

void GuessWindow::ApplyTheme() {
    const ThemePalette& pal = main_.Session().palette;
    QPalette back = palette();
    back.setColor(QPalette::Window, ToQColor(pal.WindowBackColor));
    setPalette(back);
    setAutoFillBackground(true);
    const QColor boxBack = ToQColor(pal.ListBack), boxText = ToQColor(pal.ListText);
    for (QWidget* box : std::initializer_list<QWidget*>{listBox1_, memo1_, comboBox12_}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Base, boxBack);
        p.setColor(QPalette::Text, boxText);
        box->setPalette(p);
    }
    panel1_->ApplyTheme(boxBack, boxText);
    panel3_->ApplyTheme(boxBack, boxText);
    frame_->ApplyTheme();
}

void GuessWindow::ShowUser() {
    const auto& state = online::OnlineState::Instance();
    if (state.LoginCode() > 0) label13_->setText(ToQt(state.LoginUser()));
}

void GuessWindow::ShowPage(QWidget* page) {
    panel1_->setVisible(page == panel1_);
    panel3_->setVisible(page == panel3_);
    panel4_->hide();
    returnButton_->hide();
    memo1_->show();
}

bool GuessWindow::Busy() const {
    return request_->Running() || frame_->Busy();
}

// ---- Commands --------------------------------------------------------------------------------

void GuessWindow::Open() {
    ShowUser();
    ApplyTheme();
    if (!isVisible()) move(main_.geometry().center() - rect().center());
    show();
    raise();
    if (!opened_) {
        opened_ = true;
        RequestPlayers();
    }
}

void GuessWindow::RequestPlayers() {
    if (!Start(online::GuessListPagePart(comboBox12_->currentIndex()))) return;
    label58_->setText(QStringLiteral("Status: Getting players. Please wait..."));
}

void GuessWindow::MakeGuess() {
    if (label74_->text().isEmpty() || label74_->text() == QLatin1String("---")) {
        main_.Inform(QStringLiteral("There is no any gp activated for guess."));
        return;
    }
    if (online::OnlineState::Instance().LoginCode() == 0) {
        main_.OpenLogin();
        return;
    }
    ShowUser();
    if (request_->Running()) {
        main_.Inform(QString::fromLatin1(BusyMessage));
        return;
    }
    ShowPage(panel1_);
    Start(online::MakeGuessPart(listBox1_->count() > 0));
}

void GuessWindow::SaveGuess() {
    if (online::OnlineState::Instance().LoginCode() == 0) {
        main_.OpenLogin();
        return;
    }
    if (request_->Running()) {
        main_.Inform(QString::fromLatin1(BusyMessage));
        return;
    }
    const online::GuessIds ids = panel1_->Chosen();
    if (const std::string problem = online::GuessSaveProblem(ids); !problem.empty()) {
        main_.Inform(ToQt(problem));
        return;
    }
    Start(online::SaveGuessPart(ids));
}

void GuessWindow::ViewHistory() {
    if (request_->Running()) {
        main_.Inform(QString::fromLatin1(BusyMessage));
        return;
    }
    ShowUser();
    const QListWidgetItem* line = listBox1_->currentItem();
    const QStringList words =
        line ? line->text().split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
    if (words.size() < 2) {
        main_.Inform(QStringLiteral("No user selected."));
        return;
    }
    ShowPage(panel3_);
    Start(online::GuessHistoryPart(FromQt(words[1])));
}

void GuessWindow::CompareRace(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= races_.size()) return;
    panel3_->Compare(races_[index].Ids, guessed_[index], drivers_);
}

void GuessWindow::OpenMessages() {
    memo1_->hide();
    panel4_->show();
    panel4_->raise();
    returnButton_->show();
    ShowUser();
    if (!frame_->EverRead()) frame_->ReadPage();
}

void GuessWindow::CloseMessages() {
    panel4_->hide();
    returnButton_->hide();
    memo1_->show();
}

// ---- The request and its reply ---------------------------------------------------------------

bool GuessWindow::Start(const std::string& ownPart) {
    if (request_->Running()) {
        main_.Inform(QString::fromLatin1(BusyMessage));
        return false;
    }
    label58_->clear();
    getPage_->setEnabled(false);
    payload_.clear();
    const auto& state = online::OnlineState::Instance();
    const std::string user = state.LoginUser();
    request_->Start(
        online::GuessBody({user, state.LoginCode()}, ownPart, guessExtra_),
        [this](const std::string& payload) { payload_ = payload; },
        [this](int ended) { Ended(ended); });
    return true;
}

void GuessWindow::Ended(int state) {
    const bool completed = state == online::Completed;
    label58_->setText(ToQt(main_.Session().langs.Text(completed ? slot::CommunicationCompleted
                                                                : slot::ServerNotAvailable)));
    if (completed) timerGuess_->start();
    getPage_->setEnabled(true);
}

void GuessWindow::Interpret() {
    const online::GuessReply reply = online::ParseGuessReply(payload_);
    for (const std::string& status : reply.Status)
        label58_->setText(ToQt(status) + QLatin1Char('\n') + label58_->text());
    if (reply.ActiveGP) {
        const auto& a = *reply.ActiveGP;
        label74_->setText(ToQt(a[0]) + QLatin1Char(' ') + ToQt(a[1]));
        label77_->setText(ToQt(a[2]));
        label16_->setText(ToQt(a[3]));
        label78_->setText(ToQt(a[4]));
    }
    if (reply.Drivers) {
        drivers_.assign(1, {0, std::string()});
        drivers_.insert(drivers_.end(), reply.Drivers->begin(), reply.Drivers->end());
        panel1_->SetDrivers(drivers_);
    }
    if (reply.Results) {
        // The driver list, the results and the guesses have come: later requests go without.
        guessExtra_.clear();
        races_ = *reply.Results;
        guessed_.assign(races_.size(), online::GuessIds{});
        if (reply.ResultsHadErrors)
            label58_->setText(QStringLiteral("Error on the race results...\n") + label58_->text());
        panel3_->SetRaces(races_);
    }
    if (reply.Players) {
        comboBox12_->clear();
        for (int n = 1; n <= reply.Players->PageCount; ++n)
            comboBox12_->addItem(QStringLiteral("Page: ") + QString::number(n));
        comboBox12_->setCurrentIndex(std::clamp(reply.Players->Page, 0, comboBox12_->count() - 1));
        listBox1_->clear();
        for (const std::string& line : reply.Players->Lines)
            listBox1_->addItem(ToQt(line));
    }
    if (reply.Guesses) {
        guessed_.assign(races_.size(), online::GuessIds{});
        panel3_->SetUser(ToQt(reply.GuessUser.value_or(std::string())));
        for (const online::GuessRace& g : *reply.Guesses)
            for (std::size_t r = 0; r < races_.size(); ++r)
                if (races_[r].Key == g.Key && races_[r].Name == g.Name) guessed_[r] = g.Ids;
        if (panel3_->RaceBox().count() > 0) {
            panel3_->RaceBox().setCurrentIndex(0);
            CompareRace(0);
        }
    }
    if (reply.HasMyGuess) {
        QString title = ToQt(reply.MyGuessText.value_or(std::string()));
        if (reply.MyGuess) {
            myGuess_ = *reply.MyGuess;
            title = ToQt(myGuess_.Key) + QLatin1Char(' ') + ToQt(myGuess_.Name);
            panel1_->Select(myGuess_.Ids);
        } else {
            panel1_->Select(online::GuessIds{});
        }
        panel1_->SetTitle(title);
    }
    if (reply.UserMessages) {
        QString text = QStringLiteral("User Messages:");
        for (const std::string& m : *reply.UserMessages)
            text += QLatin1Char('\n') + ToQt(m) + QStringLiteral("\n...");
        memo1_->setPlainText(text);
        memo1_->moveCursor(QTextCursor::Start);
    }
}

} // namespace qor::app
