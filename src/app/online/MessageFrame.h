#pragma once
// The message board frame (TFrameMsg): a page of a board read from the service and drawn as
// one panel per message, and the writing page that sends a message or a mark. The messaging
// window and the guess game window each hold one, on their own board.

#include <QWidget>

#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTimer;

namespace qor::app {

class MainWindow;
class WindowRequest;

class MessageFrame : public QWidget {
    Q_OBJECT
  public:
    MessageFrame(MainWindow& main, QWidget* parent);

    // The board sent as msg_mode and the title over it.
    void SetBoard(const std::string& board, const QString& title);
    // SpeedButton1Click ("Get Page"): the chosen page; with a message id it is deleted first.
    void ReadPage(const std::string& deleteId = {});
    // SpeedButton3Click ("Send Message").
    void Send();
    // SpeedButton2Click / SpeedButton7Click.
    void ShowWritingPage();
    void ShowReadingPage();
    // A page was asked for at least once (the windows read page 0 on first showing).
    bool EverRead() const { return everRead_; }
    // A read or send request still running.
    bool Busy() const;
    // Message panels now shown ("pan1" ...).
    int PanelCount() const { return panelCount_; }
    // The background and the boxes in the theme's colours.
    void ApplyTheme();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildReadingPage();
    QWidget* BuildWritingPage();
    void ReadEnded(int state);
    void SendEnded(int state);
    // Timer_showmsg: the received page drawn once.
    void DrawPage();
    // SpeedButton4Click: the "<Delete>" of the message `id`.
    void AskDelete(const QString& id);
    // ComboBox2Change: a mark chosen while logged out is refused.
    void MarkChosen();
    QString Text(int slot) const;

    MainWindow& main_;
    std::string board_;
    std::string buffer_;
    bool everRead_ = false;
    bool sendAccepted_ = false; // the service's answer to the last send was an acceptance
    int panelCount_ = 0;

    QLabel* label8_ = nullptr;
    QWidget* panel1_ = nullptr;
    QWidget* panel3_ = nullptr;
    QPushButton* speedButton1_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    QLabel *label1_ = nullptr, *label2_ = nullptr, *label7_ = nullptr, *label10_ = nullptr;
    QScrollArea* scroll1_ = nullptr;
    QWidget* scrollBox_ = nullptr;
    QLabel *label5_ = nullptr, *label6_ = nullptr;
    QPlainTextEdit* memo2_ = nullptr;
    QPlainTextEdit* memo3_ = nullptr;
    QComboBox* comboBox2_ = nullptr;
    QPushButton* speedButton3_ = nullptr;
    QLabel* label3_ = nullptr;
    QTimer* timerShowmsg_ = nullptr;
    WindowRequest* read_ = nullptr;
    WindowRequest* send_ = nullptr;
};

} // namespace qor::app
