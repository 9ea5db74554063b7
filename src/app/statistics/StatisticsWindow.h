#pragma once
// A driver statistics window: a top-level window holding one statistics frame named "ss",
// captioned with the driver's name. Closing only hides it.

#include <QWidget>

namespace qor::app {

class DriverFrameWidget;
class MainWindow;

// One "Analyze driver" window; AnalyzeWindows creates, lists and frees them.
class StatisticsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StatisticsWindow(MainWindow& main);

    DriverFrameWidget& Frame() { return *frame_; }
    // Shows the window, restoring it when minimised, and brings it to the front.
    void Bring();

  signals:
    // The window became the active window (its frame becomes the current frame).
    void activated(StatisticsWindow* window);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    DriverFrameWidget* frame_ = nullptr;
};

} // namespace qor::app
