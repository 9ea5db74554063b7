#pragma once
// The "Record" dialog (TForm10): the widgets over the core's record dialog model, with the
// time-style panels composing "Time to save" as the user types.

#include "editing/RecordDialog.h"

#include <QDialog>

#include <array>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;

namespace qor {
class MainSession;
}

namespace qor::app {

class Prompts;

class RecordDialogWindow : public QDialog {
    Q_OBJECT
  public:
    RecordDialogWindow(MainSession& session, RecordDialog& model, Prompts& prompts,
                       QWidget* parent);

    // Button1Click.
    void Save();

  private:
    void Load();
    void Store();
    void PanelEdited();

    MainSession& session_;
    RecordDialog& model_;
    Prompts& prompts_;
    QLabel* gpdesc_ = nullptr;
    QLabel* gpdate_ = nullptr;
    QLabel* recno_ = nullptr;
    QComboBox* driver_ = nullptr;
    QComboBox* team_ = nullptr;
    QLineEdit* position_ = nullptr;
    QLineEdit* grid_ = nullptr;
    QComboBox* style_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    // The panels' fields, in the model's order: hours, minutes, seconds, thousandths; minutes,
    // seconds, thousandths behind; laps behind; the lap of retirement.
    std::array<QLineEdit*, 9> fields_{};
    QLineEdit* timeToSave_ = nullptr;
    QLineEdit* notes_ = nullptr;
};

} // namespace qor::app
