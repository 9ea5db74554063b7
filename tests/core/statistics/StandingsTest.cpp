// Championship tables: points texts, season standings, champions by year, champion rankings,
// points and titles of one driver or team, their history entries and commands.

#include "BrowserTablesFixture.h"

#include "mainwindow/GPBrowser.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/PointsText.h"
#include "statistics/SeasonLists.h"

#include <cmath>

namespace qor::testing {
namespace {

TEST(StandingsPointsText, TwoDecimalsAfterRoundingToSignificantDigits) {
    EXPECT_EQ(PointsText(10.0f, 4), "10.00");
    EXPECT_EQ(PointsText(2.5f, 4), "2.50");
    EXPECT_EQ(PointsText(0.0f, 4), "0.00");
    EXPECT_EQ(PointsText(134.0f, 4), "134.00");
    // 123.25 is exact in binary: 4 digits round its last 5 away from zero, 5 digits keep it.
    EXPECT_EQ(PointsText(123.25f, 4), "123.30");
    EXPECT_EQ(PointsText(123.25f, 5), "123.25");
    EXPECT_EQ(PointsText(123.25f, 15), "123.25");
    // Seventh parts of points (shared fastest laps of the 1950s).
    EXPECT_EQ(PointsText(25.142857f, 4), "25.14");
    EXPECT_EQ(PointsText(24.642857f, 15), "24.64");
    // The stored value, not its decimal spelling, is rounded: 123.45f lies just below 123.45.
    EXPECT_EQ(PointsText(123.45f, 4), "123.40");
    EXPECT_EQ(PointsText(123.45f, 5), "123.45");
    // Thousands separators, and rounding beyond the decimal point at low precision.
    EXPECT_EQ(PointsText(1234.5f, 4), "1,235.00");
    EXPECT_EQ(PointsText(1234.5f, 15), "1,234.50");
    EXPECT_EQ(PointsText(12345.6f, 4), "12,350.00");
    EXPECT_EQ(PointsText(9999.5f, 4), "10,000.00");
    EXPECT_EQ(PointsText(1234567.0, 15), "1,234,567.00");
    EXPECT_EQ(PointsText(0.996, 15), "1.00");
    EXPECT_EQ(PointsText(0.004, 15), "0.00");
    EXPECT_EQ(PointsText(-3.0f, 4), "-3.00");
    EXPECT_EQ(PointsText(-0.001, 4), "0.00");
    EXPECT_EQ(PointsText(std::nan(""), 4), "0.00");
}

// Seasons 1950..1960 with hand-picked champions and standings.
class StandingsTest : public ProducerTest {
  protected:
    void SetUp() override {
        const auto arg = b_.Nationality("Argentine");
        const auto brit = b_.Nationality("British");
        const auto italy = b_.Country("Italy");
        const auto uk = b_.Country("UK");
        fangio_ = b_.Driver("Juan Manuel Fangio", arg);
        hawthorn_ = b_.Driver("Mike Hawthorn", brit);
        moss_ = b_.Driver("Stirling Moss", brit);
        ascari_ = b_.Driver("Alberto Ascari", b_.Nationality("Italian"));
        brabham_ = b_.Driver("Jack Brabham", b_.Nationality("Australian"));
        ferrari_ = b_.Team("Ferrari", italy);
        vanwall_ = b_.Team("Vanwall", uk);
        cooper_ = b_.Team("Cooper", uk);
        maserati_ = b_.Team("Maserati", italy);

        b_.SeasonsUpTo(1950);
        b_.DriverStanding(1950, ascari_, ferrari_, 30.0f);
        b_.DriverStanding(1950, fangio_, maserati_, 27.0f);
        b_.SeasonsUpTo(1951);
        b_.DriverStanding(1951, fangio_, maserati_, 31.0f);
        b_.DriverStanding(1951, ascari_, ferrari_, 25.0f);
        b_.SeasonsUpTo(1952);
        b_.DriverStanding(1952, fangio_, maserati_, 123.25f);
        b_.DriverStanding(1952, moss_, maserati_, 123.25f); // a shared top score
        b_.SeasonsUpTo(1955);                               // 1953, 1954: empty standings ranges
        b_.DriverStanding(1955, fangio_, maserati_, 40.0f);
        b_.SeasonsUpTo(1958);
        b_.DriverStanding(1958, hawthorn_, ferrari_, 42.0f);
        b_.DriverStanding(1958, moss_, vanwall_, 41.0f);
        b_.DriverStanding(1958, fangio_, maserati_, 7.0f);
        b_.TeamStanding(1958, vanwall_, "Vanwall", 48.0f);
        b_.TeamStanding(1958, ferrari_, "Ferrari", 1234.5f);
        b_.TeamStanding(1958, 0, "Privateer", 3.0f); // known only by its name
        b_.SeasonsUpTo(1959);
        b_.TeamStanding(1959, cooper_, "Climax", 40.0f);
        b_.TeamStanding(1959, ferrari_, "Ferrari", 123.25f);
        b_.SeasonsUpTo(1960);
        b_.TeamStanding(1960, cooper_, "Climax", 48.0f);

        // Drivers' champions: Ascari 1950, 1953, 1954 (three, first in 1950), Fangio 1951,
        // 1952, 1955 (three, first later), Hawthorn 1958, Brabham 1959, 1960; 1956 and 1957
        // have none recorded.
        const std::pair<int, std::uint16_t> champions[] = {
            {1950, ascari_}, {1951, fangio_},   {1952, fangio_},  {1953, ascari_}, {1954, ascari_},
            {1955, fangio_}, {1958, hawthorn_}, {1959, brabham_}, {1960, brabham_}};
        for (const auto& [year, d] : champions) {
            db_->Seasons[year].ChampDriver = d;
            db_->Seasons[year].ChampDriverTeam = d == fangio_ ? maserati_ : cooper_;
            db_->Seasons[year].ChampDriverWins = static_cast<std::uint8_t>(year - 1945);
        }
        // Constructors: Vanwall 1958, Cooper 1959, 1960; a champion put into 1957 (before the
        // constructors' championship) is ignored.
        db_->Seasons[1957].ChampTeam = ferrari_;
        db_->Seasons[1958].ChampTeam = vanwall_;
        db_->Seasons[1958].ChampTeamWins = 6;
        db_->Seasons[1959].ChampTeam = cooper_;
        db_->Seasons[1959].ChampTeamWins = 5;
        db_->Seasons[1960].ChampTeam = cooper_;
        db_->Seasons[1960].ChampTeamWins = 6;
        FillYearLists(Ctx());
    }

    std::uint16_t fangio_ = 0, hawthorn_ = 0, moss_ = 0, ascari_ = 0, brabham_ = 0;
    std::uint8_t ferrari_ = 0, vanwall_ = 0, cooper_ = 0, maserati_ = 0;
};

TEST_F(StandingsTest, DriversStandingsOfAYear) {
    ASSERT_TRUE(DriverStandingsTable(Ctx(), 1958));
    EXPECT_EQ(T().TitleLabel, "Drivers Championship   1958");
    EXPECT_EQ(RowCells(T(), 0),
              (std::vector<std::string>{"", " Driver", " Nationality", " Points", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{25, 150, 95, 55, 0}));
    ASSERT_EQ(T().RowCount(), 4);
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "Mike Hawthorn", "British", "42.00", "0"}));
    EXPECT_EQ(RowCells(T(), 3),
              (std::vector<std::string>{"3", "Juan Manuel Fangio", "Argentine", "7.00", "0"}));
    EXPECT_EQ(T().CountLabel, "3  record(s) found.");
    // Four significant digits.
    ASSERT_TRUE(DriverStandingsTable(Ctx(), 1952));
    EXPECT_EQ(T().Cell(3, 1), "123.30");
}

TEST_F(StandingsTest, AnEmptyStandingsRangeGivesTitleBlankRowAndCountZero) {
    ASSERT_TRUE(DriverStandingsTable(Ctx(), 1953));
    EXPECT_EQ(T().TitleLabel, "Drivers Championship   1953");
    ASSERT_EQ(T().RowCount(), 2);
    EXPECT_EQ(RowCells(T(), 1), std::vector<std::string>(5));
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(StandingsTest, ConstructorsStandingsOfAYear) {
    ASSERT_TRUE(TeamStandingsTable(Ctx(), 1958));
    EXPECT_EQ(T().TitleLabel, "Constructors Championship   1958");
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{"", "Constructors", " Engine",
                                                          " Nationality", " Points", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{25, 90, 190, 95, 55, 0}));
    ASSERT_EQ(T().RowCount(), 4);
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "Vanwall", "Vanwall", "UK", "48.00", "0"}));
    // Fifteen significant digits keep every decimal.
    EXPECT_EQ(RowCells(T(), 2),
              (std::vector<std::string>{"2", "Ferrari", "Ferrari", "Italy", "1,234.50", "0"}));
    EXPECT_EQ(RowCells(T(), 3),
              (std::vector<std::string>{"3", "_____", "Privateer", "_____", "3.00", "0"}));
}

TEST_F(StandingsTest, SeasonsWithoutThatChampionshipAreRefused) {
    EXPECT_FALSE(TeamStandingsTable(Ctx(), 1957));
    EXPECT_FALSE(DriverStandingsTable(Ctx(), 1949));
    EXPECT_FALSE(DriverStandingsTable(Ctx(), 1961));
    EXPECT_EQ(Ctx().history.HistCount(), 0);
    EXPECT_EQ(T().ColCount(), 1);
}

TEST_F(StandingsTest, DriversChampionsByYear) {
    DriverChampionsTable(Ctx());
    EXPECT_EQ(T().TitleLabel, "Drivers Championship");
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{" Year", "Champion Driver",
                                                          " Nationality", "Car", "Wins", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{40, 150, 95, 90, 70, 0}));
    ASSERT_EQ(T().RowCount(), 12);
    EXPECT_EQ(RowCells(T(), 1), (std::vector<std::string>{"1960", "Jack Brabham", "Australian",
                                                          "Cooper", "15 gp", "0"}));
    EXPECT_EQ(RowCells(T(), 6), (std::vector<std::string>{"1955", "Juan Manuel Fangio", "Argentine",
                                                          "Maserati", "10 gp", "0"}));
    EXPECT_EQ(T().Cell(0, 11), "1950");
    EXPECT_EQ(T().CountLabel, "11  record(s) found.");
}

TEST_F(StandingsTest, ConstructorsChampionsByYearStartIn1958) {
    TeamChampionsTable(Ctx());
    EXPECT_EQ(T().TitleLabel, "Constructors Championship");
    EXPECT_EQ(RowCells(T(), 0),
              (std::vector<std::string>{" Year", "Champion Team", " Nationality", "Wins", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{40, 110, 95, 70, 0}));
    ASSERT_EQ(T().RowCount(), 4);
    EXPECT_EQ(RowCells(T(), 1), (std::vector<std::string>{"1960", "Cooper", "UK", "6 gp", "0"}));
    EXPECT_EQ(RowCells(T(), 3), (std::vector<std::string>{"1958", "Vanwall", "UK", "6 gp", "0"}));
    EXPECT_EQ(T().CountLabel, "3  record(s) found.");
}

TEST_F(StandingsTest, DriversRankingByTitlesTiesInOrderOfFirstTitle) {
    DriverChampionRanking(Ctx());
    EXPECT_EQ(T().TitleLabel, "Drivers Championship Winners");
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{"", "Champion Driver", " Nationality",
                                                          "Champion", "Years", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{20, 150, 95, 80, 405, 0}));
    ASSERT_EQ(T().RowCount(), 5);
    // Ascari and Fangio have three titles each; Ascari won first. Seasons without a recorded
    // champion add no row.
    EXPECT_EQ(RowCells(T(), 1), (std::vector<std::string>{"1", "Alberto Ascari", "Italian", "3",
                                                          " / 1950 / 1953 / 1954", "0"}));
    EXPECT_EQ(RowCells(T(), 2), (std::vector<std::string>{"2", "Juan Manuel Fangio", "Argentine",
                                                          "3", " / 1951 / 1952 / 1955", "0"}));
    // Brabham's two titles rank above Hawthorn's one although Hawthorn won first.
    EXPECT_EQ(RowCells(T(), 3), (std::vector<std::string>{"3", "Jack Brabham", "Australian", "2",
                                                          " / 1959 / 1960", "0"}));
    EXPECT_EQ(RowCells(T(), 4),
              (std::vector<std::string>{"4", "Mike Hawthorn", "British", "1", " / 1958", "0"}));
    EXPECT_EQ(T().CountLabel, "4  record(s) found.");
}

TEST_F(StandingsTest, ConstructorsRankingCountsFrom1958) {
    TeamChampionRanking(Ctx());
    EXPECT_EQ(T().TitleLabel, "Constructors Championship Winners");
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{"", "Champion Team", " Nationality",
                                                          "Champion", "Years", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{20, 90, 95, 80, 470, 0}));
    ASSERT_EQ(T().RowCount(), 3);
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "Cooper", "UK", "2", " / 1959 / 1960", "0"}));
    EXPECT_EQ(RowCells(T(), 2),
              (std::vector<std::string>{"2", "Vanwall", "UK", "1", " / 1958", "0"}));
}

TEST_F(StandingsTest, PointsByYearOfADriver) {
    DriverPointsByYear(Ctx(), fangio_);
    EXPECT_EQ(T().TitleLabel, "Juan Manuel Fangio  points by year");
    EXPECT_EQ(RowCells(T(), 0),
              (std::vector<std::string>{" Year", " Driver", " Nationality", " Points", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{40, 150, 95, 55, 0}));
    EXPECT_EQ(ColumnCells(T(), 0),
              (std::vector<std::string>{"1950", "1951", "1952", "1955", "1958"}));
    EXPECT_EQ(RowCells(T(), 3),
              (std::vector<std::string>{"1952", "Juan Manuel Fangio", "Argentine", "123.30", "0"}));
    EXPECT_EQ(T().CountLabel, "5  record(s) found.");
}

TEST_F(StandingsTest, ChampionshipsOfADriverListOnlyTheStoredFirstRow) {
    DriverChampionships(Ctx(), fangio_);
    EXPECT_EQ(T().TitleLabel, "Juan Manuel Fangio  championship");
    EXPECT_EQ(ColumnCells(T(), 0), (std::vector<std::string>{"1951", "1952", "1955"}));
    EXPECT_EQ(T().Cell(3, 2), "123.25"); // five significant digits
    // Moss shares the 1952 top score but is stored second: no title.
    DriverChampionships(Ctx(), moss_);
    ASSERT_EQ(T().RowCount(), 2);
    EXPECT_EQ(RowCells(T(), 1), std::vector<std::string>(5));
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(StandingsTest, PointsAndChampionshipsOfATeam) {
    TeamPointsByYear(Ctx(), ferrari_);
    EXPECT_EQ(T().TitleLabel, "Ferrari  points by year");
    EXPECT_EQ(RowCells(T(), 0),
              (std::vector<std::string>{" Year", "Constructors", " Nationality", " Points", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{40, 90, 95, 55, 0}));
    ASSERT_EQ(T().RowCount(), 3);
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1958", "Ferrari", "Italy", "1,235.00", "0"}));
    EXPECT_EQ(RowCells(T(), 2),
              (std::vector<std::string>{"1959", "Ferrari", "Italy", "123.30", "0"}));

    TeamChampionships(Ctx(), cooper_);
    EXPECT_EQ(T().TitleLabel, "Cooper  championship");
    EXPECT_EQ(ColumnCells(T(), 0), (std::vector<std::string>{"1959", "1960"}));
    EXPECT_EQ(T().Cell(3, 1), "40.00");
    TeamChampionships(Ctx(), ferrari_);
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(StandingsTest, ARowKnownOnlyByNameBelongsToNoTeam) {
    // SelectedRecord 0: the popup did not find the team; the Team = 0 row must not show.
    Ctx().grid.SelectedRecord = 0;
    teampointsbyyearClick(Ctx());
    EXPECT_EQ(T().TitleLabel, "_____  points by year");
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
    teamChampionship1Click(Ctx());
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
    pointsbyyearClick(Ctx());
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(StandingsTest, HistoryKindsValuesAndReplay) {
    Ctx().browser.DriverStandingYearIndex = 2; // 1958 in a list running 1960 down to 1950
    ListBox2Click(Ctx());
    EXPECT_EQ(Current().Kind, 150);
    EXPECT_EQ(Current().Value1, 2);
    EXPECT_EQ(Current().Caption, "Drivers Championship   1958");

    Ctx().browser.TeamStandingYearIndex = 1;
    ListBox3Click(Ctx());
    EXPECT_EQ(Current().Kind, 151);
    EXPECT_EQ(Current().Value1, 1);
    EXPECT_EQ(T().TitleLabel, "Constructors Championship   1959");

    Ctx().grid.SelectedRecord = fangio_;
    pointsbyyearClick(Ctx());
    EXPECT_EQ(Current().Kind, 152);
    EXPECT_EQ(Current().Value1, fangio_);
    Ctx().grid.SelectedRecord = cooper_;
    teamChampionship1Click(Ctx());
    EXPECT_EQ(Current().Kind, 153);
    EXPECT_EQ(Current().Value1, cooper_);

    Button4Click(Ctx());
    EXPECT_EQ(Current().Kind, 102);

    // Back to the driver's points: SelectedRecord is the driver again.
    Ctx().history.Back();
    Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "Juan Manuel Fangio  points by year");
    EXPECT_EQ(Ctx().grid.SelectedRecord, fangio_);
    Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "Constructors Championship   1959");
    EXPECT_EQ(Ctx().history.HistCount(), 5);
}

TEST_F(StandingsTest, YearListHandlersNeedASelection) {
    ListBox2Click(Ctx());
    ListBox3Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);
}

// Every command of the panel builds a table recording its own history kind.
TEST_F(StandingsTest, CommandsRecordTheirKinds) {
    Ctx().browser.DriverStandingYearIndex = 0;
    Ctx().browser.TeamStandingYearIndex = 0;
    for (const MenuTableCommand& c : ChampionshipCommands) {
        Ctx().grid.SelectedRecord = c.Item.find("oints") != std::string_view::npos ||
                                            c.Item.find("hampionship") != std::string_view::npos
                                        ? 1
                                        : 0;
        const int before = Ctx().history.HistCount();
        c.Run(Ctx());
        ASSERT_EQ(Ctx().history.HistCount(), before + 1) << c.Item;
        EXPECT_EQ(Current().Kind, c.Kind) << c.Item;
        EXPECT_EQ(Current().Caption, T().TitleLabel) << c.Item;
    }
    EXPECT_EQ(langs_.Text(ChampionshipCommands[2].CaptionSlot), "Champions");
    EXPECT_EQ(langs_.Text(ChampionshipCommands[4].CaptionSlot), "Sorted");
    EXPECT_EQ(langs_.Text(ChampionshipCommands[6].CaptionSlot), "Points by year");
}

class StandingsShipped : public ShippedTest {};

TEST_F(StandingsShipped, Drivers2006AlonsoFirstWith134) {
    ASSERT_TRUE(DriverStandingsTable(Ctx(), 2006));
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "Fernando Alonso", "Spanish", "134.00", "0"}));
    EXPECT_EQ(RowCells(T(), 2),
              (std::vector<std::string>{"2", "Michael Schumacher", "German", "121.00", "0"}));
}

TEST_F(StandingsShipped, Constructors2006RenaultAheadOfFerrari) {
    ASSERT_TRUE(TeamStandingsTable(Ctx(), 2006));
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "Renault", "Renault", "France", "206.00", "0"}));
    EXPECT_EQ(T().Cell(1, 2), "Ferrari");
    EXPECT_EQ(T().Cell(4, 2), "201.00");
    EXPECT_EQ(T().Cell(2, 3), "Mercedes"); // McLaren's engine
}

TEST_F(StandingsShipped, FerrariHeadsTheConstructorsRanking) {
    TeamChampionRanking(Ctx());
    EXPECT_EQ(T().Cell(1, 1), "Ferrari");
    EXPECT_EQ(T().Cell(3, 1), "14");
    EXPECT_EQ(T().Cell(1, 2), "Williams");
    EXPECT_EQ(T().Cell(3, 2), "9");
    EXPECT_EQ(T().Cell(1, 3), "McLaren");
}

TEST_F(StandingsShipped, SchumacherAndFangioHeadTheDriversRanking) {
    DriverChampionRanking(Ctx());
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "Michael Schumacher", "German", "7",
                                        " / 1994 / 1995 / 2000 / 2001 / 2002 / 2003 / 2004", "0"}));
    EXPECT_EQ(T().Cell(1, 2), "Juan Manuel Fangio");
    EXPECT_EQ(T().Cell(3, 2), "5");
    // Every season has one champion: the titles add up to the 57 seasons.
    int titles = 0;
    for (int r = 1; r < T().RowCount(); ++r)
        titles += std::stoi(T().Cell(3, r));
    EXPECT_EQ(titles, 57);
}

TEST_F(StandingsShipped, SennaWonThreeTitles) {
    DriverChampionships(Ctx(), db_->FindDriver("Ayrton Senna"));
    EXPECT_EQ(ColumnCells(T(), 0), (std::vector<std::string>{"1988", "1990", "1991"}));
}

TEST_F(StandingsShipped, ChampionsOfTheFirstAndLastSeasons) {
    DriverChampionsTable(Ctx());
    ASSERT_EQ(T().RowCount(), 58);
    EXPECT_EQ(RowCells(T(), 1), (std::vector<std::string>{"2006", "Fernando Alonso", "Spanish",
                                                          "Renault", "7 gp", "0"}));
    EXPECT_EQ(T().Cell(0, 57), "1950");
    EXPECT_EQ(T().Cell(1, 57), "Nino Farina");
    TeamChampionsTable(Ctx());
    EXPECT_EQ(T().Cell(1, 1), "Renault");
    EXPECT_EQ(T().Cell(0, 49), "1958");
    EXPECT_EQ(T().Cell(1, 49), "Vanwall");
}

} // namespace
} // namespace qor::testing
