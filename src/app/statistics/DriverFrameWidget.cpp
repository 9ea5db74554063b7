#include "statistics/DriverFrameWidget.h"

#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "mainwindow/Rounding.h"
#include "statistics/DriverFrameCommands.h"
#include "statistics/MenuItemCall.h"
#include "statistics/RaceChartWidget.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor::app {
namespace {

// The date labels and the frame fields they show.
struct DateLabel {
    const char* Name;
    int CaptionSlot;
    std::string DriverFrame::*Text;
};
const DateLabel DateLabels[] = {
    {"firstgplabel", 4, &DriverFrame::firstgplabel},
    {"lastgplabel", 5, &DriverFrame::lastgplabel},
    {"firstwinlabel", 6, &DriverFrame::firstwinlabel},
    {"lastwinlabel", 7, &DriverFrame::lastwinlabel},
    {"firstpolelabel", 8, &DriverFrame::firstpolelabel},
    {"lastpolelabel", 9, &DriverFrame::lastpolelabel},
};

// The count labels on the counts page with their caption slot, the frame field and the gauge
// beside them (-1: none).
struct CountRow {
    const char* Name;
    int CaptionSlot;
    std::string DriverFrame::*Text;
    int Gauge;
};
const CountRow CountRows[] = {
    {"allraceslabel", 11, &DriverFrame::allraceslabel, -1},
    {"raceslabel", 10, &DriverFrame::raceslabel, -1},
    {"winslabel", 16, &DriverFrame::winslabel, GaugeWins},
    {"podiumslabel", 17, &DriverFrame::podiumslabel, GaugePodiums},
    {"fastestlapslabel", 18, &DriverFrame::fastestlapslabel, GaugeFastestLaps},
    {"poleslabel", 19, &DriverFrame::poleslabel, GaugePoles},
    {"retirementslabel", 20, &DriverFrame::retirementslabel, GaugeRetirements},
    {"DNQLABEL", 14, &DriverFrame::DNQLABEL, -1},
    {"DNPQLABEL", 13, &DriverFrame::DNPQLABEL, -1},
    {"DNSLABEL", 12, &DriverFrame::DNSLABEL, -1},
    {"disqlabel", 15, &DriverFrame::disqlabel, -1},
    {"totalpointlabel", 21, &DriverFrame::totalpointlabel, -1},
};

// Gauges and percentage labels by GaugeIndex.
const char* const GaugeNames[GaugeCount] = {"Gaugewin", "Gaugefl", "Gaugepole", "Gaugepodium",
                                            "Gaugeretire"};
const char* const PercentNames[GaugeCount] = {"winsoran", "fastestlapsoran", "polesoran",
                                              "podiumsoran", "retirementsoran"};

// Colours of a command label: green and underlined under the mouse, maroon otherwise.
const QColor HoverColour(0, 128, 0);
const QColor RestColour(128, 0, 0);

int Scaled(double scale, int pixels) {
    return RoundHalfEven(scale * pixels);
}

} // namespace

DriverFrameWidget::DriverFrameWidget(MainWindow& main, QWidget* parent)
    : QWidget(parent), main_(main) {
    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(10);
    connect(timer3_, &QTimer::timeout, this, &DriverFrameWidget::GaugeTick);
    Build();
    ApplyCaptions();
    ApplyScale();
    ShowStatisticsPage();
}

DriverFrameWidget::~DriverFrameWidget() = default;

double DriverFrameWidget::Scale() const {
    return StatsScaleOf(main_.Session().db.StatsWindowSize);
}

QLabel* DriverFrameWidget::AddLabel(const char* name, QWidget* parent, bool command) {
    QLabel* l = MakeLabel(name, parent);
    labels_[QString::fromLatin1(name)] = l;
    if (command) {
        l->setCursor(Qt::PointingHandCursor);
        l->setProperty("qorCommand", true);
        l->installEventFilter(this);
        SetHover(l, false);
    }
    return l;
}

QToolButton* DriverFrameWidget::AddButton(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setAutoRaise(true);
    return b;
}

void DriverFrameWidget::Build() {
    setAutoFillBackground(true);
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize); // the frame always takes its pages' size
    outer->setContentsMargins(3, 3, 3, 3);
    outer->setSpacing(4);

    // ---- Head: name, nationality, flag and buttons ------------------------------------------
    panel6_ = new QWidget(this);
    panel6_->setObjectName(QStringLiteral("Panel6"));
    auto* head = new QGridLayout(panel6_);
    head->setContentsMargins(0, 0, 0, 0);
    head->setVerticalSpacing(2);
    QLabel* name = AddLabel("namelabel", panel6_);
    head->addWidget(name, 0, 0, 1, 3);
    windowButtons_ = new QWidget(panel6_);
    auto* wb = new QHBoxLayout(windowButtons_);
    wb->setContentsMargins(0, 0, 0, 0);
    wb->setSpacing(0);
    const struct {
        const char* Name;
        QStyle::StandardPixmap Icon;
        const char* Hint;
    } windowButtons[] = {
        {"SpeedButton5", QStyle::SP_FileDialogDetailedView, "Tile All"},
        {"SpeedButton4", QStyle::SP_TitleBarShadeButton, "Minimize All"},
        {"SpeedButton3", QStyle::SP_DialogCloseButton, "Close All"},
        {"SpeedButton2", QStyle::SP_TitleBarMinButton, "Minimize"},
    };
    for (const auto& w : windowButtons) {
        QToolButton* b = AddButton(w.Name, QString(), windowButtons_);
        b->setIcon(style()->standardIcon(w.Icon));
        hints_[b] = QString::fromLatin1(w.Hint);
        b->installEventFilter(this);
        wb->addWidget(b);
    }
    connect(findChild<QToolButton*>(QStringLiteral("SpeedButton5")), &QToolButton::clicked, this,
            &DriverFrameWidget::tileAllRequested);
    connect(findChild<QToolButton*>(QStringLiteral("SpeedButton4")), &QToolButton::clicked, this,
            &DriverFrameWidget::minimizeAllRequested);
    connect(findChild<QToolButton*>(QStringLiteral("SpeedButton3")), &QToolButton::clicked, this,
            &DriverFrameWidget::closeAllRequested);
    connect(findChild<QToolButton*>(QStringLiteral("SpeedButton2")), &QToolButton::clicked, this,
            [this] { window()->showMinimized(); });
    head->addWidget(windowButtons_, 0, 3, Qt::AlignRight | Qt::AlignTop);
    head->addWidget(AddLabel("Label3", panel6_), 1, 0);
    head->addWidget(AddLabel("natlabel", panel6_), 1, 1);
    image1_ = AddLabel("Image1", panel6_);
    image1_->setScaledContents(true);
    head->addWidget(image1_, 1, 2, Qt::AlignLeft);
    head->setColumnStretch(2, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(1);
    history_ = AddButton("SpeedButton14", QString(), panel6_);
    statistics_ = AddButton("SpeedButton15", QString(), panel6_);
    chartButton_ = AddButton("SpeedButton8", QStringLiteral("Chart"), panel6_);
    fit_ = AddButton("SpeedButton9", QStringLiteral("Fit"), panel6_);
    fit_->setCheckable(true);
    resize_ = AddButton("SpeedButton10", QStringLiteral("Resize"), panel6_);
    hints_[resize_] = QStringLiteral("Resize");
    resize_->installEventFilter(this);
    view_ = AddButton("SpeedButton1", QStringLiteral("View"), panel6_);
    for (QToolButton* b : {history_, statistics_, chartButton_, fit_, resize_, view_})
        buttonRow->addWidget(b);
    buttonRow->addStretch(1);
    head->addLayout(buttonRow, 2, 0, 1, 4);
    connect(history_, &QToolButton::clicked, this, &DriverFrameWidget::ShowHistoryPage);
    connect(statistics_, &QToolButton::clicked, this, &DriverFrameWidget::ShowStatisticsPage);
    connect(chartButton_, &QToolButton::clicked, this, &DriverFrameWidget::ToggleChart);
    connect(fit_, &QToolButton::toggled, this, [this] {
        if (ChartShown()) DrawChart();
    });

    auto* sizes = new QMenu(this);
    sizes->setObjectName(QStringLiteral("Popupbuyutec"));
    const std::pair<const char*, std::uint8_t> sizeItems[] = {
        {"Smaller", 24}, {"Normal", 25}, {"Bigger", 26}};
    for (const auto& [text, size] : sizeItems) {
        QAction* a = sizes->addAction(QString::fromLatin1(text));
        a->setObjectName(QString::fromLatin1(text));
        const std::uint8_t chosen = size;
        connect(a, &QAction::triggered, this, [this, chosen] { emit sizeRequested(chosen); });
    }
    resize_->setMenu(sizes);
    resize_->setPopupMode(QToolButton::InstantPopup);
    auto* views = new QMenu(this);
    views->setObjectName(QStringLiteral("PopupMenu1"));
    for (const char* text : {"vertical", "horizantal", "compact"}) {
        QAction* a = views->addAction(QString::fromLatin1(text));
        a->setObjectName(QString::fromLatin1(text));
    }
    connect(views->findChild<QAction*>(QStringLiteral("compact")), &QAction::triggered, this,
            &DriverFrameWidget::SetCompact);
    view_->setMenu(views);
    view_->setPopupMode(QToolButton::InstantPopup);
    outer->addWidget(panel6_);

    auto* body = new QHBoxLayout;
    body->setSpacing(10);
    auto* pages = new QVBoxLayout;
    pages->setContentsMargins(0, 0, 0, 0);

    // ---- Dates page -------------------------------------------------------------------------
    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    auto* dates = new QGridLayout(panel1_);
    dates->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const DateLabel& d : DateLabels) {
        dates->addWidget(AddLabel(("caption" + std::to_string(d.CaptionSlot)).c_str(), panel1_),
                         row, 0);
        dates->addWidget(AddLabel(d.Name, panel1_, true), row++, 1);
    }
    QLabel* champion = AddLabel("Label25", panel1_, true);
    champion->setWordWrap(true);
    dates->addWidget(champion, row++, 0, 1, 2);
    teamRecords_ = AddButton("SpeedButton7", QStringLiteral("Team by team records"), panel1_);
    teamRecords_->setAutoRaise(false);
    dates->addWidget(teamRecords_, row++, 0, 1, 2, Qt::AlignLeft);
    QLabel* key = AddLabel("first_kayit_no", panel1_);
    key->hide();
    dates->setColumnStretch(1, 1);
    dates->setRowStretch(row, 1);
    teamPopup_ = new QMenu(this);
    teamPopup_->setObjectName(QStringLiteral("PopupRACES_FOR"));
    connect(teamRecords_, &QToolButton::clicked, this, &DriverFrameWidget::OpenTeamPopup);
    pages->addWidget(panel1_);

    // ---- Counts page ------------------------------------------------------------------------
    panel2_ = new QWidget(this);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    auto* counts = new QGridLayout(panel2_);
    counts->setContentsMargins(0, 0, 0, 0);
    counts->setVerticalSpacing(1);
    row = 0;
    for (const CountRow& c : CountRows) {
        // The four non-start counts share two rows, two to a row.
        const bool paired = c.Text == &DriverFrame::DNPQLABEL || c.Text == &DriverFrame::disqlabel;
        const int col = paired ? 2 : 0;
        if (paired) --row;
        const std::string caption = c.CaptionSlot == 17 ? std::string("Label17")
                                                        : "caption" + std::to_string(c.CaptionSlot);
        QLabel* captionLabel = AddLabel(caption.c_str(), panel2_);
        counts->addWidget(captionLabel, row, col);
        counts->addWidget(AddLabel(c.Name, panel2_, true), row, col + 1);
        if (c.Gauge >= 0) {
            counts->addWidget(AddLabel(PercentNames[c.Gauge], panel2_), row, 2);
            auto* g = new QProgressBar(panel2_);
            g->setObjectName(QString::fromLatin1(GaugeNames[c.Gauge]));
            g->setRange(0, 100);
            g->setTextVisible(false);
            gauges_[static_cast<std::size_t>(c.Gauge)] = g;
            counts->addWidget(g, row, 3);
        }
        ++row;
    }
    labels_[QStringLiteral("Label17")]->installEventFilter(this);
    QLabel* note = AddLabel("Label26", panel2_);
    note->setText(QStringLiteral("% = x / starts"));
    counts->addWidget(note, row++, 0, 1, 4);
    counts->setColumnStretch(3, 1);
    counts->setRowStretch(row, 1);
    pages->addWidget(panel2_);
    body->addLayout(pages);

    // ---- Chart page -------------------------------------------------------------------------
    panel3_ = new QWidget(this);
    panel3_->setObjectName(QStringLiteral("Panel3"));
    auto* chartPage = new QGridLayout(panel3_);
    chartPage->setContentsMargins(0, 0, 0, 0);
    chartPage->addWidget(AddLabel("Lseason", panel3_), 0, 0, 1, 2);
    chart_ = new RaceChartWidget(main_.Session().db, panel3_);
    chartPage->addWidget(chart_, 1, 0);
    auto* hover = new QVBoxLayout;
    for (const char* n : {"Label20", "Label21", "Label22"}) {
        QLabel* l = AddLabel(n, panel3_);
        l->setWordWrap(true);
        hover->addWidget(l);
    }
    hover->addStretch(1);
    chartPage->addLayout(hover, 1, 1);
    chartPage->setColumnStretch(1, 1);
    connect(chart_, &RaceChartWidget::hovered, this, &DriverFrameWidget::ChartHovered);
    connect(chart_, &RaceChartWidget::markerClicked, this, &DriverFrameWidget::ChartMarkerClicked);
    connect(chart_, &RaceChartWidget::seasonClicked, this, &DriverFrameWidget::ChartSeasonClicked);
    panel3_->hide();
    body->addWidget(panel3_, 0, Qt::AlignTop);
    outer->addLayout(body);
}

void DriverFrameWidget::ApplyCaptions() {
    const Langs& l = main_.Session().langs;
    history_->setText(ToQtCaption(l.Text(1)));
    statistics_->setText(ToQtCaption(l.Text(2)));
    labels_[QStringLiteral("Label3")]->setText(LabelText(l.Text(3)));
    for (const DateLabel& d : DateLabels)
        Label(QStringLiteral("caption%1").arg(d.CaptionSlot))
            ->setText(LabelText(l.Text(d.CaptionSlot)));
    for (const CountRow& c : CountRows) {
        QLabel* caption = c.CaptionSlot == 17
                              ? Label(QStringLiteral("Label17"))
                              : Label(QStringLiteral("caption%1").arg(c.CaptionSlot));
        caption->setText(LabelText(l.Text(c.CaptionSlot)));
    }
}

void DriverFrameWidget::ApplyScale() {
    const double s = Scale();
    QFont f = MainFont(1.0);
    f.setPointSizeF(8.0 * s);
    setFont(f);
    QFont big = f;
    big.setPointSizeF(10.0 * s);
    big.setBold(true);
    labels_[QStringLiteral("namelabel")]->setFont(big);
    panel1_->setFixedWidth(Scaled(s, 270));
    panel2_->setFixedWidth(Scaled(s, 270));
    panel3_->setFixedWidth(Scaled(s, 273));
    chart_->setFixedHeight(Scaled(s, 272));
    image1_->setFixedSize(Scaled(s, 24), Scaled(s, 14));
    for (QProgressBar* g : gauges_)
        g->setFixedSize(Scaled(s, 80), Scaled(s, 10));

    const ThemePalette& pal = main_.Session().palette;
    QPalette back = palette();
    back.setColor(QPalette::Window, ToQColor(pal.WindowBackColor));
    setPalette(back);
    QPalette title = labels_[QStringLiteral("namelabel")]->palette();
    title.setColor(QPalette::WindowText, ToQColor(pal.TitleLabelColor));
    labels_[QStringLiteral("namelabel")]->setPalette(title);
    if (ChartShown()) DrawChart();
}

void DriverFrameWidget::ApplyLook() {
    ApplyCaptions();
    ApplyScale();
}

QLabel* DriverFrameWidget::Label(const QString& name) const {
    const auto it = labels_.find(name);
    return it == labels_.end() ? nullptr : it->second;
}

// ---- Figures ------------------------------------------------------------------------------------

void DriverFrameWidget::Analyze(std::uint16_t driver, int fromYear, int toYear, bool resetHistory) {
    MainSession& s = main_.Session();
    AnalyzeDriver(s.db, driver, fromYear, toYear, resetHistory, frame_, &s.flags);
    SyncFigures();
    if (ChartShown() && resetHistory) DrawChart();
    chart_->SetSelectedSeason(frame_.SelectedSeason);
}

void DriverFrameWidget::SyncFigures() {
    const auto set = [this](const char* name, const std::string& text) {
        labels_[QString::fromLatin1(name)]->setText(LabelText(text));
    };
    set("namelabel", frame_.namelabel);
    set("natlabel", frame_.natlabel);
    for (const DateLabel& d : DateLabels)
        set(d.Name, frame_.*d.Text);
    set("Label25", frame_.Label25);
    set("first_kayit_no", frame_.first_kayit_no);
    for (const CountRow& c : CountRows)
        set(c.Name, frame_.*c.Text);
    for (std::size_t i = 0; i < GaugeCount; ++i)
        set(PercentNames[i], frame_.Percentages[i]);
    set("Lseason", frame_.Lseason);
    hints_[labels_[QStringLiteral("Label17")]] = ToQt(frame_.Label17Hint);
    teamRecords_->setEnabled(!frame_.PopupRACES_FOR.empty());

    QPixmap flag;
    if (frame_.FlagVisible) {
        const std::vector<std::uint8_t> bmp = main_.Session().flags.PictureAt(frame_.FlagOffset);
        if (!bmp.empty()) flag.loadFromData(bmp.data(), static_cast<uint>(bmp.size()), "BMP");
    }
    image1_->setPixmap(flag);
    image1_->setVisible(!flag.isNull());
    StartGauges();
}

void DriverFrameWidget::StartGauges() {
    for (std::size_t i = 0; i < GaugeCount; ++i)
        gauges_[i]->setValue(std::clamp(frame_.Gauges[i], 0, 100));
    if (frame_.Timer3Enabled)
        timer3_->start();
    else
        timer3_->stop();
}

void DriverFrameWidget::GaugeTick() {
    const bool moved = Timer3Timer(frame_);
    for (std::size_t i = 0; i < GaugeCount; ++i)
        gauges_[i]->setValue(std::clamp(frame_.Gauges[i], 0, 100));
    if (!moved) timer3_->stop();
}

// ---- Pages --------------------------------------------------------------------------------------

void DriverFrameWidget::ShowHistoryPage() {
    PageButton(true, false);
}

void DriverFrameWidget::ShowStatisticsPage() {
    PageButton(false, false);
}

void DriverFrameWidget::PageButton(bool history, bool fromPartner) {
    labels_[QStringLiteral("Label20")]->clear();
    if (!frame_.Lseason.empty()) {
        MainSession& s = main_.Session();
        ShowWholeCareer(s.db, frame_, &s.flags);
        SyncFigures();
        chart_->SetSelectedSeason(0);
    }
    panel1_->setVisible(history);
    panel2_->setVisible(!history);
    panel3_->hide();
    if (partner_ && !fromPartner) partner_->PageButton(history, true);
}

bool DriverFrameWidget::ChartShown() const {
    return panel3_->isVisibleTo(const_cast<DriverFrameWidget*>(this));
}

void DriverFrameWidget::ToggleChart() {
    for (const char* n : {"Label20", "Label21", "Label22"})
        labels_[QString::fromLatin1(n)]->clear();
    if (ChartShown()) {
        panel3_->hide();
        return;
    }
    panel1_->hide();
    panel2_->show();
    panel3_->show();
    DrawChart();
}

void DriverFrameWidget::DrawChart() {
    const MainSession& s = main_.Session();
    chart_->Draw(frame_.History, s.db.StatsWindowSize, fit_->isChecked(),
                 ToQColor(s.palette.WindowBackColor));
    // The band follows the season the figures show.
    chart_->SetSelectedSeason(frame_.SelectedSeason);
}

void DriverFrameWidget::SetCompact() {
    compact_ = true;
    for (QWidget* w : {static_cast<QWidget*>(windowButtons_), static_cast<QWidget*>(chartButton_),
                       static_cast<QWidget*>(fit_), static_cast<QWidget*>(resize_),
                       static_cast<QWidget*>(view_)})
        w->hide();
    history_->show();
    statistics_->show();
    ShowStatisticsPage();
}

void DriverFrameWidget::SetCountLabelHandler(std::function<bool(std::string_view label)> handler) {
    countHandler_ = std::move(handler);
}

// ---- Commands -----------------------------------------------------------------------------------

bool DriverFrameWidget::eventFilter(QObject* watched, QEvent* event) {
    if (const auto hint = hints_.find(watched); hint != hints_.end()) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
            main_.ShowHint(hint->second);
        else if (event->type() == QEvent::Leave)
            main_.ClearHint(hint->second);
    }
    auto* label = qobject_cast<QLabel*>(watched);
    if (label && label->property("qorCommand").toBool()) {
        switch (event->type()) {
        case QEvent::Enter:
            SetHover(label, true);
            window()->raise();
            emit labelEntered(this);
            break;
        case QEvent::Leave:
            SetHover(label, false);
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                LabelClicked(label);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DriverFrameWidget::SetHover(QLabel* label, bool on) {
    QFont f = label->font();
    f.setUnderline(on);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, on ? HoverColour : RestColour);
    label->setPalette(p);
}

void DriverFrameWidget::LabelClicked(QLabel* label) {
    SetHover(label, false);
    const std::string name = label->objectName().toStdString();
    for (const DateLabel& d : DateLabels)
        if (name == d.Name) {
            DateLabelClicked(frame_.*d.Text);
            return;
        }
    if (countHandler_ && countHandler_(name)) return;
    RunCountCommand(name);
}

void DriverFrameWidget::RunCountCommand(std::string_view label) {
    const std::optional<FrameCommand> command = LabelCommand(main_.Session().db, frame_, label);
    if (!command || command->Ignored) return;
    const FrameCommand c = *command;
    main_.RunTable([c](TableContext& ctx) {
        if (RunFrameCommand(ctx, c) == FrameCommandRun::RunMenuItem)
            RunMenuItemCall(ctx, MenuItemCall{c.Item, c.SelectedRecord, 0});
    });
}

void DriverFrameWidget::DateLabelClicked(const std::string& caption) {
    if (!DateLabelGP(main_.Session().db, caption)) return;
    const int rows = main_.VisibleGridRows();
    main_.RunTableAt([&](TableContext& ctx) { DateLabelClick(ctx, frame_, caption, rows); });
}

void DriverFrameWidget::OpenTeamPopup() {
    teamPopup_->clear();
    for (const TeamRecordsItem& item : frame_.PopupRACES_FOR) {
        QAction* a = teamPopup_->addAction(ToQtCaption(item.Caption));
        const FrameCommand c = TeamRecordsCommand(item);
        connect(a, &QAction::triggered, this, [this, c] {
            main_.RunTable([c](TableContext& ctx) {
                RunFrameCommand(ctx, c);
                RunMenuItemCall(ctx, MenuItemCall{c.Item, c.SelectedRecord, 0});
            });
        });
    }
    teamPopup_->popup(teamRecords_->mapToGlobal(QPoint(0, teamRecords_->height())));
}

void DriverFrameWidget::ChartHovered(const QString& date, const QString& track,
                                     const QString& result) {
    labels_[QStringLiteral("Label20")]->setText(date);
    labels_[QStringLiteral("Label21")]->setText(track);
    labels_[QStringLiteral("Label22")]->setText(result);
}

void DriverFrameWidget::ChartMarkerClicked(std::uint16_t gp) {
    const std::string name = frame_.namelabel;
    const int rows = main_.VisibleGridRows();
    main_.RunTableAt([&](TableContext& ctx) { ShowGPWithDriver(ctx, gp, name, rows); });
}

void DriverFrameWidget::ChartSeasonClicked(int year) {
    MainSession& s = main_.Session();
    ChartSeasonClick(s.db, frame_, year, &s.flags);
    SyncFigures();
    chart_->SetSelectedSeason(frame_.SelectedSeason);
}

} // namespace qor::app
