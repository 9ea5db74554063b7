#include "statistics/RaceChartWidget.h"

#include "mainwindow/QtText.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace qor::app {
namespace {

QColor Rgb(ChartColour c) {
    return QColor(c.R, c.G, c.B);
}

QRect RectOf(const ChartRect& r) {
    return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

// The selected season's band: a pale yellow behind the rows.
const QColor BandColour(255, 250, 190);

} // namespace

// The chart picture inside the scroll box; it hands painting and mouse events to the chart.
class RaceChartWidget::Picture : public QWidget {
  public:
    Picture(RaceChartWidget& chart, QWidget* parent) : QWidget(parent), chart_(chart) {
        setObjectName(QStringLiteral("ChartPicture"));
        setMouseTracking(true);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        chart_.Paint(p, event->rect());
    }
    void mouseMoveEvent(QMouseEvent* event) override { chart_.MouseMoved(event->pos()); }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) chart_.MousePressed(event->pos());
    }
    void leaveEvent(QEvent*) override { emit chart_.hovered({}, {}, {}); }

  private:
    RaceChartWidget& chart_;
};

RaceChartWidget::RaceChartWidget(const The_Class& db, QWidget* parent)
    : QScrollArea(parent), db_(db) {
    setObjectName(QStringLiteral("ScrollBox1"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::StyledPanel);
    setWidgetResizable(false);
    canvas_ = new Picture(*this, this);
    setWidget(canvas_);
}

void RaceChartWidget::Draw(const std::vector<RaceHistoryEntry>& history,
                           std::uint8_t statsWindowSize, bool fit, QColor background) {
    chart_ = BuildRaceChart(db_, history, statsWindowSize, fit);
    background_ = background;
    selectedSeason_ = 0;
    // An empty chart keeps a blank picture the height of the box.
    canvas_->setFixedSize(chart_.ChartWidth, chart_.Empty() ? viewport()->height() : chart_.Height);
    setFixedWidth(chart_.ChartWidth + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
    verticalScrollBar()->setValue(0);
    canvas_->update();
}

void RaceChartWidget::SetSelectedSeason(int year) {
    if (year == selectedSeason_) return;
    selectedSeason_ = year;
    canvas_->update();
}

void RaceChartWidget::Paint(QPainter& p, const QRect& area) const {
    p.fillRect(area, background_);
    if (chart_.Empty()) return;
    if (selectedSeason_ != 0) {
        const ChartRect band = SeasonBand(chart_, selectedSeason_);
        if (band.Bottom > band.Top) p.fillRect(RectOf(band), BandColour);
    }

    QPen reference(Rgb(chart_colour::ReferenceLine), 2, Qt::DotLine);
    p.setPen(reference);
    for (int x : chart_.ReferenceX)
        p.drawLine(x, 0, x, chart_.Height);

    QFont years(QStringLiteral("Arial"));
    years.setPointSize(7);
    p.setFont(years);
    const int textHeight = QFontMetrics(years).height();
    for (const ChartSeason& s : chart_.Seasons) {
        p.setPen(QPen(Rgb(chart_colour::SeasonLine), 1));
        p.drawLine(chart_.ChartWidth, s.SeparatorY, 0, s.SeparatorY);
        p.setPen(Rgb(chart_colour::SeasonText));
        p.drawText(QRect(s.TextAt.X, s.TextAt.Y, chart_.ChartWidth, textHeight),
                   Qt::AlignLeft | Qt::AlignTop, QString::number(s.Year));
    }
    p.setPen(QPen(Rgb(chart_colour::PlacedOutline), 1));
    for (const ChartSeason& s : chart_.Seasons)
        for (std::size_t i = 1; i < s.Line.size(); ++i)
            p.drawLine(s.Line[i - 1].X, s.Line[i - 1].Y, s.Line[i].X, s.Line[i].Y);

    for (const ChartMarker& m : chart_.Markers) {
        const QRect r = RectOf(m.Rect);
        if (!r.intersects(area)) continue;
        p.fillRect(r, Rgb(m.Fill));
        // A fitted chart's rows can be a pixel or two high: an outline would hide the fill.
        if (r.height() < 3) continue;
        p.setPen(Rgb(m.Outline));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void RaceChartWidget::MouseMoved(QPoint at) {
    const ChartHoverLabels l = ChartHover(db_, ChartHitTest(chart_, db_, at.x(), at.y()));
    emit hovered(ToQt(l.Label20), ToQt(l.Label21), ToQt(l.Label22));
}

void RaceChartWidget::MousePressed(QPoint at) {
    const ChartHit hit = ChartHitTest(chart_, db_, at.x(), at.y());
    if (!hit.Inside) return;
    if (hit.OnMarker)
        emit markerClicked(hit.GP);
    else if (hit.Season != 0)
        emit seasonClicked(hit.Season);
}

} // namespace qor::app
