// The season and GP browser: year lists, GP list labels, a GP's table, title, information
// panel, HTML and share states, history, and the jumps to the last season and to a date.

#include "BrowserTablesFixture.h"

#include "mainwindow/GPBrowser.h"
#include "statistics/SeasonLists.h"

namespace qor::testing {
namespace {

class BrowserTest : public ProducerTest {
  protected:
    void SetUp() override {
        const auto nat = b_.Nationality("Brazilian");
        ann_ = b_.Driver("Ann Driver", nat);
        bob_ = b_.Driver("Bob Racer", nat);
        t1_ = b_.Team("Ferrari");
        t2_ = b_.Team("Minardi");
        const auto monza = b_.Track("Monza");
        const auto interlagos = b_.Track("Interlagos");
        const auto italy = b_.GPName("Italy");
        const auto brazil = b_.GPName("Brazil");
        for (int i = 1; i <= 14; ++i)
            b_.Reason("Reason " + std::to_string(i));
        b_.Reason(""); // 15: the empty description
        engine_ = b_.Reason("Engine");
        b_.Remark("Sunny", "G\xFCne\xFEli");

        g1979_ = b_.GP(1979, 9, 9, monza, italy, 50);
        AddTwoResults();
        g1980_ = b_.GP(1980, 9, 14, monza, italy, 51);
        AddTwoResults();
        g2001_ = b_.GP(2001, 9, 16, monza, italy, 53);
        AddTwoResults();
        g2002a_ = b_.GP(2002, 6, 2, interlagos, brazil, 71);
        g2002b_ = b_.GP(2002, 9, 15, monza, italy, 53);
        AddTwoResults();
        b_.SeasonsUpTo(2005); // 2003..2005 without GPs
        g2006_ = b_.GP(2006, 10, 22, interlagos, brazil, 71);
        AddTwoResults();

        TGPRow& g = db_->GPs[g2002b_];
        g.FLDriver = bob_;
        g.FLTime = The_Class::ParseTime("1:28.030");
        g.PoleDriver = ann_;
        g.PoleTime = The_Class::ParseTime("1:20.5");
        g.Remark = 1;
        db_->GPs[g2001_].Remark = 2; // beyond the one remark
        FillYearLists(Ctx());
    }

    void AddTwoResults() {
        b_.Result(ann_, 1, t1_, The_Class::ParseTime("1 hr 32:05.100"), 15, 3);
        b_.Result(bob_, 0, t2_, The_Class::ParseTime("lap 14"), engine_, 0);
    }

    // Selects a year in the year box and a GP of its list, and shows it.
    void Show(int year, int gpIndex) {
        Ctx().browser.YearIndex = YearBoxIndex(Ctx(), year);
        ComboBox1Change(Ctx());
        Ctx().browser.GPIndex = gpIndex;
        gpListBox1Click(Ctx());
    }

    std::uint16_t ann_ = 0, bob_ = 0, engine_ = 0;
    std::uint8_t t1_ = 0, t2_ = 0;
    std::uint16_t g1979_ = 0, g1980_ = 0, g2001_ = 0, g2002a_ = 0, g2002b_ = 0, g2006_ = 0;
};

TEST_F(BrowserTest, YearListsRunNewestFirst) {
    const BrowserState& b = Ctx().browser;
    ASSERT_EQ(b.Years.size(), 57u);
    EXPECT_EQ(b.Years.front(), "2006");
    EXPECT_EQ(b.Years.back(), "1950");
    EXPECT_EQ(b.DriverStandingYears, b.Years);
    ASSERT_EQ(b.TeamStandingYears.size(), 49u);
    EXPECT_EQ(b.TeamStandingYears.back(), "1958");
    EXPECT_EQ(YearBoxIndex(Ctx(), 2002), 4);
    EXPECT_EQ(YearBoxIndex(Ctx(), 1949), -1);
    EXPECT_EQ(SelectedYear(Ctx()), 0);
}

TEST_F(BrowserTest, GPListLabelsFollowTheMode) {
    Ctx().browser.YearIndex = YearBoxIndex(Ctx(), 2002);
    ComboBox1Change(Ctx());
    const BrowserState& b = Ctx().browser;
    EXPECT_EQ(b.GPList, (std::vector<std::string>{"Interlagos", "Monza"}));
    EXPECT_EQ(b.GPListFont, "tahoma");

    SetGPListMode(Ctx(), 1);
    EXPECT_EQ(b.GPListMode, GPListByName);
    EXPECT_EQ(b.GPList, (std::vector<std::string>{"Brazil", "Italy"}));
    EXPECT_EQ(b.GPListFont, "tahoma");

    SetGPListMode(Ctx(), 2);
    EXPECT_EQ(b.GPListMode, GPListByDate);
    EXPECT_EQ(b.GPList, (std::vector<std::string>{"02 June", "15 September"}));
    EXPECT_EQ(b.GPListFont, "courier");

    SetGPListMode(Ctx(), 7); // no such item: nothing changes
    EXPECT_EQ(b.GPListMode, GPListByDate);

    SetGPListMode(Ctx(), 0);
    EXPECT_EQ(b.GPList, (std::vector<std::string>{"Interlagos", "Monza"}));
    EXPECT_EQ(b.GPListFont, "tahoma");
}

TEST_F(BrowserTest, ASeasonWithoutGPsGivesAnEmptyListAndNoTable) {
    Ctx().browser.Status = "  old status";
    Ctx().browser.YearIndex = YearBoxIndex(Ctx(), 2004);
    ComboBox1Change(Ctx());
    EXPECT_TRUE(Ctx().browser.GPList.empty());
    EXPECT_EQ(Ctx().browser.GPIndex, -1);
    EXPECT_TRUE(Ctx().browser.Status.empty());
    gpListBox1Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);
    EXPECT_EQ(T().ColCount(), 1);
}

TEST_F(BrowserTest, Before2002SevenColumnsFrom2002EightWithGrid) {
    Show(2001, 0);
    ASSERT_EQ(T().ColCount(), 7);
    EXPECT_EQ(RowCells(T(), 0),
              (std::vector<std::string>{"", " Name", " Team", " Pos", " Time", " Notes", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{25, 150, 90, 40, 85, 120, 0}));
    EXPECT_EQ(RowCells(T(), 2),
              (std::vector<std::string>{"2", "Bob Racer", "Minardi", "", "lap 14", "Engine", "6"}));

    Show(2002, 1);
    ASSERT_EQ(T().ColCount(), 8);
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{"", " Name", " Team", " Pos", " Time",
                                                          "Grid", " Notes", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{25, 150, 90, 40, 85, 40, 120, 0}));
    ASSERT_EQ(T().RowCount(), 3);
    EXPECT_EQ(RowCells(T(), 1), (std::vector<std::string>{"1", "Ann Driver", "Ferrari", "1",
                                                          "1 hr 32:05.10", "3", "", "7"}));
    EXPECT_EQ(RowCells(T(), 2), (std::vector<std::string>{"2", "Bob Racer", "Minardi", "", "lap 14",
                                                          "0", "Engine", "8"}));
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
    EXPECT_EQ(T().TitleLabel, "Italy       Monza     15 September 2002");
}

TEST_F(BrowserTest, AGPWithoutResultsShowsOneBlankRowAndCountZero) {
    Show(2002, 0);
    EXPECT_EQ(T().TitleLabel, "Brazil       Interlagos     02 June 2002");
    ASSERT_EQ(T().RowCount(), 2);
    EXPECT_EQ(RowCells(T(), 1), std::vector<std::string>(8));
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(BrowserTest, HtmlButtonHiddenBefore1980) {
    Show(1979, 0);
    EXPECT_FALSE(Ctx().grid.HtmlButtonVisible);
    Show(1980, 0);
    EXPECT_TRUE(Ctx().grid.HtmlButtonVisible);
}

TEST_F(BrowserTest, InformationPanelAndTheWeatherRule) {
    Show(2002, 1);
    const GPInfoPanel& info = Ctx().browser.Info;
    EXPECT_TRUE(info.Visible);
    EXPECT_EQ(info.FastestLap, "Bob Racer");
    EXPECT_EQ(info.FastestLapTime, "01:28.03");
    EXPECT_EQ(info.PolePosition, "Ann Driver");
    EXPECT_EQ(info.PolePositionTime, "01:20.50");
    EXPECT_EQ(info.Weather, "Sunny");
    EXPECT_TRUE(info.WeatherCaptionVisible);
    EXPECT_EQ(info.Laps, "53");

    // A remark index beyond the remark table: no weather, caption hidden.
    Show(2001, 0);
    EXPECT_EQ(info.Weather, "");
    EXPECT_FALSE(info.WeatherCaptionVisible);
    // Neither a fastest lap nor a pole recorded.
    EXPECT_EQ(info.FastestLap, "_____");
    EXPECT_EQ(info.FastestLapTime, "");

    // Remark 0 is no remark either; the caption comes back for a known one.
    Show(1980, 0);
    EXPECT_FALSE(info.WeatherCaptionVisible);
    Show(2002, 1);
    EXPECT_TRUE(info.WeatherCaptionVisible);

    // Turkish texts choose the Turkish remark.
    db_->LanguageMode = LanguageTurkish;
    FillGPInfoPanel(*db_, g2002b_, Ctx().browser.Info);
    EXPECT_EQ(info.Weather, "G\xFCne\xFEli");

    FillGPInfoPanel(*db_, 0, Ctx().browser.Info);
    EXPECT_FALSE(info.Visible);
}

TEST_F(BrowserTest, ShareItemFrom2006UntilAnotherTable) {
    Show(2002, 1);
    EXPECT_FALSE(Ctx().grid.ShareItemEnabled);
    Show(2006, 0);
    EXPECT_TRUE(Ctx().grid.ShareItemEnabled);
    EXPECT_EQ(Ctx().browser.ShareTag, PackDate(2006, 10, 22));
    EXPECT_EQ(Ctx().browser.ShareCaption, "Share GP 22 October 2006");
    ListWinners(Ctx(), 2006);
    EXPECT_FALSE(Ctx().grid.ShareItemEnabled);
}

TEST_F(BrowserTest, HistoryRecordsYearAndGPAndRebuildsTheTable) {
    Show(2002, 1);
    const int first = Ctx().history.HistIndex();
    EXPECT_EQ(Current().Kind, 1);
    EXPECT_EQ(Current().Value1, 4);
    EXPECT_EQ(Current().Value2, 1);
    EXPECT_EQ(Current().Caption, "Italy       Monza     15 September 2002");

    Show(1979, 0);
    EXPECT_EQ(Ctx().history.HistCount(), first + 1);
    Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "Italy       Monza     15 September 2002");
    EXPECT_EQ(SelectedYear(Ctx()), 2002);
    EXPECT_EQ(Ctx().browser.GPIndex, 1);
    EXPECT_EQ(Ctx().history.HistCount(), first + 1); // the re-run adds no entry
}

TEST_F(BrowserTest, ShowLastSeasonAndShowGPByDate) {
    Ctx().browser.GPListMode = GPListByDate;
    ASSERT_TRUE(ShowLastSeason(Ctx()));
    EXPECT_EQ(SelectedYear(Ctx()), 2006);
    EXPECT_EQ(Ctx().browser.GPIndex, 0);
    EXPECT_EQ(Ctx().browser.GPList, (std::vector<std::string>{"22 October"}));
    EXPECT_EQ(T().TitleLabel, "Brazil       Interlagos     22 October 2006");

    ASSERT_TRUE(ShowGPByDate(Ctx(), PackDate(2002, 6, 2)));
    EXPECT_EQ(SelectedYear(Ctx()), 2002);
    EXPECT_EQ(Ctx().browser.GPIndex, 0);
    EXPECT_EQ(T().TitleLabel, "Brazil       Interlagos     02 June 2002");

    const int entries = Ctx().history.HistCount();
    EXPECT_FALSE(ShowGPByDate(Ctx(), PackDate(2002, 6, 3)));
    EXPECT_FALSE(ShowGPByDate(Ctx(), PackDate(2009, 6, 2)));
    EXPECT_EQ(Ctx().history.HistCount(), entries);
}

TEST_F(BrowserTest, ShowLastSeasonTakesTheYearOfTheLastGP) {
    // A new season opened without GPs: the last GP still belongs to 2006.
    b_.SeasonsUpTo(2007);
    FillYearLists(Ctx());
    ASSERT_TRUE(ShowLastSeason(Ctx()));
    EXPECT_EQ(SelectedYear(Ctx()), 2006);
    EXPECT_EQ(Ctx().browser.YearIndex, 1);
}

TEST(BrowserEmptyDatabase, ShowLastSeasonFallsBackToTheFirstYear) {
    The_Class db;
    DatabaseBuilder b(db);
    b.SeasonsUpTo(1951);
    const Langs langs = EnglishLangs();
    TableContext ctx(db, langs);
    FillYearLists(ctx);
    EXPECT_FALSE(ShowLastSeason(ctx));
    EXPECT_EQ(ctx.browser.YearIndex, 0);
    EXPECT_EQ(ctx.history.HistCount(), 0);
}

class BrowserShipped : public ShippedTest {};

TEST_F(BrowserShipped, Brazil2006) {
    FillYearLists(Ctx());
    ASSERT_TRUE(ShowLastSeason(Ctx()));
    EXPECT_EQ(T().TitleLabel, "Brazil       Interlagos     22 October 2006");
    ASSERT_EQ(T().ColCount(), 8);
    EXPECT_EQ(T().RowCount(), 23);
    EXPECT_EQ(T().Cell(1, 1), "Felipe Massa");
    EXPECT_EQ(T().Cell(4, 1), "1 hr 31:53.751");
    EXPECT_EQ(T().Cell(5, 1), "1"); // from pole
    EXPECT_EQ(T().Cell(1, 17), "Nick Heidfeld");
    EXPECT_EQ(T().Cell(6, 17), "Accident");
    EXPECT_EQ(Ctx().browser.Info.FastestLap, "Michael Schumacher");
    EXPECT_EQ(Ctx().browser.Info.Laps, "71");
    EXPECT_TRUE(Ctx().grid.ShareItemEnabled);
    EXPECT_EQ(Ctx().browser.GPList.size(), 18u);
}

TEST_F(BrowserShipped, Monaco1979HasNoHtmlButton) {
    FillYearLists(Ctx());
    ASSERT_TRUE(ShowGPByDate(Ctx(), db_->ParseDate("27 May 1979")));
    EXPECT_EQ(T().TitleLabel, "Monaco       Monte Carlo     27 May 1979");
    EXPECT_EQ(T().Cell(1, 1), "Jody Scheckter");
    EXPECT_EQ(T().ColCount(), 7);
    EXPECT_FALSE(Ctx().grid.HtmlButtonVisible);
}

} // namespace
} // namespace qor::testing
