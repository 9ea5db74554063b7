#pragma once
// The two pages of the guess game window in the same place: the guess entry (Panel1) with its
// ten driver choosers, and the comparison of a player's guess with a race result (Panel3).

#include "online/GuessGame.h"

#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qor::app {

// The drivers offered for guessing: item 0 blank with id 0, then the service's list.
using GuessDriverList = std::vector<std::pair<int, std::string>>;

// Panel1: "Guess for" and the choosers Combobox1 .. Combobox10 (positions 1 to 8, fastest
// lap, pole position) with the "SAVE" button.
class GuessEntryPanel : public QWidget {
    Q_OBJECT
  public:
    explicit GuessEntryPanel(QWidget* parent);

    // The list of every chooser; the drivers chosen stay chosen when they are still listed.
    void SetDrivers(const GuessDriverList& drivers);
    // Each chooser the driver of its id (blank when the id is not listed).
    void Select(const online::GuessIds& ids);
    // The chosen ids, 0 where nothing is chosen.
    online::GuessIds Chosen() const;
    // Label49.
    void SetTitle(const QString& text);
    // Choosers 1 to 8 white, any two showing the same driver $AAAAFF.
    void MarkDuplicates();
    // The choosers in the theme's box colours.
    void ApplyTheme(const QColor& back, const QColor& text);
    QPushButton& SaveButton() { return *save_; }

  private:
    GuessDriverList drivers_;
    QComboBox* boxes_[10] = {};
    QLabel* title_ = nullptr;
    QPushButton* save_ = nullptr;
};

// Panel3: the race chooser ComboBox11, the guess (Edit1 .. Edit10) beside the result
// (Edit11 .. Edit20) and the points of the three sections.
class GuessComparePanel : public QWidget {
    Q_OBJECT
  public:
    explicit GuessComparePanel(QWidget* parent);

    // ComboBox11: one item per race, its key and name.
    void SetRaces(const std::vector<online::GuessRace>& races);
    // Label55.
    void SetUser(const QString& user);
    // The boxes and points of one race; a right guess of a listed driver is $BBFFBB.
    void Compare(const online::GuessIds& result, const online::GuessIds& guess,
                 const GuessDriverList& drivers);
    void ApplyTheme(const QColor& back, const QColor& text);
    QComboBox& RaceBox() { return *races_; }

  private:
    QComboBox* races_ = nullptr;
    QLabel* user_ = nullptr;
    QLineEdit* edits_[20] = {};
    QLabel* points_[3] = {};
    QColor back_ = Qt::white, text_ = Qt::black;
};

} // namespace qor::app
