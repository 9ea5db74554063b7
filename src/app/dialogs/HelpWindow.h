#pragma once
// The usage help (TForm5): one button per section of the help file on the left, the chosen
// section's text on the right.

#include "lang/HelpText.h"

#include <QDialog>

#include <vector>

class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace qor::app {

class MainWindow;

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    // Neleryapabilirim1Click without the showing: captions of the current language, the help
    // file of the language read from the program folder, one button per section, the first
    // section shown.
    explicit HelpWindow(MainWindow& main);

    // A section button: its title line and the lines after it, scrolled to the top.
    void ShowSection(std::size_t section);

    const HelpText& Text() const { return help_; }
    const std::vector<QToolButton*>& SectionButtons() const { return sections_; }
    QPlainTextEdit& Display() const { return *memo2_; }

  private:
    HelpText help_;
    std::vector<QToolButton*> sections_;
    QPushButton* button1_ = nullptr;
    QPlainTextEdit* memo2_ = nullptr;
};

} // namespace qor::app
