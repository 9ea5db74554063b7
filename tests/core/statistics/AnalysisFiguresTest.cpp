// The driver analysis figures on a small built database: what counts as an entry, a start, a
// date of the career, a fastest lap or pole; the frame's texts; percentages and gauges; the
// general number format; a history longer than 300 races.

#include "database/Flags.h"
#include "statistics/GeneralNumberText.h"
#include "support/StatisticsFixtures.h"

namespace qor::testing {
namespace {

// The count labels, points and first and last GP of a frame on one line.
std::string Summary(const DriverFrame& f) {
    std::string s;
    for (const std::string* l :
         {&f.allraceslabel, &f.raceslabel, &f.winslabel, &f.podiumslabel, &f.fastestlapslabel,
          &f.poleslabel, &f.retirementslabel, &f.DNQLABEL, &f.DNSLABEL, &f.DNPQLABEL, &f.disqlabel})
        s += *l + "/";
    return s + " " + f.totalpointlabel + " " + f.firstgplabel + "-" + f.lastgplabel;
}

TEST_F(AnalysisTest, CountsOfEachCareer) {
    struct Case {
        std::uint16_t driver;
        int from, to;
        const char* summary; // all/starts/wins/podiums/FL/poles/retired/DNQ/DNS/DNPQ/disq/
        const char* why;
    };
    const Case cases[] = {
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
    for (const Case& c : cases)
        EXPECT_EQ(Summary(Frame(c.driver, c.from, c.to)), c.summary) << c.why;
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
    EXPECT_EQ(frame.Label25, "1 times won Drivers' Championship");
    EXPECT_EQ(frame.Label17Hint, "1 times first, 1 times second, 0 times third");
    EXPECT_EQ(frame.firstwinlabel + " " + frame.lastwinlabel, "Monza'50 Monza'50");
    EXPECT_EQ(frame.firstpolelabel + " " + frame.lastpolelabel, "Monza'50 Silverstone'51");
    EXPECT_EQ(Frame(cid_).Label25, ""); // no title
    db_->LanguageMode = LanguageTurkish;
    EXPECT_EQ(Frame(ann_).Label17Hint, "1 kez birinci, 1 kez ikinci, 0 kez \xFC\xE7\xFCnc\xFC");
}

TEST_F(AnalysisTest, PercentagesAndGaugeTargets) {
    struct Case {
        std::uint16_t driver;
        int season;
        GaugeIndex gauge;
        const char* text;
        int target;
        const char* why;
    };
    const Case cases[] = {
        {ann_, 0, GaugeWins, "%33.3", 33, "1 of 3 starts"},
        {ann_, 0, GaugePoles, "%66.7", 67, "2 of 3"},
        {bob_, 0, GaugeWins, "%62.5", 62, "5 of 8: the half goes to the even target"},
        {bob_, 0, GaugePodiums, "%100", 100, "8 of 8"},
        {bob_, 0, GaugeRetirements, "%0", 0, "none"},
        {bob_, 2005, GaugeWins, "%66.7", 67, "2 of 3 in one season"},
        {dan_, 0, GaugeFastestLaps, "", 0, "no start: no percentage"},
    };
    for (const Case& c : cases) {
        const DriverFrame f = Frame(c.driver, c.season, c.season);
        EXPECT_EQ(f.Percentages[c.gauge], c.text) << c.why;
        EXPECT_EQ(f.GaugeTarget[c.gauge], c.target) << c.why;
    }
    EXPECT_EQ(PercentText(3, 0), "");

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
    EXPECT_EQ(frame.FlagName, "italian.bmp");
    EXPECT_GE(frame.FlagOffset, 0);
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
    struct Case {
        double value;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {100.0, 3, "100"},        {100.0 / 3, 3, "33.3"},  {-2.5, 3, "-2.5"},
        {3.125, 3, "3.13"},       {99.96, 3, "100"},       {1369.5, 4, "1370"},
        {0.142857f, 4, "0.1429"}, {12345.0, 4, "1.235E4"}, {200000.0, 4, "2E5"},
        {0.000001, 3, "1E-6"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GeneralNumberText(c.value, c.digits), c.text) << c.value;
}

} // namespace
} // namespace qor::testing
