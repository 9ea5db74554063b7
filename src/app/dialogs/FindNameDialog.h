#pragma once
// The "Find Name" window (TForm3): searches drivers by a part of their name or of another
// spelling; a double click on a found line puts the driver into the main window's driver box.

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qor::app {

class MainWindow;

class FindNameDialog : public QWidget {
    Q_OBJECT
  public:
    explicit FindNameDialog(MainWindow& main);

    // SpeedButton13Click: the captions of the current language, then the window shown.
    void Open();
    // Button1Click (also Enter in the edit box): lists the lines found for the edit's text.
    void Search();
    // ListBox1DblClick on the line of `row`: the driver box takes its name and the window
    // closes. Nothing happens without a line there.
    void Choose(int row);

    QLineEdit& Edit() const { return *edit1_; }
    QListWidget& List() const { return *listBox1_; }

  private:
    MainWindow& main_;
    QLineEdit* edit1_ = nullptr;
    QPushButton* button1_ = nullptr;
    QListWidget* listBox1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
};

} // namespace qor::app
