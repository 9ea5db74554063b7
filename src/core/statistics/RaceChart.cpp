#include "statistics/RaceChart.h"

#include "mainwindow/Rounding.h"

#include <algorithm>
#include <cmath>

namespace qor {
namespace {

constexpr int NormalSize = 25;

int NormalisedSize(int statsWindowSize) {
    return statsWindowSize >= 24 && statsWindowSize <= 26 ? statsWindowSize : NormalSize;
}

int YearOfGP(const The_Class& db, int g) {
    return The_Class::YearOfDate(db.GPs[static_cast<std::size_t>(g)].Date);
}

bool ValidGP(const The_Class& db, int g) {
    return g >= 1 && g <= db.GPCount && g <= MaxGPs;
}

} // namespace

double StatsScaleOf(int statsWindowSize) {
    return std::pow(1.2, NormalisedSize(statsWindowSize) - NormalSize);
}

RaceChart BuildRaceChart(const The_Class& db, const std::vector<RaceHistoryEntry>& history,
                         int statsWindowSize, bool fit) {
    RaceChart c;
    const int size = NormalisedSize(statsWindowSize);
    c.StatsScale = StatsScaleOf(size);
    c.ChartWidth = RoundHalfEven(c.StatsScale * (size == 24 ? 145 : size == 25 ? 150 : 157));
    c.PosScale = c.ChartWidth / 20.0;
    c.MarkerSize = RoundHalfEven(c.StatsScale * 8);
    if (history.empty() || !ValidGP(db, history.front().GP) || !ValidGP(db, history.back().GP))
        return c;

    c.FirstSeason = YearOfGP(db, history.front().GP);
    c.LastSeason = YearOfGP(db, history.back().GP);
    if (!db.IsYearLoaded(c.FirstSeason) || !db.IsYearLoaded(c.LastSeason) ||
        c.LastSeason < c.FirstSeason)
        return c;
    const int firstGP = db.Seasons[c.FirstSeason].FirstGP;
    const int lastGP =
        std::min<int>(db.Seasons[c.LastSeason].LastGP, std::min<int>(db.GPCount, MaxGPs));
    if (firstGP < 1 || lastGP < firstGP) return c;
    c.FirstGP = static_cast<std::uint16_t>(firstGP);
    c.N = lastGP - firstGP + 1;
    c.RowHeight = fit ? 265.0 * c.StatsScale / c.N : 5.0;
    c.Height = RoundHalfEven(c.N * c.RowHeight);

    const std::array<int, 4> ks = {1, 2, 3, 8};
    for (std::size_t i = 0; i < ks.size(); ++i)
        c.ReferenceX[i] = RoundHalfEven(c.MarkerSize / 2.0 + ks[i] * c.PosScale);

    const int rightX = c.ChartWidth - c.MarkerSize;
    std::size_t e = 0;
    for (int year = c.FirstSeason; year <= c.LastSeason; ++year) {
        const TSeasonRow& s = db.Seasons[year];
        ChartSeason season;
        season.Year = year;
        season.FirstRow = s.FirstGP - firstGP;
        const int y = RoundHalfEven(season.FirstRow * c.RowHeight);
        season.TextAt = {1, y + RoundHalfEven(6 * c.StatsScale)};
        season.SeparatorY = y;
        // The pen stands at the separator's left end when the season's first finish is joined.
        ChartPoint pen{0, y};
        for (int g = std::max<int>(s.FirstGP, firstGP); g <= s.LastGP && g <= lastGP; ++g) {
            const int row = g - firstGP;
            ++season.RowCount;
            ChartMarker m;
            m.GP = static_cast<std::uint16_t>(g);
            m.Row = row;
            m.Rect.Top = RoundHalfEven(row * c.RowHeight);
            m.Rect.Bottom = RoundHalfEven((row + 1) * c.RowHeight);
            while (e < history.size() && history[e].GP < g)
                ++e; // an entry outside the span's order is never drawn
            if (e < history.size() && history[e].GP == g) {
                m.HistoryIndex = static_cast<int>(e);
                m.Pos = history[e].Pos;
                ++e;
                if (m.Pos == 0) {
                    m.Kind = MarkerKind::Unplaced;
                    m.Rect.Left = rightX;
                    m.Fill = chart_colour::UnplacedFill;
                    m.Outline = chart_colour::UnplacedOutline;
                } else {
                    m.Kind = MarkerKind::Placed;
                    m.Rect.Left =
                        std::min(RoundHalfEven(m.Pos * c.PosScale) + ChartLeftMargin, rightX);
                    m.Fill = m.Pos <= 3 ? chart_colour::PodiumFill : chart_colour::PlacedFill;
                    m.Outline = chart_colour::PlacedOutline;
                    const ChartPoint centre{m.Rect.Left,
                                            RoundHalfEven(row * c.RowHeight + c.RowHeight / 2)};
                    if (season.Line.empty()) season.Line.push_back(pen);
                    season.Line.push_back(centre);
                    pen = centre;
                }
            } else {
                m.Kind = MarkerKind::NoEntry;
                m.Rect.Left = rightX;
                m.Fill = chart_colour::NoEntryFill;
                m.Outline = chart_colour::NoEntryOutline;
            }
            m.Rect.Right = m.Rect.Left + c.MarkerSize;
            c.Markers.push_back(m);
        }
        c.Seasons.push_back(std::move(season));
    }
    return c;
}

ChartHit ChartHitTest(const RaceChart& chart, const The_Class& db, int x, int y) {
    ChartHit hit;
    if (chart.Empty() || y < 0 || chart.RowHeight <= 0) return hit;
    const int row = static_cast<int>(std::trunc(y / chart.RowHeight));
    if (row >= chart.N || row >= static_cast<int>(chart.Markers.size())) return hit;
    hit.Inside = true;
    hit.Row = row;
    hit.GP = static_cast<std::uint16_t>(chart.FirstGP + row);
    hit.Season = ValidGP(db, hit.GP) ? YearOfGP(db, hit.GP) : 0;
    const ChartMarker& m = chart.Markers[static_cast<std::size_t>(row)];
    if (m.Kind != MarkerKind::NoEntry && x >= m.Rect.Left && x < m.Rect.Right) {
        hit.OnMarker = true;
        hit.Pos = m.Pos;
    }
    return hit;
}

ChartHoverLabels ChartHover(const The_Class& db, const ChartHit& hit) {
    ChartHoverLabels l;
    if (!hit.OnMarker || !ValidGP(db, hit.GP)) return l;
    const TGPRow& gp = db.GPs[hit.GP];
    l.Label20 = db.FormatDateAlt(gp.Date);
    l.Label21 = db.TrackNameOf(gp.Track);
    l.Label22 = hit.Pos == 0 ? "Retired" : std::to_string(hit.Pos) + ".";
    return l;
}

ChartRect SeasonBand(const RaceChart& chart, int year) {
    for (const ChartSeason& s : chart.Seasons) {
        if (s.Year != year) continue;
        return ChartRect{0, RoundHalfEven(s.FirstRow * chart.RowHeight), chart.ChartWidth,
                         RoundHalfEven((s.FirstRow + s.RowCount) * chart.RowHeight)};
    }
    return {};
}

} // namespace qor
