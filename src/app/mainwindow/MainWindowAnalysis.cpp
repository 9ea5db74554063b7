// The main window's side of the driver statistics windows: "Analyze driver" from the driver
// box, a double click on a name or the driver popup's heading, the "Analyzes" menu and the
// "Statistics Window" sizes.

#include "mainwindow/MainWindow.h"

#include "mainwindow/GridView.h"
#include "mainwindow/QtText.h"
#include "statistics/AnalyzeWindows.h"
#include "statistics/DriverFrameCommands.h"
#include "statistics/DriverFrameWidget.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <QWidgetAction>

namespace qor::app {
namespace {

// Runs a command when a widget is clicked (the popup heading is a label, not an item).
class ClickFilter : public QObject {
  public:
    ClickFilter(QObject* parent, std::function<void()> onClick)
        : QObject(parent), onClick_(std::move(onClick)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            onClick_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onClick_;
};

} // namespace

void MainWindow::BuildAnalysis() {
    QAction* separator = analyzesMenu_->addSeparator();
    QAction* viewAll = AddAction(*analyzesMenu_, "ViewAll1", QStringLiteral("View All"));
    QAction* closeAll = AddAction(*analyzesMenu_, "CloseAll1", QStringLiteral("Close All"));
    analyzeWindows_ = new AnalyzeWindows(*this, *analyzesMenu_, separator);
    connect(viewAll, &QAction::triggered, analyzeWindows_, &AnalyzeWindows::ViewAll);
    connect(closeAll, &QAction::triggered, analyzeWindows_, &AnalyzeWindows::CloseAll);

    connect(button8_, &QToolButton::clicked, this, &MainWindow::AnalyzeDriverBox);
    // Choosing a name from the list, or Enter in the box, analyses at once.
    connect(comboBox2_, &QComboBox::activated, this, [this](int index) {
        SetDriverBox(comboBox2_->itemText(index));
        AnalyzeDriverBox();
    });
    connect(comboBox2_->lineEdit(), &QLineEdit::returnPressed, this, &MainWindow::AnalyzeDriverBox);

    // The driver popup's heading (the driver's name) analyses him too.
    QMenu* driverPopup = gridPopups_.at(GridPopup::Driver);
    auto* heading = qobject_cast<QWidgetAction*>(
        driverPopup->findChild<QAction*>(QStringLiteral("Aboutdriver1")));
    if (heading) {
        connect(heading, &QAction::triggered, this, &MainWindow::AnalyzeDriverBox);
        heading->defaultWidget()->installEventFilter(new ClickFilter(heading, [this, driverPopup] {
            driverPopup->close();
            AnalyzeDriverBox();
        }));
    }

    // These items' own handlers run first and leave the new size, palette or texts.
    for (const char* item :
         {"Small1", "Normal1", "Big1", "standart1", "autumn1", "Winter1", "Spring1", "Summer1",
          "MoreStyle1", "N001", "N002", "N003", "N004", "TR1", "EN1", "Other1"})
        connect(actions_.at(item), &QAction::triggered, analyzeWindows_, &AnalyzeWindows::Restyle);
}

void MainWindow::AnalyzeDriverBox() {
    const std::uint16_t driver = DriverBoxDriver(session_.ctx);
    SyncDriverBox();
    status_->setText(ToQt(session_.ctx.browser.Status));
    if (driver != 0) analyzeWindows_->Analyze(driver);
}

void MainWindow::RunTableAt(const std::function<void(TableContext&)>& command) {
    command(session_.ctx);
    TableRebuilt();
}

std::optional<QString> MainWindow::ShowAnalyzeView(const QStringList& args) {
    // "chart NAME" opens the analysis on its race chart.
    const bool chart = !args.isEmpty() && args.front() == QLatin1String("chart");
    if (args.isEmpty() || (args.front() != QLatin1String("analyze") && !chart)) return std::nullopt;
    if (args.size() < 2) return args.front() + QStringLiteral(" needs a driver name");
    SetDriverBox(args.mid(1).join(QLatin1Char(' ')));
    AnalyzeDriverBox();
    if (chart && analyzeWindows_->CurrentFrame()) analyzeWindows_->CurrentFrame()->ToggleChart();
    return QString();
}

} // namespace qor::app
