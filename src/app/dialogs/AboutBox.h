#pragma once
// The About dialog: product name, version and the credits of the shipped data.

#include <QDialog>

namespace qor::app {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent);
};

} // namespace qor::app
