// The season and GP browser: year lists, GP list labels, a GP's table, title, information
// panel, HTML and share states, history, and the jumps to the last season and to a date.

#include "statistics/SeasonLists.h"
#include "support/StatisticsFixtures.h"

namespace qor::testing {
namespace {

// Monza 1979, 1980, 2001, 2002 (15 Sep); Interlagos 2002 (2 Jun, no results) and 2006.
class BrowserTest : public ProducerTest {
  protected:
    void SetUp() override {
        ann_ = b_.Driver("Ann Driver");
        bob_ = b_.Driver("Bob Racer");
        const auto monza = b_.Track("Monza"), interlagos = b_.Track("Interlagos");
        const auto italy = b_.GPName("Italy"), brazil = b_.GPName("Brazil");
        const auto ferrari = b_.Team("Ferrari"), minardi = b_.Team("Minardi");
        const auto engine = b_.Reason("Engine");
        b_.Remark("Sunny", "G\xFCne\xFEli");
        const auto run = [&](int y, int m, int d, std::uint8_t track, std::uint8_t name, int laps) {
            const auto g = b_.GP(y, m, d, track, name, static_cast<std::uint8_t>(laps));
            b_.Result(ann_, 1, ferrari, The_Class::ParseTime("1 hr 32:05.100"), 0, 3);
            b_.Result(bob_, 0, minardi, The_Class::ParseTime("lap 14"), engine, 0);
            return g;
        };
        run(1979, 9, 9, monza, italy, 50);
        run(1980, 9, 14, monza, italy, 51);
        g2001_ = run(2001, 9, 16, monza, italy, 53);
        b_.GP(2002, 6, 2, interlagos, brazil, 71);
        g2002_ = run(2002, 9, 15, monza, italy, 53);
        b_.SeasonsUpTo(2005); // 2003..2005 without GPs
        run(2006, 10, 22, interlagos, brazil, 71);

        TGPRow& g = db_->GPs[g2002_];
        g.FLDriver = bob_;
        g.FLTime = The_Class::ParseTime("1:28.030");
        g.PoleDriver = ann_;
        g.PoleTime = The_Class::ParseTime("1:20.5");
        g.Remark = 1;
        db_->GPs[g2001_].Remark = 2; // beyond the one remark
        FillYearLists(Ctx());
    }

    void ChooseYear(int year) {
        Ctx().browser.YearIndex = YearBoxIndex(Ctx(), year);
        ComboBox1Change(Ctx());
    }
    // Selects a year in the year box and a GP of its list, and shows it.
    void Show(int year, int gpIndex) {
        ChooseYear(year);
        Ctx().browser.GPIndex = gpIndex;
        gpListBox1Click(Ctx());
    }

    std::uint16_t ann_ = 0, bob_ = 0, g2001_ = 0, g2002_ = 0;
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
    ChooseYear(2002);
    const BrowserState& b = Ctx().browser;
    struct Case {
        int item;
        Strings labels;
        const char* font;
    };
    const Case cases[] = {{1, {"Brazil", "Italy"}, "tahoma"},
                          {2, {"02 June", "15 September"}, "courier"},
                          {7, {"02 June", "15 September"}, "courier"}, // no such item
                          {0, {"Interlagos", "Monza"}, "tahoma"}};
    EXPECT_EQ(b.GPList, cases[3].labels);
    for (const Case& c : cases) {
        SetGPListMode(Ctx(), c.item);
        EXPECT_EQ(b.GPList, c.labels) << c.item;
        EXPECT_EQ(b.GPListFont, c.font) << c.item;
    }
}

TEST_F(BrowserTest, ASeasonWithoutGPsGivesAnEmptyListAndNoTable) {
    Ctx().browser.Status = "  old status";
    ChooseYear(2004);
    EXPECT_TRUE(Ctx().browser.GPList.empty());
    EXPECT_EQ(Ctx().browser.GPIndex, -1);
    EXPECT_TRUE(Ctx().browser.Status.empty());
    gpListBox1Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);
    EXPECT_EQ(T().ColCount(), 1);
}

TEST_F(BrowserTest, GPTableHasAGridColumnFrom2002) {
    Show(2001, 0);
    ASSERT_EQ(T().ColCount(), 7);
    EXPECT_EQ(RowCells(T(), 2), (Strings{"2", "Bob Racer", "Minardi", "", "lap 14", "Engine",
                                         std::to_string(db_->GPs[g2001_].FirstResult + 1)}));
    EXPECT_FALSE(Ctx().grid.ShareItemEnabled);

    Show(2002, 1);
    EXPECT_EQ(T().TitleLabel, "Italy       Monza     15 September 2002");
    EXPECT_EQ(T().Title(5), "Grid");
    const std::string key = std::to_string(db_->GPs[g2002_].FirstResult);
    EXPECT_EQ(RowCells(T(), 1),
              (Strings{"1", "Ann Driver", "Ferrari", "1", "1 hr 32:05.10", "3", "", key}));
    EXPECT_EQ(T().Cell(5, 2), "0");
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");

    // A GP without results: one blank row, count 0.
    Show(2002, 0);
    EXPECT_EQ(T().TitleLabel, "Brazil       Interlagos     02 June 2002");
    ASSERT_EQ(T().RowCount(), 2);
    EXPECT_EQ(RowCells(T(), 1), Strings(8));
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(BrowserTest, HtmlFrom1980ShareFrom2006UntilAnotherTable) {
    Show(1979, 0);
    EXPECT_FALSE(Ctx().grid.HtmlButtonVisible);
    Show(1980, 0);
    EXPECT_TRUE(Ctx().grid.HtmlButtonVisible);
    EXPECT_FALSE(Ctx().grid.ShareItemEnabled);
    Show(2006, 0);
    EXPECT_TRUE(Ctx().grid.ShareItemEnabled);
    EXPECT_EQ(Ctx().browser.ShareTag, PackDate(2006, 10, 22));
    EXPECT_EQ(Ctx().browser.ShareCaption, "Share GP 22 October 2006");
    ListWinners(Ctx(), 2006);
    EXPECT_FALSE(Ctx().grid.ShareItemEnabled);
}

TEST_F(BrowserTest, InformationPanelAndTheWeatherRule) {
    const GPInfoPanel& info = Ctx().browser.Info;
    Show(2002, 1);
    EXPECT_TRUE(info.Visible);
    EXPECT_EQ(info.FastestLap, "Bob Racer");
    EXPECT_EQ(info.FastestLapTime, "01:28.03");
    EXPECT_EQ(info.PolePosition, "Ann Driver");
    EXPECT_EQ(info.PolePositionTime, "01:20.50");
    EXPECT_EQ(info.Weather, "Sunny");
    EXPECT_TRUE(info.WeatherCaptionVisible);
    EXPECT_EQ(info.Laps, "53");

    // A remark beyond the remark table, or remark 0: no weather, caption hidden.
    for (int year : {2001, 1980}) {
        Show(year, 0);
        EXPECT_EQ(info.Weather, "") << year;
        EXPECT_FALSE(info.WeatherCaptionVisible) << year;
    }
    // Neither a fastest lap nor a pole recorded.
    EXPECT_EQ(info.FastestLap, "_____");
    EXPECT_EQ(info.FastestLapTime, "");

    db_->LanguageMode = LanguageTurkish; // the Turkish remark
    FillGPInfoPanel(*db_, g2002_, Ctx().browser.Info);
    EXPECT_EQ(info.Weather, "G\xFCne\xFEli");
    FillGPInfoPanel(*db_, 0, Ctx().browser.Info);
    EXPECT_FALSE(info.Visible);
}

TEST_F(BrowserTest, HistoryRecordsYearAndGPAndRebuildsTheTable) {
    Show(2002, 1);
    const int first = Ctx().history.HistIndex();
    EXPECT_EQ(Current().Kind, 1);
    EXPECT_EQ(Current().Value1, 4);
    EXPECT_EQ(Current().Value2, 1);
    EXPECT_EQ(Current().Caption, "Italy       Monza     15 September 2002");
    Show(1979, 0);
    Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "Italy       Monza     15 September 2002");
    EXPECT_EQ(SelectedYear(Ctx()), 2002);
    EXPECT_EQ(Ctx().browser.GPIndex, 1);
    EXPECT_EQ(Ctx().history.HistCount(), first + 1); // the re-run adds no entry
}

TEST_F(BrowserTest, ShowLastSeasonAndShowGPByDate) {
    Ctx().browser.GPListMode = GPListByDate;
    b_.SeasonsUpTo(2007); // a new season without GPs: the last GP still belongs to 2006
    FillYearLists(Ctx());
    ASSERT_TRUE(ShowLastSeason(Ctx()));
    EXPECT_EQ(SelectedYear(Ctx()), 2006);
    EXPECT_EQ(Ctx().browser.GPList, (Strings{"22 October"}));
    EXPECT_EQ(T().TitleLabel, "Brazil       Interlagos     22 October 2006");

    ASSERT_TRUE(ShowGPByDate(Ctx(), PackDate(2002, 6, 2)));
    EXPECT_EQ(SelectedYear(Ctx()), 2002);
    EXPECT_EQ(Ctx().browser.GPIndex, 0);
    const int entries = Ctx().history.HistCount();
    EXPECT_FALSE(ShowGPByDate(Ctx(), PackDate(2002, 6, 3)));
    EXPECT_FALSE(ShowGPByDate(Ctx(), PackDate(2009, 6, 2)));
    EXPECT_EQ(Ctx().history.HistCount(), entries);
}

TEST(BrowserEmptyDatabase, ShowLastSeasonFallsBackToTheFirstYear) {
    The_Class db;
    DatabaseBuilder(db).SeasonsUpTo(1951);
    const Langs langs = EnglishLangs();
    TableContext ctx(db, langs);
    FillYearLists(ctx);
    EXPECT_FALSE(ShowLastSeason(ctx));
    EXPECT_EQ(ctx.browser.YearIndex, 0);
    EXPECT_EQ(ctx.history.HistCount(), 0);
}

} // namespace
} // namespace qor::testing
