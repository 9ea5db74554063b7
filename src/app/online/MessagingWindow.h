#pragma once
// The "Qor Messaging" window (TForm16): the message frame on the board "general".

#include <QWidget>

namespace qor::app {

class MainWindow;
class MessageFrame;

class MessagingWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MessagingWindow(MainWindow& main);

    // ReviewsandMessages1Click / Sbt24Click: the theme's colour, the window shown; the first
    // showing reads page 0.
    void Open();
    MessageFrame& Frame() { return *frame_; }

  private:
    MainWindow& main_;
    MessageFrame* frame_ = nullptr;
};

} // namespace qor::app
