#include "mainwindow/MainWindow.h"

#include "dialogs/Prompts.h"
#include "mainwindow/FilterBox.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/GPBrowser.h"
#include "mainwindow/GridView.h"
#include "mainwindow/ListDelegate.h"
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
namespace {

// The caption slot of a main-window control, or 0 when the string table has none for it.
int CaptionSlot(std::string_view name) {
    for (const ControlSlot& c : MainWindowCaptions)
        if (c.Control == name) return c.Slot;
    return 0;
}

// A command of one of the core's command lists, by its control name.
template <std::size_t N>
const MenuTableCommand& CommandNamed(const std::array<MenuTableCommand, N>& list,
                                     std::string_view name) {
    for (const MenuTableCommand& c : list)
        if (c.Item == name) return c;
    qFatal("no command %s", std::string(name).c_str());
}

// Labels show a '&' as it is; menus and buttons write it doubled.
QString LabelText(const std::string& cp1254) {
    return ToQt(cp1254).replace(QLatin1String("&&"), QLatin1String("&"));
}

QLabel* MakeLabel(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

MainWindow::MainWindow(MainSession& session, SettingsStore& settings, Prompts& prompts,
                       QWidget* parent)
    : QMainWindow(parent), session_(session), settings_(settings), prompts_(prompts) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromStdString(MainWindowCaption()));
    const WindowSize min = MinimumWindowSize(session.Screen.Width, session.Screen.Height);
    setMinimumSize(min.Width, min.Height);
    setFont(MainFont(session.ZoomFactor()));

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(10);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::WideTick);
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(10);
    connect(timer2_, &QTimer::timeout, this, &MainWindow::ChampionshipTick);

    BuildMenus();
    BuildCentral();
    BuildPopups();
    ApplyCaptions();
    ApplyTheme();
    SyncAll();
}

MainWindow::~MainWindow() = default;

// ---- Building --------------------------------------------------------------------------------

QAction* MainWindow::AddAction(QMenu& menu, const char* name, const QString& text,
                               QActionGroup* group, bool checkable) {
    QAction* a = menu.addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    if (group) {
        a->setActionGroup(group);
        a->setCheckable(true);
    }
    if (checkable) a->setCheckable(true);
    actions_[name] = a;
    return a;
}

QToolButton* MainWindow::MakeButton(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setAutoRaise(false);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    const auto addMenu = [&](QMenu& parentMenu, const char* name) {
        QMenu* m = parentMenu.addMenu(QString());
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        actions_[name] = m->menuAction();
        return m;
    };
    const auto topMenu = [&](const char* name) {
        QMenu* m = bar->addMenu(QString());
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        actions_[name] = m->menuAction();
        return m;
    };

    // Table drawing: grid lines, odd-even colouring, the comparison layout.
    QMenu* tables = topMenu("ables1");
    auto* lines = new QActionGroup(this);
    AddAction(*tables, "Alllines1", {}, lines);
    AddAction(*tables, "Rowlines1", {}, lines);
    AddAction(*tables, "Columnlines1", {}, lines);
    AddAction(*tables, "Noline1", {}, lines);
    connect(actions_["Noline1"], &QAction::triggered, this, [this] {
        session_.SetGridLines(0);
        SyncAll();
    });
    connect(actions_["Rowlines1"], &QAction::triggered, this, [this] {
        session_.SetGridLines(1);
        SyncAll();
    });
    connect(actions_["Columnlines1"], &QAction::triggered, this, [this] {
        session_.SetGridLines(2);
        SyncAll();
    });
    connect(actions_["Alllines1"], &QAction::triggered, this, [this] {
        session_.SetGridLines(3);
        SyncAll();
    });
    tables->addSeparator();
    AddAction(*tables, "NoOddEvenrowcolor1", QStringLiteral("Odd-Even row color"), nullptr, true);
    connect(actions_["NoOddEvenrowcolor1"], &QAction::triggered, this, [this] {
        session_.ToggleOddEvenRows();
        SyncAll();
    });
    tables->addSeparator();
    QMenu* compare = addMenu(*tables, "CompareStyle1");
    auto* compareGroup = new QActionGroup(this);
    AddAction(*compare, "Horizontaluntil3driver2", {}, compareGroup);
    AddAction(*compare, "Vertical2", {}, compareGroup);
    connect(actions_["Horizontaluntil3driver2"], &QAction::triggered, this,
            [this] { session_.SetCompareView(0); });
    connect(actions_["Vertical2"], &QAction::triggered, this,
            [this] { session_.SetCompareView(1); });

    // Themes, the Modern style and the dark levels.
    QMenu* themes = topMenu("hemes1");
    auto* themeGroup = new QActionGroup(this);
    const char* themeNames[] = {"standart1", "autumn1", "Winter1", "Spring1", "Summer1"};
    const char* themeTexts[] = {"Standart", "Autumn", "Winter", "Spring", "Summer"};
    for (int t = 0; t < 5; ++t) {
        QAction* a =
            AddAction(*themes, themeNames[t], QString::fromLatin1(themeTexts[t]), themeGroup);
        connect(a, &QAction::triggered, this, [this, t] {
            session_.ChooseTheme(t);
            ApplyTheme();
            SyncAll();
        });
    }
    themes->addSeparator();
    AddAction(*themes, "MoreStyle1", {}, nullptr, true);
    connect(actions_["MoreStyle1"], &QAction::triggered, this, [this] {
        session_.ToggleModern();
        ApplyTheme();
        SyncAll();
    });
    QMenu* dark = addMenu(*themes, "DarkLevel1");
    auto* darkGroup = new QActionGroup(this);
    const char* darkNames[] = {"N001", "N002", "N003", "N004"};
    const char* darkTexts[] = {"Normal", "1", "2", "3"};
    for (int i = 0; i < 4; ++i) {
        QAction* a = AddAction(*dark, darkNames[i], QString::fromLatin1(darkTexts[i]), darkGroup);
        connect(a, &QAction::triggered, this, [this, i] {
            session_.ChooseDarkLevel(i);
            ApplyTheme();
            SyncAll();
        });
    }

    // Font size of the main window (from the next start) and the driver windows' size.
    QMenu* fontSize = topMenu("FontSize1");
    QMenu* mainForm = addMenu(*fontSize, "MainForm1");
    auto* fontGroup = new QActionGroup(this);
    const std::pair<const char*, FontSizeItem> fontItems[] = {
        {"Automatic1", FontSizeItem::Automatic},
        {"Normal2", FontSizeItem::Normal},
        {"Big2", FontSizeItem::Big},
        {"Bigger1", FontSizeItem::Bigger}};
    for (const auto& [name, item] : fontItems) {
        QAction* a = AddAction(*mainForm, name, {}, fontGroup);
        const FontSizeItem chosen = item;
        connect(a, &QAction::triggered, this, [this, chosen] {
            prompts_.Inform(this, ToQt(session_.ChooseFontSize(chosen)));
            SyncMenuTicks();
        });
    }
    QMenu* driverWindow = addMenu(*fontSize, "AnalyzeWindow1");
    auto* statsGroup = new QActionGroup(this);
    const std::pair<const char*, std::uint8_t> statsItems[] = {
        {"Small1", StatsWindowSmall}, {"Normal1", StatsWindowNormal}, {"Big1", StatsWindowBig}};
    for (const auto& [name, size] : statsItems) {
        QAction* a = AddAction(*driverWindow, name, {}, statsGroup);
        const std::uint8_t chosen = size;
        connect(a, &QAction::triggered, this, [this, chosen] {
            // No statistics window is open that would need rescaling.
            session_.ChooseStatsWindowSize(chosen);
            SyncMenuTicks();
        });
    }

    // Language.
    QMenu* language = topMenu("Dil1");
    auto* languageGroup = new QActionGroup(this);
    connect(AddAction(*language, "TR1", {}, languageGroup), &QAction::triggered, this,
            [this] { ChooseLanguage(LanguageTurkish); });
    connect(AddAction(*language, "EN1", {}, languageGroup), &QAction::triggered, this,
            [this] { ChooseLanguage(LanguageEnglish); });
    connect(AddAction(*language, "Other1", {}, languageGroup), &QAction::triggered, this,
            [this] { ChooseLanguageFile(); });
}

void MainWindow::BuildCentral() {
    const double s = session_.ZoomFactor();
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("CentralArea"));
    central_->setAutoFillBackground(true);
    central_->installEventFilter(this);
    setCentralWidget(central_);

    image1_ = MakeLabel("Image1", central_);
    image1_->setScaledContents(true);
    image1_->hide();

    // ---- Tool bar: the all-seasons lists -----------------------------------------------
    QToolBar* panel1 = addToolBar(QStringLiteral("Panel1"));
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setMovable(false);
    panel1->setFloatable(false);
    for (const char* name : {"SpeedButton10", "SpeedButton7", "SpeedButton9"})
        panel1->addWidget(CommandButton(CommandNamed(SeasonListCommands, name), panel1));

    // ---- Grid panel --------------------------------------------------------------------
    panel8_ = new QWidget(central_);
    panel8_->setObjectName(QStringLiteral("Panel8"));
    auto* v8 = new QVBoxLayout(panel8_);
    v8->setContentsMargins(4, 2, 4, 2);
    v8->setSpacing(2);

    label5_ = MakeLabel("label5", panel8_);
    label5_->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("arial"));
    titleFont.setPixelSize(RoundHalfEven(16 * s));
    titleFont.setBold(true);
    label5_->setFont(titleFont);
    v8->addWidget(label5_);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(3);
    backButton_ = MakeButton("backbutton", QStringLiteral("<--"), panel8_);
    nextButton_ = MakeButton("nextbutton", QStringLiteral("-->"), panel8_);
    speedButton17_ = MakeButton("SpeedButton17", QStringLiteral("|"), panel8_);
    kopyala_ = MakeButton("kopyala", QStringLiteral("Copy to new table"), panel8_);
    kopyala_->setToolTip(QStringLiteral("Copy to new table"));
    button9_ = MakeButton("button9", QStringLiteral("HTML"), panel8_);
    button9_->setToolTip(QStringLiteral("Extract data as HTML"));
    for (QToolButton* b : {kopyala_, button9_}) {
        b->setMouseTracking(true);
        b->installEventFilter(this);
    }
    label1_ = MakeLabel("Label1", panel8_);
    label3_ = MakeLabel("Label3", panel8_);
    speedButton2_ = MakeButton("SpeedButton2", QStringLiteral("<< >>"), panel8_);
    speedButton2_->setToolTip(QStringLiteral("Wide table"));
    speedButton1_ = MakeButton("SpeedButton1", QStringLiteral(">> <<"), panel8_);
    speedButton1_->setToolTip(QStringLiteral("Normal table"));
    speedButton1_->hide();
    bar->addWidget(backButton_);
    bar->addWidget(nextButton_);
    bar->addWidget(speedButton17_);
    bar->addSpacing(RoundHalfEven(12 * s));
    bar->addWidget(kopyala_);
    bar->addWidget(button9_);
    bar->addSpacing(RoundHalfEven(12 * s));
    bar->addWidget(label1_);
    bar->addSpacing(RoundHalfEven(12 * s));
    bar->addWidget(label3_);
    bar->addStretch(1);
    bar->addWidget(speedButton2_);
    bar->addWidget(speedButton1_);
    v8->addLayout(bar);

    splitter1_ = new QSplitter(Qt::Vertical, panel8_);
    splitter1_->setObjectName(QStringLiteral("Splitter1"));
    splitter1_->setChildrenCollapsible(false);
    panel13_ = new QWidget(splitter1_);
    panel13_->setObjectName(QStringLiteral("Panel13"));
    auto* v13 = new QVBoxLayout(panel13_);
    v13->setContentsMargins(0, 0, 0, 0);
    tablo1_ = new GridView(session_, session_.ctx.grid.tablo1, panel13_);
    tablo1_->setObjectName(QStringLiteral("tablo1"));
    v13->addWidget(tablo1_);

    panel12_ = new QWidget(splitter1_);
    panel12_->setObjectName(QStringLiteral("Panel12"));
    auto* v12 = new QVBoxLayout(panel12_);
    v12->setContentsMargins(0, 2, 0, 0);
    v12->setSpacing(2);
    auto* head2 = new QHBoxLayout;
    label29_ = MakeLabel("Label29", panel12_);
    label29_->setFont(titleFont);
    label31_ = MakeLabel("Label31", panel12_);
    label4_ = MakeLabel("Label4", panel12_);
    speedButton12_ = MakeButton("SpeedButton12", QStringLiteral("X"), panel12_);
    speedButton12_->setToolTip(QStringLiteral("Close"));
    head2->addWidget(label29_);
    head2->addSpacing(RoundHalfEven(12 * s));
    head2->addWidget(label31_);
    head2->addSpacing(RoundHalfEven(12 * s));
    head2->addWidget(label4_);
    head2->addStretch(1);
    head2->addWidget(speedButton12_);
    v12->addLayout(head2);
    tablo2_ = new GridView(session_, session_.ctx.grid.tablo2, panel12_);
    tablo2_->setObjectName(QStringLiteral("tablo2"));
    v12->addWidget(tablo2_);
    panel12_->hide();
    splitter1_->addWidget(panel13_);
    splitter1_->addWidget(panel12_);
    v8->addWidget(splitter1_, 1);

    filterBox_ = new FilterBox(session_, panel13_);
    connect(filterBox_, &FilterBox::chosen, this, &MainWindow::OnFilterChosen);

    for (GridView* g : {tablo1_, tablo2_}) {
        connect(g, &GridView::cellPressed, this, &MainWindow::OnCellPressed);
        connect(g, &GridView::cellDoubleClicked, this, &MainWindow::OnCellDoubleClicked);
        connect(g, &GridView::cellSelected, this, &MainWindow::OnCellSelected);
    }
    connect(backButton_, &QToolButton::clicked, this, &MainWindow::Back);
    connect(nextButton_, &QToolButton::clicked, this, &MainWindow::Next);
    connect(speedButton17_, &QToolButton::clicked, this, &MainWindow::OpenHistoryMenu);
    connect(kopyala_, &QToolButton::clicked, this, &MainWindow::CopyToNewTable);
    connect(button9_, &QToolButton::clicked, this, &MainWindow::ExportHtml);
    connect(speedButton12_, &QToolButton::clicked, this, &MainWindow::CloseSecondTable);
    connect(speedButton2_, &QToolButton::clicked, this, [this] { StartWidening(true); });
    connect(speedButton1_, &QToolButton::clicked, this, [this] { StartWidening(false); });

    // ---- Right-hand panel: season and GP browser, championship panel -------------------
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

    // ---- Status line --------------------------------------------------------------------
    status_ = MakeLabel("status", this);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    // A fixed height: the status text must not move the panels above it.
    statusBar()->setFixedHeight(status_->fontMetrics().height() + 6);
}

void MainWindow::BuildPopups() {
    popupBack_ = new QMenu(this);
    popupBack_->setObjectName(QStringLiteral("PopupBack"));

    // The record popups of driver, team and track cells: a heading with the name the popup
    // was opened on, the submenus (whose captions become the record's track, season, team or
    // driver) and their record-list commands.
    const auto caption = [this](std::string_view item, std::string_view design) {
        const int slot = CaptionSlot(item);
        return slot ? ToQt(session_.langs.Text(slot)) : ToQtCaption(std::string(design));
    };
    const auto recordPopup = [&](GridPopup popup, const char* name, const char* heading) {
        QMenu* menu = new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        AddHeading(*menu, QString::fromLatin1(heading), {});
        menu->addSeparator();
        std::map<std::string_view, QMenu*> submenus;
        for (const RecordSubmenu& sub : RecordSubmenus()) {
            if (sub.Popup != popup) continue;
            QMenu* m = menu->addMenu(caption(sub.Item, sub.Caption));
            m->menuAction()->setObjectName(
                QString::fromUtf8(sub.Item.data(), static_cast<qsizetype>(sub.Item.size())));
            actions_[std::string(sub.Item)] = m->menuAction();
            submenus[sub.Item] = m;
        }
        for (const RecordMenuCommand& c : RecordMenuCommands()) {
            if (c.Popup != popup) continue;
            QMenu* target = c.Submenu.empty() ? menu : submenus.at(c.Submenu);
            const std::string item(c.Item);
            QAction* a = AddAction(*target, item.c_str(), caption(c.Item, c.Caption));
            const RecordMenuCommand* command = &c;
            connect(a, &QAction::triggered, this, [this, command] {
                session_.RunTableCommand(
                    [command](TableContext& ctx) { RunRecordMenuCommand(ctx, *command); });
                TableRebuilt();
            });
        }
        gridPopups_[popup] = menu;
        return menu;
    };
    QMenu* driver = recordPopup(GridPopup::Driver, "popupdriver", "Aboutdriver1");
    driver->addSeparator();
    QAction* highlight = driver->addAction(QString());
    highlight->setObjectName(QStringLiteral("Highlight1"));
    actions_["Highlight1"] = highlight;
    connect(highlight, &QAction::triggered, this, [this] {
        session_.ToggleHighlightOfSelectedDriver();
        tablo1_->viewport()->update();
        tablo2_->viewport()->update();
    });
    recordPopup(GridPopup::Team, "popupteam", "aboutteam1");
    recordPopup(GridPopup::Track, "Popuppist", "aboutpist1");

    // Points and championships of a driver or team named in a standings or champions table.
    QMenu* points = new QMenu(this);
    points->setObjectName(QStringLiteral("popuppoints"));
    AddHeading(*points, QStringLiteral("Driver1"), {});
    points->addSeparator();
    for (const char* name : {"pointsbyyear", "Championship1"})
        CommandItem(CommandNamed(ChampionshipCommands, name), *points);
    gridPopups_[GridPopup::DriverPoints] = points;

    QMenu* teamPoints = new QMenu(this);
    teamPoints->setObjectName(QStringLiteral("Popupteampoints"));
    AddHeading(*teamPoints, QStringLiteral("team1"), {});
    teamPoints->addSeparator();
    for (const char* name : {"Pointsbyyear1", "Championship2"})
        CommandItem(CommandNamed(ChampionshipCommands, name), *teamPoints);
    gridPopups_[GridPopup::TeamPoints] = teamPoints;

    // The GP list's label modes.
    popupMenu2_ = new QMenu(this);
    popupMenu2_->setObjectName(QStringLiteral("PopupMenu2"));
    auto* modes = new QActionGroup(popupMenu2_);
    for (const GPListModeItem& item : GPListModeItems) {
        QAction* a = AddAction(*popupMenu2_, std::string(item.Item).c_str(), {}, modes);
        const int mode = item.Mode;
        connect(a, &QAction::triggered, this, [this, mode] {
            SetGPListMode(session_.ctx, mode);
            SyncAll();
        });
    }
}

QToolButton* MainWindow::CommandButton(const MenuTableCommand& command, QWidget* parent) {
    const std::string name(command.Item);
    QToolButton* b = MakeButton(
        name.c_str(),
        QString::fromUtf8(command.Caption.data(), static_cast<qsizetype>(command.Caption.size())),
        parent);
    if (!command.Hint.empty())
        b->setToolTip(
            QString::fromUtf8(command.Hint.data(), static_cast<qsizetype>(command.Hint.size())));
    auto* run = command.Run;
    connect(b, &QToolButton::clicked, this, [this, run] { RunCommand(run); });
    return b;
}

QAction* MainWindow::CommandItem(const MenuTableCommand& command, QMenu& menu) {
    const std::string name(command.Item);
    QAction* a = AddAction(menu, name.c_str(), ToQt(session_.langs.Text(command.CaptionSlot)));
    auto* run = command.Run;
    connect(a, &QAction::triggered, this, [this, run] { RunCommand(run); });
    return a;
}

void MainWindow::RunCommand(void (*command)(TableContext&)) {
    session_.RunTableCommand(command);
    TableRebuilt();
}

QString MainWindow::ShowView(const QStringList& args) {
    std::vector<std::string> words;
    for (const QString& a : args)
        words.push_back(FromQt(a));
    std::string error;
    session_.RunTableCommand([&](TableContext& ctx) { error = ShowNamedView(ctx, words); });
    TableRebuilt();
    return ToQt(error);
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == central_ && event->type() == QEvent::Resize) LayoutPanels();
    if ((watched == kopyala_ || watched == button9_) &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
        ShowHint(static_cast<QToolButton*>(watched)->toolTip());
    if ((watched == kopyala_ || watched == button9_) && event->type() == QEvent::Leave)
        ClearHint(static_cast<QToolButton*>(watched)->toolTip());
    return QMainWindow::eventFilter(watched, event);
}

// ---- Showing state -----------------------------------------------------------------------------

void MainWindow::SyncAll() {
    SyncTables();
    SyncLabels();
    SyncBrowser();
    SyncInfoPanel();
    SyncHistoryButtons();
    SyncMenuTicks();
}

void MainWindow::TableRebuilt() {
    tablo1_->Reload();
    SyncAll();
}

void MainWindow::SyncTables() {
    tablo1_->viewport()->update();
    tablo1_->horizontalHeader()->viewport()->update();
    tablo1_->verticalHeader()->viewport()->update();
    tablo2_->viewport()->update();
    tablo2_->horizontalHeader()->viewport()->update();
    tablo2_->verticalHeader()->viewport()->update();
    const bool second = session_.ctx.grid.SecondTableVisible;
    if (panel12_->isVisible() != second) panel12_->setVisible(second);
}

void MainWindow::SyncLabels() {
    const ResultGrid& g = session_.ctx.grid;
    label5_->setText(LabelText(g.tablo1.TitleLabel));
    label1_->setText(LabelText(g.tablo1.CountLabel));
    label3_->setText(LabelText(g.tablo1.FilterLabel));
    label29_->setText(LabelText(g.tablo2.TitleLabel));
    label31_->setText(LabelText(g.tablo2.CountLabel));
    label4_->setText(LabelText(g.tablo2.FilterLabel));
    button9_->setVisible(g.HtmlButtonVisible);
    status_->setText(ToQt(session_.ctx.browser.Status));
}

void MainWindow::SyncBrowser() {
    const BrowserState& b = session_.ctx.browser;
    const auto fill = [](QListWidget* list, const std::vector<std::string>& items,
                         std::vector<std::string>& shown) {
        if (shown == items) return;
        const QSignalBlocker block(list);
        list->clear();
        for (const auto& i : items)
            list->addItem(ToQt(i));
        shown = items;
    };
    if (shownYears_ != b.Years) {
        const QSignalBlocker block(comboBox1_);
        comboBox1_->clear();
        for (const auto& y : b.Years)
            comboBox1_->addItem(ToQt(y));
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

void MainWindow::SyncHistoryButtons() {
    const NavigationHistory& h = session_.ctx.history;
    backButton_->setEnabled(h.BackEnabled());
    nextButton_->setEnabled(h.NextEnabled());
    speedButton17_->setEnabled(h.MenuButtonEnabled());
}

void MainWindow::SyncMenuTicks() {
    const The_Class& db = session_.db;
    const char* lineItems[] = {"Noline1", "Rowlines1", "Columnlines1", "Alllines1"};
    actions_[lineItems[db.GridLineStyle & 3]]->setChecked(true);
    actions_["NoOddEvenrowcolor1"]->setChecked(session_.OddEvenRowColour());
    actions_[db.CompareView == 0 ? "Horizontaluntil3driver2" : "Vertical2"]->setChecked(true);
    const char* themeNames[] = {"standart1", "autumn1", "Winter1", "Spring1", "Summer1"};
    actions_[themeNames[session_.palette.ThemeNumber]]->setChecked(true);
    actions_["MoreStyle1"]->setChecked(session_.palette.Modern);
    const char* darkNames[] = {"N001", "N002", "N003", "N004"};
    const int dark = DarkLevelMenuItem(db.DarkLevel);
    for (int i = 0; i < 4; ++i)
        actions_[darkNames[i]]->setChecked(i == dark);
    switch (session_.ChosenFontSizeItem()) {
    case FontSizeItem::Automatic:
        actions_["Automatic1"]->setChecked(true);
        break;
    case FontSizeItem::Normal:
        actions_["Normal2"]->setChecked(true);
        break;
    case FontSizeItem::Big:
        actions_["Big2"]->setChecked(true);
        break;
    case FontSizeItem::Bigger:
        actions_["Bigger1"]->setChecked(true);
        break;
    }
    switch (db.StatsWindowSize) {
    case StatsWindowSmall:
        actions_["Small1"]->setChecked(true);
        break;
    case StatsWindowBig:
        actions_["Big1"]->setChecked(true);
        break;
    case StatsWindowNormal:
        actions_["Normal1"]->setChecked(true);
        break;
    default:
        break;
    }
    const char* languageItems[] = {"TR1", "EN1", "Other1"};
    actions_[languageItems[std::min<int>(session_.langs.LanguageMode, 2)]]->setChecked(true);
}

void MainWindow::ApplyCaptions() {
    const Langs& l = session_.langs;
    for (const ControlSlot& c : MainWindowCaptions) {
        const std::string name(c.Control);
        const std::string& text = l.Text(c.Slot);
        if (auto it = actions_.find(name); it != actions_.end()) {
            it->second->setText(ToQt(text));
            continue;
        }
        const QString objectName = QString::fromStdString(name);
        if (auto* label = findChild<QLabel*>(objectName))
            label->setText(LabelText(text));
        else if (auto* button = findChild<QToolButton*>(objectName))
            button->setText(ToQt(text));
    }
    speedButton3_->setText(LabelText(l.Text(144)) + QStringLiteral(" \u25BC"));
    speedButton4_->setText(QStringLiteral("\u25B2"));
    infoLabels_["Label32"]->setText(LabelText(l.Text(180)));
}

void MainWindow::ApplyTheme() {
    const ThemePalette& pal = session_.palette;
    QPalette back = central_->palette();
    back.setColor(QPalette::Window, ToQColor(pal.WindowBackColor));
    for (QWidget* w : {static_cast<QWidget*>(central_), panel8_, panel2_, panel3_, panel4_,
                       gpbilgipanel_, panel12_, panel13_}) {
        w->setAutoFillBackground(true);
        w->setPalette(back);
    }
    const QString titleColour =
        QStringLiteral("QLabel { color: %1; }").arg(CssColour(pal.TitleLabelColor));
    label5_->setStyleSheet(titleColour);
    label29_->setStyleSheet(titleColour);
    const QString corner =
        QStringLiteral("QTableCornerButton::section { background-color: %1; border: none; }")
            .arg(CssColour(pal.FixedCellColor));
    tablo1_->setStyleSheet(corner);
    tablo2_->setStyleSheet(corner);
    for (QListWidget* list : {gpListBox1_, listBox2_, listBox3_}) {
        QPalette lp = list->palette();
        lp.setColor(QPalette::Base, ToQColor(pal.ListBack));
        list->setPalette(lp);
    }
    if (pal.DecorationVisible && !pal.DecorationRows.empty()) {
        QImage band(DecorationWidth, static_cast<int>(pal.DecorationRows.size()),
                    QImage::Format_RGB32);
        for (int y = 0; y < band.height(); ++y)
            for (int x = 0; x < DecorationWidth; ++x)
                band.setPixel(x, y, 0xFF000000u | pal.DecorationRows[static_cast<std::size_t>(y)]);
        image1_->setPixmap(QPixmap::fromImage(band));
        image1_->show();
    } else {
        image1_->hide();
    }
    StylePopup(*popupBack_, pal, session_.ZoomFactor());
    StylePopup(*popupMenu2_, pal, session_.ZoomFactor());
    for (auto& [kind, menu] : gridPopups_)
        StylePopup(*menu, pal, session_.ZoomFactor());
    LayoutPanels();
    SyncTables();
    comboBox1_->update();
    gpListBox1_->viewport()->update();
    listBox2_->viewport()->update();
    listBox3_->viewport()->update();
}

// ---- Grid handlers -----------------------------------------------------------------------------

void MainWindow::OnCellPressed(GridView* view, int col, int row, Qt::MouseButton button, bool ctrl,
                               QPoint globalPos) {
    const MouseButton b = button == Qt::LeftButton    ? MouseButton::Left
                          : button == Qt::RightButton ? MouseButton::Right
                                                      : MouseButton::Middle;
    const int filterLeft = col >= 0 ? view->TitleCellLeftInParent(col) : 0;
    const GridAction action =
        session_.interaction.MouseDown(view->Grid(), col, row, b, ctrl, filterLeft);
    if (action.DriverBoxText) session_.ctx.browser.DriverBox = *action.DriverBoxText;
    switch (action.Kind) {
    case GridActionKind::OpenPopup:
        OpenPopup(action.Popup, action.Captions, globalPos);
        break;
    case GridActionKind::RepaintGrids:
        SyncTables();
        break;
    case GridActionKind::FilterOpened: {
        filterBox_->setParent(view->parentWidget());
        filterBox_->Open(session_.filter.Box.Left, view->y(), session_.filter.Box.Width);
        break;
    }
    default:
        break;
    }
}

void MainWindow::OpenPopup(GridPopup popup, const std::vector<MenuCaption>& captions,
                           QPoint globalPos) {
    const auto it = gridPopups_.find(popup);
    if (it == gridPopups_.end()) return;
    QMenu* menu = it->second;
    for (const MenuCaption& c : captions) {
        QAction* a = menu->findChild<QAction*>(QString::fromStdString(c.Item));
        if (!a) continue;
        if (a->property("qorHeading").toBool())
            SetHeadingText(*a, ToQt(c.Caption));
        else
            a->setText(ToQtCaption(c.Caption));
    }
    openedPopup_ = menu;
    menu->popup(globalPos);
}

void MainWindow::OnCellDoubleClicked(GridView* view) {
    const GridAction action = session_.interaction.DoubleClick(view->Grid());
    if (action.DriverBoxText) session_.ctx.browser.DriverBox = *action.DriverBoxText;
    if (action.Kind == GridActionKind::ShowGP &&
        session_.ShowGPOfAction(action, tablo1_->VisibleRowCount()))
        TableRebuilt();
}

void MainWindow::OnCellSelected(GridView* view, int col, int row) {
    const CellSelection sel = session_.interaction.SelectCell(view->Grid(), col, row);
    if (!sel.Allowed) {
        view->ShowCurrentRow();
        return;
    }
    if (sel.Unchanged) return;
    if (sel.Status) session_.ctx.browser.Status = *sel.Status;
    if (sel.DriverBoxText) session_.ctx.browser.DriverBox = *sel.DriverBoxText;
    if (sel.GPInfo) {
        session_.ShowGPInfo(*sel.GPInfo);
        SyncInfoPanel();
    }
    status_->setText(ToQt(session_.ctx.browser.Status));
}

void MainWindow::OnFilterChosen(int index) {
    GridTable* grid = session_.filter.Box.Grid;
    session_.filter.Apply(index);
    GridView* view = grid == &session_.ctx.grid.tablo2 ? tablo2_ : tablo1_;
    view->ApplyRowHeights();
    SyncLabels();
}

// ---- Commands ----------------------------------------------------------------------------------

void MainWindow::Back() {
    session_.RunTableCommand([](TableContext& ctx) { ctx.history.Back(); });
    TableRebuilt();
}

void MainWindow::Next() {
    session_.RunTableCommand([](TableContext& ctx) { ctx.history.Next(); });
    TableRebuilt();
}

void MainWindow::OpenHistoryMenu() {
    popupBack_->clear();
    const NavigationHistory& h = session_.ctx.history;
    auto* group = new QActionGroup(popupBack_);
    for (int i = 0; i < h.HistCount(); ++i) {
        QAction* a = popupBack_->addAction(ToQtCaption(h.ItemCaption(i)));
        a->setCheckable(true);
        a->setActionGroup(group);
        a->setChecked(i == h.MarkedItem());
        connect(a, &QAction::triggered, this, [this, i] {
            session_.RunTableCommand([i](TableContext& ctx) { ctx.history.ChooseItem(i); });
            TableRebuilt();
        });
    }
    StylePopup(*popupBack_, session_.palette, session_.ZoomFactor());
    popupBack_->popup(speedButton17_->mapToGlobal(QPoint(5, 5)));
}

void MainWindow::CopyToNewTable() {
    if (session_.CopyToNewTable()) {
        panel12_->show();
        const int total = splitter1_->height();
        splitter1_->setSizes({total / 2, total - total / 2});
    }
    tablo2_->Reload();
    SyncAll();
}

void MainWindow::CloseSecondTable() {
    session_.CloseSecondTable();
    panel12_->hide();
    SyncAll();
}

void MainWindow::ExportHtml() {
    const HtmlExportResult r = session_.ExportHtml();
    if (r.Status == HtmlExportResult::Outcome::Written) {
        const QString path = QString::fromStdString(r.Path);
        if (!prompts_.OpenPage(path)) {
            // The page is there; the user may open it by hand.
            ShowStatus(QStringLiteral("  No program could open the page written to ") + path);
        }
    } else if (r.Status == HtmlExportResult::Outcome::Failed) {
        // No message box: the status line tells what could not be written.
        session_.ctx.browser.Status = "  " + r.Message;
        SyncLabels();
    }
}

void MainWindow::ChooseLanguage(std::uint8_t mode) {
    const LanguageLoadResult r = session_.ChooseLanguage(mode, settings_);
    if (r.FileWrong) prompts_.Inform(this, QString::fromLatin1(LanguageFileWrongMessage));
    ApplyCaptions();
    tablo1_->Reload();
    tablo2_->Reload();
    SyncAll();
}

void MainWindow::ChooseLanguageFile() {
    const QString picked =
        prompts_.PickLanguageFile(this, QString::fromStdString(session_.ProgramFolder));
    const auto r = session_.ChooseLanguageFile(picked.toStdString(), settings_);
    if (!r) {
        SyncMenuTicks();
        return;
    }
    if (r->FileWrong) prompts_.Inform(this, QString::fromLatin1(LanguageFileWrongMessage));
    ApplyCaptions();
    tablo1_->Reload();
    tablo2_->Reload();
    SyncAll();
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

void MainWindow::ShowHint(const QString& hint) {
    ShowStatus(QStringLiteral("---->   ") + hint + QStringLiteral("   <----"));
}

void MainWindow::ClearHint(const QString& hint) {
    if (status_->text() == QStringLiteral("---->   ") + hint + QStringLiteral("   <----"))
        ShowStatus(QString());
}

void MainWindow::ShowStatus(const QString& text) {
    session_.ctx.browser.Status = FromQt(text);
    status_->setText(ToQt(session_.ctx.browser.Status));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool mayClose = session_.ConfirmClose(
        [this](const std::string& question) { return prompts_.AskYesNo(this, ToQt(question)); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

} // namespace qor::app
