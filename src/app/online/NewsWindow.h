#pragma once
// The "Qor News" window (TForm11): the news text of the web host, the progress line of the
// check and the drivers the driver update file added.

#include <QWidget>

#include <memory>

class QLabel;
class QPlainTextEdit;

namespace qor::online {
class NewsCheck;
}

namespace qor::app {

class MainWindow;

class NewsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit NewsWindow(MainWindow& main);
    // Waits for the downloads still running (their steps run here, on the GUI thread).
    ~NewsWindow() override;

    // LookforNewVersion1Click / Sbt23Click: refused with a message while a check runs;
    // otherwise the window shown and the check started against the configured web host.
    void Check();
    // Downloads and notifications of the check not yet ended.
    int Pending() const;

  private:
    MainWindow& main_;
    QPlainTextEdit* memo1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label1_ = nullptr;
    // Receives the check's steps; they die with the window.
    QObject* steps_ = nullptr;
    bool closing_ = false;
    std::unique_ptr<online::NewsCheck> check_;
};

} // namespace qor::app
