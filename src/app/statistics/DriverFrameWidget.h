#pragma once
// The driver statistics frame (TFrame4): a driver's figures on three pages (dates, counts with
// gauges, race chart) under a head with his name, nationality, flag and buttons. Every figure
// is a command that writes a table into the main window's grid.

#include "statistics/DriverAnalysis.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

class QLabel;
class QMenu;
class QProgressBar;
class QTimer;
class QToolButton;

namespace qor::app {

class MainWindow;
class RaceChartWidget;

// One driver's statistics frame; a statistics window holds one, the team-mates window two.
class DriverFrameWidget : public QWidget {
    Q_OBJECT
  public:
    explicit DriverFrameWidget(MainWindow& main, QWidget* parent = nullptr);
    ~DriverFrameWidget() override;

    // AnalyzeDriver into this frame (fromYear 0: the whole career) and shows the result.
    void Analyze(std::uint16_t driver, int fromYear = 0, int toYear = 0, bool resetHistory = true);
    const DriverFrame& Frame() const { return frame_; }
    // Shows the frame's figures again after its owner changed them through Frame().
    DriverFrame& Frame() { return frame_; }
    void SyncFigures();

    // The page buttons: "History", "Statistics" and the chart button (which shows the chart
    // beside the counts, or takes it away again).
    void ShowHistoryPage();
    void ShowStatisticsPage();
    void ToggleChart();
    bool ChartShown() const;

    // The compact view: the counts page alone with both page buttons, without the chart and
    // the buttons that act on every statistics window.
    void SetCompact();
    // Takes count-label clicks before the default command; a handler returning true has dealt
    // with the click.
    void SetCountLabelHandler(std::function<bool(std::string_view label)> handler);
    // The default command of a count label ("winslabel", ...): its list in the main grid.
    void RunCountCommand(std::string_view label);
    // A page button pressed here is pressed on the partner too (frames side by side).
    void SetPartner(DriverFrameWidget* partner) { partner_ = partner; }
    // Captions in the current language, colours of the current theme, fonts and sizes for the
    // current statistics window size; redraws a shown chart.
    void ApplyLook();

    RaceChartWidget& Chart() { return *chart_; }
    // A label of the frame by its design name (null when there is none).
    QLabel* Label(const QString& name) const;

  signals:
    // The mouse entered one of the date or count labels (the owner makes this frame current).
    void labelEntered(DriverFrameWidget* frame);
    // Head buttons acting on every statistics window, and the "Resize" popup's sizes.
    void tileAllRequested();
    void minimizeAllRequested();
    void closeAllRequested();
    void sizeRequested(std::uint8_t statsWindowSize);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Build();
    QLabel* AddLabel(const char* name, QWidget* parent, bool command = false);
    QToolButton* AddButton(const char* name, const QString& text, QWidget* parent);
    void ApplyCaptions();
    void ApplyScale();
    void PageButton(bool history, bool fromPartner);
    void DrawChart();
    void StartGauges();
    void GaugeTick();
    void LabelClicked(QLabel* label);
    void DateLabelClicked(const std::string& caption);
    void OpenTeamPopup();
    void SetHover(QLabel* label, bool on);
    void ChartHovered(const QString& date, const QString& track, const QString& result);
    void ChartMarkerClicked(std::uint16_t gp);
    void ChartSeasonClicked(int year);
    double Scale() const;

    MainWindow& main_;
    DriverFrame frame_;
    std::function<bool(std::string_view)> countHandler_;
    DriverFrameWidget* partner_ = nullptr;
    bool compact_ = false;

    std::map<QString, QLabel*> labels_;
    std::map<QObject*, QString> hints_;
    QWidget* panel6_ = nullptr;
    QWidget* panel1_ = nullptr;
    QWidget* panel2_ = nullptr;
    QWidget* panel3_ = nullptr;
    QLabel* image1_ = nullptr;
    QToolButton* history_ = nullptr;
    QToolButton* statistics_ = nullptr;
    QToolButton* chartButton_ = nullptr;
    QToolButton* fit_ = nullptr;
    QToolButton* resize_ = nullptr;
    QToolButton* view_ = nullptr;
    QWidget* windowButtons_ = nullptr;
    QToolButton* teamRecords_ = nullptr;
    QMenu* teamPopup_ = nullptr;
    std::array<QProgressBar*, GaugeCount> gauges_{};
    RaceChartWidget* chart_ = nullptr;
    QTimer* timer3_ = nullptr;
};

} // namespace qor::app
