// Championship tables, the season lists of winners, fastest laps and poles, and the season
// and GP browser.

#include "statistics/ChampionshipTables.h"
#include "statistics/PointsText.h"
#include "statistics/SeasonLists.h"
#include "support/StatisticsFixtures.h"

#include <tuple>

#include <cmath>

namespace qor::testing {
namespace {

TEST(StandingsPointsText, TwoDecimalsAfterRoundingToSignificantDigits) {
    const std::tuple<double, int, const char*, const char*> cases[] = {
        {10.0, 4, "10.00", "whole points"},
        {123.25f, 4, "123.30", "exact in binary: the last 5 rounds away from zero"},
        {24.642857f, 15, "24.64", "seventh parts of points"},
        {123.45f, 4, "123.40", "the stored value lies just below 123.45"},
        {1234.5f, 4, "1,235.00", "thousands separator, rounding before the point"},
        {9999.5f, 4, "10,000.00", "rounding carries into a new digit"},
        {1234567.75, 15, "1,234,567.75", "every digit kept: separators and quarters"},
        {-2.5, 4, "-2.50", "a negative value keeps its sign"},
        {0.996, 15, "1.00", "decimals round up"},
        {-0.001, 4, "0.00", "no negative zero"},
        {std::nan(""), 4, "0.00", "not a number"},
    };
    for (const auto& [points, digits, text, why] : cases)
        EXPECT_EQ(PointsText(points, digits), text) << points << " " << why;
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

        // {year, driver, his team} or {year, team, 0, its name}: 1952 has a shared top score,
        // 1953 and 1954 empty standings, 1958 a team known only by its name.
        const std::tuple<int, std::uint16_t, std::uint8_t, const char*, float> rows[] = {
            {1950, ascari_, ferrari_, "", 30.0f},    {1950, fangio_, maserati_, "", 27.0f},
            {1951, fangio_, maserati_, "", 31.0f},   {1952, fangio_, maserati_, "", 123.25f},
            {1952, moss_, maserati_, "", 123.25f},   {1955, fangio_, maserati_, "", 40.0f},
            {1958, hawthorn_, ferrari_, "", 42.0f},  {1958, moss_, vanwall_, "", 41.0f},
            {1958, fangio_, maserati_, "", 7.0f},    {1958, vanwall_, 0, "Vanwall", 48.0f},
            {1958, ferrari_, 0, "Ferrari", 1234.5f}, {1958, 0, 0, "Privateer", 3.0f},
            {1959, cooper_, 0, "Climax", 40.0f},     {1959, ferrari_, 0, "Ferrari", 123.25f},
            {1960, cooper_, 0, "Climax", 48.0f}};
        for (const auto& [year, who, team, name, points] : rows) {
            b_.SeasonsUpTo(year);
            if (*name || !who)
                b_.TeamStanding(year, who, name, points);
            else
                b_.DriverStanding(year, who, team, points);
        }

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
    EXPECT_FALSE(TeamStandingsTable(Ctx(), 1957) || DriverStandingsTable(Ctx(), 1949));
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

class SeasonListsTest : public RecordListTest {
  protected:
    void SetUp() override { FillYearLists(Ctx()); }
};

TEST_F(SeasonListsTest, WhichGPsEachListShowsNewestFirst) {
    const std::tuple<int, int, std::vector<int>, const char*> cases[] = {
        {-1, 1990, {8, 1}, "GP2's first record is second: no winner"},
        {-1, 1991, {20, 16, 11}, "GP6 has no results, GP8's first record is unplaced"},
        {GPFactFastestLaps, 1990, {8, 3}, "GP2's fastest driver has no record there"},
        {GPFactFastestLaps, 1991, {23, 21, 18, 13}, "the driver's first record of the GP"},
        {GPFactPoles, 1990, {9, 7, 1}, "an unplaced pole sitter"},
        {GPFactPoles, 1991, {22, 20, 16, 11}, ""},
    };
    for (const auto& [kind, year, keys, why] : cases) {
        ASSERT_TRUE(kind < 0 ? ListWinners(Ctx(), year) : ListGPFacts(Ctx(), kind, year));
        EXPECT_EQ(Keys(), keys) << why;
        EXPECT_EQ(T().CountLabel, std::to_string(keys.size()) + "  record(s) found.");
    }
    EXPECT_EQ(T().TitleLabel, "1991 - Pole Positions");
    EXPECT_EQ(T().Title(5), " Pole Time");
    // An unplaced record: no position, its notes.
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "07 Jul 1991", "Beta", "Dave Dunn", "Red", "01:20.00",
                                         "", "Disqualified", "22"}));
    Ctx().browser.Info.Visible = true;
    ListWinners(Ctx(), 1990);
    EXPECT_FALSE(Ctx().browser.Info.Visible);
    EXPECT_EQ(RowCells(T(), 2),
              (Strings{"2", "10 Mar 1990", "Alpha", "Alan Able", "Red", "1 hr 30:00.00", "1"}));
    EXPECT_EQ(RowCells(T(), 3), Strings(7)); // the season's closing blank row
}

TEST_F(SeasonListsTest, AllSeasonsWithABlankRowAfterEachSeason) {
    ASSERT_TRUE(ListGPFacts(Ctx(), GPFactFastestLaps, 0));
    EXPECT_EQ(T().TitleLabel, "Fastest Laps");
    // Numbering runs across the seasons and skips the blank rows; the seasons without GPs
    // before 1990 still end with one.
    const Strings numbers = ColumnCells(T(), 0);
    EXPECT_EQ(Strings(numbers.begin(), numbers.begin() + 9),
              (Strings{"1", "2", "3", "4", "", "5", "6", "", ""}));
    EXPECT_EQ(numbers.size(), 6u + 42u);
    EXPECT_EQ(Keys(), (std::vector<int>{23, 21, 18, 13, 8, 3}));
}

TEST_F(SeasonListsTest, UnknownYearsAndKindsDoNothing) {
    EXPECT_FALSE(ListWinners(Ctx(), 1949) || ListWinners(Ctx(), 1992) ||
                 ListGPFacts(Ctx(), GPFactPoles, 1992) || ListGPFacts(Ctx(), 4, 1990));
    Button2Click(Ctx()); // the per-year buttons need a year
    Button14Click(Ctx());
    Button15Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);
}

TEST_F(SeasonListsTest, ButtonsRecordTheirKindsAndTheYearBoxPosition) {
    Ctx().browser.YearIndex = 1; // 1990 in a box running 1991 down to 1950
    const std::string titles[] = {"1990 - Winners",        "Winners",
                                  "1990 - Fastest Laps",   "Fastest Laps",
                                  "1990 - Pole Positions", "Pole Positions"};
    for (std::size_t i = 0; i < SeasonListCommands.size(); ++i) {
        const MenuTableCommand& c = SeasonListCommands[i];
        c.Run(Ctx());
        EXPECT_EQ(Current().Caption, titles[i]) << c.Item;
        EXPECT_EQ(Current().Kind, c.Kind) << c.Item;
        EXPECT_EQ(Current().Value1, c.Kind < 100 ? 1 : 0) << c.Item;
    }
    // Going back rebuilds the year's fastest laps from the data.
    for (int i = 0; i < 3; ++i)
        Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "1990 - Fastest Laps");
    EXPECT_EQ(Keys(), (std::vector<int>{8, 3}));
}

// The season browser on the modern database: 1950 (its third GP without results), 1952, 2005
// and 2006 hold GPs; 1951 and 1953..2004 none. The first years of the grid column, the HTML
// page and sharing are checked on the shipped data.
class BrowserTest : public ProducerTest {
  protected:
    BrowserTest() : ProducerTest(MakeModernDatabase()) {}
    void SetUp() override { FillYearLists(Ctx()); }

    // Selects a year in the year box and a GP of its list (-1: none), and shows it.
    void Show(int year, int gpIndex) {
        Ctx().browser.YearIndex = YearBoxIndex(Ctx(), year);
        ComboBox1Change(Ctx());
        if (gpIndex < 0) return;
        Ctx().browser.GPIndex = gpIndex;
        gpListBox1Click(Ctx());
    }
};

TEST_F(BrowserTest, YearAndGPLists) {
    const BrowserState& b = Ctx().browser;
    EXPECT_EQ(std::make_pair(b.Years.size(), b.TeamStandingYears.size()),
              std::make_pair(std::size_t{57}, std::size_t{49})); // constructors from 1958
    EXPECT_EQ(YearBoxIndex(Ctx(), 1949), -1);
    Show(1950, -1);
    const std::pair<int, Strings> modes[] = {{1, {"Great Britain", "Monaco", "Monaco"}},
                                             {2, {"13 May", "21 May", "22 May"}},
                                             {7, {"13 May", "21 May", "22 May"}}, // no such item
                                             {0, {"Silverstone", "Monte Carlo", "Monte Carlo"}}};
    for (const auto& [item, labels] : modes) {
        SetGPListMode(Ctx(), item);
        EXPECT_EQ(b.GPList, labels) << item;
    }
    // A season without GPs: an empty list and no table.
    Ctx().browser.Status = "  old status";
    Show(1951, -1);
    EXPECT_EQ(b.GPIndex, -1);
    EXPECT_TRUE(b.Status.empty());
    gpListBox1Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);
}

TEST_F(BrowserTest, GPTableWithItsButtons) {
    Show(2005, 0);
    EXPECT_EQ(T().TitleLabel, "Sakhir GP       Sakhir     05 March 2005");
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "Modern Driver 1", "Renault", "1", "+ 00.50", "1", "",
                                         std::to_string(db_->GPs[5].FirstResult)}));
    EXPECT_TRUE(Ctx().grid.HtmlButtonVisible && !Ctx().grid.ShareItemEnabled);
    Show(1950, 2); // no results: one blank row, count 0
    EXPECT_EQ(RowCells(T(), 1), Strings(7));
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
    EXPECT_FALSE(Ctx().grid.HtmlButtonVisible);
    Show(2006, 0); // sharing until another table
    EXPECT_EQ(std::make_pair(Ctx().grid.ShareItemEnabled, Ctx().browser.ShareCaption),
              std::make_pair(true, std::string("Share GP 05 March 2006")));
    ListWinners(Ctx(), 2006);
    EXPECT_FALSE(Ctx().grid.ShareItemEnabled);
}

TEST_F(BrowserTest, InformationPanelAndTheWeatherRule) {
    const GPInfoPanel& info = Ctx().browser.Info;
    Show(1950, 0);
    EXPECT_EQ(info.FastestLap + " " + info.FastestLapTime + " " + info.PolePosition,
              "Nino Farina 01:50.60 Nino Farina");
    EXPECT_TRUE(info.Weather == "Sunny" && info.WeatherCaptionVisible);
    // A remark beyond the remark table, or remark 0: no weather, caption hidden.
    db_->GPs[4].Remark = 3;
    for (const auto& [year, gp] : {std::pair{1952, 0}, {1950, 1}}) {
        Show(year, gp);
        EXPECT_TRUE(info.Weather.empty() && !info.WeatherCaptionVisible) << year;
    }
    EXPECT_EQ(info.FastestLap, "_____"); // none recorded
    db_->LanguageMode = LanguageTurkish;
    FillGPInfoPanel(*db_, 1, Ctx().browser.Info);
    EXPECT_EQ(info.Weather, "G\xFCne\xFEli");
}

TEST_F(BrowserTest, HistoryLastSeasonAndDates) {
    Show(2005, 1);
    EXPECT_EQ(Current().Value1 * 10 + Current().Value2, 11); // year box 1, GP 1
    Show(1950, 0);
    Ctx().history.Back();
    EXPECT_EQ(SelectedYear(Ctx()), 2005);
    EXPECT_EQ(Ctx().history.HistCount(), 2); // the re-run adds no entry

    b_.SeasonsUpTo(2007); // a new season without GPs: the last GP still belongs to 2006
    FillYearLists(Ctx());
    ASSERT_TRUE(ShowLastSeason(Ctx()));
    EXPECT_EQ(SelectedYear(Ctx()), 2006);
    ASSERT_TRUE(ShowGPByDate(Ctx(), PackDate(1950, 5, 22)));
    EXPECT_EQ(T().TitleLabel, "Monaco       Monte Carlo     22 May 1950");
    EXPECT_FALSE(ShowGPByDate(Ctx(), PackDate(1950, 5, 23)));

    The_Class empty; // no GPs: the first year
    DatabaseBuilder(empty).SeasonsUpTo(1951);
    TableContext ctx(empty, langs_);
    FillYearLists(ctx);
    EXPECT_FALSE(ShowLastSeason(ctx));
    EXPECT_EQ(ctx.browser.YearIndex, 0);
}

} // namespace
} // namespace qor::testing
