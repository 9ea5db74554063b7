#pragma once
// The "Shared GP Results" window (TForm17): the Grands Prix the service's pool offers, the
// sources of one of them, one source's content and its saving into the database.

#include "online/SharedGP.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QTimer;

namespace qor::online {
class tQorConnect;
}

namespace qor::app {

class MainWindow;
class WindowRequest;

class SharedResultsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit SharedResultsWindow(MainWindow& main);
    ~SharedResultsWindow() override;

    // The pages: 0 the list, 1 the sources of a GP, 2 one source.
    void ShowPage(int page);
    int Page() const;
    // The grids in the theme's colours (each time the window is opened).
    void ApplyTheme();
    // SpeedButton1Click ("<Refresh List>"): the list request.
    void RefreshList();
    // gridlist1DblClick: the sources of the current GP row.
    void OpenCurrentGP();
    // gridlist2DblClick: the content of the current source (the log-in window when logged out).
    void OpenCurrentSource();
    // The content of a source, without the double click's log-in check (for pictures).
    void OpenSource(const QString& gpId);
    // SpeedButton7Click ("<SAVE This GP>").
    void SaveShownGP();
    // A request of any page still running.
    bool Busy() const;

  private:
    struct PageParts {
        QWidget* panel = nullptr;
        QTableWidget* grid = nullptr;
        QLabel *status = nullptr, *progress = nullptr, *message = nullptr;
        WindowRequest* request = nullptr;
        QPushButton* button = nullptr; // disabled while the page's request runs
    };
    QWidget* BuildPage(int index, QPushButton* button);
    QWidget* BuildContentLabels();
    // Starts a page's request: status and message lines reset, its button disabled.
    void Start(int page, std::string body, std::function<void(const std::string&)> onPayload,
               std::function<void(int)> onEnd);
    // The status line after a page's request; the no-message text when the server sent none.
    void Ended(int page, int state, const char* noMessage);
    void ListArrived(const std::string& payload);
    void ListEnded(int state);
    void SourcesArrived(const std::string& payload);
    void ContentArrived(const std::string& payload);
    void ContentEnded(int state);
    // Timer4: the main window's status cleared, the pending message shown, the button of the
    // main window set flashing when the window is hidden.
    void PendingTick();
    // Row 0 of rows as the header, the others as the grid's rows, the page's widths.
    void FillGrid(QTableWidget& grid, const online::SharedGrid& rows, int page);
    // Column 1 of a grid's current row (clamped to the data rows); empty when there is none.
    QString CurrentKey(const QTableWidget& grid, int* row = nullptr) const;

    MainWindow& main_;
    QStackedWidget* pages_ = nullptr;
    QLabel* title_ = nullptr;
    PageParts page_[3];
    QCheckBox* checkBox1_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* back3_ = nullptr;
    // Page 3's GP labels: date, track, name, fastest lap and pole with times, laps.
    QLabel* gpLabels_[8] = {};
    QTimer* timer4_ = nullptr;
    std::string selectedGPId_;
    QString pendingMessage_;
    std::optional<online::SourceContent> content_;
    // The acknowledgement of the last save: sent only, kept until the next one.
    std::unique_ptr<online::tQorConnect> acknowledge_;
};

} // namespace qor::app
