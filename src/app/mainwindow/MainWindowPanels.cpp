#include "mainwindow/MainWindow.h"

#include "dialogs/Prompts.h"
#include "mainwindow/FilterBox.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/GPBrowser.h"
#include "mainwindow/GridView.h"
#include "mainwindow/ListDelegate.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/NamedViews.h"
#include "mainwindow/PanelSlides.h"
#include "mainwindow/PopupStyle.h"
#include "mainwindow/QtText.h"
#include "mainwindow/Rounding.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/RecordMenus.h"
#include "statistics/SeasonLists.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor::app {

QToolButton* MainWindow::MakeButton(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setAutoRaise(false);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

void MainWindow::BuildRightPanel() {
    const double s = session_.ZoomFactor();
    panel2_ = new QWidget(central_);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    panel3_ = new QWidget(panel2_);
    panel3_->setObjectName(QStringLiteral("Panel3"));
    auto* v3 = new QVBoxLayout(panel3_);
    v3->setContentsMargins(0, 0, 0, 0);
    v3->setSpacing(3);
    auto* yearRow = new QHBoxLayout;
    comboBox1_ = new QComboBox(panel3_);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    auto* yearDelegate = new ListDelegate(session_, 14, comboBox1_);
    comboBox1_->setItemDelegate(yearDelegate);
    comboBox1_->setMaxVisibleItems(20);
    yearRow->addWidget(comboBox1_, 1);
    for (const char* name : {"button2", "button14", "BUTTON15"}) {
        QToolButton* b = CommandButton(CommandNamed(SeasonListCommands, name), panel3_);
        b->setFixedWidth(RoundHalfEven(26 * s));
        yearRow->addWidget(b);
    }
    v3->addLayout(yearRow);
    connect(comboBox1_, qOverload<int>(&QComboBox::activated), this, &MainWindow::OnYearChosen);
    gpListBox1_ = new QListWidget(panel3_);
    gpListBox1_->setObjectName(QStringLiteral("gpListBox1"));
    gpListBox1_->setFrameShape(QFrame::NoFrame);
    gpListDelegate_ = new ListDelegate(session_, 16, gpListBox1_);
    gpListBox1_->setItemDelegate(gpListDelegate_);
    gpListBox1_->setUniformItemSizes(true);
    gpListBox1_->setContextMenuPolicy(Qt::CustomContextMenu);
    v3->addWidget(gpListBox1_, 1);
    // A click (also on the GP already selected) or a key that moves the selection shows a GP.
    connect(gpListBox1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OnGPChosen(gpListBox1_->row(item)); });
    connect(gpListBox1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (QGuiApplication::mouseButtons() == Qt::NoButton) OnGPChosen(row);
    });
    connect(gpListBox1_, &QWidget::customContextMenuRequested, this, &MainWindow::OpenGPListMenu);

    gpbilgipanel_ = new QWidget(panel3_);
    gpbilgipanel_->setObjectName(QStringLiteral("gpbilgipanel"));
    auto* info = new QGridLayout(gpbilgipanel_);
    info->setContentsMargins(2, 4, 2, 4);
    info->setHorizontalSpacing(4);
    info->setVerticalSpacing(1);
    const auto infoLabel = [&](const char* name, bool bold) {
        QLabel* l = MakeLabel(name, gpbilgipanel_);
        if (bold) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        infoLabels_[name] = l;
        return l;
    };
    info->addWidget(infoLabel("Label6", true), 0, 0, 1, 2);
    info->addWidget(infoLabel("Fastestlap", false), 1, 0);
    info->addWidget(infoLabel("Fastestlaptime", false), 1, 1, Qt::AlignRight);
    info->addWidget(infoLabel("Label7", true), 2, 0, 1, 2);
    info->addWidget(infoLabel("Poleposition", false), 3, 0);
    info->addWidget(infoLabel("Polepositiontime", false), 3, 1, Qt::AlignRight);
    info->addWidget(infoLabel("Label8", true), 4, 0, 1, 2);
    info->addWidget(infoLabel("Weather", false), 5, 0, 1, 2);
    info->addWidget(infoLabel("Label32", true), 6, 0);
    info->addWidget(infoLabel("numberoflaps", false), 6, 1, Qt::AlignRight);
    info->setColumnStretch(0, 1);
    v3->addWidget(gpbilgipanel_);

    panel4_ = new QWidget(panel2_);
    panel4_->setObjectName(QStringLiteral("Panel4"));
    panel4_->setAutoFillBackground(true);
    auto* v4 = new QVBoxLayout(panel4_);
    v4->setContentsMargins(3, 3, 3, 0);
    v4->setSpacing(3);
    QLabel* label2 = MakeLabel("Label2", panel4_);
    QFont bold = label2->font();
    bold.setBold(true);
    label2->setFont(bold);
    label2->setAlignment(Qt::AlignCenter);
    // The panel's title line with its second close button.
    auto* head4 = new QHBoxLayout;
    head4->addWidget(label2, 1);
    QToolButton* close8 = MakeButton("SpeedButton8", QStringLiteral("X"), panel4_);
    close8->setToolTip(QStringLiteral("Close"));
    head4->addWidget(close8);
    v4->addLayout(head4);
    connect(close8, &QToolButton::clicked, this, [this] { StartChampionshipSlide(false); });
    v4->addWidget(MakeLabel("Label27", panel4_));
    listBox2_ = new QListWidget(panel4_);
    listBox2_->setObjectName(QStringLiteral("ListBox2"));
    listBox2_->setItemDelegate(new ListDelegate(session_, 13, listBox2_));
    v4->addWidget(listBox2_, 1);
    auto* driverButtons = new QHBoxLayout;
    for (const char* name : {"button1", "button4"})
        driverButtons->addWidget(CommandButton(CommandNamed(ChampionshipCommands, name), panel4_));
    v4->addLayout(driverButtons);
    v4->addWidget(MakeLabel("Label30", panel4_));
    listBox3_ = new QListWidget(panel4_);
    listBox3_->setObjectName(QStringLiteral("ListBox3"));
    listBox3_->setItemDelegate(new ListDelegate(session_, 13, listBox3_));
    v4->addWidget(listBox3_, 1);
    auto* teamButtons = new QHBoxLayout;
    for (const char* name : {"button3", "button7"})
        teamButtons->addWidget(CommandButton(CommandNamed(ChampionshipCommands, name), panel4_));
    v4->addLayout(teamButtons);
    const auto yearListChosen = [this](QListWidget* list, int BrowserState::*index,
                                       void (*command)(TableContext&)) {
        const auto run = [this, index, command](int row) {
            if (row < 0) return;
            session_.ctx.browser.*index = row;
            RunCommand(command);
        };
        connect(list, &QListWidget::itemClicked, this,
                [list, run](QListWidgetItem* item) { run(list->row(item)); });
        connect(list, &QListWidget::currentRowChanged, this, [run](int row) {
            if (QGuiApplication::mouseButtons() == Qt::NoButton) run(row);
        });
    };
    yearListChosen(listBox2_, &BrowserState::DriverStandingYearIndex, ListBox2Click);
    yearListChosen(listBox3_, &BrowserState::TeamStandingYearIndex, ListBox3Click);
    // The strip that stays visible when the panel is closed: just its open/close button.
    auto* stripPanel = new QWidget(panel4_);
    stripPanel->setFixedHeight(RoundHalfEven(20 * s));
    auto* strip = new QHBoxLayout(stripPanel);
    strip->setContentsMargins(0, 0, 0, 0);
    speedButton3_ = MakeButton("SpeedButton3", QString(), stripPanel);
    speedButton4_ = MakeButton("SpeedButton4", QString(), stripPanel);
    for (QToolButton* b : {speedButton3_, speedButton4_})
        b->setFixedHeight(RoundHalfEven(20 * s));
    speedButton4_->hide();
    strip->addStretch(1);
    strip->addWidget(speedButton3_);
    strip->addWidget(speedButton4_);
    strip->addStretch(1);
    v4->addWidget(stripPanel);
    connect(speedButton3_, &QToolButton::clicked, this, [this] { StartChampionshipSlide(true); });
    connect(speedButton4_, &QToolButton::clicked, this, [this] { StartChampionshipSlide(false); });
}

void MainWindow::OnYearChosen(int index) {
    session_.ctx.browser.YearIndex = index;
    ComboBox1Change(session_.ctx);
    SyncAll();
}

void MainWindow::OnGPChosen(int row) {
    if (row < 0) return;
    session_.ctx.browser.GPIndex = row;
    RunCommand(gpListBox1Click);
}

void MainWindow::OpenGPListMenu(QPoint pos) {
    const int mode = session_.ctx.browser.GPListMode - 1;
    for (const GPListModeItem& item : GPListModeItems)
        actions_[std::string(item.Item)]->setChecked(item.Mode == mode);
    StylePopup(*popupMenu2_, session_.palette, session_.ZoomFactor());
    popupMenu2_->popup(gpListBox1_->viewport()->mapToGlobal(pos));
}

void MainWindow::LayoutPanels() {
    if (!central_) return;
    const double s = session_.ZoomFactor();
    const int w = central_->width();
    const int h = central_->height();
    int top = 0;
    if (session_.palette.DecorationVisible) {
        const int band = static_cast<int>(session_.palette.DecorationRows.size());
        image1_->setGeometry(0, 0, w, band);
        top = band;
    }
    normalTableWidth_ = std::max(200, w - RoundHalfEven(195 * s));
    int width8 = normalTableWidth_;
    if (wide_ || timer1_->isActive()) width8 = std::max(panel8_->width(), normalTableWidth_);
    if (wide_ && !timer1_->isActive()) width8 = w - RoundHalfEven(20 * s);
    panel8_->setGeometry(0, top, width8, h - top);
    const int x2 = normalTableWidth_ + 2;
    panel2_->setGeometry(x2, top, std::max(50, w - x2 - 4), h - top);
    if (wide_ || timer1_->isActive()) panel8_->raise();
    // The wide table leaves a strip at the right edge: nothing of the panel it covers may show
    // there.
    panel2_->setVisible(!wide_ || timer1_->isActive());

    // The closed championship panel leaves a strip with its open button above the browser.
    const int stripH = RoundHalfEven(20 * s);
    panel3_->setGeometry(0, stripH + 4, panel2_->width(), panel2_->height() - stripH - 6);
    panel4_->resize(panel2_->width(), panel2_->height() - 2);
    if (!panel4Placed_ || (!timer2_->isActive() && !opening_))
        panel4Top_ = ClosedChampionshipTop(panel4_->height(), s);
    panel4Placed_ = true;
    panel4_->move(0, panel4Top_);
    panel4_->raise();

    // The width fill of new tables stretches the last column up to the right-hand panel.
    panel8_->layout()->activate();
    session_.ctx.grid.GridLeft = tablo1_->mapTo(central_, QPoint(0, 0)).x();
    session_.ctx.grid.RightPanelLeft = x2;
}

void MainWindow::SyncBrowser() {
    const BrowserState& b = session_.ctx.browser;
    const auto fill = [](QListWidget* list, const std::vector<std::string>& items,
                         std::vector<std::string>& shown) {
        if (shown == items) return;
        const QSignalBlocker block(list);
        list->clear();
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(items.size()));
        for (const auto& i : items)
            texts << ToQt(i);
        list->addItems(texts); // one insertion, not one relayout per item
        shown = items;
    };
    if (shownYears_ != b.Years) {
        const QSignalBlocker block(comboBox1_);
        comboBox1_->clear();
        QStringList years;
        years.reserve(static_cast<qsizetype>(b.Years.size()));
        for (const auto& y : b.Years)
            years << ToQt(y);
        comboBox1_->addItems(years);
        shownYears_ = b.Years;
    }
    if (comboBox1_->currentIndex() != b.YearIndex) {
        const QSignalBlocker block(comboBox1_);
        comboBox1_->setCurrentIndex(b.YearIndex);
    }
    gpListDelegate_->SetFontName(b.GPListFont == "courier" ? "courier" : "tahoma");
    fill(gpListBox1_, b.GPList, shownGPs_);
    fill(listBox2_, b.DriverStandingYears, shownDriverYears_);
    fill(listBox3_, b.TeamStandingYears, shownTeamYears_);
    const auto select = [](QListWidget* list, int index) {
        if (list->currentRow() == index) return;
        const QSignalBlocker block(list);
        list->setCurrentRow(index);
    };
    select(gpListBox1_, b.GPIndex);
    select(listBox2_, b.DriverStandingYearIndex);
    select(listBox3_, b.TeamStandingYearIndex);
    gpListBox1_->viewport()->update();
}

void MainWindow::SyncInfoPanel() {
    const GPInfoPanel& info = session_.ctx.browser.Info;
    gpbilgipanel_->setVisible(info.Visible);
    infoLabels_["Fastestlap"]->setText(ToQt(info.FastestLap));
    infoLabels_["Fastestlaptime"]->setText(ToQt(info.FastestLapTime));
    infoLabels_["Poleposition"]->setText(ToQt(info.PolePosition));
    infoLabels_["Polepositiontime"]->setText(ToQt(info.PolePositionTime));
    infoLabels_["Weather"]->setText(ToQt(info.Weather));
    infoLabels_["Weather"]->setVisible(!info.Weather.empty());
    infoLabels_["Label8"]->setVisible(info.WeatherCaptionVisible);
    infoLabels_["numberoflaps"]->setText(ToQt(info.Laps));
}

void MainWindow::StartWidening(bool widen) {
    widening_ = widen;
    speedButton2_->setVisible(!widen);
    speedButton1_->setVisible(widen);
    if (!widen) panel2_->show();
    speedButton1_->setEnabled(false);
    speedButton2_->setEnabled(false);
    panel8_->raise();
    timer1_->start();
}

void MainWindow::WideTick() {
    const int clientWidth = central_->width();
    const SlideStep step = widening_ ? WidenTableStep(panel8_->width(), clientWidth)
                                     : NarrowTableStep(panel8_->width(), normalTableWidth_);
    panel8_->resize(step.Value, panel8_->height());
    if (!step.Done) return;
    timer1_->stop();
    wide_ = widening_;
    speedButton1_->setEnabled(true);
    speedButton2_->setEnabled(true);
    LayoutPanels();
}

void MainWindow::StartChampionshipSlide(bool open) {
    opening_ = open;
    speedButton3_->setVisible(!open);
    speedButton4_->setVisible(open);
    speedButton3_->setEnabled(false);
    speedButton4_->setEnabled(false);
    timer2_->start();
}

void MainWindow::ChampionshipTick() {
    const double s = session_.ZoomFactor();
    const int h = panel4_->height();
    const SlideStep step =
        opening_ ? OpenChampionshipStep(panel4Top_) : CloseChampionshipStep(panel4Top_, h, s);
    panel4Top_ = step.Value;
    panel4_->move(0, panel4Top_);
    if (!step.Done) return;
    timer2_->stop();
    speedButton3_->setEnabled(true);
    speedButton4_->setEnabled(true);
}
} // namespace qor::app
