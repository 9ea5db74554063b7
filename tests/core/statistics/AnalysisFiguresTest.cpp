// The driver analysis figures on a small built database: what counts as an entry, a start, a
// date of the career, a fastest lap or pole; the frame's texts; percentages and gauges; the
// general number format; a history longer than 300 races.

#include "AnalysisFixture.h"

#include "database/Flags.h"
#include "statistics/GeneralNumberText.h"

namespace qor::testing {
namespace {

TEST_F(AnalysisTest, CareerCountsNonStartsAsEntriesOnly) {
    const DriverFigures f = ComputeDriverFigures(*db_, ann_, 0, 0);
    EXPECT_EQ(f.Entries, 5);
    EXPECT_EQ(f.DNQ, 2);
    EXPECT_EQ(f.Starts, 3);
    // The engine failure is her one retirement; the two DNQs are not.
    EXPECT_EQ(f.Retirements, 1);
    EXPECT_EQ(f.First, 1);
    EXPECT_EQ(f.Second, 1);
    EXPECT_EQ(f.Third, 0);
    EXPECT_EQ(f.Podiums(), 2);
    EXPECT_EQ(f.FastestLaps, 1);
    EXPECT_EQ(f.Poles, 2);
    EXPECT_EQ(f.Championships, 1);
    EXPECT_DOUBLE_EQ(f.TotalPoints, 17.5);
    EXPECT_EQ(f.FromYear, 1950);
    EXPECT_EQ(f.ToYear, 2005);
}

TEST_F(AnalysisTest, NonStartsDoNotMoveFirstOrLastGP) {
    const DriverFigures f = ComputeDriverFigures(*db_, ann_, 0, 0);
    // G1 (a DNQ) was her first entry; the first GP is the win at Monza.
    EXPECT_EQ(f.FirstGP.GP, g2_);
    EXPECT_EQ(f.FirstRecord, annG2_);
    EXPECT_EQ(f.FirstEntryRecord, annG1_);
    // G5 (a DNQ) was her last entry; the last GP stays Silverstone 1951.
    EXPECT_EQ(f.LastGP.GP, g4_);
    EXPECT_EQ(f.FirstWin.GP, g2_);
    EXPECT_EQ(f.LastWin.GP, g2_);
    EXPECT_EQ(f.FirstPole.GP, g2_);
    EXPECT_EQ(f.LastPole.GP, g4_);

    const DriverFrame frame = AnnCareer();
    EXPECT_EQ(frame.firstgplabel, "Monza'50");
    EXPECT_EQ(frame.lastgplabel, "Silverstone'51");
    EXPECT_EQ(frame.firstwinlabel, "Monza'50");
    EXPECT_EQ(frame.lastwinlabel, "Monza'50");
    EXPECT_EQ(frame.firstpolelabel, "Monza'50");
    EXPECT_EQ(frame.lastpolelabel, "Silverstone'51");
    EXPECT_EQ(frame.first_kayit_no, std::to_string(annG2_));
}

TEST_F(AnalysisTest, DisqualificationAfterTheLastStartRestoresTheLastGP) {
    // Cid: G6 (excluded) follows his win in G5; the 2005 second place then moves it on.
    DriverFigures f = ComputeDriverFigures(*db_, cid_, 1950, 1952);
    EXPECT_EQ(f.Disq, 1);
    EXPECT_EQ(f.Entries, 6);
    EXPECT_EQ(f.Starts, 5);
    EXPECT_EQ(f.LastGP.GP, g5_);
    f = ComputeDriverFigures(*db_, cid_, 0, 0);
    EXPECT_EQ(f.LastGP.GP, g8_);
}

TEST_F(AnalysisTest, SharedCarCountsTheFirstRecordOnly) {
    DriverFrame frame = AnnCareer();
    // One entry and one history row for G2, with the winning record's position.
    ASSERT_EQ(frame.HistoryCount(), 5u);
    EXPECT_EQ(frame.History[1].GP, g2_);
    EXPECT_EQ(frame.History[1].Pos, 1);
    // Her Ferrari record of G2 (the shared car) is not what the team popup remembers.
    ASSERT_EQ(frame.PopupRACES_FOR.size(), 3u);
    EXPECT_EQ(frame.PopupRACES_FOR[0].Caption, "Alfa Romeo");
    EXPECT_EQ(frame.PopupRACES_FOR[0].Tag, annG2_);
    EXPECT_EQ(frame.PopupRACES_FOR[1].Caption, "Ferrari");
    EXPECT_EQ(frame.PopupRACES_FOR[1].Tag, annG4_);
    EXPECT_EQ(frame.PopupRACES_FOR[2].Caption, "Maserati");
    EXPECT_EQ(frame.PopupRACES_FOR[2].Tag, annG5_);
    EXPECT_NE(frame.PopupRACES_FOR[1].Tag, annG2Shared_);
}

TEST_F(AnalysisTest, HistoryHoldsEveryEntryInGPOrder) {
    const DriverFrame frame = AnnCareer();
    std::vector<std::pair<int, int>> got;
    for (const RaceHistoryEntry& e : frame.History)
        got.emplace_back(e.GP, e.Pos);
    EXPECT_EQ(got,
              (std::vector<std::pair<int, int>>{{g1_, 0}, {g2_, 1}, {g3_, 0}, {g4_, 2}, {g5_, 0}}));
}

TEST_F(AnalysisTest, FastestLapAndPoleWithoutARecordCount) {
    DriverFrame frame;
    AnalyzeDriver(*db_, dan_, 0, 0, true, frame);
    EXPECT_EQ(frame.fastestlapslabel, "1");
    EXPECT_EQ(frame.poleslabel, "1");
    EXPECT_EQ(frame.firstpolelabel, "Spa Francorchamps'50");
    EXPECT_EQ(frame.lastpolelabel, "Spa Francorchamps'50");
    // His one entry is a DNPQ: no start, no dates, no key record.
    EXPECT_EQ(frame.allraceslabel, "1");
    EXPECT_EQ(frame.DNPQLABEL, "1");
    EXPECT_EQ(frame.raceslabel, "0");
    EXPECT_EQ(frame.firstgplabel, "");
    EXPECT_EQ(frame.lastgplabel, "");
    EXPECT_EQ(frame.first_kayit_no, "0");
    EXPECT_EQ(frame.Figures.FirstEntryRecord, danG6_);
}

TEST_F(AnalysisTest, NoStartsLeavesPercentagesEmptyAndGaugesAtZero) {
    DriverFrame frame;
    AnalyzeDriver(*db_, eve_, 0, 0, true, frame);
    EXPECT_EQ(frame.allraceslabel, "1");
    EXPECT_EQ(frame.DNSLABEL, "1");
    EXPECT_EQ(frame.raceslabel, "0");
    EXPECT_EQ(frame.retirementslabel, "0");
    for (std::size_t i = 0; i < GaugeCount; ++i) {
        EXPECT_EQ(frame.Percentages[i], "") << i;
        EXPECT_EQ(frame.GaugeTarget[i], 0) << i;
        EXPECT_EQ(frame.Gauges[i], 0) << i;
    }
    EXPECT_FALSE(frame.Timer3Enabled);
    EXPECT_FALSE(Timer3Timer(frame));
    // Dan's fastest lap does not give him a percentage either.
    AnalyzeDriver(*db_, dan_, 0, 0, true, frame);
    EXPECT_EQ(frame.Percentages[GaugeFastestLaps], "");
}

TEST_F(AnalysisTest, FrameTexts) {
    const DriverFrame frame = AnnCareer();
    EXPECT_EQ(frame.namelabel, "Ann Driver");
    EXPECT_EQ(frame.natlabel, "Italian");
    EXPECT_EQ(frame.allraceslabel, "5");
    EXPECT_EQ(frame.raceslabel, "3");
    EXPECT_EQ(frame.winslabel, "1");
    EXPECT_EQ(frame.podiumslabel, "2");
    EXPECT_EQ(frame.fastestlapslabel, "1");
    EXPECT_EQ(frame.poleslabel, "2");
    EXPECT_EQ(frame.retirementslabel, "1");
    EXPECT_EQ(frame.DNQLABEL, "2");
    EXPECT_EQ(frame.DNSLABEL, "0");
    EXPECT_EQ(frame.DNPQLABEL, "0");
    EXPECT_EQ(frame.disqlabel, "0");
    EXPECT_EQ(frame.totalpointlabel, "17.5");
    EXPECT_EQ(frame.Label25, "1 times won Drivers' Championship");
    EXPECT_EQ(frame.Label17Hint, "1 times first, 1 times second, 0 times third");
    EXPECT_EQ(frame.SelectedSeason, 0);
    EXPECT_EQ(frame.Lseason, "");
}

TEST_F(AnalysisTest, ChampionshipLineEmptyWithoutTitle) {
    DriverFrame frame;
    AnalyzeDriver(*db_, cid_, 0, 0, true, frame);
    EXPECT_EQ(frame.Label25, "");
    EXPECT_EQ(frame.totalpointlabel, "12");
}

TEST_F(AnalysisTest, PlaceBreakdownInTurkish) {
    db_->LanguageMode = LanguageTurkish;
    const DriverFrame frame = AnnCareer();
    EXPECT_EQ(frame.Label17Hint, "1 kez birinci, 1 kez ikinci, 0 kez \xFC\xE7\xFCnc\xFC");
}

TEST_F(AnalysisTest, PercentagesAndGaugeTargets) {
    DriverFrame frame = AnnCareer();
    // 3 starts: 1 win, 1 fastest lap, 2 poles, 2 podiums, 1 retirement.
    EXPECT_EQ(frame.Percentages[GaugeWins], "%33.3");
    EXPECT_EQ(frame.Percentages[GaugeFastestLaps], "%33.3");
    EXPECT_EQ(frame.Percentages[GaugePoles], "%66.7");
    EXPECT_EQ(frame.Percentages[GaugePodiums], "%66.7");
    EXPECT_EQ(frame.Percentages[GaugeRetirements], "%33.3");
    EXPECT_EQ(frame.GaugeTarget, (std::array<int, GaugeCount>{33, 33, 67, 67, 33}));
    EXPECT_TRUE(frame.Timer3Enabled);

    // The timer raises each gauge to its target (retirements 4 at a time) and then stops.
    int ticks = 0;
    while (Timer3Timer(frame) && ticks < 1000)
        ++ticks;
    EXPECT_EQ(ticks, 34); // 67 is passed on the 34th step of 2
    EXPECT_EQ(frame.Gauges, frame.GaugeTarget);
    EXPECT_FALSE(frame.Timer3Enabled);

    EXPECT_EQ(PercentText(1, 8), "%12.5");
    EXPECT_EQ(PercentText(5, 5), "%100");
    EXPECT_EQ(PercentText(0, 5), "%0");
    EXPECT_EQ(PercentText(3, 0), "");
}

TEST_F(AnalysisTest, GaugeTargetRoundsHalfToEven) {
    // Bob: 8 starts of 9 entries (one DNS), 5 wins, fastest laps in G3 and G6.
    DriverFrame frame;
    AnalyzeDriver(*db_, bob_, 0, 0, true, frame);
    ASSERT_EQ(frame.raceslabel, "8");
    EXPECT_EQ(frame.Percentages[GaugeWins], "%62.5");
    EXPECT_EQ(frame.GaugeTarget[GaugeWins], 62);
    EXPECT_EQ(frame.Percentages[GaugeFastestLaps], "%25");
    EXPECT_EQ(frame.Percentages[GaugePodiums], "%100");
    EXPECT_EQ(frame.GaugeTarget[GaugePodiums], 100);
    EXPECT_EQ(frame.Percentages[GaugeRetirements], "%0");
    DriverFrame season;
    AnalyzeDriver(*db_, bob_, 2005, 2005, true, season);
    EXPECT_EQ(season.Percentages[GaugeWins], "%66.7");
    EXPECT_EQ(season.GaugeTarget[GaugeWins], 67);
}

TEST_F(AnalysisTest, OneSeasonAndKeptHistory) {
    DriverFrame frame = AnnCareer();
    AnalyzeDriver(*db_, ann_, 1951, 1951, false, frame);
    EXPECT_EQ(frame.allraceslabel, "2");
    EXPECT_EQ(frame.raceslabel, "1");
    EXPECT_EQ(frame.winslabel, "0");
    EXPECT_EQ(frame.podiumslabel, "1");
    EXPECT_EQ(frame.firstgplabel, "Silverstone'51");
    EXPECT_EQ(frame.lastgplabel, "Silverstone'51");
    EXPECT_EQ(frame.firstwinlabel, "");
    EXPECT_EQ(frame.totalpointlabel, "9");
    EXPECT_EQ(frame.first_kayit_no, std::to_string(annG4_));
    // The chart keeps the career's history.
    EXPECT_EQ(frame.HistoryCount(), 5u);
    // A reset with one season keeps only that season's races.
    AnalyzeDriver(*db_, ann_, 1951, 1951, true, frame);
    EXPECT_EQ(frame.HistoryCount(), 2u);
}

TEST_F(AnalysisTest, FlagPictureOfTheNationality) {
    FlagImages flags;
    ASSERT_TRUE(flags.LoadImage(FlagImages::BuildImage({{"italian.bmp", {'B', 'M', 1, 2}}})));
    DriverFrame frame;
    AnalyzeDriver(*db_, ann_, 0, 0, true, frame, &flags);
    EXPECT_EQ(frame.FlagName, "italian.bmp");
    EXPECT_TRUE(frame.FlagVisible);
    EXPECT_GE(frame.FlagOffset, 0);
    AnalyzeDriver(*db_, cid_, 0, 0, true, frame, &flags);
    EXPECT_FALSE(frame.FlagVisible);
    EXPECT_EQ(frame.FlagOffset, -1);
}

TEST_F(AnalysisTest, UnknownDriverGivesEmptyFigures) {
    DriverFrame frame = AnnCareer();
    AnalyzeDriver(*db_, 0, 0, 0, true, frame);
    EXPECT_EQ(frame.allraceslabel, "0");
    EXPECT_EQ(frame.HistoryCount(), 0u);
    EXPECT_TRUE(frame.PopupRACES_FOR.empty());
    EXPECT_EQ(frame.firstgplabel, "");
}

TEST(AnalysisHistory, MoreThan300EntriesAreAllKept) {
    auto db = std::make_unique<The_Class>();
    DatabaseBuilder b(*db);
    const auto d = b.Driver("Long Career");
    const auto other = b.Driver("Other");
    const auto t = b.Team("Team");
    const auto track = b.Track("Track");
    const auto name = b.GPName("GP");
    b.Reason("");
    int gps = 0;
    for (int year = 1950; year <= 1965; ++year) {
        for (int k = 1; k <= 20; ++k) {
            b.GP(year, 1 + k / 2, k, track, name);
            b.Result(other, 1, t, 0, 1);
            b.Result(d, static_cast<std::uint8_t>(2 + k % 10), t, 0, 1);
            ++gps;
        }
    }
    DriverFrame frame;
    AnalyzeDriver(*db, d, 0, 0, true, frame);
    EXPECT_EQ(gps, 320);
    EXPECT_EQ(frame.allraceslabel, "320");
    ASSERT_EQ(frame.HistoryCount(), 320u);
    EXPECT_EQ(frame.History.back().GP, 320);
    EXPECT_EQ(frame.lastgplabel, "Track'65");
}

TEST(AnalysisNumberText, GeneralFormat) {
    EXPECT_EQ(GeneralNumberText(12.5, 3), "12.5");
    EXPECT_EQ(GeneralNumberText(100.0, 3), "100");
    EXPECT_EQ(GeneralNumberText(100.0 / 3, 3), "33.3");
    EXPECT_EQ(GeneralNumberText(200.0 / 3, 3), "66.7");
    EXPECT_EQ(GeneralNumberText(0.0, 3), "0");
    EXPECT_EQ(GeneralNumberText(0.5, 4), "0.5");
    EXPECT_EQ(GeneralNumberText(-2.5, 3), "-2.5");
    // Decimal ties round away from zero.
    EXPECT_EQ(GeneralNumberText(3.125, 3), "3.13");
    EXPECT_EQ(GeneralNumberText(9.375, 3), "9.38");
    EXPECT_EQ(GeneralNumberText(99.96, 3), "100");
    EXPECT_EQ(GeneralNumberText(1369.0, 4), "1369");
    EXPECT_EQ(GeneralNumberText(1369.5, 4), "1370");
    EXPECT_EQ(GeneralNumberText(0.142857f, 4), "0.1429");
    EXPECT_EQ(GeneralNumberText(0.05, 3), "0.05");
    // Too many integer digits, or too small: scientific.
    EXPECT_EQ(GeneralNumberText(12345.0, 4), "1.235E4");
    EXPECT_EQ(GeneralNumberText(200000.0, 4), "2E5");
    EXPECT_EQ(GeneralNumberText(0.000001, 3), "1E-6");
}

} // namespace
} // namespace qor::testing
