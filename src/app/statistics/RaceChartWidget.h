#pragma once
// The race chart of a driver statistics frame (ScrollBox1 with its picture): the core's chart
// geometry painted row by row, the hover labels' texts and the clicks on a marker or a season.

#include "statistics/RaceChart.h"

#include <QColor>
#include <QScrollArea>

#include <cstdint>
#include <vector>

namespace qor::app {

// The scroll box holding the chart picture; it paints and hit-tests, its frame acts on clicks.
class RaceChartWidget : public QScrollArea {
    Q_OBJECT
  public:
    RaceChartWidget(const The_Class& db, QWidget* parent = nullptr);

    // DrawRaceChart: the geometry of a history for a window size and the fit toggle, painted
    // on `background`; no season is selected afterwards.
    void Draw(const std::vector<RaceHistoryEntry>& history, std::uint8_t statsWindowSize, bool fit,
              QColor background);
    // The highlighted season band (0: none).
    void SetSelectedSeason(int year);
    int SelectedSeason() const { return selectedSeason_; }
    const RaceChart& Geometry() const { return chart_; }
    // The picture widget: mouse positions in its coordinates are chart coordinates.
    QWidget& Canvas() { return *canvas_; }

  signals:
    // Over a marker: the GP's date, track and result; elsewhere three empty texts.
    void hovered(const QString& date, const QString& track, const QString& result);
    // A click on the marker of one of the driver's GPs.
    void markerClicked(std::uint16_t gp);
    // A click elsewhere on a row: the season holding it.
    void seasonClicked(int year);

  private:
    class Picture;
    friend class Picture;
    void Paint(QPainter& p, const QRect& area) const;
    void MouseMoved(QPoint at);
    void MousePressed(QPoint at);

    const The_Class& db_;
    RaceChart chart_;
    QColor background_;
    int selectedSeason_ = 0;
    QWidget* canvas_ = nullptr;
};

} // namespace qor::app
