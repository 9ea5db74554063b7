#pragma once
// The "Log In" window (Tform18): the log-in page (user name, password, "Log In", "Sign Up",
// "Change My Password") and the sign-up page (user name, e-mail, the use of the address,
// "Send Info", "<Log In>"), each request run through the service.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace qor::app {

class MainWindow;
class WindowRequest;

class LoginWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LoginWindow(MainWindow& main);

    // Login1Click / Sbt26Click: the theme's colour, the log-in page, the window shown.
    void Open();
    // SpeedButton1Click ("<Log In>"): the log-in page; an empty user-name box takes the name
    // remembered in qoruser.txt.
    void ShowLoginPage();
    // SpeedButton8Click ("Sign Up").
    void ShowSignUpPage();
    // SpeedButton4Click ("Log In", Enter in the password box): both boxes filled -> request.
    void LogIn();
    // SpeedButton5Click ("Send Info"): the checks, then the sign-up request.
    void SignUp();

  private:
    void LoginReplyArrived(const std::string& payload);
    void LoginEnded(int state);
    void SignUpReplyArrived(const std::string& payload);
    void SignUpEnded(int state);
    void SetLabel7Bold(bool bold);
    QString StatusText(bool completed, const QString& success) const;

    MainWindow& main_;
    WindowRequest* request_ = nullptr;
    QWidget* panel4_ = nullptr;
    QWidget* panel5_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* label9_ = nullptr;
    QLabel* label14_ = nullptr;
    QLineEdit* edit6_ = nullptr;
    QLineEdit* edit7_ = nullptr;
    QRadioButton* radioButton1_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QLabel* label13_ = nullptr;
    QLabel* label17_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    // Shows the log-in reply's popup text once the request has ended.
    QTimer* timer1_ = nullptr;
    QString popupText_;
};

} // namespace qor::app
