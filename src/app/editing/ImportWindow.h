#pragma once
// The "Import old data" window: the differing GPs of an older data file on the left, the ones
// picked for import on the right, moved by double click, and "Import selected GPs".

#include "database/Import.h"

#include <QDialog>

class QListWidget;

namespace qor {
class MainSession;
}

namespace qor::app {

class Prompts;

class ImportWindow : public QDialog {
    Q_OBJECT
  public:
    // `session` must already be open on the old file.
    ImportWindow(MainSession& main, ImportSession& session, Prompts& prompts, QWidget* parent);

    QListWidget& OldList() { return *left_; }
    QListWidget& SelectedList() { return *right_; }
    // "Import selected GPs": the open database changes in memory; "Save changes" is enabled
    // when at least one GP was taken over.
    void ImportSelected();

  signals:
    // GPs were taken over: the main window shows its state again.
    void imported();

  private:
    void Fill();

    MainSession& main_;
    ImportSession& session_;
    Prompts& prompts_;
    QListWidget* left_ = nullptr;
    QListWidget* right_ = nullptr;
};

} // namespace qor::app
