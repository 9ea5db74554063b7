#include "statistics/AnalyzeWindows.h"

#include "mainwindow/MainWindow.h"
#include "mainwindow/QtText.h"
#include "statistics/DriverFrameWidget.h"
#include "statistics/StatisticsWindow.h"
#include "statistics/WindowTiling.h"

#include <QAction>
#include <QMenu>
#include <QScreen>

namespace qor::app {

AnalyzeWindows::AnalyzeWindows(MainWindow& main, QMenu& menu, QAction* firstFixedItem)
    : QObject(&main), main_(main), menu_(menu), firstFixedItem_(firstFixedItem) {
    setObjectName(QStringLiteral("AnalyzeWindows"));
    SyncMenu();
}

StatisticsWindow* AnalyzeWindows::Find(const QString& caption) const {
    for (StatisticsWindow* w : windows_)
        if (w->windowTitle() == caption) return w;
    return nullptr;
}

StatisticsWindow* AnalyzeWindows::Analyze(std::uint16_t driver) {
    const QString name = ToQt(main_.Session().db.DriverName(driver));
    StatisticsWindow* w = OpenAnalyzeWindow(name);
    w->setWindowTitle(name);
    w->Frame().Analyze(driver);
    current_ = &w->Frame();
    w->Bring();
    return w;
}

StatisticsWindow* AnalyzeWindows::OpenAnalyzeWindow(const QString& caption) {
    if (StatisticsWindow* w = Find(caption)) return w;
    if (Count() >= MaxWindows) FreeOldest();

    auto* w = new StatisticsWindow(main_);
    w->setWindowTitle(caption);
    DriverFrameWidget* frame = &w->Frame();
    connect(w, &StatisticsWindow::activated, this,
            [this](StatisticsWindow* active) { current_ = &active->Frame(); });
    connect(frame, &DriverFrameWidget::labelEntered, this,
            [this](DriverFrameWidget* f) { current_ = f; });
    connect(frame, &DriverFrameWidget::tileAllRequested, this, &AnalyzeWindows::TileAll);
    connect(frame, &DriverFrameWidget::minimizeAllRequested, this, &AnalyzeWindows::MinimizeAll);
    connect(frame, &DriverFrameWidget::closeAllRequested, this, &AnalyzeWindows::CloseAll);
    connect(frame, &DriverFrameWidget::sizeRequested, this, [this](std::uint8_t size) {
        // The frame's "Smaller", "Normal" and "Bigger" are the main menu's size items.
        const char* item = size == 24 ? "Small1" : size == 26 ? "Big1" : "Normal1";
        if (auto* a = main_.findChild<QAction*>(QString::fromLatin1(item))) a->trigger();
    });

    auto* item = new QAction(ToQtCaption(FromQt(caption)), &menu_);
    item->setObjectName(QStringLiteral("analizsecim1"));
    connect(item, &QAction::triggered, w, &StatisticsWindow::Bring);
    menu_.insertAction(firstFixedItem_, item);

    windows_.push_back(w);
    items_.push_back(item);
    SyncMenu();
    return w;
}

void AnalyzeWindows::FreeOldest() {
    StatisticsWindow* oldest = windows_.front();
    if (current_ == &oldest->Frame()) current_ = nullptr;
    delete items_.front();
    delete oldest;
    windows_.erase(windows_.begin());
    items_.erase(items_.begin());
}

void AnalyzeWindows::SyncMenu() {
    menu_.menuAction()->setVisible(menu_.actions().size() > 3);
}

void AnalyzeWindows::TileAll() {
    const QScreen* screen = main_.screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    TilingScreen s;
    s.Width = area.width();
    s.Height = area.height();
    s.StatsWindowSize = main_.Session().db.StatsWindowSize;
    s.ZoomFactor = main_.Session().ZoomFactor();
    std::vector<TileWindowSize> sizes;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if ((*it)->isVisible()) ++s.VisibleCount;
        const QSize size = (*it)->frameGeometry().size();
        sizes.push_back({size.width(), size.height()});
    }
    const std::vector<TilePlace> places = TileWindows(s, sizes);
    for (std::size_t i = 0; i < places.size(); ++i) {
        StatisticsWindow* w = windows_[windows_.size() - 1 - i];
        if (!places[i].Placed) {
            w->close();
            continue;
        }
        w->move(area.left() + places[i].Left, area.top() + places[i].Top);
        w->showNormal();
        w->raise();
    }
}

void AnalyzeWindows::MinimizeAll() {
    for (StatisticsWindow* w : windows_)
        if (w->isVisible()) w->showMinimized();
}

void AnalyzeWindows::CloseAll() {
    for (StatisticsWindow* w : windows_)
        w->close();
}

void AnalyzeWindows::ViewAll() {
    for (StatisticsWindow* w : windows_)
        w->showNormal();
    TileAll();
}

void AnalyzeWindows::Restyle() {
    for (StatisticsWindow* w : windows_)
        w->Frame().ApplyLook();
}

} // namespace qor::app
