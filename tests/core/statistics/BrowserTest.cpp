// The season and GP browser: year lists, GP list labels, a GP's table and information panel,
// HTML and share states, history, and the jumps to the last season and to a date.

#include "statistics/SeasonLists.h"
#include "support/StatisticsFixtures.h"

namespace qor::testing {
namespace {

// Monza 1979, 1980, 2001, 2002 (15 Sep); Interlagos 2002 (2 Jun, no results) and 2006.
class BrowserTest : public ProducerTest {
  protected:
    void SetUp() override {
        const auto ann = b_.Driver("Ann Driver"), bob = b_.Driver("Bob Racer");
        const auto monza = b_.Track("Monza"), interlagos = b_.Track("Interlagos");
        const auto italy = b_.GPName("Italy"), brazil = b_.GPName("Brazil");
        const auto ferrari = b_.Team("Ferrari");
        const auto engine = b_.Reason("Engine");
        b_.Remark("Sunny", "G\xFCne\xFEli");
        const auto run = [&](int y, int m, int d, std::uint8_t track, std::uint8_t name) {
            const auto g = b_.GP(y, m, d, track, name, 53);
            b_.Result(ann, 1, ferrari, The_Class::ParseTime("1 hr 32:05.100"), 0, 3);
            b_.Result(bob, 0, ferrari, The_Class::ParseTime("lap 14"), engine, 0);
            return g;
        };
        run(1979, 9, 9, monza, italy);
        run(1980, 9, 14, monza, italy);
        db_->GPs[run(2001, 9, 16, monza, italy)].Remark = 2; // beyond the one remark
        b_.GP(2002, 6, 2, interlagos, brazil);
        g2002_ = run(2002, 9, 15, monza, italy);
        b_.SeasonsUpTo(2005); // 2003..2005 without GPs
        run(2006, 10, 22, interlagos, brazil);
        TGPRow& g = db_->GPs[g2002_];
        g.FLDriver = bob;
        g.FLTime = The_Class::ParseTime("1:28.030");
        g.PoleDriver = ann;
        g.Remark = 1;
        FillYearLists(Ctx());
    }

    // Selects a year in the year box and a GP of its list (-1: none), and shows it.
    void Show(int year, int gpIndex) {
        Ctx().browser.YearIndex = YearBoxIndex(Ctx(), year);
        ComboBox1Change(Ctx());
        if (gpIndex < 0) return;
        Ctx().browser.GPIndex = gpIndex;
        gpListBox1Click(Ctx());
    }

    std::uint16_t g2002_ = 0;
};

TEST_F(BrowserTest, YearAndGPLists) {
    const BrowserState& b = Ctx().browser;
    EXPECT_EQ(b.Years.size(), 57u);
    EXPECT_EQ(b.TeamStandingYears.size(), 49u); // from 1958
    EXPECT_EQ(YearBoxIndex(Ctx(), 1949), -1);
    Show(2002, -1);
    const std::pair<int, Strings> modes[] = {{1, {"Brazil", "Italy"}},
                                             {2, {"02 June", "15 September"}},
                                             {7, {"02 June", "15 September"}}, // no such item
                                             {0, {"Interlagos", "Monza"}}};
    for (const auto& [item, labels] : modes) {
        SetGPListMode(Ctx(), item);
        EXPECT_EQ(b.GPList, labels) << item;
    }
    // A season without GPs: an empty list and no table.
    Ctx().browser.Status = "  old status";
    Show(2004, -1);
    EXPECT_EQ(b.GPIndex, -1);
    EXPECT_TRUE(b.Status.empty());
    gpListBox1Click(Ctx());
    EXPECT_EQ(Ctx().history.HistCount(), 0);
}

TEST_F(BrowserTest, GPTableWithAGridColumnFrom2002) {
    Show(2001, 0);
    EXPECT_FALSE(Ctx().grid.ShareItemEnabled);
    Show(2002, 1);
    EXPECT_EQ(T().TitleLabel, "Italy       Monza     15 September 2002");
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "Ann Driver", "Ferrari", "1", "1 hr 32:05.10", "3",
                                         "", std::to_string(db_->GPs[g2002_].FirstResult)}));
    Show(2002, 0); // no results: one blank row, count 0
    EXPECT_EQ(RowCells(T(), 1), Strings(8));
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
    // The HTML button from 1980, sharing from 2006 until another table.
    Show(1979, 0);
    EXPECT_FALSE(Ctx().grid.HtmlButtonVisible);
    Show(1980, 0);
    EXPECT_TRUE(Ctx().grid.HtmlButtonVisible);
    Show(2006, 0);
    EXPECT_TRUE(Ctx().grid.ShareItemEnabled);
    EXPECT_EQ(Ctx().browser.ShareCaption, "Share GP 22 October 2006");
    ListWinners(Ctx(), 2006);
    EXPECT_FALSE(Ctx().grid.ShareItemEnabled);
}

TEST_F(BrowserTest, InformationPanelAndTheWeatherRule) {
    const GPInfoPanel& info = Ctx().browser.Info;
    Show(2002, 1);
    EXPECT_EQ(info.FastestLap + " " + info.FastestLapTime + " " + info.PolePosition,
              "Bob Racer 01:28.03 Ann Driver");
    EXPECT_EQ(info.Weather, "Sunny");
    EXPECT_TRUE(info.WeatherCaptionVisible);
    // A remark beyond the remark table, or remark 0: no weather, caption hidden.
    for (int year : {2001, 1980}) {
        Show(year, 0);
        EXPECT_EQ(info.Weather, "") << year;
        EXPECT_FALSE(info.WeatherCaptionVisible) << year;
    }
    EXPECT_EQ(info.FastestLap, "_____"); // none recorded
    db_->LanguageMode = LanguageTurkish;
    FillGPInfoPanel(*db_, g2002_, Ctx().browser.Info);
    EXPECT_EQ(info.Weather, "G\xFCne\xFEli");
}

TEST_F(BrowserTest, HistoryLastSeasonAndDates) {
    Show(2002, 1);
    EXPECT_EQ(Current().Value1 * 10 + Current().Value2, 41); // year box 4, GP 1
    Show(1979, 0);
    Ctx().history.Back();
    EXPECT_EQ(SelectedYear(Ctx()), 2002);
    EXPECT_EQ(Ctx().history.HistCount(), 2); // the re-run adds no entry

    b_.SeasonsUpTo(2007); // a new season without GPs: the last GP still belongs to 2006
    FillYearLists(Ctx());
    ASSERT_TRUE(ShowLastSeason(Ctx()));
    EXPECT_EQ(SelectedYear(Ctx()), 2006);
    ASSERT_TRUE(ShowGPByDate(Ctx(), PackDate(2002, 6, 2)));
    EXPECT_EQ(T().TitleLabel, "Brazil       Interlagos     02 June 2002");
    EXPECT_FALSE(ShowGPByDate(Ctx(), PackDate(2002, 6, 3)));

    The_Class empty; // no GPs: the first year
    DatabaseBuilder(empty).SeasonsUpTo(1951);
    TableContext ctx(empty, langs_);
    FillYearLists(ctx);
    EXPECT_FALSE(ShowLastSeason(ctx));
    EXPECT_EQ(ctx.browser.YearIndex, 0);
}

} // namespace
} // namespace qor::testing
