#pragma once
// The team-mates window (TForm19): the seasons a driver drove for a team, the season's
// team-mates, and the two drivers' season figures side by side in compact statistics frames
// whose count labels put the pair's comparison into the main grid.

#include "statistics/TeamMates.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <string_view>

class QComboBox;
class QLabel;

namespace qor::app {

class DriverFrameWidget;
class MainWindow;

// The window itself; one lives beside the main window and is reopened for each driver.
class TeamMatesDialog : public QWidget {
    Q_OBJECT
  public:
    explicit TeamMatesDialog(MainWindow& main);
    ~TeamMatesDialog() override;

    // "TeamMate Compare": fills the window for the driver and team of SelectedRecord's result
    // record and shows it; false (nothing shown) when there is no such record.
    bool Open();

    const TeamMatesWindow& State() const { return state_; }
    // Frame 1 shows the examined driver, frame 2 his team-mate.
    DriverFrameWidget& Frame(int frame) { return *frames_[frame == 2 ? 1 : 0]; }
    // The frame the mouse last entered a figure of (null before).
    DriverFrameWidget* CurrentFrame() const { return current_; }

  private:
    // A count label of frame 1 or 2 was clicked: true when it is one of the compared figures.
    bool CountLabelClicked(int frame, std::string_view label);
    // Shows the state's boxes, labels and caption again.
    void Sync();
    // 40 pixels from the right and 80 from the bottom of the screen.
    void Place();

    MainWindow& main_;
    TeamMatesWindow state_;
    QComboBox* seasonbox_ = nullptr;
    QComboBox* teammatebox_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    std::array<DriverFrameWidget*, 2> frames_{};
    DriverFrameWidget* current_ = nullptr;
};

} // namespace qor::app
