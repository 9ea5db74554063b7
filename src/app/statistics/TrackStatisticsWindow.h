#pragma once
// The "Pist Statistics" window (TForm13): four fixed-pitch lists of per-track records since
// 1980, one shown at a time; a click on a line leads into the main window.

#include "statistics/TrackStatistics.h"

#include <QDialog>

#include <array>

class QLabel;
class QListWidget;
class QToolButton;

namespace qor::app {

class MainWindow;

class TrackStatisticsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit TrackStatisticsWindow(MainWindow& main);

    // PistStatistics1Click: computes and fills the lists, shows the best laps, the captions of
    // the current language, the window shown (not modal).
    void Open();
    // SB1..SB4: shows list 1..4 and hides the others.
    void ShowPistList(int list);
    // A click on line `index` of list 1..4 (the header line does nothing).
    void ClickLine(int list, int index);

    QListWidget& List(int list) const { return *lists_[static_cast<std::size_t>(list - 1)]; }
    const TrackStatistics& Statistics() const { return stats_; }

  private:
    MainWindow& main_;
    TrackStatistics stats_;
    std::array<QListWidget*, PistListCount> lists_{};
    std::array<QToolButton*, PistListCount> buttons_{};
    QLabel* label1_ = nullptr;
};

} // namespace qor::app
