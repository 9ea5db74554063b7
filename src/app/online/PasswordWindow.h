#pragma once
// The "My Password" window (TForm21): the logged-in user's password changed through the
// service; the status line keeps the lines of each attempt.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qor::app {

class MainWindow;
class WindowRequest;

class PasswordWindow : public QDialog {
    Q_OBJECT
  public:
    explicit PasswordWindow(MainWindow& main);

    // SB2Click: the checks, then the request.
    void ChangePassword();

  private:
    void ReplyArrived(const std::string& payload);
    void Ended(int state);
    void AddStatusLine(const QString& line);

    MainWindow& main_;
    WindowRequest* request_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QLabel* label13_ = nullptr;
    QPushButton* sb2_ = nullptr;
};

} // namespace qor::app
