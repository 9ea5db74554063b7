// Driver comparison: the compare list, the two layouts and when each is used, race order,
// the kinds and their headings, name abbreviation, counts of GPs, marks and history.

#include "BrowserTablesFixture.h"

#include "statistics/DriverComparison.h"
#include "text/Encoding.h"

namespace qor::testing {
namespace {

TEST(CompareAbbreviation, InitialsUntilAShortWord) {
    EXPECT_EQ(AbbreviatedName("Michael Schumacher"), "M. Schumacher");
    EXPECT_EQ(AbbreviatedName("Juan Pablo Montoya"), "J. P. Montoya");
    EXPECT_EQ(AbbreviatedName("Pedro de la Rosa"), "P. de la Rosa");
    EXPECT_EQ(AbbreviatedName("Al Unser"), "Al Unser");
    EXPECT_EQ(AbbreviatedName("Jos Verstappen"), "J. Verstappen");
    EXPECT_EQ(AbbreviatedName("Prost"), "Prost");
    EXPECT_EQ(AbbreviatedName(""), "");
}

// 1950: g1 Monza, g2 Spa; 1951: g3 Monaco, g4 Silverstone.
//   g1: Schumacher 1, Montoya 2, Unser 3, de la Rosa out.   FL Montoya, pole Schumacher.
//   g2: Montoya 1, Schumacher 2, de la Rosa 3.              FL Schumacher, pole Montoya.
//   g3: Schumacher 1 (a shared car), de la Rosa 2, Schumacher's own car out; no Montoya.
//                                                           FL Schumacher, pole Montoya.
//   g4: Montoya 1, de la Rosa 2, Unser 3, Schumacher 4.     FL de la Rosa, pole Schumacher.
class CompareTest : public ProducerTest {
  protected:
    void SetUp() override {
        schu_ = b_.Driver("Michael Schumacher");
        jpm_ = b_.Driver("Juan Pablo Montoya");
        pdlr_ = b_.Driver("Pedro de la Rosa");
        unser_ = b_.Driver("Al Unser");
        ferrari_ = b_.Team("Ferrari");
        williams_ = b_.Team("Williams");
        mclaren_ = b_.Team("McLaren");
        for (int i = 1; i <= 14; ++i)
            b_.Reason("Reason " + std::to_string(i));
        b_.Reason("");
        engine_ = b_.Reason("Engine");
        const auto name = b_.GPName("Grand Prix");
        const auto win = The_Class::ParseTime("1 hr 30:00.000");
        const auto gap = The_Class::ParseTime("+5.000");

        g1_ = b_.GP(1950, 5, 1, b_.Track("Monza"), name);
        r1_ = b_.Result(schu_, 1, ferrari_, win, 15);
        r2_ = b_.Result(jpm_, 2, williams_, gap, 15);
        b_.Result(unser_, 3, williams_, gap, 15);
        b_.Result(pdlr_, 0, mclaren_, The_Class::ParseTime("lap 12"), engine_);
        Facts(g1_, jpm_, schu_);
        g2_ = b_.GP(1950, 6, 1, b_.Track("Spa"), name);
        b_.Result(jpm_, 1, williams_, win, 15);
        b_.Result(schu_, 2, ferrari_, gap, 15);
        b_.Result(pdlr_, 3, mclaren_, gap, 15);
        Facts(g2_, schu_, jpm_);
        g3_ = b_.GP(1951, 5, 1, b_.Track("Monte Carlo"), name);
        r3_ = b_.Result(schu_, 1, ferrari_, win, 15);
        b_.Result(pdlr_, 2, mclaren_, gap, 15);
        b_.Result(schu_, 0, ferrari_, 0, engine_);
        Facts(g3_, schu_, jpm_);
        g4_ = b_.GP(1951, 6, 1, b_.Track("Silverstone"), name);
        b_.Result(jpm_, 1, williams_, win, 15);
        b_.Result(pdlr_, 2, mclaren_, gap, 15);
        b_.Result(unser_, 3, williams_, gap, 15);
        b_.Result(schu_, 4, ferrari_, gap, 15);
        Facts(g4_, pdlr_, schu_);
    }

    void Facts(std::uint16_t g, std::uint16_t fl, std::uint16_t pole) {
        db_->GPs[g].FLDriver = fl;
        db_->GPs[g].FLTime = The_Class::ParseTime("1:20.000");
        db_->GPs[g].PoleDriver = pole;
    }

    void List(std::vector<std::uint16_t> drivers) {
        Ctx().browser.CompareList.clear();
        for (const auto d : drivers)
            AddToCompareList(Ctx(), d);
    }

    // Column 2 (the track) of every row.
    std::vector<std::string> Tracks() { return ColumnCells(T(), 2); }

    std::uint16_t schu_ = 0, jpm_ = 0, pdlr_ = 0, unser_ = 0;
    std::uint8_t ferrari_ = 0, williams_ = 0, mclaren_ = 0;
    std::uint16_t engine_ = 0;
    std::uint16_t g1_ = 0, g2_ = 0, g3_ = 0, g4_ = 0, r1_ = 0, r2_ = 0, r3_ = 0;
};

TEST_F(CompareTest, ThreeDriversSideBySide) {
    List({schu_, jpm_, pdlr_});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().TitleLabel, "Comparing drivers (Race results)");
    EXPECT_EQ(T().Tag, GridTagHorizontalCompare);
    EXPECT_EQ(ColumnWidths(T()),
              (std::vector<int>{25, 95, 110, 112, 90, 40, 0, 112, 90, 40, 0, 112, 90, 40, 0}));
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{"", " Date", " Track", " Name", " Team",
                                                          " Pos", "", " Name", " Team", " Pos", "",
                                                          " Name", " Team", " Pos", ""}));
    // All three took part in g1, g2 and g4; 1950 first, newest race of a season first.
    EXPECT_EQ(Tracks(), (std::vector<std::string>{"Spa", "Monza", "Silverstone"}));
    EXPECT_EQ(RowCells(T(), 2),
              (std::vector<std::string>{"2", "01 May 1950", "Monza", "M. Schumacher", "Ferrari",
                                        "1", std::to_string(r1_), "J. P. Montoya", "Williams", "2",
                                        std::to_string(r2_), "P. de la Rosa", "McLaren", "",
                                        std::to_string(r2_ + 2)}));
    EXPECT_EQ(T().CountLabel, "3  record(s) found.");
    EXPECT_EQ(Ctx().grid.CompareGroupSize, 3);
    EXPECT_EQ(Ctx().grid.CompareMarks[1], 1);
    EXPECT_EQ(Ctx().grid.CompareMarks[2], 1);
    EXPECT_EQ(Ctx().grid.CompareMarks[3], 0);
    EXPECT_FALSE(Ctx().browser.Info.Visible);
    EXPECT_TRUE(T().Visible);
}

TEST_F(CompareTest, FourDriversForceTheVerticalViewAndTheCountIsOfGPs) {
    ASSERT_EQ(db_->CompareView, 0);
    List({schu_, jpm_, pdlr_, unser_});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagVerticalCompare);
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{"", " Date", " Track", " Name", " Team",
                                                          " Pos", " Time", " Notes", ""}));
    // g1 and g4 had all four: one row per driver in list order, both races' rows numbered alike.
    ASSERT_EQ(T().RowCount(), 9);
    EXPECT_EQ(ColumnCells(T(), 0),
              (std::vector<std::string>{"1", "1", "1", "1", "2", "2", "2", "2"}));
    EXPECT_EQ(ColumnCells(T(), 3),
              (std::vector<std::string>{"Michael Schumacher", "Juan Pablo Montoya",
                                        "Pedro de la Rosa", "Al Unser", "Michael Schumacher",
                                        "Juan Pablo Montoya", "Pedro de la Rosa", "Al Unser"}));
    EXPECT_EQ(RowCells(T(), 3),
              (std::vector<std::string>{"1", "01 May 1950", "Monza", "Pedro de la Rosa", "McLaren",
                                        "", "lap 12", "Engine", std::to_string(r2_ + 2)}));
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
    EXPECT_EQ(Ctx().grid.CompareGroupSize, 4);
}

TEST_F(CompareTest, VerticalWhenChosen) {
    Vertical2Click(Ctx());
    EXPECT_EQ(db_->CompareView, 1);
    List({schu_, jpm_});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagVerticalCompare);
    Horizontaluntil3driver2Click(Ctx());
    EXPECT_EQ(db_->CompareView, 0);
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagHorizontalCompare);
}

TEST_F(CompareTest, ADriverWithTwoCarsDoesNotStandInForAnAbsentOne) {
    // g3: two Schumacher records, no Montoya: not a race they both drove.
    List({schu_, jpm_});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(Tracks(), (std::vector<std::string>{"Spa", "Monza", "Silverstone"}));
    // In g3 his first record (the shared winning car) stands for him.
    List({schu_, pdlr_});
    CompareDrivers(Ctx(), 0, 1951);
    EXPECT_EQ(Tracks(), (std::vector<std::string>{"Silverstone", "Monte Carlo"}));
    EXPECT_EQ(T().Cell(6, 2), std::to_string(r3_));
}

TEST_F(CompareTest, OneSeasonOnly) {
    List({schu_, jpm_});
    CompareDrivers(Ctx(), 0, 1950);
    EXPECT_EQ(Tracks(), (std::vector<std::string>{"Spa", "Monza"}));
    // A season that is not in the database gives an empty table.
    CompareDrivers(Ctx(), 0, 1960);
    EXPECT_EQ(T().RowCount(), 2);
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(CompareTest, PairKindsTestOneDriversAchievement) {
    const auto tracks = [&](int kind) {
        CompareDrivers(Ctx(), kind, 0, schu_, jpm_);
        return Tracks();
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(tracks(1), (V{"Monza", "Monte Carlo"}));
    EXPECT_EQ(tracks(2), (V{"Spa", "Silverstone"}));
    EXPECT_EQ(tracks(3), (V{"Spa", "Monza", "Monte Carlo"}));
    EXPECT_EQ(tracks(4), (V{"Spa", "Monza", "Silverstone"}));
    EXPECT_EQ(tracks(5), (V{"Spa", "Monza", "Silverstone", "Monte Carlo"}));
    EXPECT_EQ(tracks(6), tracks(5));
    EXPECT_EQ(tracks(7), (V{"Monza", "Silverstone"}));
    EXPECT_EQ(tracks(8), (V{"Spa", "Monte Carlo"}));
    EXPECT_EQ(tracks(9), (V{"Spa", "Monte Carlo"}));
    EXPECT_EQ(tracks(10), (V{"Monza"}));
    // The pair replaces the compare list for the table only.
    EXPECT_TRUE(Ctx().browser.CompareList.empty());
    EXPECT_EQ(Ctx().grid.CompareGroupSize, 2);
}

TEST_F(CompareTest, PairSidesStayEmptyWhereTheOtherHasNoMatchingRecord) {
    // Schumacher's wins: at Monaco Montoya was absent.
    CompareDrivers(Ctx(), 1, 1951, schu_, jpm_);
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{"1", "01 May 1951", "Monte Carlo", "M. Schumacher",
                                        "Ferrari", "1", std::to_string(r3_), "", "", "", ""}));
    // Montoya's podiums: Schumacher's fourth place at Silverstone is left out, vertically too.
    Vertical2Click(Ctx());
    CompareDrivers(Ctx(), 4, 1951, schu_, jpm_);
    ASSERT_EQ(T().RowCount(), 3);
    EXPECT_EQ(RowCells(T(), 1), std::vector<std::string>(9));
    EXPECT_EQ(T().Cell(3, 2), "Juan Pablo Montoya");
    EXPECT_EQ(T().CountLabel, "1  record(s) found.");
    // Nothing qualifies: one blank row and count 0.
    CompareDrivers(Ctx(), 1, 0, unser_, schu_);
    EXPECT_EQ(T().RowCount(), 2);
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(CompareTest, Headings) {
    const std::string pair = " Michael Schumacher -- Juan Pablo Montoya";
    const std::vector<std::string> expected = {
        pair,
        " (Win)" + pair + " (Race)",
        " (Race)" + pair + " (Win)",
        " (Podium)" + pair + " (Race)",
        " (Race)" + pair + " (Podium)",
        " (Race)" + pair + " (Race)",
        " (Race)" + pair + " (Race)",
        " (P)" + pair + " (Race)",
        " (Race)" + pair + " (P)",
        " (FL)" + pair + " (Race)",
        " (Race)" + pair + "( FL)",
    };
    for (int kind = 0; kind <= MaxCompareKind; ++kind) {
        CompareDrivers(Ctx(), kind, 0, schu_, jpm_);
        EXPECT_EQ(T().TitleLabel, expected[static_cast<std::size_t>(kind)]) << kind;
    }
    EXPECT_EQ(CompareHeading(Ctx(), 3, 0, 0), "Comparing drivers (Race results)");
}

TEST_F(CompareTest, TheCompareListFromThePopup) {
    EXPECT_FALSE(ComparePanelVisible(Ctx()));
    Ctx().grid.SelectedRecord = r2_; // Montoya's record
    EXPECT_TRUE(oCompareList1Click(Ctx()));
    Ctx().grid.SelectedRecord = r1_;
    EXPECT_TRUE(oCompareList1Click(Ctx()));
    Ctx().grid.SelectedRecord = r2_;
    EXPECT_FALSE(oCompareList1Click(Ctx())); // already there
    Ctx().grid.SelectedRecord = 0;
    EXPECT_FALSE(oCompareList1Click(Ctx()));
    EXPECT_TRUE(ComparePanelVisible(Ctx()));
    EXPECT_EQ(CompareBoxItems(Ctx()),
              (std::vector<std::string>{"- The Compare List -", "Juan Pablo Montoya",
                                        "Michael Schumacher"}));
    ComboBox6Click(Ctx(), 0); // the title: nothing
    ComboBox6Click(Ctx(), 1);
    EXPECT_EQ(Ctx().browser.CompareList, (std::vector<std::uint16_t>{schu_}));
    ComboBox6Click(Ctx(), 1);
    EXPECT_FALSE(ComparePanelVisible(Ctx()));

    // At most 25: the 26th is ignored.
    for (int i = 0; i < 30; ++i)
        AddToCompareList(Ctx(), b_.Driver("Extra " + std::to_string(i)));
    EXPECT_EQ(Ctx().browser.CompareList.size(), 25u);
    EXPECT_FALSE(AddToCompareList(Ctx(), schu_));
}

TEST_F(CompareTest, HighlightTogglesTheSelectedDriversName) {
    Ctx().grid.SelectedRecord = r1_;
    Highlight1Click(Ctx());
    EXPECT_EQ(Ctx().grid.HighlightName, "Michael Schumacher");
    Ctx().grid.SelectedRecord = r2_;
    Highlight1Click(Ctx());
    EXPECT_EQ(Ctx().grid.HighlightName, "Juan Pablo Montoya");
    Highlight1Click(Ctx());
    EXPECT_EQ(Ctx().grid.HighlightName, "");
}

TEST_F(CompareTest, HistoryEntriesRebuildTheirComparisons) {
    List({schu_, jpm_});
    SpeedButton5Click(Ctx());
    EXPECT_EQ(Current().Kind, history_kind::CompareRaces);
    EXPECT_EQ(Current().Caption, "Comparing drivers (Race results)");
    ComparePairTable(Ctx(), 9, 1951, schu_, jpm_);
    EXPECT_EQ(Current().Kind, history_kind::ComparePair);
    EXPECT_EQ(Current().Caption, " (FL) Michael Schumacher -- Juan Pablo Montoya (Race)");
    EXPECT_EQ(T().CountLabel, "1  record(s) found.");

    // Back re-runs "Races" on the list as it is now.
    List({schu_, pdlr_});
    Ctx().history.Back();
    EXPECT_EQ(Ctx().history.HistCount(), 2);
    EXPECT_EQ(Tracks(), (std::vector<std::string>{"Spa", "Monza", "Silverstone", "Monte Carlo"}));
    Ctx().history.Next();
    EXPECT_EQ(T().TitleLabel, " (FL) Michael Schumacher -- Juan Pablo Montoya (Race)");
    EXPECT_EQ(Tracks(), (std::vector<std::string>{"Monte Carlo"}));
}

class CompareShipped : public ShippedTest {
  protected:
    std::uint16_t Driver(const std::string& name) {
        const std::uint16_t d = db_->FindDriver(Utf8ToCp1254(name));
        EXPECT_NE(d, 0) << name;
        return d;
    }
};

TEST_F(CompareShipped, RivalsAndTeamMates) {
    // Both drove all sixteen races of 1998, and of 1988 (team-mates at McLaren).
    CompareDrivers(Ctx(), 0, 1998, Driver("Michael Schumacher"), Driver("Mika Häkkinen"));
    EXPECT_EQ(T().CountLabel, "16  record(s) found.");
    EXPECT_EQ(T().Cell(2, 1), "Suzuka"); // the last race of the season comes first
    CompareDrivers(Ctx(), 0, 1988, Driver("Alain Prost"), Driver("Ayrton Senna"));
    EXPECT_EQ(T().CountLabel, "16  record(s) found.");
    // 2002: Schumacher won eleven races, Barrichello four.
    CompareDrivers(Ctx(), 1, 2002, Driver("Michael Schumacher"), Driver("Rubens Barrichello"));
    EXPECT_EQ(T().CountLabel, "11  record(s) found.");
    CompareDrivers(Ctx(), 2, 2002, Driver("Michael Schumacher"), Driver("Rubens Barrichello"));
    EXPECT_EQ(T().CountLabel, "4  record(s) found.");
}

TEST_F(CompareShipped, TwentyFiveDrivers) {
    // The 2005 field: 25 drivers at most, vertical, only races every one of them drove.
    for (int r = db_->GPs[db_->Seasons[2005].FirstGP].FirstResult;
         r <= db_->GPs[db_->Seasons[2005].FirstGP].LastResult; ++r)
        AddToCompareList(Ctx(), db_->Results[static_cast<std::size_t>(r)].Driver);
    const std::size_t k = Ctx().browser.CompareList.size();
    ASSERT_GE(k, 4u);
    SpeedButton5Click(Ctx());
    EXPECT_EQ(T().Tag, GridTagVerticalCompare);
    const std::string& count = T().CountLabel;
    const int gps = static_cast<int>(ParseDecimal(count.substr(0, count.find(' ')), -1));
    EXPECT_EQ(T().RowCount() - 1, gps == 0 ? 1 : gps * static_cast<int>(k));
}

} // namespace
} // namespace qor::testing
