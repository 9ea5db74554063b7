#include "online/SharedResultsWindow.h"

#include "lang/DefaultStrings.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/QtText.h"
#include "online/OnlineState.h"
#include "online/QorConnect.h"
#include "online/WindowRequest.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

namespace qor::app {

namespace {
const char* const PageTitles[3] = {
    "Available GP Results", "Sources for selected GP",
    "Source content. Press \"SAVE This GP\" button to accept this GP."};
const char* const GridNames[3] = {"gridlist1", "gridlist2", "gridlist3"};
// Status, progress and message labels of each page.
const char* const PageLabels[3][3] = {
    {"Label1", "Label2", "Label3"}, {"Label4", "Label5", "Label6"}, {"Label7", "Label8", "Label9"}};
const std::vector<int> ColumnWidths[3] = {{35, 150, 150, 100, 50},
                                          {15, 30, 80, 115, 100, 60, 50, 130, 120, 120},
                                          {30, 130, 80, 30, 90, 30, 170}};
constexpr int InitialColumns[3] = {8, 10, 7};
const char* const ContentTitles[7] = {"", "Driver", "Team", "Pos", "Time", "Grid", "Notes"};
const char* const ContentLabelNames[8] = {"DateLabel",     "TrackLabel",  "NameLabel",
                                          "FLDriverLabel", "FLTimeLabel", "PoleDriverLabel",
                                          "PoleTimeLabel", "LapsLabel"};
const char* const ContentCaptions[8] = {
    "Date:", "Track:", "GP:", "Fastest lap:", "Lap time:", "Pole:", "Pole time:", "Laps:"};

constexpr int PendingTickMs = 200;
const char* const ListNoMessage =
    "Program Message: Comunication completed but no server message returned.";
const char* const OtherNoMessage =
    "Program Message: Comunication finished but no server message returned.";

online::Caller CurrentCaller(std::string& user) {
    const auto& state = online::OnlineState::Instance();
    user = state.LoginUser();
    return {user, state.LoginCode()};
}

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* Label(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}
} // namespace

SharedResultsWindow::SharedResultsWindow(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("Shared GP Results"));
    setFont(MainFont(main_.Session().ZoomFactor()));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    layout->addWidget(pages_, 1);
    title_ = Label("Panel4", this);
    title_->setAlignment(Qt::AlignCenter);
    title_->setFrameShape(QFrame::Panel);
    layout->addWidget(title_);

    QPushButton* refresh = Button("SpeedButton1", "<Refresh List>", this);
    QPushButton* back2 = Button("SpeedButton3", "<Back>", this);
    back3_ = Button("SpeedButton5", "<Back>", this);
    save_ = Button("SpeedButton7", "<SAVE This GP>", this);
    connect(refresh, &QPushButton::clicked, this, &SharedResultsWindow::RefreshList);
    connect(back2, &QPushButton::clicked, this, [this] { ShowPage(0); });
    connect(back3_, &QPushButton::clicked, this, [this] { ShowPage(1); });
    connect(save_, &QPushButton::clicked, this, &SharedResultsWindow::SaveShownGP);
    pages_->addWidget(BuildPage(0, refresh));
    pages_->addWidget(BuildPage(1, back2));
    pages_->addWidget(BuildPage(2, back3_));
    save_->setEnabled(false);

    checkBox1_ = new QCheckBox(QStringLiteral("Check for updates once in a day"), this);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    checkBox1_->setChecked(main_.Session().db.OnlineOption & 1);
    connect(checkBox1_, &QCheckBox::clicked, this, [this](bool on) {
        std::uint8_t& option = main_.Session().db.OnlineOption;
        option = static_cast<std::uint8_t>(on ? option | 1 : option & ~1);
    });
    static_cast<QBoxLayout*>(page_[0].panel->layout()->itemAt(0)->layout())
        ->insertWidget(1, checkBox1_);
    auto* buttons3 = static_cast<QBoxLayout*>(page_[2].panel->layout()->itemAt(0)->layout());
    buttons3->insertWidget(1, save_);
    static_cast<QVBoxLayout*>(page_[2].panel->layout())->insertWidget(1, BuildContentLabels());

    connect(page_[0].grid, &QTableWidget::cellDoubleClicked, this,
            &SharedResultsWindow::OpenCurrentGP);
    connect(page_[1].grid, &QTableWidget::cellDoubleClicked, this,
            &SharedResultsWindow::OpenCurrentSource);

    timer4_ = new QTimer(this);
    timer4_->setObjectName(QStringLiteral("Timer4"));
    timer4_->setInterval(PendingTickMs);
    connect(timer4_, &QTimer::timeout, this, &SharedResultsWindow::PendingTick);
    resize(760, 620);
    ShowPage(0);
}

SharedResultsWindow::~SharedResultsWindow() = default;

QWidget* SharedResultsWindow::BuildPage(int index, QPushButton* button) {
    PageParts& p = page_[index];
    p.panel = new QWidget(pages_);
    p.button = button;
    auto* layout = new QVBoxLayout(p.panel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button);
    buttons->addStretch(1);
    QPushButton* close = Button(index == 0   ? "SpeedButton2"
                                : index == 1 ? "SpeedButton4"
                                             : "SpeedButton6",
                                "Close Window", p.panel);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    p.grid = new QTableWidget(1, InitialColumns[index], p.panel);
    p.grid->setObjectName(QString::fromLatin1(GridNames[index]));
    p.grid->setRowCount(0);
    p.grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    p.grid->setSelectionMode(QAbstractItemView::SingleSelection);
    p.grid->verticalHeader()->hide();
    p.grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    p.grid->verticalHeader()->setDefaultSectionSize(p.grid->fontMetrics().height() + 6);
    p.grid->setWordWrap(false);
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    p.grid->horizontalHeader()->setFont(bold);
    p.grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < p.grid->columnCount(); ++c)
        p.grid->setHorizontalHeaderItem(
            c,
            new QTableWidgetItem(index == 2 ? QString::fromLatin1(ContentTitles[c]) : QString()));
    const std::vector<int>& widths = ColumnWidths[index];
    for (std::size_t c = 0; c < widths.size(); ++c)
        p.grid->setColumnWidth(static_cast<int>(c), widths[c]);
    layout->addWidget(p.grid, 1);

    p.status = Label(PageLabels[index][0], p.panel);
    p.progress = Label(PageLabels[index][1], p.panel);
    p.message = Label(PageLabels[index][2], p.panel);
    p.message->setWordWrap(true);
    auto* lines = new QHBoxLayout;
    lines->addWidget(p.status, 1);
    lines->addWidget(p.progress);
    layout->addLayout(lines);
    layout->addWidget(p.message);
    p.request = new WindowRequest(this, p.progress, true);
    return p.panel;
}

QWidget* SharedResultsWindow::BuildContentLabels() {
    auto* box = new QWidget(page_[2].panel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 8; ++i) {
        auto* caption = new QLabel(QString::fromLatin1(ContentCaptions[i]), box);
        gpLabels_[i] = Label(ContentLabelNames[i], box);
        QFont f = gpLabels_[i]->font();
        f.setBold(true);
        gpLabels_[i]->setFont(f);
        // Two label pairs a line: date and track, name and laps, fastest lap, pole.
        static constexpr int Cells[8][2] = {{0, 0}, {0, 2}, {1, 0}, {2, 0},
                                            {2, 2}, {3, 0}, {3, 2}, {1, 2}};
        grid->addWidget(caption, Cells[i][0], Cells[i][1]);
        grid->addWidget(gpLabels_[i], Cells[i][0], Cells[i][1] + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

void SharedResultsWindow::ShowPage(int page) {
    pages_->setCurrentIndex(page);
    title_->setText(QString::fromLatin1(PageTitles[page]));
}

int SharedResultsWindow::Page() const {
    return pages_->currentIndex();
}

void SharedResultsWindow::ApplyTheme() {
    const ThemePalette& pal = main_.Session().palette;
    for (PageParts& p : page_) {
        QPalette colours = p.grid->palette();
        colours.setColor(QPalette::Base, ToQColor(pal.OddBrushColor));
        colours.setColor(QPalette::Text, ToQColor(pal.OddFontColor));
        colours.setColor(QPalette::Highlight, ToQColor(pal.SelBrushColor));
        colours.setColor(QPalette::HighlightedText, ToQColor(pal.SelFontColor));
        p.grid->setPalette(colours);
    }
}

bool SharedResultsWindow::Busy() const {
    return std::any_of(std::begin(page_), std::end(page_),
                       [](const PageParts& p) { return p.request->Running(); });
}

void SharedResultsWindow::Start(int page, std::string body,
                                std::function<void(const std::string&)> onPayload,
                                std::function<void(int)> onEnd) {
    PageParts& p = page_[page];
    p.button->setEnabled(false);
    p.status->setText(QStringLiteral("Status: Getting share list. Please wait..."));
    p.message->clear();
    p.request->Start(
        std::move(body),
        [this, page, onPayload = std::move(onPayload)](const std::string& payload) {
            const std::string& message = page_[page].request->ServerMessage();
            if (!message.empty())
                page_[page].message->setText(QStringLiteral("Server message:") + ToQt(message));
            onPayload(payload);
        },
        std::move(onEnd));
}

void SharedResultsWindow::Ended(int page, int state, const char* noMessage) {
    PageParts& p = page_[page];
    p.status->setText(
        QStringLiteral("Status: ") +
        (state == online::Completed
             ? ToQt(main_.Session().langs.Text(slot::CommunicationCompleted))
             : QStringLiteral("Failed to access Qor web server. Please, try later.")));
    if (p.message->text().trimmed().isEmpty()) p.message->setText(QString::fromLatin1(noMessage));
}

void SharedResultsWindow::FillGrid(QTableWidget& grid, const online::SharedGrid& rows, int page) {
    // With no header line (a failed request) the grid keeps its rows.
    if (rows.Rows.empty()) return;
    grid.clearContents();
    grid.setColumnCount(static_cast<int>(rows.Columns()));
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setHorizontalHeaderItem(c, new QTableWidgetItem(ToQt(rows.Rows[0][c])));
    grid.setRowCount(static_cast<int>(rows.Rows.size()) - 1);
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    for (std::size_t r = 1; r < rows.Rows.size(); ++r)
        for (std::size_t c = 0; c < rows.Columns(); ++c) {
            auto* item = new QTableWidgetItem(ToQt(rows.Rows[r][c]));
            if (c == 0) {
                item->setFont(bold);
                if (page == 0) item->setForeground(Qt::red);
            }
            grid.setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
    // The designed widths, widened where a larger font needs it (" NEW" in bold, dates).
    const std::vector<int>& widths = ColumnWidths[page];
    for (int c = 0; c < grid.columnCount(); ++c) {
        grid.resizeColumnToContents(c);
        if (static_cast<std::size_t>(c) < widths.size())
            grid.setColumnWidth(c, std::max(grid.columnWidth(c), widths[c]));
    }
}

QString SharedResultsWindow::CurrentKey(const QTableWidget& grid, int* row) const {
    if (grid.rowCount() == 0) return {};
    const int r = std::clamp(grid.currentRow(), 0, grid.rowCount() - 1);
    if (row) *row = r;
    const QTableWidgetItem* item = grid.item(r, 1);
    return item ? item->text() : QString();
}

// ---- The list -------------------------------------------------------------------------------

void SharedResultsWindow::RefreshList() {
    if (page_[0].request->Running()) return;
    std::string user;
    Start(
        0, online::GPListBody(CurrentCaller(user)),
        [this](const std::string& payload) { ListArrived(payload); },
        [this](int state) { ListEnded(state); });
}

void SharedResultsWindow::ListArrived(const std::string& payload) {
    The_Class& db = main_.Session().db;
    const online::GPListReply reply = online::ParseGPList(db, payload);
    const std::string added = online::AddNewDrivers(db, reply.NewDrivers, "New driver:", "  ");
    if (!added.empty()) {
        db.SaveDatabase();
        main_.DriversChanged();
        pendingMessage_ += QStringLiteral("Your database updated with below drivers") +
                           ToQt(added).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    FillGrid(*page_[0].grid, reply.Grid, 0);
    if (reply.AnyNew) main_.SetGPUpdatesWaiting(true);
}

void SharedResultsWindow::ListEnded(int state) {
    Ended(0, state, ListNoMessage);
    // After a failed request too, so the daily check runs once a day.
    main_.ListChecked(online::TodayDayNumber());
    timer4_->start();
    page_[0].button->setEnabled(true);
}

void SharedResultsWindow::PendingTick() {
    main_.ShowUpdatesStatus(QString());
    timer4_->stop();
    if (!pendingMessage_.isEmpty()) {
        const QString message = pendingMessage_;
        pendingMessage_.clear();
        main_.Inform(message);
    }
    if (!isVisible()) main_.FlashGPUpdates();
}

// ---- The sources of one GP ------------------------------------------------------------------

void SharedResultsWindow::OpenCurrentGP() {
    int row = 0;
    const QString date = CurrentKey(*page_[0].grid, &row);
    if (date.isEmpty() || page_[1].request->Running()) return;
    const QTableWidgetItem* nameItem = page_[0].grid->item(row, 2);
    const std::string name = nameItem ? FromQt(nameItem->text()) : std::string();
    const std::uint16_t number = main_.Session().db.ParseDate(FromQt(date));
    ShowPage(1);
    page_[1].grid->setRowCount(0);
    std::string user;
    Start(
        1, online::GPSourcesBody(CurrentCaller(user), std::to_string(number), name),
        [this](const std::string& payload) { SourcesArrived(payload); },
        [this](int state) {
            Ended(1, state, OtherNoMessage);
            page_[1].button->setEnabled(true);
        });
}

void SharedResultsWindow::SourcesArrived(const std::string& payload) {
    FillGrid(*page_[1].grid, online::ParseGPSources(main_.Session().db, payload), 1);
}

// ---- One source -----------------------------------------------------------------------------

void SharedResultsWindow::OpenCurrentSource() {
    const QString id = CurrentKey(*page_[1].grid);
    if (id.isEmpty() || page_[2].request->Running()) return;
    if (online::OnlineState::Instance().LoginCode() == 0) {
        main_.OpenLogin();
        return;
    }
    OpenSource(id);
}

void SharedResultsWindow::OpenSource(const QString& gpId) {
    ShowPage(2);
    save_->setEnabled(false);
    page_[2].grid->setRowCount(0);
    for (QLabel* l : gpLabels_)
        l->clear();
    content_.reset();
    selectedGPId_ = FromQt(gpId);
    std::string user;
    Start(
        2, online::GPContentBody(CurrentCaller(user), selectedGPId_),
        [this](const std::string& payload) { ContentArrived(payload); },
        [this](int state) { ContentEnded(state); });
}

void SharedResultsWindow::ContentArrived(const std::string& payload) {
    content_ = online::ParseSourceContent(main_.Session().db, payload);
    if (!content_) return;
    const online::SourceContent& c = *content_;
    const std::string* texts[8] = {&c.Date,   &c.Track,      &c.Name,     &c.FLDriver,
                                   &c.FLTime, &c.PoleDriver, &c.PoleTime, &c.Laps};
    for (int i = 0; i < 8; ++i)
        gpLabels_[i]->setText(ToQt(*texts[i]));
    online::SharedGrid rows;
    rows.Rows.emplace_back(std::begin(ContentTitles), std::end(ContentTitles));
    int n = 0;
    for (const auto& r : c.Results) {
        std::vector<std::string> row{std::to_string(++n)};
        row.insert(row.end(), r.begin(), r.end());
        rows.Rows.push_back(std::move(row));
    }
    FillGrid(*page_[2].grid, rows, 2);
}

void SharedResultsWindow::ContentEnded(int state) {
    Ended(2, state, OtherNoMessage);
    back3_->setEnabled(true);
    save_->setEnabled(true);
}

void SharedResultsWindow::SaveShownGP() {
    pendingMessage_.clear();
    save_->setEnabled(false);
    if (!content_) {
        // Nothing arrived: the date label is empty, so the date is in the wrong format.
        main_.Inform(QStringLiteral("GP could not saved because its date is in wrong format."));
        return;
    }
    const online::SaveOutcome out = online::SaveSharedGP(main_.Session().db, *content_);
    main_.Inform(ToQt(out.Message).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    if (out.GP != 0) {
        ShowPage(0);
        main_.ShowSharedGP(out.GP, !out.WriteFailed);
        std::string user;
        acknowledge_.reset();
        acknowledge_ =
            online::NewRequest(online::GPAcknowledgeBody(CurrentCaller(user), selectedGPId_), 1);
        acknowledge_->Start();
    }
    save_->setEnabled(out.Reenable);
}

} // namespace qor::app
