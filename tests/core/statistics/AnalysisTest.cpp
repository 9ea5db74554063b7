// The driver analysis on a small built database: figures and texts, the commands behind the
// frame's labels, and the race chart's geometry and hit test.

#include "database/Flags.h"
#include "statistics/DriverCareerLists.h"
#include "statistics/DriverFrameCommands.h"
#include "statistics/GeneralNumberText.h"
#include "statistics/RaceChart.h"
#include "statistics/RecordMenus.h"
#include "support/StatisticsFixtures.h"

#include <tuple>

namespace qor::testing {
namespace {

// The frame's count labels by name, in the order the frame shows them.
std::vector<std::pair<const char*, const std::string*>> Counts(const DriverFrame& f) {
    // clang-format off
    return {{"allraceslabel", &f.allraceslabel}, {"raceslabel", &f.raceslabel},
            {"winslabel", &f.winslabel}, {"podiumslabel", &f.podiumslabel},
            {"fastestlapslabel", &f.fastestlapslabel}, {"poleslabel", &f.poleslabel},
            {"retirementslabel", &f.retirementslabel}, {"DNQLABEL", &f.DNQLABEL},
            {"DNSLABEL", &f.DNSLABEL}, {"DNPQLABEL", &f.DNPQLABEL}, {"disqlabel", &f.disqlabel}};
    // clang-format on
}

// The count labels, points and first and last GP of a frame on one line.
std::string Summary(const DriverFrame& f) {
    std::string s;
    for (const auto& [name, text] : Counts(f))
        s += *text + "/";
    return s + " " + f.totalpointlabel + " " + f.firstgplabel + "-" + f.lastgplabel;
}

TEST_F(AnalysisTest, CountsOfEachCareer) {
    const std::tuple<std::uint16_t, int, int, const char*, const char*> cases[] = {
        {ann_, 0, 0, "5/3/1/2/1/2/1/2/0/0/0/ 17.5 Monza'50-Silverstone'51",
         "DNQs are entries, not starts, retirements or career ends; a shared car counts once"},
        {ann_, 1951, 1951, "2/1/0/1/0/1/0/1/0/0/0/ 9 Silverstone'51-Silverstone'51", "one season"},
        {cid_, 0, 0, "8/7/3/6/2/1/1/0/0/0/1/ 12 Silverstone'50-Spa Francorchamps'05",
         "an exclusion is no start; the 2005 results move the last GP on"},
        {cid_, 1950, 1952, "6/5/2/4/2/1/1/0/0/0/1/ 12 Silverstone'50-Spa Francorchamps'51",
         "the exclusion after the last start leaves the last GP"},
        {bob_, 0, 0, "9/8/5/8/2/2/0/0/1/0/0/ 17 Silverstone'50-Monza'05", "a DNS entry"},
        {dan_, 0, 0, "1/0/0/0/1/1/0/0/0/1/0/ 0 -",
         "a fastest lap and pole without a record count; a DNPQ gives no dates"},
        {eve_, 0, 0, "1/0/0/0/0/0/0/0/1/0/0/ 0 -", "'DNS - Did not practise' is a DNS"},
        {0, 0, 0, "0/0/0/0/0/0/0/0/0/0/0/ 0 -", "no driver"},
    };
    for (const auto& [driver, from, to, summary, why] : cases)
        EXPECT_EQ(Summary(Frame(driver, from, to)), summary) << why;
}

TEST_F(AnalysisTest, HistoryAndTeamPopupTakeTheFirstRecordOfEachGP) {
    DriverFrame frame = Frame(ann_);
    std::vector<std::pair<int, int>> got;
    for (const RaceHistoryEntry& e : frame.History)
        got.emplace_back(e.GP, e.Pos);
    EXPECT_EQ(got,
              (std::vector<std::pair<int, int>>{{g1_, 0}, {g2_, 1}, {g3_, 0}, {g4_, 2}, {g5_, 0}}));
    // Her Ferrari record of G2 (the shared car) is not what the team popup remembers.
    std::vector<std::pair<std::string, int>> popup;
    for (const TeamRecordsItem& i : frame.PopupRACES_FOR)
        popup.emplace_back(i.Caption, i.Tag);
    EXPECT_EQ(popup, (std::vector<std::pair<std::string, int>>{
                         {"Alfa Romeo", annG2_}, {"Ferrari", annG4_}, {"Maserati", annG5_}}));
    // A later season without a reset keeps the career's history; with one, only that season's.
    AnalyzeDriver(*db_, ann_, 1951, 1951, false, frame);
    EXPECT_EQ(frame.HistoryCount(), 5u);
    AnalyzeDriver(*db_, ann_, 1951, 1951, true, frame);
    EXPECT_EQ(frame.HistoryCount(), 2u);
}

TEST_F(AnalysisTest, FrameTexts) {
    const DriverFrame frame = Frame(ann_);
    EXPECT_EQ(frame.Label25 + "|" + frame.Label17Hint,
              "1 times won Drivers' Championship|1 times first, 1 times second, 0 times third");
    EXPECT_EQ(frame.firstwinlabel + " " + frame.lastwinlabel + " " + frame.firstpolelabel + " " +
                  frame.lastpolelabel,
              "Monza'50 Monza'50 Monza'50 Silverstone'51");
    EXPECT_EQ(Frame(cid_).Label25, ""); // no title
    db_->LanguageMode = LanguageTurkish;
    EXPECT_EQ(Frame(ann_).Label17Hint, "1 kez birinci, 1 kez ikinci, 0 kez \xFC\xE7\xFCnc\xFC");
}

TEST_F(AnalysisTest, PercentagesAndGaugeTargets) {
    const std::tuple<std::uint16_t, int, GaugeIndex, const char*, int, const char*> cases[] = {
        {ann_, 0, GaugeWins, "%33.3", 33, "1 of 3 starts"},
        {ann_, 0, GaugePoles, "%66.7", 67, "2 of 3"},
        {bob_, 0, GaugeWins, "%62.5", 62, "5 of 8: the half goes to the even target"},
        {bob_, 0, GaugePodiums, "%100", 100, "8 of 8"},
        {bob_, 2005, GaugeWins, "%66.7", 67, "2 of 3 in one season"},
        {dan_, 0, GaugeFastestLaps, "", 0, "no start: no percentage"},
    };
    for (const auto& [driver, season, gauge, text, target, why] : cases) {
        const DriverFrame f = Frame(driver, season, season);
        EXPECT_EQ(f.Percentages[gauge], text) << why;
        EXPECT_EQ(f.GaugeTarget[gauge], target) << why;
    }

    // The timer raises each gauge to its target (retirements 4 at a time) and then stops.
    DriverFrame frame = Frame(ann_);
    EXPECT_TRUE(frame.Timer3Enabled);
    int ticks = 0;
    while (Timer3Timer(frame) && ticks < 1000)
        ++ticks;
    EXPECT_EQ(ticks, 34); // 67 is passed on the 34th step of 2
    EXPECT_EQ(frame.Gauges, frame.GaugeTarget);
    EXPECT_FALSE(frame.Timer3Enabled);
    frame = Frame(eve_);
    EXPECT_FALSE(frame.Timer3Enabled);
    EXPECT_FALSE(Timer3Timer(frame));
}

TEST_F(AnalysisTest, FlagPictureOfTheNationality) {
    FlagImages flags;
    ASSERT_TRUE(flags.LoadImage(FlagImages::BuildImage({{"italian.bmp", {'B', 'M', 1, 2}}})));
    DriverFrame frame;
    AnalyzeDriver(*db_, ann_, 0, 0, true, frame, &flags);
    EXPECT_TRUE(frame.FlagName == "italian.bmp" && frame.FlagOffset >= 0) << frame.FlagName;
    AnalyzeDriver(*db_, cid_, 0, 0, true, frame, &flags);
    EXPECT_FALSE(frame.FlagVisible);
}

TEST(AnalysisHistory, MoreThan300EntriesAreAllKept) {
    The_Class db;
    DatabaseBuilder b(db);
    const auto d = b.Driver("Long Career"), other = b.Driver("Other");
    const auto t = b.Team("Team"), track = b.Track("Track"), name = b.GPName("GP");
    for (int year = 1950; year <= 1965; ++year) {
        for (int k = 1; k <= 20; ++k) {
            b.GP(year, 1 + k / 2, k, track, name);
            b.Result(other, 1, t, 0, 0);
            b.Result(d, static_cast<std::uint8_t>(2 + k % 10), t, 0, 0);
        }
    }
    DriverFrame frame;
    AnalyzeDriver(db, d, 0, 0, true, frame);
    ASSERT_EQ(frame.HistoryCount(), 320u);
    EXPECT_EQ(frame.History.back().GP, 320);
    EXPECT_EQ(frame.lastgplabel, "Track'65");
}

TEST(AnalysisNumberText, GeneralFormat) {
    const std::tuple<double, int, const char*> cases[] = {
        {100.0, 3, "100"},        {100.0 / 3, 3, "33.3"},  {-2.5, 3, "-2.5"},
        {3.125, 3, "3.13"},       {99.96, 3, "100"},       {1369.5, 4, "1370"},
        {0.142857f, 4, "0.1429"}, {12345.0, 4, "1.235E4"}, {200000.0, 4, "2E5"},
        {0.000001, 3, "1E-6"},
    };
    for (const auto& [value, digits, text] : cases)
        EXPECT_EQ(GeneralNumberText(value, digits), text) << value;
}

class AnalysisListsTest : public AnalysisTest {
  protected:
    // Runs a label's command as the window does (a record menu item through its command) and
    // returns the number of records the list found, or -1 when the click is ignored.
    int RunLabel(const DriverFrame& frame, std::string_view label) {
        const auto c = LabelCommand(*db_, frame, label);
        const FrameCommandRun run = RunFrameCommand(Ctx(), *c);
        if (run == FrameCommandRun::Ignored) return -1;
        if (run == FrameCommandRun::RunMenuItem)
            RunRecordMenuCommand(Ctx(), *FindRecordMenuCommand(c->Item));
        EXPECT_EQ(Current().Kind, c->HistoryKind) << label;
        return std::stoi(T().CountLabel);
    }
};

TEST_F(AnalysisListsTest, EveryCountLabelLeadsToAListOfThatMany) {
    const auto check = [&](const DriverFrame& f) {
        for (const auto& [label, text] : Counts(f)) {
            const int n = RunLabel(f, label);
            EXPECT_EQ(n == -1 ? 0 : n, std::stoi(*text)) << f.namelabel << " " << label;
            EXPECT_EQ(n == -1, *text == "0") << label; // "0" ignores clicks
        }
    };
    DriverFrame frame = Frame(ann_);
    check(frame);
    ChartSeasonClick(*db_, frame, 1951);
    check(frame);
    check(Frame(cid_));
    frame = Frame(bob_);
    check(frame);
    ChartSeasonClick(*db_, frame, 2005);
    check(frame);
    // Dan never started: his labels name his first entry so that the lists still name him.
    EXPECT_EQ(RunLabel(Frame(dan_), "DNPQLABEL"), 1);
}

TEST_F(AnalysisListsTest, PointsTitlesAndTeamPopupCommands) {
    const DriverFrame frame = Frame(cid_);
    // The empty championship line is still a command.
    EXPECT_EQ(RunFrameCommand(Ctx(), *LabelCommand(*db_, frame, "Label25")), FrameCommandRun::Done);
    EXPECT_EQ(T().TitleLabel, "Cid Steady  championship");
    RunFrameCommand(Ctx(), *LabelCommand(*db_, frame, "totalpointlabel"));
    EXPECT_EQ(T().TitleLabel, "Cid Steady  points by year");
    // The team popup lists the driver's races with that team, from its remembered record.
    const FrameCommand c = TeamRecordsCommand(Frame(ann_).PopupRACES_FOR[1]);
    EXPECT_EQ(c.Item, "races3");
    EXPECT_EQ(RunFrameCommand(Ctx(), c), FrameCommandRun::RunMenuItem);
    EXPECT_EQ(Ctx().grid.SelectedRecord, annG4_);
}

TEST_F(AnalysisListsTest, StartsAndRetirementLists) {
    Ctx().grid.SelectedRecord = annG2_;
    AllRetire(Ctx(), ResultStatus::Other, false);
    EXPECT_EQ(RowCells(T(), 1),
              (Strings{"1", db_->FormatDate(db_->GPs[g3_].Date), "Spa Francorchamps", "Ann Driver",
                       "Ferrari", "lap 5", "Engine", std::to_string(annG3_)}));
    const std::tuple<std::uint16_t, ResultStatus, bool, const char*, std::vector<int>> cases[] = {
        {annG2_, ResultStatus::Other, false, "Ann Driver     Starts", {annG2_, annG3_, annG4_}},
        {annG5_, ResultStatus::Other, true, "Ann Driver     Starts (1951)", {annG4_}},
        {cidG6_, ResultStatus::Other, true, "Cid Steady     Starts (1952)", {}},
        {eveG6_, ResultStatus::Other, true, "Eve Late     Starts (1952)", {}},
        {annG2_, ResultStatus::DNQ, false, "Ann Driver     DNQ", {annG1_, annG5_}},
        {annG4_, ResultStatus::DNQ, true, "Ann Driver     DNQ (1951)", {annG5_}},
        {cidG6_, ResultStatus::Disq, false, "Cid Steady     Disq", {cidG6_}},
        {eveG6_, ResultStatus::DNS, false, "Eve Late     DNS", {eveG6_}},
        {danG6_, ResultStatus::DNPQ, true, "Dan Fast     DNPQ (1952)", {danG6_}},
        {danG6_, ResultStatus::Other, false, "Dan Fast     Retirements", {}},
    };
    for (const auto& [record, filter, season, title, keys] : cases) {
        Ctx().grid.SelectedRecord = record;
        if (std::string_view(title).find("Starts") != std::string_view::npos)
            StartsList(Ctx(), season);
        else
            AllRetire(Ctx(), filter, season);
        EXPECT_EQ(T().TitleLabel, title);
        EXPECT_EQ(Keys(), keys) << title;
    }
    // Going back rebuilds the season's starts of the recorded record.
    for (int i = 0; i < 8; ++i)
        Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "Ann Driver     Starts (1951)");
    EXPECT_EQ(Ctx().grid.SelectedRecord, annG5_);
}

TEST_F(AnalysisListsTest, DateLabels) {
    const std::tuple<const char*, std::uint16_t, int, const char*> cases[] = {
        {"Monza'05", g9_, 2, "years below 40 are 20YY; the season's last GP there"},
        {"Spa Francorchamps'52", g6_, 0, "the only GP of the season"},
        {"Silverstone'05", 0, 0, "no GP on that track that season"},
        {"Monza'99", 0, 0, "an empty season"},
        {"Nowhere'05", 0, 0, "unknown track"},
        {"Monza'49", 0, 0, "no such season"},
        {"'05", 0, 0, "no track"},
    };
    for (const auto& [label, gp, listIndex, why] : cases) {
        const auto t = DateLabelGP(*db_, label);
        ASSERT_EQ(t.has_value(), gp != 0) << label << ": " << why;
        if (t) {
            EXPECT_EQ(std::make_pair(t->GP, t->GPListIndex), std::make_pair(gp, listIndex));
        }
    }
    FillYearLists(Ctx());
    const DriverFrame frame = Frame(bob_);
    ASSERT_TRUE(DateLabelClick(Ctx(), frame, frame.lastgplabel, 20));
    EXPECT_EQ(std::make_pair(SelectedYear(Ctx()), Ctx().browser.GPIndex), std::make_pair(2005, 2));
    EXPECT_EQ(T().Cell(1, T().Row), "Bob Racer"); // the driver's row is selected
    EXPECT_FALSE(DateLabelClick(Ctx(), frame, "Silverstone'05", 20));
}

TEST_F(AnalysisListsTest, DriverBoxHintAndChartSeason) {
    const std::pair<const char*, std::uint16_t> boxes[] = {
        {"  ann DRIVER ", ann_}, {"Nobody", 0}, {"   ", 0}};
    for (const auto& [text, driver] : boxes) {
        Ctx().browser.DriverBox = text;
        EXPECT_EQ(DriverBoxDriver(Ctx()), driver) << text;
    }
    EXPECT_EQ(HintStatus(Frame(ann_).Label17Hint),
              "---->   1 times first, 1 times second, 0 times third   <----");
    // A season replaces another; the same season again returns to the whole career.
    DriverFrame frame = Frame(ann_);
    std::string races;
    for (int season : {1950, 1951, 1951}) {
        ChartSeasonClick(*db_, frame, season);
        races += frame.allraceslabel;
    }
    EXPECT_EQ(races + frame.Lseason, "325"); // 3 in 1950, 2 in 1951, then 5 and no season
}

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
    EXPECT_EQ(std::make_tuple(c.StatsScale, c.FirstGP, c.N, c.RowHeight, c.ChartWidth, c.PosScale,
                              c.MarkerSize),
              std::make_tuple(1.0, g1_, 5, 5.0, 150, 7.5, 8));
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
    EXPECT_EQ(c.Markers[1].Fill, col::PodiumFill); // a win is on the podium
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
    // 1.2 x 157 = 188.4 wide, markers 9.6, rows 265 x 1.2 / 5 high.
    EXPECT_EQ(std::make_tuple(c.StatsScale, c.ChartWidth, c.MarkerSize),
              std::make_tuple(1.2, 188, 10));
    EXPECT_NEAR(c.RowHeight, 63.6, 1e-9);
    EXPECT_EQ(Rects(c)[1], (R{19, 64, 29, 127}));
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
    EXPECT_EQ(std::make_pair(c.Markers[0].Kind, c.Markers[0].HistoryIndex),
              std::make_pair(MarkerKind::NoEntry, -1));
    // 20 x 7.5 + 10 lies beyond the chart: the marker stops at the right edge. 3 x 7.5 = 22.5
    // goes to the even 22; so does the row centre 4 x 5 + 2.5.
    EXPECT_EQ(Rects(c), (std::vector<R>{{142, 0, 150, 5},
                                        {40, 5, 48, 10},
                                        {142, 10, 150, 15},
                                        {142, 15, 150, 20},
                                        {32, 20, 40, 25}}));
    EXPECT_EQ(std::make_pair(c.Markers[2].Kind, c.Markers[3].Kind),
              std::make_pair(MarkerKind::Placed, MarkerKind::Unplaced));
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
    EXPECT_EQ(std::make_tuple(h.GP, h.OnMarker, h.Pos), std::make_tuple(g2_, true, 1));
    ChartHoverLabels l = ChartHover(*db_, h);
    EXPECT_EQ(l.Label20 + "|" + l.Label21 + "|" + l.Label22,
              db_->FormatDateAlt(db_->GPs[g2_].Date) + "|Monza|1.");

    // Marker edges: left inclusive, right exclusive; row boundaries belong to the row below.
    EXPECT_TRUE(ChartHitTest(c, *db_, 18, 9).OnMarker);
    EXPECT_FALSE(ChartHitTest(c, *db_, 26, 7).OnMarker);
    EXPECT_EQ(ChartHitTest(c, *db_, 20, 5).Row, 1);
    EXPECT_EQ(ChartHover(*db_, ChartHitTest(c, *db_, 145, 12)).Label22, "Retired");

    // Elsewhere: the season is known, the labels are cleared.
    h = ChartHitTest(c, *db_, 5, 17);
    EXPECT_EQ(std::make_tuple(h.OnMarker, h.GP, h.Season), std::make_tuple(false, g4_, 1951));
    l = ChartHover(*db_, h);
    EXPECT_EQ(l.Label20 + l.Label21 + l.Label22, "");
    EXPECT_FALSE(ChartHitTest(c, *db_, 20, 25).Inside);
    // A GP without the driver is no marker.
    const RaceChart other = BuildRaceChart(*db_, {{g2_, 4}}, 25, false);
    EXPECT_FALSE(ChartHitTest(other, *db_, 145, 2).OnMarker);

    EXPECT_EQ(SeasonBand(c, 1951), (R{0, 15, 150, 25}));
    EXPECT_EQ(SeasonBand(c, 1952), R{});
}

} // namespace
} // namespace qor::testing
