// The shipped 1950-2006 database (data/): facts a follower of the sport can confirm, the rules
// the program relies on, and statistics totals over every driver that must agree with the GP
// rows.

#include "database/Flags.h"
#include "database/Invariants.h"
#include "statistics/RecordLists.h"
#include "statistics/RecordSubject.h"
#include "statistics/SeasonLists.h"
#include "support/StatisticsFixtures.h"
#include "text/Encoding.h"

#include <map>
#include <set>
#include <tuple>

namespace qor::testing {
namespace {

TEST_F(ShippedTest, EveryWinEntryPoleAndTitleCountsOnceForItsDriver) {
    int poles = 0, fastestLaps = 0, titles = 0, pairs = 0, held = 0, winningCars = 0;
    std::set<int> winners;
    for (int g = 1; g <= db_->GPCount; ++g) {
        const TGPRow& gp = db_->GPs[static_cast<std::size_t>(g)];
        poles += gp.PoleDriver != 0;
        fastestLaps += gp.FLDriver != 0;
        std::set<int> drivers;
        for (int r = gp.FirstResult; r <= gp.LastResult; ++r)
            drivers.insert(db_->Results[static_cast<std::size_t>(r)].Driver);
        pairs += static_cast<int>(drivers.size());
        if (gp.FirstResult > gp.LastResult) continue;
        ++held;
        // Every driver of the winning car: the records classified in the first record's place.
        const int won = db_->Results[gp.FirstResult].Pos;
        for (int r = gp.FirstResult; r <= gp.LastResult; ++r) {
            const TResultRec& rec = db_->Results[static_cast<std::size_t>(r)];
            if (r != gp.FirstResult && (won == 0 || rec.Pos != won)) continue;
            winners.insert(rec.Driver);
            ++winningCars;
        }
    }
    for (int y = FirstYear; y <= db_->LastYear; ++y)
        titles += db_->Seasons[y].ChampDriver != 0;
    EXPECT_EQ(titles, 57);
    EXPECT_GT(held, 700);
    int sumPoles = 0, sumFastestLaps = 0, sumTitles = 0, sumEntries = 0, history = 0, wins = 0;
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
        if (!winners.count(d)) continue;
        // The win lists add up to the drivers of every winning car (a shared car credits each).
        Ctx().grid.SelectedRecord = FirstMatchingResult(*db_, {static_cast<std::uint16_t>(d)});
        DriverAllList(Ctx(), rkWins);
        wins += Count();
    }
    EXPECT_EQ(sumPoles, poles);
    EXPECT_EQ(sumFastestLaps, fastestLaps);
    EXPECT_EQ(sumTitles, titles);
    EXPECT_EQ(sumEntries, pairs);
    EXPECT_EQ(history, pairs);
    EXPECT_EQ(wins, winningCars);
    EXPECT_EQ(winningCars, held + 3); // Fangio's two shared wins and Brooks's 1957 British GP
}

TEST_F(ShippedTest, BrowserAndSeasonLists) {
    // The first seasons of the HTML page (1980), the grid column (2002) and sharing (2006).
    const std::tuple<const char*, bool, int, bool> firsts[] = {
        {"27 May 1979", false, 7, false}, {"13 Jan 1980", true, 7, false},
        {"14 Oct 2001", true, 7, false},  {"03 Mar 2002", true, 8, false},
        {"16 Oct 2005", true, 8, false},  {"12 Mar 2006", true, 8, true}};
    for (const auto& [date, html, columns, share] : firsts) {
        ASSERT_TRUE(ShowGPByDate(Ctx(), db_->ParseDate(date))) << date;
        EXPECT_EQ(std::make_tuple(Ctx().grid.HtmlButtonVisible, T().ColCount(),
                                  Ctx().grid.ShareItemEnabled),
                  std::make_tuple(html, columns, share))
            << date;
    }
    ASSERT_TRUE(ListWinners(Ctx(), 0)); // a row for every GP and a blank one after each season
    EXPECT_EQ(T().RowCount(), 1 + 768 + 57);
}

// The data file's own facts, read straight from the tables.
class ShippedData : public ShippedTest {
  protected:
    std::string Name(int i) const { return d.DriverName(i); }
    // "driver (his team, his wins), team (its wins)" of a season.
    std::string Champions(int y) const {
        const TSeasonRow& s = d.Seasons[y];
        return Name(s.ChampDriver) + " (" + d.TeamName(s.ChampDriverTeam) + ", " +
               std::to_string(s.ChampDriverWins) + "), " + d.TeamName(s.ChampTeam) + " (" +
               std::to_string(s.ChampTeamWins) + ")";
    }
    const TGPRow& GPOn(const char* date) const { return d.GPs[d.FindGPByDate(date)]; }
    const TResultRec& Row(int r) const { return d.Results[static_cast<std::size_t>(r)]; }
    const The_Class& d = *db_;
};

TEST_F(ShippedData, Facts) {
    const TGPRow& first = d.GPs[1];
    const TGPRow& last = d.GPs[d.GPCount];
    const TGPRow& reims = GPOn("01 Jul 1951"); // Fagioli started the winning car, Fangio won
    int schumacherWins = 0, sennaPoles = 0;
    for (int g = 1; g <= d.GPCount; ++g) {
        sennaPoles += Name(d.GPs[g].PoleDriver) == "Ayrton Senna";
        for (int r = d.GPs[g].FirstResult; r <= d.GPs[g].LastResult; ++r)
            schumacherWins += Row(r).Pos == 1 && Name(Row(r).Driver) == "Michael Schumacher";
    }
    const std::pair<std::string, std::string> facts[] = {
        {std::to_string(d.SeasonCount) + " " + std::to_string(d.GPCount) + " " +
             std::to_string(d.ResultCount) + " " + std::to_string(d.DriverCount),
         "57 768 19293 789"},
        {std::to_string(d.RemarkCount) + " " + std::to_string(d.NoteCount), "0 0"},
        {d.FormatDate(first.Date) + " " + d.TrackNameOf(first.Track) + " " +
             d.GPNameOf(first.GPName) + " " + std::to_string(first.Laps),
         "13 May 1950 Silverstone Great Britain 70"},
        {Name(first.PoleDriver) + ", " + Name(Row(first.FirstResult).Driver) + ", " +
             d.TeamName(Row(first.FirstResult).Team) + ", " +
             The_Class::FormatTime(Row(first.FirstResult).Time),
         "Nino Farina, Nino Farina, Alfa Romeo, 2 hr 13:23.60"},
        {d.FormatDate(last.Date) + " " + d.GPNameOf(last.GPName) + " " +
             Name(Row(last.FirstResult).Driver),
         "22 Oct 2006 Brazil Felipe Massa"},
        {Champions(1950), "Nino Farina (Alfa Romeo, 3), _____ (0)"},
        {Champions(1958), "Mike Hawthorn (Ferrari, 1), Vanwall (6)"},
        {Champions(1976), "James Hunt (McLaren, 6), Ferrari (6)"},
        {Champions(1982), "Keke Rosberg (Williams, 1), Ferrari (3)"},
        {Champions(1988), "Ayrton Senna (McLaren, 8), McLaren (15)"},
        {Champions(2006), "Fernando Alonso (Renault, 7), Renault (8)"},
        {d.DriverNatName(d.Seasons[2006].ChampDriver) + " " +
             d.TeamCountryName(d.Seasons[2006].ChampTeam) + " " +
             std::to_string(d.Seasons[2006].LastGP - d.Seasons[2006].FirstGP + 1),
         "Spanish France 18"},
        {std::to_string(schumacherWins) + " " + std::to_string(sennaPoles), "91 65"},
        {std::to_string(Row(reims.FirstResult).Pos) +
             std::to_string(Row(reims.FirstResult + 1).Pos) + " " +
             Name(Row(reims.FirstResult).Driver) + ", " + Name(Row(reims.FirstResult + 1).Driver),
         "11 Luigi Fagioli, Juan Manuel Fangio"},
        {Cp1254ToUtf8(Name(GPOn("10 Sep 2006").PoleDriver)), "Kimi Räikkönen"},
        {Name(d.OtherNames[0].Driver) + ": " + d.OtherNames[0].Name,
         "Riccardo Patrese: Riccardo Gabriele Patrese"},
    };
    for (const auto& [got, expected] : facts)
        EXPECT_EQ(got, expected);
    EXPECT_EQ(CheckInvariants(d, 10), std::vector<std::string>{});
}

TEST_F(ShippedData, StandingsAreSortedWithTheChampionFirst) {
    for (int y = FirstYear; y <= d.LastYear; ++y) {
        const TSeasonRow& s = d.Seasons[y];
        EXPECT_EQ(d.DriverStandings[s.FirstDriverStanding].Driver, s.ChampDriver) << y;
        // Michael Schumacher, excluded from the 1997 championship, is listed last with his
        // 78 points, as in the source.
        const int lastRanked = y == 1997 ? s.LastDriverStanding - 1 : s.LastDriverStanding;
        for (int i = s.FirstDriverStanding + 1; i <= lastRanked; ++i)
            EXPECT_LE(+d.DriverStandings[i].Points, +d.DriverStandings[i - 1].Points) << y;
        if (y < 1958) {
            EXPECT_EQ(s.LastTeamStanding + 1, s.FirstTeamStanding) << y;
            EXPECT_EQ(s.ChampTeam, 0) << y;
            continue;
        }
        EXPECT_EQ(d.TeamStandings[s.FirstTeamStanding].Team, s.ChampTeam) << y;
        for (int i = s.FirstTeamStanding + 1; i <= s.LastTeamStanding; ++i)
            EXPECT_LE(+d.TeamStandings[i].Points, +d.TeamStandings[i - 1].Points) << y;
    }
    const TDriverStanding& excluded = d.DriverStandings[d.Seasons[1997].LastDriverStanding];
    EXPECT_EQ(Name(excluded.Driver) + " " + std::to_string(+excluded.Points),
              "Michael Schumacher 78.000000");
    const TTeamStanding& vanwall = d.TeamStandings[d.Seasons[1958].FirstTeamStanding];
    EXPECT_EQ(vanwall.Name.str() + " " + std::to_string(+vanwall.Points), "Vanwall 48.000000");
    EXPECT_EQ(d.TeamStandings[d.Seasons[1967].FirstTeamStanding].Name.str(), "Repco");
    EXPECT_FLOAT_EQ(+d.DriverStandings[d.Seasons[2006].FirstDriverStanding].Points, 134.0f);
}

TEST_F(ShippedData, DescriptionsCarryExactlyTheirStatusAndNonQualifiersComeLast) {
    std::map<std::string, int> marks;
    const auto mark = [](const std::string& text) {
        for (const char* code : {"Disq", "DNS", "DNQ", "DNPQ"})
            if (text.find(code) != std::string::npos) return std::string(code);
        return std::string("none");
    };
    for (int g = 1; g <= d.GPCount; ++g) {
        bool seenDNQ = false;
        for (int r = d.GPs[g].FirstResult; r <= d.GPs[g].LastResult; ++r) {
            ASSERT_GE(Row(r).Reason, 1);
            ASSERT_LE(Row(r).Reason, d.ReasonCount);
            const std::string text = d.ReasonText(Row(r).Reason);
            const std::string m = mark(text);
            ++marks[m];
            EXPECT_TRUE(Row(r).Pos > 0 ? m == "none" : !text.empty()) << r << ": " << text;
            seenDNQ = seenDNQ || m == "DNQ";
            EXPECT_TRUE(!seenDNQ || (Row(r).Pos == 0 && m != "none")) << r << ": " << text;
        }
    }
    EXPECT_EQ(d.ReasonText(EmptyReasonCode), "");
    EXPECT_EQ(
        marks,
        (std::map<std::string, int>{
            {"DNPQ", 338}, {"DNQ", 1039}, {"DNS", 328}, {"Disq", 152}, {"none", marks["none"]}}));
}

TEST_F(ShippedData, NamesAreUniqueEveryRaceHasFastestLapAndPole) {
    std::set<std::string> drivers, teams, teams2006;
    for (int i = 1; i <= d.DriverCount; ++i)
        EXPECT_TRUE(drivers.insert(Name(i)).second) << Name(i);
    for (int i = 1; i <= d.TeamCount; ++i)
        EXPECT_TRUE(teams.insert(d.TeamName(i)).second) << d.TeamName(i);
    const TSeasonRow& s = d.Seasons[2006];
    for (int r = d.GPs[s.FirstGP].FirstResult; r <= d.GPs[s.LastGP].LastResult; ++r)
        teams2006.insert(d.TeamName(Row(r).Team));
    EXPECT_EQ(teams2006,
              (std::set<std::string>{"Ferrari", "Honda", "McLaren", "MF1", "Red Bull", "Renault",
                                     "Sauber", "Super Aguri", "Toro Rosso", "Toyota", "Williams"}));
    for (int g = 1; g <= d.GPCount; ++g) {
        EXPECT_NE(d.GPs[g].FLDriver * d.GPs[g].PoleDriver, 0) << g;
        EXPECT_EQ(d.GPs[g].FLTime >> 29, 1u) << g;
    }
    ASSERT_EQ(d.OtherNameCount, 100);
    for (const TOtherName& o : d.OtherNames)
        EXPECT_TRUE(o.Driver != 0 && o.Name != Name(o.Driver)) << o.Name;
}

TEST_F(ShippedData, FlagsOfEveryNationalityWithTwoDrivers) {
    FlagImages flags;
    ASSERT_TRUE(flags.LoadFlags(QOR_SOURCE_DIR "/data/flags.dat"));
    EXPECT_EQ(flags.Count(), 29u);
    EXPECT_EQ(flags.NameAt(0), "american.bmp");
    std::map<int, int> driversOf;
    for (int i = 1; i <= d.DriverCount; ++i)
        ++driversOf[d.DriverNat[i]];
    for (const auto& [nat, count] : driversOf)
        if (count >= 2) {
            EXPECT_GE(flags.FindFlag(d.Nationalities[nat].str() + ".bmp"), 0) << nat;
        }
}

} // namespace
} // namespace qor::testing
