// The race chart's geometry, hand-computed for a small history: scale and sizes per window
// size, season rows, marker rectangles and colours, the joining lines, and the hit test.

#include "statistics/RaceChart.h"
#include "support/StatisticsFixtures.h"

namespace qor::testing {
namespace {

using R = ChartRect;
using P = ChartPoint;
namespace col = chart_colour;

class RaceChartTest : public AnalysisTest {
  protected:
    // Ann: G1 DNQ, G2 first, G3 retired (1950); G4 second, G5 DNQ (1951).
    RaceChart AnnChart(int size = 25, bool fit = false) {
        return BuildRaceChart(*db_, Frame(ann_).History, size, fit);
    }
    static std::vector<R> Rects(const RaceChart& c) {
        std::vector<R> r;
        for (const ChartMarker& m : c.Markers)
            r.push_back(m.Rect);
        return r;
    }
};

TEST_F(RaceChartTest, NormalSizeFiveFixedRows) {
    const RaceChart c = AnnChart();
    EXPECT_DOUBLE_EQ(c.StatsScale, 1.0);
    EXPECT_EQ(c.FirstGP, g1_);
    EXPECT_EQ(c.N, 5);
    EXPECT_DOUBLE_EQ(c.RowHeight, 5.0);
    EXPECT_EQ(c.ChartWidth, 150);
    EXPECT_DOUBLE_EQ(c.PosScale, 7.5);
    EXPECT_EQ(c.MarkerSize, 8);
    // 4 + k x 7.5 for k = 1, 2, 3, 8; halves go to the even neighbour.
    EXPECT_EQ(c.ReferenceX, (std::array<int, 4>{12, 19, 26, 64}));
    // Unplaced entries sit at the right edge.
    EXPECT_EQ(Rects(c), (std::vector<R>{{142, 0, 150, 5},
                                        {18, 5, 26, 10},
                                        {142, 10, 150, 15},
                                        {25, 15, 33, 20},
                                        {142, 20, 150, 25}}));
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(c.Markers[i].Kind, i % 2 ? MarkerKind::Placed : MarkerKind::Unplaced) << i;
        EXPECT_EQ(c.Markers[i].GP, g1_ + i);
        EXPECT_EQ(c.Markers[i].HistoryIndex, static_cast<int>(i));
    }
    EXPECT_EQ(c.Markers[0].Fill, col::UnplacedFill);
    EXPECT_EQ(c.Markers[0].Outline, (ChartColour{210, 210, 255}));
    EXPECT_EQ(c.Markers[1].Fill, (ChartColour{0, 230, 0})); // a win is on the podium
    EXPECT_EQ(c.Markers[3].Fill, col::PodiumFill);

    ASSERT_EQ(c.Seasons.size(), 2u);
    const ChartSeason &s50 = c.Seasons[0], &s51 = c.Seasons[1];
    EXPECT_EQ(std::make_pair(s50.FirstRow, s50.RowCount), std::make_pair(0, 3));
    EXPECT_EQ(std::make_pair(s51.FirstRow, s51.RowCount), std::make_pair(3, 2));
    EXPECT_EQ(s50.TextAt, (P{1, 6}));
    // From the separator's left end to the centre of the win (row 1: 7.5 rounds to 8).
    EXPECT_EQ(s50.Line, (std::vector<P>{{0, 0}, {18, 8}}));
    EXPECT_EQ(s51.Line, (std::vector<P>{{0, 15}, {25, 18}}));
}

TEST_F(RaceChartTest, WindowSizes) {
    const RaceChart c = AnnChart(26, true); // a big window fitting the chart to its height
    EXPECT_DOUBLE_EQ(c.StatsScale, 1.2);
    EXPECT_EQ(c.ChartWidth, 188);         // 1.2 x 157 = 188.4
    EXPECT_EQ(c.MarkerSize, 10);          // 9.6
    EXPECT_NEAR(c.RowHeight, 63.6, 1e-9); // 265 x 1.2 / 5
    EXPECT_EQ(Rects(c), (std::vector<R>{{178, 0, 188, 64},
                                        {19, 64, 29, 127},
                                        {178, 127, 188, 191},
                                        {29, 191, 39, 254},
                                        {178, 254, 188, 318}}));
    EXPECT_EQ(c.Seasons[0].Line, (std::vector<P>{{0, 0}, {19, 95}}));

    const RaceChart small = AnnChart(24);
    EXPECT_NEAR(small.StatsScale, 1 / 1.2, 1e-12);
    EXPECT_EQ(small.ChartWidth, 121); // 145 / 1.2 = 120.8
    for (int size : {0, 23, 27, 200})
        EXPECT_EQ(AnnChart(size).ChartWidth, 150) << size;
}

TEST_F(RaceChartTest, GPsWithoutEntryAndPositionsBeyondTheScale) {
    const RaceChart c = BuildRaceChart(*db_, {{g2_, 4}, {g3_, 20}, {g4_, 0}, {g5_, 3}}, 25, false);
    ASSERT_EQ(c.N, 5);
    EXPECT_EQ(c.Markers[0].Kind, MarkerKind::NoEntry);
    EXPECT_EQ(c.Markers[0].HistoryIndex, -1);
    // 20 x 7.5 + 10 lies beyond the chart: the marker stops at the right edge. 3 x 7.5 = 22.5
    // goes to the even 22; so does the row centre 4 x 5 + 2.5.
    EXPECT_EQ(Rects(c), (std::vector<R>{{142, 0, 150, 5},
                                        {40, 5, 48, 10},
                                        {142, 10, 150, 15},
                                        {142, 15, 150, 20},
                                        {32, 20, 40, 25}}));
    EXPECT_EQ(c.Markers[2].Kind, MarkerKind::Placed);
    EXPECT_EQ(c.Markers[3].Kind, MarkerKind::Unplaced);
    EXPECT_EQ(c.Seasons[0].Line, (std::vector<P>{{0, 0}, {40, 8}, {142, 12}}));
    EXPECT_EQ(c.Seasons[1].Line, (std::vector<P>{{0, 15}, {32, 22}}));

    // Retirements only: no line. An empty history: nothing.
    for (const ChartSeason& s : BuildRaceChart(*db_, {{g1_, 0}, {g3_, 0}}, 25, false).Seasons)
        EXPECT_TRUE(s.Line.empty());
    const RaceChart empty = BuildRaceChart(*db_, {}, 25, true);
    EXPECT_TRUE(empty.Empty());
    EXPECT_FALSE(ChartHitTest(empty, *db_, 1, 1).Inside);
}

TEST_F(RaceChartTest, HitTestAndHover) {
    const RaceChart c = AnnChart();
    ChartHit h = ChartHitTest(c, *db_, 20, 7);
    EXPECT_EQ(h.GP, g2_);
    EXPECT_TRUE(h.OnMarker);
    EXPECT_EQ(h.Pos, 1);
    ChartHoverLabels l = ChartHover(*db_, h);
    EXPECT_EQ(l.Label20, db_->FormatDateAlt(db_->GPs[g2_].Date));
    EXPECT_EQ(l.Label21, "Monza");
    EXPECT_EQ(l.Label22, "1.");

    // Marker edges: left inclusive, right exclusive; row boundaries belong to the row below.
    EXPECT_TRUE(ChartHitTest(c, *db_, 18, 9).OnMarker);
    EXPECT_FALSE(ChartHitTest(c, *db_, 26, 7).OnMarker);
    EXPECT_EQ(ChartHitTest(c, *db_, 20, 5).Row, 1);
    EXPECT_EQ(ChartHover(*db_, ChartHitTest(c, *db_, 145, 12)).Label22, "Retired");

    // Elsewhere: the season is known, the labels are cleared.
    h = ChartHitTest(c, *db_, 5, 17);
    EXPECT_FALSE(h.OnMarker);
    EXPECT_EQ(h.GP, g4_);
    EXPECT_EQ(h.Season, 1951);
    l = ChartHover(*db_, h);
    EXPECT_EQ(l.Label20 + l.Label21 + l.Label22, "");
    EXPECT_FALSE(ChartHitTest(c, *db_, 20, 25).Inside);
    // A GP without the driver is no marker.
    const RaceChart other = BuildRaceChart(*db_, {{g2_, 4}}, 25, false);
    EXPECT_FALSE(ChartHitTest(other, *db_, 145, 2).OnMarker);

    EXPECT_EQ(SeasonBand(c, 1951), (R{0, 15, 150, 25}));
    EXPECT_EQ(SeasonBand(c, 1952), R{});
}

TEST_F(RaceChartTest, SpanCoversWholeSeasons) {
    // Bob's career runs 1950 to 2005: every GP of those seasons is a row; the empty seasons
    // between have a season row without GPs.
    const RaceChart c = BuildRaceChart(*db_, Frame(bob_).History, 25, false);
    EXPECT_EQ(c.N, 9);
    EXPECT_EQ(c.Seasons.size(), 56u); // 1950..2005
    EXPECT_EQ(c.Seasons[3].RowCount, 0);
    EXPECT_EQ(c.Markers[3].Kind, MarkerKind::Unplaced); // G4: DNS
}

} // namespace
} // namespace qor::testing
