#pragma once
// The "GP information" dialog (TForm9): the widgets over the core's GP dialog model. "Save"
// stores through the model and closes only when it was saved; a refusal is shown and the
// dialog stays open.

#include "editing/GPDialog.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace qor {
class MainSession;
}

namespace qor::app {

class Prompts;

class GPDialogWindow : public QDialog {
    Q_OBJECT
  public:
    GPDialogWindow(MainSession& session, GPDialog& model, Prompts& prompts, QWidget* parent);

    // Button2Click.
    void Save();

  private:
    void Load();
    void Store();
    void ShowPreviews();

    MainSession& session_;
    GPDialog& model_;
    Prompts& prompts_;
    QLineEdit* edit3_ = nullptr;
    QWidget* panel1_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* gpName_ = nullptr;
    QComboBox* track_ = nullptr;
    QLabel* label5_ = nullptr;
    QLineEdit* laps_ = nullptr;
    QComboBox* flDriver_ = nullptr;
    QLineEdit* flTime_ = nullptr;
    QLabel* label6_ = nullptr;
    QComboBox* poleDriver_ = nullptr;
    QLineEdit* poleTime_ = nullptr;
    QLabel* label7_ = nullptr;
};

} // namespace qor::app
