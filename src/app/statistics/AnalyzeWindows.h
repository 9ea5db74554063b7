#pragma once
// The driver statistics windows of the main window: at most 30, oldest first, each listed in
// the "Analyzes" menu; opened or brought forward by "Analyze driver", tiled, minimised, shown,
// closed and resized together.

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class QAction;
class QMenu;

namespace qor::app {

class DriverFrameWidget;
class MainWindow;
class StatisticsWindow;

// Owns the statistics windows and their "Analyzes" menu items.
class AnalyzeWindows : public QObject {
    Q_OBJECT
  public:
    static constexpr int MaxWindows = 30;

    // `menu` is "Analyzes"; window items go in front of `firstFixedItem` (its separator before
    // "View All" and "Close All").
    AnalyzeWindows(MainWindow& main, QMenu& menu, QAction* firstFixedItem);

    // The driver's window opened or brought forward (the oldest freed when 30 are open), then
    // his whole career computed into it with the history rebuilt.
    StatisticsWindow* Analyze(std::uint16_t driver);

    int Count() const { return static_cast<int>(windows_.size()); }
    // Oldest first.
    StatisticsWindow* At(int i) const { return windows_[static_cast<std::size_t>(i)]; }
    // The window captioned `caption`, or null.
    StatisticsWindow* Find(const QString& caption) const;
    // The frame the label commands of the last analysis or the last activated window use.
    DriverFrameWidget* CurrentFrame() const { return current_; }

    // "Tile All": newest first in columns from the right edge of the screen; the windows that
    // no longer fit are closed.
    void TileAll();
    void MinimizeAll();
    // Closes (hides) every window.
    void CloseAll();
    // Restores and shows every window, then tiles them.
    void ViewAll();
    // A "Statistics Window" size, a theme or a language was chosen: every window takes it.
    void Restyle();

  private:
    StatisticsWindow* OpenAnalyzeWindow(const QString& caption);
    void FreeOldest();
    void SyncMenu();

    MainWindow& main_;
    QMenu& menu_;
    QAction* firstFixedItem_ = nullptr;
    std::vector<StatisticsWindow*> windows_;
    std::vector<QAction*> items_;
    DriverFrameWidget* current_ = nullptr;
};

} // namespace qor::app
