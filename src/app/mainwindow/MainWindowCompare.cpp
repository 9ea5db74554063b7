// The main window's compare list (Panel5: ComboBox6 and "Races"), the driver popup's
// "To Compare List" and "TeamMate Compare", and the named views that reach them.

#include "mainwindow/MainWindow.h"

#include "mainwindow/GridView.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "statistics/DriverComparison.h"
#include "statistics/RecordSubject.h"
#include "statistics/TeamMatesDialog.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace qor::app {

void MainWindow::BuildCompare() {
    // The list sits in the tool bar just left of the driver box: both work on drivers.
    auto* bar = findChild<QToolBar*>(QStringLiteral("Panel1"));
    panel5_ = new QWidget(bar);
    panel5_->setObjectName(QStringLiteral("Panel5"));
    auto* h5 = new QHBoxLayout(panel5_);
    h5->setContentsMargins(0, 0, 12, 0);
    h5->setSpacing(3);
    comboBox6_ = new QComboBox(panel5_);
    comboBox6_->setObjectName(QStringLiteral("ComboBox6"));
    comboBox6_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    h5->addWidget(comboBox6_);
    speedButton5_ =
        MakeButton("SpeedButton5", ToQt(session_.langs.Text(CaptionSlot("SpeedButton5"))), panel5_);
    h5->addWidget(speedButton5_);
    QAction* before = nullptr;
    for (QAction* a : bar->actions())
        if (bar->widgetForAction(a) == comboBox2_) before = a;
    panel5Action_ = bar->insertWidget(before, panel5_);

    connect(comboBox6_, &QComboBox::activated, this, [this](int index) {
        ComboBox6Click(session_.ctx, index);
        // The refilled box stands on its title again.
        SyncCompareList();
    });
    connect(speedButton5_, &QToolButton::clicked, this, [this] {
        RunTable([](TableContext& ctx) { SpeedButton5Click(ctx); });
        tablo1_->setFocus();
    });

    QMenu* driver = gridPopups_.at(GridPopup::Driver);
    const auto item = [&](const char* name, const char* design) {
        const int slot = CaptionSlot(name);
        return AddAction(*driver, name,
                         slot ? ToQtCaption(session_.langs.Text(slot))
                              : QString::fromLatin1(design));
    };
    connect(item("oCompareList1", "To Compare List"), &QAction::triggered, this, [this] {
        oCompareList1Click(session_.ctx);
        SyncCompareList();
    });
    connect(item("eamMate1", "TeamMate Compare"), &QAction::triggered, this,
            &MainWindow::OpenTeamMates);
    SyncCompareList();
}

void MainWindow::SyncCompareList() {
    const std::vector<std::string> items = CompareBoxItems(session_.ctx);
    if (items != shownCompareItems_) {
        const QSignalBlocker block(comboBox6_);
        comboBox6_->clear();
        for (const std::string& name : items)
            comboBox6_->addItem(ToQt(name));
        comboBox6_->setCurrentIndex(0);
        shownCompareItems_ = items;
    }
    panel5Action_->setVisible(ComparePanelVisible(session_.ctx));
}

QString MainWindow::ShowCompareView(const QStringList& args) {
    const bool compare = args[0] == QLatin1String("compare");
    // compare NAME NAME...: every argument a driver; teammates NAME TEAM: the first only.
    const qsizetype names = compare ? args.size() : std::min<qsizetype>(args.size(), 2);
    std::vector<std::uint16_t> drivers;
    for (qsizetype i = 1; i < names; ++i) {
        const std::uint16_t d = session_.db.FindDriver(FromQt(args[i]));
        if (!d) return QStringLiteral("no driver ") + args[i];
        drivers.push_back(d);
    }
    if (compare) {
        if (drivers.empty()) return QStringLiteral("compare takes one or more drivers' names");
        for (const std::uint16_t d : drivers)
            AddToCompareList(session_.ctx, d);
        SyncCompareList();
        RunTable([](TableContext& ctx) { SpeedButton5Click(ctx); });
        return {};
    }
    // The team-mates window opened as from the driver's first race for the team.
    if (args.size() != 3) return QStringLiteral("teammates takes a driver's name and a team");
    RecordSubjectQuery query;
    query.Driver = drivers.front();
    query.Team = static_cast<std::uint8_t>(session_.db.FindTeam(FromQt(args[2])));
    if (!query.Team) return QStringLiteral("no team ") + args[2];
    const std::uint16_t record = FirstMatchingResult(session_.db, query);
    if (!record) return args[1] + QStringLiteral(" never drove for ") + args[2];
    session_.ctx.grid.SelectedRecord = record;
    OpenTeamMates();
    return {};
}

void MainWindow::OpenTeamMates() {
    if (!teamMates_) teamMates_ = new TeamMatesDialog(*this);
    teamMates_->Open();
}

} // namespace qor::app
