// Championship tables: points texts, season standings, champions by year, champion rankings,
// points and titles of one driver or team, their history entries and commands.

#include "statistics/ChampionshipTables.h"
#include "statistics/PointsText.h"
#include "support/StatisticsFixtures.h"

#include <cmath>

namespace qor::testing {
namespace {

TEST(StandingsPointsText, TwoDecimalsAfterRoundingToSignificantDigits) {
    struct Case {
        double points;
        int digits;
        const char* text;
        const char* why;
    };
    const Case cases[] = {
        {10.0, 4, "10.00", "whole points"},
        {123.25f, 4, "123.30", "exact in binary: the last 5 rounds away from zero"},
        {24.642857f, 15, "24.64", "seventh parts of points"},
        {123.45f, 4, "123.40", "the stored value lies just below 123.45"},
        {1234.5f, 4, "1,235.00", "thousands separator, rounding before the point"},
        {9999.5f, 4, "10,000.00", "rounding carries into a new digit"},
        {0.996, 15, "1.00", "decimals round up"},
        {-0.001, 4, "0.00", "no negative zero"},
        {std::nan(""), 4, "0.00", "not a number"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointsText(c.points, c.digits), c.text) << c.points << " " << c.why;
}

// Seasons 1950..1960 with hand-picked champions and standings.
class StandingsTest : public ProducerTest {
  protected:
    void SetUp() override {
        const auto brit = b_.Nationality("British");
        const auto italy = b_.Country("Italy"), uk = b_.Country("UK");
        fangio_ = b_.Driver("Juan Manuel Fangio", b_.Nationality("Argentine"));
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
        b_.SeasonsUpTo(1952);
        b_.DriverStanding(1952, fangio_, maserati_, 123.25f);
        b_.DriverStanding(1952, moss_, maserati_, 123.25f); // a shared top score
        b_.SeasonsUpTo(1955);                               // 1953, 1954: empty standings
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

        // Ascari 1950, 1953, 1954 and Fangio 1951, 1952, 1955 have three titles each, Ascari's
        // first; Brabham's two (1959, 1960) come after Hawthorn's one (1958). 1956, 1957: none.
        const std::pair<int, std::uint16_t> champions[] = {
            {1950, ascari_}, {1951, fangio_},   {1952, fangio_},  {1953, ascari_}, {1954, ascari_},
            {1955, fangio_}, {1958, hawthorn_}, {1959, brabham_}, {1960, brabham_}};
        for (const auto& [year, d] : champions) {
            db_->Seasons[year].ChampDriver = d;
            db_->Seasons[year].ChampDriverTeam = d == fangio_ ? maserati_ : cooper_;
            db_->Seasons[year].ChampDriverWins = static_cast<std::uint8_t>(year - 1945);
        }
        // Constructors from 1958; a champion put into 1957 is ignored.
        const std::pair<int, std::uint8_t> teams[] = {
            {1957, ferrari_}, {1958, vanwall_}, {1959, cooper_}, {1960, cooper_}};
        for (const auto& [year, t] : teams) {
            db_->Seasons[year].ChampTeam = t;
            db_->Seasons[year].ChampTeamWins = static_cast<std::uint8_t>(year - 1953);
        }
        FillYearLists(Ctx());
    }

    std::uint16_t fangio_ = 0, hawthorn_ = 0, moss_ = 0, ascari_ = 0, brabham_ = 0;
    std::uint8_t ferrari_ = 0, vanwall_ = 0, cooper_ = 0, maserati_ = 0;
};

TEST_F(StandingsTest, StandingsOfAYear) {
    ASSERT_TRUE(DriverStandingsTable(Ctx(), 1958));
    ASSERT_EQ(T().RowCount(), 4);
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "Mike Hawthorn", "British", "42.00", "0"}));
    EXPECT_EQ(T().CountLabel, "3  record(s) found.");
    ASSERT_TRUE(DriverStandingsTable(Ctx(), 1952));
    EXPECT_EQ(T().Cell(3, 1), "123.30"); // four significant digits

    // Teams: fifteen digits; a row known only by its name has no team or country.
    ASSERT_TRUE(TeamStandingsTable(Ctx(), 1958));
    EXPECT_EQ(RowCells(T(), 2), (Strings{"2", "Ferrari", "Ferrari", "Italy", "1,234.50", "0"}));
    EXPECT_EQ(RowCells(T(), 3), (Strings{"3", "_____", "Privateer", "_____", "3.00", "0"}));

    // An empty standings range: a blank row and count 0.
    ASSERT_TRUE(DriverStandingsTable(Ctx(), 1953));
    EXPECT_EQ(RowCells(T(), 1), Strings(5));
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
    // Seasons without that championship are refused and leave no entry.
    EXPECT_FALSE(TeamStandingsTable(Ctx(), 1957));
    EXPECT_FALSE(DriverStandingsTable(Ctx(), 1949));
    EXPECT_EQ(Ctx().history.HistCount(), 4);
}

TEST_F(StandingsTest, ChampionsByYearNewestFirst) {
    DriverChampionsTable(Ctx());
    ASSERT_EQ(T().RowCount(), 12);
    EXPECT_EQ(RowCells(T(), 1),
              (Strings{"1960", "Jack Brabham", "Australian", "Cooper", "15 gp", "0"}));
    EXPECT_EQ(RowCells(T(), 6),
              (Strings{"1955", "Juan Manuel Fangio", "Argentine", "Maserati", "10 gp", "0"}));

    TeamChampionsTable(Ctx()); // from 1958
    EXPECT_EQ(RowCells(T(), 3), (Strings{"1958", "Vanwall", "UK", "5 gp", "0"}));
}

TEST_F(StandingsTest, RankingsByTitlesTieInOrderOfFirstTitle) {
    DriverChampionRanking(Ctx());
    EXPECT_EQ(ColumnCells(T(), 1),
              (Strings{"Alberto Ascari", "Juan Manuel Fangio", "Jack Brabham", "Mike Hawthorn"}));
    EXPECT_EQ(RowCells(T(), 2),
              (Strings{"2", "Juan Manuel Fangio", "Argentine", "3", " / 1951 / 1952 / 1955", "0"}));
    TeamChampionRanking(Ctx());
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "Cooper", "UK", "2", " / 1959 / 1960", "0"}));
}

TEST_F(StandingsTest, PointsAndTitlesOfOneDriverOrTeam) {
    DriverPointsByYear(Ctx(), fangio_);
    EXPECT_EQ(ColumnCells(T(), 0), (Strings{"1950", "1951", "1952", "1955", "1958"}));
    // Titles list the stored first row only, at five digits; Moss shares 1952 but is second.
    DriverChampionships(Ctx(), fangio_);
    EXPECT_EQ(ColumnCells(T(), 0), (Strings{"1951", "1952", "1955"}));
    EXPECT_EQ(T().Cell(3, 2), "123.25");
    DriverChampionships(Ctx(), moss_);
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");

    TeamPointsByYear(Ctx(), ferrari_);
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1958", "Ferrari", "Italy", "1,235.00", "0"}));
    EXPECT_EQ(RowCells(T(), 2), (Strings{"1959", "Ferrari", "Italy", "123.30", "0"}));
    TeamChampionships(Ctx(), cooper_);
    EXPECT_EQ(ColumnCells(T(), 0), (Strings{"1959", "1960"}));

    // SelectedRecord 0 (the popup found no team): the Team = 0 row must not show.
    Ctx().grid.SelectedRecord = 0;
    for (auto click : {teampointsbyyearClick, teamChampionship1Click, pointsbyyearClick}) {
        click(Ctx());
        EXPECT_EQ(T().CountLabel, "0  record(s) found.");
    }
}

TEST_F(StandingsTest, CommandsRecordTheirKindsAndReplay) {
    ListBox2Click(Ctx()); // no year chosen: nothing
    ListBox3Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);

    Ctx().browser.DriverStandingYearIndex = 2; // 1958 in a list running 1960 down to 1950
    Ctx().browser.TeamStandingYearIndex = 1;   // 1959
    Strings titles;
    for (const MenuTableCommand& c : ChampionshipCommands) {
        const bool team = &c - ChampionshipCommands.data() >= 8;
        Ctx().grid.SelectedRecord = team ? cooper_ : fangio_;
        c.Run(Ctx());
        EXPECT_EQ(Current().Kind, c.Kind) << c.Item;
        EXPECT_EQ(Current().Caption, T().TitleLabel) << c.Item;
        titles.push_back(T().TitleLabel);
    }
    // Going back rebuilds each table from its entry, the selected record with it.
    for (int i = static_cast<int>(titles.size()) - 2; i >= 0; --i) {
        Ctx().history.Back();
        EXPECT_EQ(T().TitleLabel, titles[static_cast<std::size_t>(i)]);
    }
}

} // namespace
} // namespace qor::testing
