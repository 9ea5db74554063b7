#pragma once
// The questions and messages the main window puts to the user, and the desktop actions it
// asks for, behind one interface so that tests can answer them.

#include <QString>

class QDialog;
class QWidget;

namespace qor::app {

class Prompts {
  public:
    virtual ~Prompts() = default;
    // A message with an OK button.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
    // The open-file dialog of "Extra" language files, starting in `folder`; empty when the
    // user cancels.
    virtual QString PickLanguageFile(QWidget* parent, const QString& folder) = 0;
    // Opens a written page with the desktop's handler; false when none could open it.
    virtual bool OpenPage(const QString& path) = 0;
    // Shows a dialog modally; its result (QDialog::Accepted when it was saved).
    virtual int RunModal(QDialog& dialog) = 0;
    // The open-file dialog of "Import Old DB", starting in `folder`; empty when cancelled.
    virtual QString PickImportFile(QWidget* parent, const QString& folder) = 0;
};

// Message boxes, the file dialog and the desktop services.
class DesktopPrompts : public Prompts {
  public:
    void Inform(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
    QString PickLanguageFile(QWidget* parent, const QString& folder) override;
    bool OpenPage(const QString& path) override;
    int RunModal(QDialog& dialog) override;
    QString PickImportFile(QWidget* parent, const QString& folder) override;
};

} // namespace qor::app
