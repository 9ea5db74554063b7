#pragma once
// The "F1 Guess Game" window (TForm20): the Grand Prix open for guessing, the user's guess,
// the ranking of players, a player's past guesses against the race results, the players'
// messages and the embedded board "guess". Every request is the one guess request with its
// own fields; the reply's sections are read in their fixed order.

#include "online/GuessGame.h"
#include "online/GuessPanels.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace qor::app {

class MainWindow;
class MessageFrame;
class WindowRequest;

class GuessWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GuessWindow(MainWindow& main);

    // Sbt28Click: the user's name, the theme's colours; the first opening asks for the
    // players' page 0.
    void Open();
    // SpeedButton7Click ("GET PAGE") and ComboBox12Change: the chosen page of players.
    void RequestPlayers();
    // SpeedButton2Click ("<Make Guess>").
    void MakeGuess();
    // SpeedButton1Click ("SAVE").
    void SaveGuess();
    // SpeedButton3Click ("View Player's Guess History").
    void ViewHistory();
    // ComboBox11Change: race `index` of the chooser compared.
    void CompareRace(int index);
    // SpeedButton9Click ("<Open Guess Messages>") and "RETURN to F1 GUESS".
    void OpenMessages();
    void CloseMessages();
    // A request of the window or its board still running.
    bool Busy() const;
    // The extra fields sent with every request (until a reply brought the results).
    const std::string& Extra() const { return guessExtra_; }
    MessageFrame& Frame() { return *frame_; }

  private:
    QWidget* BuildHeader();
    QWidget* BuildPlayers();
    // Starts a request with the window's own fields; false (with the busy message) while one
    // is running.
    bool Start(const std::string& ownPart);
    void Ended(int state);
    // Timer_guess: the reply's sections, once.
    void Interpret();
    void ApplyTheme();
    // Label13: the user's name when logged in.
    void ShowUser();
    void ShowPage(QWidget* page);

    MainWindow& main_;
    WindowRequest* request_ = nullptr;
    QTimer* timerGuess_ = nullptr;
    std::string payload_;
    std::string guessExtra_;
    GuessDriverList drivers_;
    std::vector<online::GuessRace> races_;  // the results, with the viewed player's guesses
    std::vector<online::GuessIds> guessed_; // by race
    online::GuessRace myGuess_;
    bool opened_ = false;

    QLabel *label74_ = nullptr, *label77_ = nullptr, *label78_ = nullptr, *label16_ = nullptr;
    QLabel *label13_ = nullptr, *label58_ = nullptr, *progress_ = nullptr;
    QPushButton* getPage_ = nullptr;
    QPushButton* returnButton_ = nullptr;
    GuessEntryPanel* panel1_ = nullptr;
    GuessComparePanel* panel3_ = nullptr;
    QWidget* panel2_ = nullptr;
    QWidget* panel4_ = nullptr;
    MessageFrame* frame_ = nullptr;
    QListWidget* listBox1_ = nullptr;
    QComboBox* comboBox12_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
};

} // namespace qor::app
