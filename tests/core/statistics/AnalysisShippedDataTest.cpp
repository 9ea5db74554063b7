// The driver analysis on the shipped 1950-2006 database: career figures a follower of the
// sport knows, totals over every driver that must agree with the GP rows, and the labels'
// commands on real data.

#include "BrowserTablesFixture.h"

#include "statistics/DriverAnalysis.h"
#include "statistics/DriverCareerLists.h"
#include "statistics/DriverFrameCommands.h"
#include "statistics/RaceChart.h"

#include <set>

namespace qor::testing {
namespace {

class AnalysisShippedTest : public ShippedTest {
  protected:
    DriverFrame Career(const char* name) {
        const std::uint16_t d = db_->FindDriver(name);
        EXPECT_NE(d, 0) << name;
        DriverFrame f;
        AnalyzeDriver(*db_, d, 0, 0, true, f);
        return f;
    }
};

TEST_F(AnalysisShippedTest, MichaelSchumacherTo2006) {
    const DriverFrame f = Career("Michael Schumacher");
    EXPECT_EQ(f.winslabel, "91");
    EXPECT_EQ(f.poleslabel, "68");
    EXPECT_EQ(f.fastestlapslabel, "76");
    EXPECT_EQ(f.podiumslabel, "154");
    EXPECT_EQ(f.Label25, "7 times won Drivers' Championship");
    // His 78 points of 1997 stay in the table he was excluded from.
    EXPECT_EQ(f.totalpointlabel, "1369");
    EXPECT_EQ(f.allraceslabel, "250");
    EXPECT_EQ(f.firstgplabel, "Spa Francorchamps'91");
    EXPECT_EQ(f.firstwinlabel, "Spa Francorchamps'92");
    EXPECT_EQ(f.lastgplabel, "Interlagos'06");
    EXPECT_EQ(f.lastwinlabel, "Shanghai'06");
    EXPECT_EQ(f.Label17Hint, "91 times first, 43 times second, 20 times third");
    EXPECT_EQ(f.HistoryCount(), 250u);
}

TEST_F(AnalysisShippedTest, AyrtonSenna) {
    const DriverFrame f = Career("Ayrton Senna");
    EXPECT_EQ(f.winslabel, "41");
    EXPECT_EQ(f.poleslabel, "65");
    EXPECT_EQ(f.Label25, "3 times won Drivers' Championship");
    EXPECT_EQ(f.allraceslabel, "162");
    EXPECT_EQ(f.DNQLABEL, "1"); // San Marino 1984
    EXPECT_EQ(f.firstgplabel, "Jacarepagua'84");
    EXPECT_EQ(f.lastgplabel, "Imola'94");
    EXPECT_EQ(f.firstwinlabel, "Estoril'85");
    EXPECT_EQ(f.lastwinlabel, "Adelaide'93");
}

TEST_F(AnalysisShippedTest, JuanManuelFangio) {
    const DriverFrame f = Career("Juan Manuel Fangio");
    EXPECT_EQ(f.winslabel, "24");
    EXPECT_EQ(f.poleslabel, "29");
    EXPECT_EQ(f.Label25, "5 times won Drivers' Championship");
    EXPECT_EQ(f.firstgplabel, "Silverstone'50");
    EXPECT_EQ(f.Percentages[GaugeWins], "%47.1"); // 24 of 51
}

TEST_F(AnalysisShippedTest, TotalsOverEveryDriverMatchTheGPRows) {
    // Every pole, fastest lap, title and (GP, driver) pair is counted once, for its driver.
    int poles = 0, fastestLaps = 0, titles = 0, pairs = 0;
    for (int g = 1; g <= db_->GPCount; ++g) {
        const TGPRow& gp = db_->GPs[static_cast<std::size_t>(g)];
        poles += gp.PoleDriver != 0;
        fastestLaps += gp.FLDriver != 0;
        std::set<int> drivers;
        for (int r = gp.FirstResult; r <= gp.LastResult; ++r)
            drivers.insert(db_->Results[static_cast<std::size_t>(r)].Driver);
        pairs += static_cast<int>(drivers.size());
    }
    for (int y = FirstYear; y <= db_->LastYear; ++y)
        titles += db_->Seasons[y].ChampDriver != 0;
    int sumPoles = 0, sumFastestLaps = 0, sumTitles = 0, sumEntries = 0, history = 0;
    DriverFrame f;
    for (int d = 1; d <= db_->DriverCount; ++d) {
        AnalyzeDriver(*db_, static_cast<std::uint16_t>(d), 0, 0, true, f);
        sumPoles += f.Figures.Poles;
        sumFastestLaps += f.Figures.FastestLaps;
        sumTitles += f.Figures.Championships;
        sumEntries += f.Figures.Entries;
        history += static_cast<int>(f.HistoryCount());
        ASSERT_EQ(f.Figures.Starts + f.Figures.DNS + f.Figures.DNQ + f.Figures.DNPQ +
                      f.Figures.Disq,
                  f.Figures.Entries)
            << d;
    }
    EXPECT_EQ(sumPoles, poles);
    EXPECT_EQ(sumFastestLaps, fastestLaps);
    EXPECT_EQ(sumTitles, titles);
    EXPECT_EQ(titles, 57);
    EXPECT_EQ(sumEntries, pairs);
    EXPECT_EQ(history, pairs);
}

TEST_F(AnalysisShippedTest, LabelsLeadToTheirRecords) {
    const DriverFrame f = Career("Michael Schumacher");
    // The last win's label leads to the 2006 Chinese GP, which he won.
    const auto t = DateLabelGP(*db_, f.lastwinlabel);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Year, 2006);
    EXPECT_EQ(db_->ResultDriverName(db_->GPs[t->GP].FirstResult), "Michael Schumacher");
    // Starts and disqualifications agree with their lists.
    RunFrameCommand(Ctx(), *LabelCommand(*db_, f, "raceslabel"));
    EXPECT_EQ(T().CountLabel, f.raceslabel + "  record(s) found.");
    RunFrameCommand(Ctx(), *LabelCommand(*db_, f, "disqlabel"));
    EXPECT_EQ(T().CountLabel, f.disqlabel + "  record(s) found.");
    EXPECT_EQ(T().Cell(2, 1), "Silverstone");
    RunFrameCommand(Ctx(), *LabelCommand(*db_, f, "retirementslabel"));
    EXPECT_EQ(T().CountLabel, f.retirementslabel + "  record(s) found.");
}

TEST_F(AnalysisShippedTest, CareerChartSpansHisSeasons) {
    const DriverFrame f = Career("Michael Schumacher");
    const RaceChart c = BuildRaceChart(*db_, f.History, 25, false);
    EXPECT_EQ(c.FirstSeason, 1991);
    EXPECT_EQ(c.LastSeason, 2006);
    EXPECT_EQ(c.N, db_->Seasons[2006].LastGP - db_->Seasons[1991].FirstGP + 1);
    EXPECT_EQ(c.Seasons.size(), 16u);
    int entries = 0;
    for (const ChartMarker& m : c.Markers)
        entries += m.Kind != MarkerKind::NoEntry;
    EXPECT_EQ(entries, 250);
}

} // namespace
} // namespace qor::testing
