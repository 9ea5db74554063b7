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
            // The open statistics windows follow through BuildAnalysis's handler.
            session_.ChooseStatsWindowSize(chosen);
            SyncMenuTicks();
        });
    }

    // The statistics windows' menus; their items are added by the windows' builders.
    overallMenu_ = topMenu("OverallStatistics1");
    analyzesMenu_ = topMenu("Analyzes1");

    // Language.
    QMenu* language = topMenu("Dil1");
    auto* languageGroup = new QActionGroup(this);
    connect(AddAction(*language, "TR1", {}, languageGroup), &QAction::triggered, this,
            [this] { ChooseLanguage(LanguageTurkish); });
    connect(AddAction(*language, "EN1", {}, languageGroup), &QAction::triggered, this,
            [this] { ChooseLanguage(LanguageEnglish); });
    connect(AddAction(*language, "Other1", {}, languageGroup), &QAction::triggered, this,
            [this] { ChooseLanguageFile(); });

    helpMenu_ = topMenu("Help1");
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
        if (tablo2_) tablo2_->viewport()->update();
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
    // The compare list's races and the team-mates window.
    if (!args.isEmpty() &&
        (args[0] == QLatin1String("compare") || args[0] == QLatin1String("teammates")))
        return ShowCompareView(args);
    // The statistics windows and small dialogs open by name before the core's tables.
    if (QString error; ShowStatisticsView(args, error)) return error;
    if (const std::optional<QString> analysis = ShowAnalyzeView(args)) return *analysis;
    if (const std::optional<QString> edit = ShowEditView(args)) return *edit;
    if (const std::optional<QString> online = ShowOnlineView(args)) return *online;
    std::vector<std::string> words;
    for (const QString& a : args)
        words.push_back(FromQt(a));
    std::string error;
    session_.RunTableCommand([&](TableContext& ctx) { error = ShowNamedView(ctx, words); });
    TableRebuilt();
    return ToQt(error);
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

void MainWindow::ChooseLanguage(std::uint8_t mode) {
    const LanguageLoadResult r = session_.ChooseLanguage(mode, settings_);
    if (r.FileWrong) prompts_.Inform(this, QString::fromLatin1(LanguageFileWrongMessage));
    ApplyCaptions();
    tablo1_->Reload();
    if (tablo2_) tablo2_->Reload();
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
    if (tablo2_) tablo2_->Reload();
    SyncAll();
}
} // namespace qor::app
