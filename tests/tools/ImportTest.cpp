// The importer on a small extract: every mapping rule shows in the tables it fills.

#include "BuildError.h"
#include "F1dbImport.h"
#include "MiniF1db.h"
#include "database/Invariants.h"
#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::testing;
using namespace qor::tools;

namespace {

class Import : public ::testing::Test {
  protected:
    void SetUp() override { WriteMiniF1db(dir.path()); }
    void Fill() {
        importer = std::make_unique<F1dbImport>(dir.path());
        importer->Fill(*db);
    }
    // The rows of GP g as "driver|team|pos|time|notes|grid".
    std::vector<std::string> Rows(int g) const {
        std::vector<std::string> rows;
        const TGPRow& gp = db->GPs[static_cast<std::size_t>(g)];
        for (int r = gp.FirstResult; r <= gp.LastResult; ++r) {
            const TResultRec& x = db->Results[static_cast<std::size_t>(r)];
            rows.push_back(db->ResultDriverName(r) + "|" + db->ResultTeamName(r) + "|" +
                           The_Class::NumText(x.Pos) + "|" + The_Class::FormatTime(x.Time) + "|" +
                           db->ReasonText(x.Reason) + "|" + std::to_string(x.Grid));
        }
        return rows;
    }

    TempDir dir;
    std::unique_ptr<The_Class> db = std::make_unique<The_Class>();
    std::unique_ptr<F1dbImport> importer;
};

} // namespace

TEST_F(Import, SeasonsAndGrandsPrixInDateOrder) {
    Fill();
    EXPECT_EQ(FirstViolation(*db), "");
    EXPECT_EQ(db->SeasonCount, 2);
    EXPECT_EQ(db->LastYear, 1951);
    ASSERT_EQ(db->GPCount, 3);
    EXPECT_EQ(db->FormatDate(db->GPs[1].Date), "13 May 1950");
    EXPECT_EQ(db->GPNameOf(db->GPs[1].GPName), "Great Britain");
    EXPECT_EQ(db->TrackNameOf(db->GPs[2].Track), "Monte Carlo");
    EXPECT_EQ(db->TrackNameOf(db->GPs[3].Track), "Reims");
    EXPECT_EQ(db->GPs[2].Laps, 100);
    EXPECT_EQ(db->GPs[1].Remark, 0);
    EXPECT_EQ(db->Seasons[1950].FirstGP, 1);
    EXPECT_EQ(db->Seasons[1950].LastGP, 2);
    EXPECT_EQ(db->Seasons[1951].FirstGP, 3);
    EXPECT_EQ(db->DriverCount, 8); // only drivers with an entry
}

TEST_F(Import, ClassificationByPositionThenUnplacedInDisplayOrder) {
    Fill();
    EXPECT_EQ(Rows(1), (std::vector<std::string>{
                           "Nino Farina|Alfa Romeo|1|2 hr 13:23.60||1",
                           "Luigi Fagioli|Alfa Romeo|2|+ 02.60||2",
                           "Reg Parnell|Alfa Romeo|3|||0",
                           "Jan Los|ERA|4|+ 10 laps|Engine|5",
                           "Juan Manuel Fangio|Alfa Romeo||lap 62|Oil pipe|3",
                           "Tony Rolt|ERA|||DNQ|0",
                           "Stirling Moss|Lotus|||DNS - Injury|4",
                       }));
    EXPECT_EQ(Rows(2), (std::vector<std::string>{
                           "Juan Manuel Fangio|Alfa Romeo|1|3 hr 13:18.70||1",
                           "Luigi Fagioli|Alfa Romeo|2|+ 1 laps||0",
                           "Tony Rolt|ERA||lap 80|NC|5",
                           "Nino Farina|Alfa Romeo||lap 90|Disq - Push start|2",
                           "Alberto Ascari|Ferrari (1950)|||Excluded (Disq)|0",
                           "Stirling Moss|Lotus|||DNS - Did not practise|0",
                       }));
    // A shared winning car: both drivers are winners.
    EXPECT_EQ(Rows(3), (std::vector<std::string>{
                           "Luigi Fagioli|Alfa Romeo|1|3 hr 22:11.00||7",
                           "Juan Manuel Fangio|Alfa Romeo|1|||0",
                           "Alberto Ascari|Ferrari|2|+ 3 laps||3",
                           "Stirling Moss|Lotus (1951)|||DNPQ|0",
                       }));
}

TEST_F(Import, DescriptionsMostUsedFirstWithTheEmptyTextAtItsRow) {
    Fill();
    ASSERT_GE(db->ReasonCount, EmptyReasonCode);
    EXPECT_EQ(db->ReasonText(EmptyReasonCode), "");
    EXPECT_EQ(db->Results[1].Reason, EmptyReasonCode);
    EXPECT_EQ(db->ReasonText(1), "DNPQ");
    const auto engine = db->FindReason("Engine");
    ASSERT_NE(engine, 0);
    EXPECT_NE(engine, EmptyReasonCode);
}

TEST_F(Import, NamesUniqueAndTheLastSeasonsTeamNamesKept) {
    Fill();
    EXPECT_EQ(db->TeamCount, 6);
    EXPECT_NE(db->FindTeam("Ferrari"), 0);
    EXPECT_NE(db->FindTeam("Ferrari (1950)"), 0);
    EXPECT_NE(db->FindTeam("Lotus (1951)"), 0);
    EXPECT_EQ(db->TeamCountryName(db->FindTeam("Lotus (1951)")), "USA");
    EXPECT_EQ(db->TeamCountryName(db->FindTeam("ERA")), "United Kingdom");
    EXPECT_EQ(db->DriverNatName(db->FindDriver("Juan Manuel Fangio")), "Argentine");
    EXPECT_EQ(db->DriverNatName(db->FindDriver("Jan Los")), "Polish");
    EXPECT_EQ(db->FindDriver("Never Raced"), 0);
}

TEST_F(Import, FastestLapsPolesStandingsAndChampions) {
    Fill();
    EXPECT_EQ(db->DriverName(db->GPs[1].FLDriver), "Nino Farina");
    EXPECT_EQ(The_Class::FormatTime(db->GPs[1].FLTime), "01:50.60");
    EXPECT_EQ(The_Class::FormatTime(db->GPs[2].PoleTime), "01:50.20");
    EXPECT_EQ(db->DriverName(db->GPs[3].PoleDriver), "Juan Manuel Fangio");
    EXPECT_EQ(db->GPs[3].PoleTime, 0u);

    const TSeasonRow& s50 = db->Seasons[1950];
    EXPECT_EQ(db->DriverName(s50.ChampDriver), "Nino Farina");
    EXPECT_EQ(db->TeamName(s50.ChampDriverTeam), "Alfa Romeo");
    EXPECT_EQ(s50.ChampDriverWins, 1);
    EXPECT_EQ(s50.ChampTeam, 0);
    EXPECT_EQ(s50.LastDriverStanding - s50.FirstDriverStanding + 1, 4);
    EXPECT_EQ(s50.LastTeamStanding + 1, s50.FirstTeamStanding); // no constructors' table
    // A driver without a scoring result keeps the team of his last entry.
    const TDriverStanding& rolt = db->DriverStandings[s50.LastDriverStanding];
    EXPECT_EQ(db->DriverName(rolt.Driver), "Tony Rolt");
    EXPECT_EQ(db->TeamName(rolt.Team), "ERA");

    const TSeasonRow& s51 = db->Seasons[1951];
    EXPECT_EQ(db->DriverName(s51.ChampDriver), "Juan Manuel Fangio");
    EXPECT_EQ(s51.ChampDriverWins, 1);
    const float fangioPoints = db->DriverStandings[s51.FirstDriverStanding].Points;
    EXPECT_FLOAT_EQ(fangioPoints, 5.5f);
    EXPECT_EQ(db->TeamName(s51.ChampTeam), "Alfa Romeo");
    EXPECT_EQ(s51.ChampTeamWins, 1); // two winners in one car are one win
    ASSERT_EQ(s51.LastTeamStanding - s51.FirstTeamStanding + 1, 2);
    const TTeamStanding& second = db->TeamStandings[s51.LastTeamStanding];
    EXPECT_EQ(db->TeamName(second.Team), "Ferrari");
    EXPECT_EQ(second.Name.str(), "Ferrari");
    const float ferrariPoints = second.Points;
    EXPECT_FLOAT_EQ(ferrariPoints, 6.0f);
}

TEST_F(Import, OtherNamesAndFlagNationalities) {
    Fill();
    EXPECT_EQ(importer->OtherNameLines(3), (std::vector<std::string>{
                                               "Stirling Moss***Stirling Craufurd Moss",
                                               "Nino Farina***Emilio Giuseppe Farina",
                                               "Tony Rolt***Anthony Peter Roylance Rolt",
                                           }));
    EXPECT_EQ(importer->OtherNameLines(100).size(), 4u);
    const auto top = importer->TopNationalities(3);
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0].name, "Italian"); // three drivers like the British, but more entries
    EXPECT_EQ(top[1].name, "British");
    EXPECT_EQ(top[1].alpha2, "gb");
    EXPECT_EQ(top[2].name, "Argentine");
}

TEST_F(Import, RefusesWhatItCannotMapFaithfully) {
    WriteTsv(dir.file("races.tsv"),
             {
                 {"race_id", "year", "round", "date", "grand_prix_id", "circuit_id", "laps"},
                 {"1", "1950", "1", "1950-05-13", "great-britain", "silverstone", "70"},
                 {"2", "1950", "2", "1950-05-13", "monaco", "monaco", "100"},
                 {"3", "1951", "1", "1951-07-01", "france", "reims", "77"},
             });
    EXPECT_THROW(Fill(), BuildError);

    WriteMiniF1db(dir.path());
    WriteTsv(dir.file("fastest_laps.tsv"),
             {
                 {"race_id", "driver_id", "constructor_id", "lap", "time"},
                 {"1", "farina", "alfa-romeo", "2", "4:01:50.600"},
             });
    db = std::make_unique<The_Class>();
    EXPECT_THROW(Fill(), BuildError);

    WriteMiniF1db(dir.path());
    WriteTsv(dir.file("driver_standings.tsv"), {
                                                   {"year", "position", "driver_id", "points"},
                                                   {"1952", "1", "farina", "9"},
                                               });
    db = std::make_unique<The_Class>();
    EXPECT_THROW(Fill(), BuildError);

    WriteMiniF1db(dir.path());
    WriteTsv(dir.file("constructors.tsv"),
             {
                 {"constructor_id", "name", "full_name", "country_id"},
                 {"alfa-romeo", "Alfa Romeo", "Alfa Romeo", "italy"},
                 {"era", "A Constructor Name Far Too Long", "x", "united-kingdom"},
                 {"ferrari", "Ferrari", "Scuderia Ferrari", "italy"},
                 {"old-ferrari", "Ferrari", "Auto Avio Costruzioni", "italy"},
                 {"lotus", "Lotus", "Team Lotus", "united-kingdom"},
                 {"lotus-racing", "Lotus", "Lotus Racing", "united-states-of-america"},
             });
    db = std::make_unique<The_Class>();
    EXPECT_THROW(Fill(), BuildError);
}
