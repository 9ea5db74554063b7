// The shipped database (data/): facts a follower of the sport can confirm from memory, and
// the rules the program relies on.

#include "database/Flags.h"
#include "database/Invariants.h"
#include "database/STheClass.h"
#include "text/Encoding.h"

#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace qor;

namespace {

// Loaded once: every test only reads.
const The_Class& Shipped() {
    static const The_Class* db = [] {
        auto* d = new The_Class();
        d->DataPath = QOR_SOURCE_DIR "/data/";
        if (d->LoadDatabase("f1data5.dat", "f1notes5.dat", 1) != 0)
            ADD_FAILURE() << "cannot load the shipped data: " << d->LastError;
        return d;
    }();
    return *db;
}

std::uint16_t GPOn(const std::string& date) {
    const std::uint16_t g = Shipped().FindGPByDate(date);
    EXPECT_NE(g, 0) << date;
    return g;
}

// Result rows of GP g.
std::vector<const TResultRec*> Rows(std::uint16_t g) {
    std::vector<const TResultRec*> rows;
    const TGPRow& gp = Shipped().GPs[g];
    for (int r = gp.FirstResult; r <= gp.LastResult; ++r)
        rows.push_back(&Shipped().Results[static_cast<std::size_t>(r)]);
    return rows;
}

// Points of a packed standings row, copied out (the field may be misaligned).
template <typename Row> float PointsOf(const Row& row) {
    const float p = row.Points;
    return p;
}

int CountWins(std::uint16_t driver, int year = 0) {
    const The_Class& d = Shipped();
    int wins = 0;
    for (int g = 1; g <= d.GPCount; ++g) {
        const TGPRow& gp = d.GPs[static_cast<std::size_t>(g)];
        if (year && The_Class::YearOfDate(gp.Date) != year) continue;
        for (const TResultRec* r : Rows(static_cast<std::uint16_t>(g)))
            if (r->Pos == 1 && r->Driver == driver) ++wins;
    }
    return wins;
}

} // namespace

TEST(ShippedData, CountsAndRules) {
    const The_Class& d = Shipped();
    EXPECT_EQ(d.SeasonCount, 57);
    EXPECT_EQ(d.LastYear, 2006);
    EXPECT_EQ(d.GPCount, 768);
    EXPECT_EQ(d.ResultCount, 19293);
    EXPECT_EQ(d.DriverCount, 789);
    EXPECT_EQ(d.RemarkCount, 0);
    EXPECT_EQ(d.NoteCount, 0);
    EXPECT_EQ(CheckInvariants(d, 10), std::vector<std::string>{});
}

TEST(ShippedData, TheFirstWorldChampionshipRace) {
    const The_Class& d = Shipped();
    const TGPRow& gp = d.GPs[1];
    EXPECT_EQ(d.FormatDate(gp.Date), "13 May 1950");
    EXPECT_EQ(d.TrackNameOf(gp.Track), "Silverstone");
    EXPECT_EQ(d.GPNameOf(gp.GPName), "Great Britain");
    EXPECT_EQ(gp.Laps, 70);
    EXPECT_EQ(d.DriverName(gp.PoleDriver), "Nino Farina");
    const TResultRec& winner = d.Results[gp.FirstResult];
    EXPECT_EQ(winner.Pos, 1);
    EXPECT_EQ(d.DriverName(winner.Driver), "Nino Farina");
    EXPECT_EQ(d.TeamName(winner.Team), "Alfa Romeo");
    EXPECT_EQ(winner.Grid, 1);
    EXPECT_EQ(The_Class::FormatTime(winner.Time), "2 hr 13:23.60");
    EXPECT_EQ(d.DriverName(d.Seasons[1950].ChampDriver), "Nino Farina");
}

TEST(ShippedData, Season2006AlonsoAndRenault) {
    const The_Class& d = Shipped();
    const TSeasonRow& s = d.Seasons[2006];
    EXPECT_EQ(s.LastGP - s.FirstGP + 1, 18);
    EXPECT_EQ(d.DriverName(s.ChampDriver), "Fernando Alonso");
    EXPECT_EQ(d.TeamName(s.ChampDriverTeam), "Renault");
    EXPECT_EQ(s.ChampDriverWins, 7);
    EXPECT_EQ(d.TeamName(s.ChampTeam), "Renault");
    EXPECT_EQ(s.ChampTeamWins, 8);
    EXPECT_EQ(d.DriverNatName(s.ChampDriver), "Spanish");
    EXPECT_EQ(d.TeamCountryName(s.ChampTeam), "France");
    const TGPRow& last = d.GPs[d.GPCount];
    EXPECT_EQ(d.FormatDate(last.Date), "22 Oct 2006");
    EXPECT_EQ(d.GPNameOf(last.GPName), "Brazil");
    EXPECT_EQ(d.DriverName(d.Results[last.FirstResult].Driver), "Felipe Massa");
}

TEST(ShippedData, ChampionsOfOtherSeasons) {
    const The_Class& d = Shipped();
    const TSeasonRow& s88 = d.Seasons[1988];
    EXPECT_EQ(d.DriverName(s88.ChampDriver), "Ayrton Senna");
    EXPECT_EQ(d.TeamName(s88.ChampDriverTeam), "McLaren");
    EXPECT_EQ(s88.ChampDriverWins, 8);
    EXPECT_EQ(d.TeamName(s88.ChampTeam), "McLaren");
    EXPECT_EQ(s88.ChampTeamWins, 15);
    EXPECT_EQ(d.DriverNatName(s88.ChampDriver), "Brazilian");
    // Keke Rosberg won the 1982 title with a single win; Ferrari took the constructors'.
    EXPECT_EQ(d.DriverName(d.Seasons[1982].ChampDriver), "Keke Rosberg");
    EXPECT_EQ(d.Seasons[1982].ChampDriverWins, 1);
    EXPECT_EQ(d.TeamName(d.Seasons[1982].ChampTeam), "Ferrari");
    EXPECT_EQ(d.DriverName(d.Seasons[1958].ChampDriver), "Mike Hawthorn");
    EXPECT_EQ(d.TeamName(d.Seasons[1958].ChampTeam), "Vanwall");
    EXPECT_EQ(d.DriverName(d.Seasons[1976].ChampDriver), "James Hunt");
    // Michael Schumacher retired at the end of 2006 with 91 wins; Senna took 65 poles.
    EXPECT_EQ(CountWins(d.FindDriver("Michael Schumacher")), 91);
    int sennaPoles = 0;
    for (int g = 1; g <= d.GPCount; ++g)
        if (d.GPs[static_cast<std::size_t>(g)].PoleDriver == d.FindDriver("Ayrton Senna"))
            ++sennaPoles;
    EXPECT_EQ(sennaPoles, 65);
}

TEST(ShippedData, StandingsTables) {
    const The_Class& d = Shipped();
    for (int y = FirstYear; y <= d.LastYear; ++y) {
        const TSeasonRow& s = d.Seasons[y];
        EXPECT_GT(s.LastDriverStanding, s.FirstDriverStanding) << y;
        EXPECT_EQ(d.DriverStandings[s.FirstDriverStanding].Driver, s.ChampDriver) << y;
        // Michael Schumacher, excluded from the 1997 championship, is listed last with his
        // 78 points, as in the source.
        const int lastRanked = y == 1997 ? s.LastDriverStanding - 1 : s.LastDriverStanding;
        for (int i = s.FirstDriverStanding + 1; i <= lastRanked; ++i)
            EXPECT_LE(PointsOf(d.DriverStandings[static_cast<std::size_t>(i)]),
                      PointsOf(d.DriverStandings[static_cast<std::size_t>(i - 1)]))
                << y;
        if (y < 1958) {
            EXPECT_EQ(s.LastTeamStanding + 1, s.FirstTeamStanding) << y;
            EXPECT_EQ(s.ChampTeam, 0) << y;
            continue;
        }
        ASSERT_GE(s.LastTeamStanding, s.FirstTeamStanding) << y;
        EXPECT_EQ(d.TeamStandings[s.FirstTeamStanding].Team, s.ChampTeam) << y;
        for (int i = s.FirstTeamStanding + 1; i <= s.LastTeamStanding; ++i)
            EXPECT_LE(PointsOf(d.TeamStandings[static_cast<std::size_t>(i)]),
                      PointsOf(d.TeamStandings[static_cast<std::size_t>(i - 1)]))
                << y;
    }
    const TDriverStanding& excluded = d.DriverStandings[d.Seasons[1997].LastDriverStanding];
    EXPECT_EQ(d.DriverName(excluded.Driver), "Michael Schumacher");
    EXPECT_FLOAT_EQ(PointsOf(excluded), 78.0f);
    const TTeamStanding& vanwall = d.TeamStandings[d.Seasons[1958].FirstTeamStanding];
    EXPECT_EQ(d.TeamName(vanwall.Team), "Vanwall");
    EXPECT_EQ(vanwall.Name.str(), "Vanwall");
    EXPECT_FLOAT_EQ(PointsOf(vanwall), 48.0f);
    // 1967: Brabham with Repco engines.
    EXPECT_EQ(d.TeamStandings[d.Seasons[1967].FirstTeamStanding].Name.str(), "Repco");
    EXPECT_FLOAT_EQ(PointsOf(d.DriverStandings[d.Seasons[2006].FirstDriverStanding]), 134.0f);
}

TEST(ShippedData, SharedCarsKeepTheirPosition) {
    // Reims 1951: Fagioli started the winning Alfa Romeo, Fangio took it over and won.
    const The_Class& d = Shipped();
    const auto rows = Rows(GPOn("01 Jul 1951"));
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0]->Pos, 1);
    EXPECT_EQ(rows[1]->Pos, 1);
    std::set<std::string> winners = {d.DriverName(rows[0]->Driver), d.DriverName(rows[1]->Driver)};
    EXPECT_EQ(winners, (std::set<std::string>{"Luigi Fagioli", "Juan Manuel Fangio"}));
    EXPECT_EQ(d.TeamName(rows[0]->Team), "Alfa Romeo");
    EXPECT_EQ(rows[1]->Team, rows[0]->Team);
}

TEST(ShippedData, NonQualifiersComeAfterTheClassifiedAndRetired) {
    const The_Class& d = Shipped();
    int racesWithDNQ = 0;
    for (int g = d.Seasons[1980].FirstGP; g <= d.Seasons[1989].LastGP; ++g) {
        const auto rows = Rows(static_cast<std::uint16_t>(g));
        bool seenDNQ = false;
        for (const TResultRec* r : rows) {
            const std::string text = d.ReasonText(r->Reason);
            if (text.find("DNQ") != std::string::npos) seenDNQ = true;
            if (seenDNQ) {
                EXPECT_EQ(r->Pos, 0) << "GP " << g;
                const bool unstarted = text.find("DNQ") != std::string::npos ||
                                       text.find("DNPQ") != std::string::npos ||
                                       text.find("DNS") != std::string::npos ||
                                       text.find("Disq") != std::string::npos;
                EXPECT_TRUE(unstarted) << "GP " << g << ": " << text;
            }
        }
        racesWithDNQ += seenDNQ;
    }
    EXPECT_GT(racesWithDNQ, 100);
}

TEST(ShippedData, DescriptionsCarryExactlyTheirStatus) {
    const The_Class& d = Shipped();
    EXPECT_EQ(d.ReasonText(EmptyReasonCode), "");
    std::map<std::string, int> marks;
    for (int i = 1; i <= d.ResultCount; ++i) {
        const TResultRec& r = d.Results[static_cast<std::size_t>(i)];
        ASSERT_GE(r.Reason, 1);
        ASSERT_LE(r.Reason, d.ReasonCount);
        const std::string text = d.ReasonText(r.Reason);
        std::string mark = "none";
        for (const char* code : {"Disq", "DNS", "DNQ", "DNPQ"})
            if (mark == "none" && text.find(code) != std::string::npos) mark = code;
        if (r.Pos > 0) {
            EXPECT_EQ(mark, "none") << "result " << i << ": " << text;
        } else {
            EXPECT_FALSE(text.empty()) << "result " << i;
        }
        ++marks[mark];
    }
    EXPECT_EQ(marks["DNQ"], 1039);
    EXPECT_EQ(marks["DNPQ"], 338);
    EXPECT_EQ(marks["DNS"], 325 + 3);   // did not start, did not practise
    EXPECT_EQ(marks["Disq"], 137 + 15); // disqualified, excluded
}

TEST(ShippedData, NamesAreUniqueAndFitForTheEditDialogs) {
    const The_Class& d = Shipped();
    std::set<std::string> drivers, teams;
    for (int i = 1; i <= d.DriverCount; ++i)
        EXPECT_TRUE(drivers.insert(d.DriverName(i)).second);
    for (int i = 1; i <= d.TeamCount; ++i)
        EXPECT_TRUE(teams.insert(d.TeamName(i)).second) << d.TeamName(i);
    EXPECT_EQ(d.FindDriver("Kimi R" + Utf8ToCp1254("ä") + "ikk" + Utf8ToCp1254("ö") + "nen") != 0,
              true);

    // The built-in calendar and team list of the edit dialogs find their names.
    const char* gps[] = {"Bahrain", "Malaysia", "Australia",     "San Marino", "Europe",
                         "Spain",   "Monaco",   "Great Britain", "Canada",     "USA",
                         "France",  "Germany",  "Hungary",       "Turkey",     "Italy",
                         "Belgium", "China",    "Japan",         "Brazil"};
    const char* tracks[] = {"InternationalCircuit",
                            "Sepang",
                            "Melbourne",
                            "Imola",
                            "Nurburgring",
                            "Barcelona",
                            "Monte Carlo",
                            "Silverstone",
                            "Montreal",
                            "Indianapolis",
                            "Magny-Cours",
                            "Hockenheim",
                            "Hungaroring",
                            "Istanbul",
                            "Monza",
                            "Spa Francorchamps",
                            "Shanghai",
                            "Suzuka",
                            "Interlagos"};
    const char* teamList[] = {"Ferrari",    "Honda",   "McLaren", "MF1",
                              "Red Bull",   "Renault", "Sauber",  "Super Aguri",
                              "Toro Rosso", "Toyota",  "Williams"};
    for (const char* n : gps)
        EXPECT_NE(d.FindGP(n), 0) << n;
    for (const char* n : tracks)
        EXPECT_NE(d.FindTrack(n), 0) << n;
    for (const char* n : teamList)
        EXPECT_NE(d.FindTeam(n), 0) << n;

    // Every 2006 entry is one of the listed teams, and the 2006 calendar uses its tracks.
    std::set<std::string> teams2006;
    const TSeasonRow& s = d.Seasons[2006];
    for (int g = s.FirstGP; g <= s.LastGP; ++g) {
        for (const TResultRec* r : Rows(static_cast<std::uint16_t>(g)))
            teams2006.insert(d.TeamName(r->Team));
        EXPECT_NE(std::find(std::begin(tracks), std::end(tracks),
                            d.TrackNameOf(d.GPs[static_cast<std::size_t>(g)].Track)),
                  std::end(tracks));
    }
    EXPECT_EQ(teams2006, std::set<std::string>(std::begin(teamList), std::end(teamList)));
}

TEST(ShippedData, FastestLapsAndPolesOfEveryRace) {
    const The_Class& d = Shipped();
    for (int g = 1; g <= d.GPCount; ++g) {
        const TGPRow& gp = d.GPs[static_cast<std::size_t>(g)];
        EXPECT_NE(gp.FLDriver, 0) << g;
        EXPECT_NE(gp.PoleDriver, 0) << g;
        EXPECT_EQ(gp.FLTime >> 29, 1u) << g;
    }
    const TGPRow& monza = d.GPs[GPOn("10 Sep 2006")];
    EXPECT_EQ(d.DriverName(monza.PoleDriver),
              "Kimi R" + Utf8ToCp1254("ä") + "ikk" + Utf8ToCp1254("ö") + "nen");
}

TEST(ShippedData, OtherNames) {
    const The_Class& d = Shipped();
    ASSERT_EQ(d.OtherNameCount, 100);
    for (const TOtherName& o : d.OtherNames) {
        EXPECT_NE(o.Driver, 0) << o.Name;
        EXPECT_NE(o.Name, d.DriverName(o.Driver));
    }
    EXPECT_EQ(d.DriverName(d.OtherNames[0].Driver), "Riccardo Patrese");
    EXPECT_EQ(d.OtherNames[0].Name, "Riccardo Gabriele Patrese");
}

TEST(ShippedData, FlagsOfTheMostFrequentNationalities) {
    const The_Class& d = Shipped();
    FlagImages flags;
    ASSERT_TRUE(flags.LoadFlags(QOR_SOURCE_DIR "/data/flags.dat"));
    EXPECT_EQ(flags.Count(), 29u);
    EXPECT_LT(flags.Pictures().size(), 100000u);

    std::map<int, int> driversOf;
    for (int i = 1; i <= d.DriverCount; ++i)
        ++driversOf[d.DriverNat[static_cast<std::size_t>(i)]];
    std::size_t total = 0;
    for (std::size_t i = 0; i < 29; ++i) {
        const auto bmp = flags.PictureAt(flags.FindFlag(flags.NameAt(i)));
        ASSERT_GE(bmp.size(), 54u) << flags.NameAt(i);
        std::int32_t width = 0, height = 0;
        std::memcpy(&width, bmp.data() + 18, 4);
        std::memcpy(&height, bmp.data() + 22, 4);
        EXPECT_EQ(height, 11) << flags.NameAt(i);
        EXPECT_TRUE(width == 16 || width == 11) << flags.NameAt(i); // the Swiss flag is square
        EXPECT_EQ(bmp[28], 24);
        EXPECT_EQ(bmp.size(), 54u + static_cast<std::size_t>((width * 3 + 3) / 4 * 4 * height));
        total += bmp.size();
    }
    EXPECT_EQ(total, flags.Pictures().size());
    // Every nationality with at least two drivers has its flag, found as the statistics
    // frame asks for it.
    for (const auto& [nat, count] : driversOf) {
        const std::string name = d.Nationalities[static_cast<std::size_t>(nat)].str();
        if (count < 2) continue;
        EXPECT_GE(flags.FindFlag(name + ".bmp"), 0) << name;
    }
    EXPECT_GE(flags.FindFlag(d.DriverNatName(d.FindDriver("Ayrton Senna")) + ".bmp"), 0);
    EXPECT_EQ(flags.NameAt(0), "american.bmp");
}
