#pragma once
// The "TOP LISTS" window (TForm12): the all-time three best drivers or teams in five
// categories on a painted background; a click on a name lists its records in the main window.

#include "statistics/TopLists.h"

#include <QWidget>

#include <array>

class QLabel;
class QToolButton;

namespace qor::app {

class MainWindow;

class TopListWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TopListWindow(MainWindow& main);

    // toplistopen: the captions of the current language, the drivers' lists, the window shown.
    void Open();
    // The "Drivers" and "Teams" buttons: compute, fill the fifteen rows, repaint and show.
    void ShowDrivers();
    void ShowTeams();
    // A click on the name of a row (place 0..2): runs its records command in the main window.
    void ClickName(TopListCategory category, int place);

    const TopLists& Lists() const { return lists_; }
    QLabel& NameLabel(TopListCategory category, int place) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Fill(TopLists lists);
    void ApplyCaptions();
    int Scaled(double v) const;

    MainWindow& main_;
    double scale_ = 1.0;
    TopLists lists_;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    std::array<QLabel*, TopListCategoryCount> captions_{};
    std::array<std::array<QLabel*, TopListPlaces>, TopListCategoryCount> ranks_{};
    std::array<std::array<QLabel*, TopListPlaces>, TopListCategoryCount> names_{};
    std::array<std::array<QLabel*, TopListPlaces>, TopListCategoryCount> values_{};
    std::array<QLabel*, TopListPlaces> years_{};
};

} // namespace qor::app
