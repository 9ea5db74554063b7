#pragma once
// The About dialog: product name, version and the credits of the shipped data.

#include <QDialog>

namespace qor::app {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    // title: the "About" caption of the current language.
    AboutBox(QWidget* parent, const QString& title);
};

} // namespace qor::app
