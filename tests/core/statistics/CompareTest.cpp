// Driver comparison: the compare list, the two layouts and when each is used, race order,
// the kinds and their headings, name abbreviation, counts of GPs, marks and history.

#include "statistics/DriverComparison.h"
#include "support/StatisticsFixtures.h"

namespace qor::testing {
namespace {

TEST(CompareAbbreviation, InitialsUntilAShortWord) {
    const std::pair<const char*, const char*> cases[] = {{"Michael Schumacher", "M. Schumacher"},
                                                         {"Juan Pablo Montoya", "J. P. Montoya"},
                                                         {"Pedro de la Rosa", "P. de la Rosa"},
                                                         {"Al Unser", "Al Unser"},
                                                         {"Jos Verstappen", "J. Verstappen"},
                                                         {"Prost", "Prost"},
                                                         {"", ""}};
    for (const auto& [name, abbreviated] : cases)
        EXPECT_EQ(AbbreviatedName(name), abbreviated) << name;
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
        const auto ferrari = b_.Team("Ferrari"), williams = b_.Team("Williams"),
                   mclaren = b_.Team("McLaren");
        const auto engine = b_.Reason("Engine");
        const auto win = The_Class::ParseTime("1 hr 30:00.000");
        const auto gap = The_Class::ParseTime("+5.000");
        const auto gp = [&](int y, int m, const char* track, std::uint16_t fl, std::uint16_t pole) {
            const auto g = b_.GP(y, m, 1, b_.Track(track), 0);
            db_->GPs[g].FLDriver = fl;
            db_->GPs[g].FLTime = The_Class::ParseTime("1:20.000");
            db_->GPs[g].PoleDriver = pole;
        };
        gp(1950, 5, "Monza", jpm_, schu_);
        r1_ = b_.Result(schu_, 1, ferrari, win, 0);
        r2_ = b_.Result(jpm_, 2, williams, gap, 0);
        b_.Result(unser_, 3, williams, gap, 0);
        r4_ = b_.Result(pdlr_, 0, mclaren, The_Class::ParseTime("lap 12"), engine);
        gp(1950, 6, "Spa", schu_, jpm_);
        b_.Result(jpm_, 1, williams, win, 0);
        b_.Result(schu_, 2, ferrari, gap, 0);
        b_.Result(pdlr_, 3, mclaren, gap, 0);
        gp(1951, 5, "Monte Carlo", schu_, jpm_);
        r3_ = b_.Result(schu_, 1, ferrari, win, 0);
        b_.Result(pdlr_, 2, mclaren, gap, 0);
        b_.Result(schu_, 0, ferrari, 0, engine);
        gp(1951, 6, "Silverstone", pdlr_, schu_);
        b_.Result(jpm_, 1, williams, win, 0);
        b_.Result(pdlr_, 2, mclaren, gap, 0);
        b_.Result(unser_, 3, williams, gap, 0);
        b_.Result(schu_, 4, ferrari, gap, 0);
    }

    void List(std::vector<std::uint16_t> drivers) {
        Ctx().browser.CompareList.clear();
        for (const auto d : drivers)
            AddToCompareList(Ctx(), d);
    }
    // Column 2 (the track) of every row.
    Strings Tracks() { return ColumnCells(T(), 2); }

    std::uint16_t schu_ = 0, jpm_ = 0, pdlr_ = 0, unser_ = 0;
    std::uint16_t r1_ = 0, r2_ = 0, r3_ = 0, r4_ = 0;
};

TEST_F(CompareTest, ThreeDriversSideBySide) {
    List({schu_, jpm_, pdlr_});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().TitleLabel, "Comparing drivers (Race results)");
    EXPECT_EQ(T().Tag, GridTagHorizontalCompare);
    // All three took part in g1, g2 and g4; 1950 first, newest race of a season first.
    EXPECT_EQ(Tracks(), (Strings{"Spa", "Monza", "Silverstone"}));
    EXPECT_EQ(RowCells(T(), 2),
              (Strings{"2", "01 May 1950", "Monza", "M. Schumacher", "Ferrari", "1",
                       std::to_string(r1_), "J. P. Montoya", "Williams", "2", std::to_string(r2_),
                       "P. de la Rosa", "McLaren", "", std::to_string(r4_)}));
    EXPECT_EQ(T().CountLabel, "3  record(s) found.");
    EXPECT_EQ(Ctx().grid.CompareGroupSize, 3);
    EXPECT_EQ(Ctx().grid.CompareMarks[1], 1);
    EXPECT_EQ(Ctx().grid.CompareMarks[2], 1);
    EXPECT_EQ(Ctx().grid.CompareMarks[3], 0);
}

TEST_F(CompareTest, FourDriversOrAChoiceGiveTheVerticalViewCountingGPs) {
    ASSERT_EQ(db_->CompareView, 0);
    List({schu_, jpm_, pdlr_, unser_});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagVerticalCompare);
    // g1 and g4 had all four: one row per driver in list order, both races' rows numbered alike.
    EXPECT_EQ(ColumnCells(T(), 0), (Strings{"1", "1", "1", "1", "2", "2", "2", "2"}));
    EXPECT_EQ(RowCells(T(), 3), (Strings{"1", "01 May 1950", "Monza", "Pedro de la Rosa", "McLaren",
                                         "", "lap 12", "Engine", std::to_string(r4_)}));
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");

    Vertical2Click(Ctx());
    EXPECT_EQ(db_->CompareView, 1);
    List({schu_, jpm_});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagVerticalCompare);
    Horizontaluntil3driver2Click(Ctx());
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagHorizontalCompare);
}

TEST_F(CompareTest, RacesBothDroveOfOneSeasonOrAll) {
    // g3: two Schumacher records, no Montoya: not a race they both drove.
    List({schu_, jpm_});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(Tracks(), (Strings{"Spa", "Monza", "Silverstone"}));
    CompareDrivers(Ctx(), 0, 1950);
    EXPECT_EQ(Tracks(), (Strings{"Spa", "Monza"}));
    // In g3 his first record (the shared winning car) stands for him.
    List({schu_, pdlr_});
    CompareDrivers(Ctx(), 0, 1951);
    EXPECT_EQ(Tracks(), (Strings{"Silverstone", "Monte Carlo"}));
    EXPECT_EQ(T().Cell(6, 2), std::to_string(r3_));
}

TEST_F(CompareTest, PairKindsTestOneDriversAchievement) {
    const std::string pair = " Michael Schumacher -- Juan Pablo Montoya";
    struct Case {
        Strings tracks;
        std::string heading;
    };
    const Case cases[] = {
        {{"Spa", "Monza", "Silverstone"}, pair},
        {{"Monza", "Monte Carlo"}, " (Win)" + pair + " (Race)"},
        {{"Spa", "Silverstone"}, " (Race)" + pair + " (Win)"},
        {{"Spa", "Monza", "Monte Carlo"}, " (Podium)" + pair + " (Race)"},
        {{"Spa", "Monza", "Silverstone"}, " (Race)" + pair + " (Podium)"},
        {{"Spa", "Monza", "Silverstone", "Monte Carlo"}, " (Race)" + pair + " (Race)"},
        {{"Spa", "Monza", "Silverstone", "Monte Carlo"}, " (Race)" + pair + " (Race)"},
        {{"Monza", "Silverstone"}, " (P)" + pair + " (Race)"},
        {{"Spa", "Monte Carlo"}, " (Race)" + pair + " (P)"},
        {{"Spa", "Monte Carlo"}, " (FL)" + pair + " (Race)"},
        {{"Monza"}, " (Race)" + pair + "( FL)"},
    };
    for (int kind = 0; kind <= MaxCompareKind; ++kind) {
        CompareDrivers(Ctx(), kind, 0, schu_, jpm_);
        EXPECT_EQ(Tracks(), cases[kind].tracks) << kind;
        EXPECT_EQ(T().TitleLabel, cases[kind].heading) << kind;
    }
    // The pair replaces the compare list for the table only.
    EXPECT_TRUE(Ctx().browser.CompareList.empty());
    EXPECT_EQ(Ctx().grid.CompareGroupSize, 2);
    EXPECT_EQ(CompareHeading(Ctx(), 3, 0, 0), "Comparing drivers (Race results)");
}

TEST_F(CompareTest, PairSidesStayEmptyWhereTheOtherHasNoMatchingRecord) {
    // Schumacher's wins: at Monaco Montoya was absent.
    CompareDrivers(Ctx(), 1, 1951, schu_, jpm_);
    EXPECT_EQ(RowCells(T(), 1), (Strings{"1", "01 May 1951", "Monte Carlo", "M. Schumacher",
                                         "Ferrari", "1", std::to_string(r3_), "", "", "", ""}));
    CompareDrivers(Ctx(), 1, 0, unser_, schu_); // nothing qualifies
    EXPECT_EQ(T().RowCount(), 2);
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(CompareTest, TheCompareListAndHighlightFromThePopup) {
    EXPECT_FALSE(ComparePanelVisible(Ctx()));
    for (const auto& [record, added] :
         {std::pair{r2_, true}, {r1_, true}, {r2_, false}, {std::uint16_t{0}, false}}) {
        Ctx().grid.SelectedRecord = record;
        EXPECT_EQ(oCompareList1Click(Ctx()), added) << record;
    }
    EXPECT_TRUE(ComparePanelVisible(Ctx()));
    EXPECT_EQ(CompareBoxItems(Ctx()),
              (Strings{"- The Compare List -", "Juan Pablo Montoya", "Michael Schumacher"}));
    ComboBox6Click(Ctx(), 1);
    EXPECT_EQ(Ctx().browser.CompareList, (std::vector<std::uint16_t>{schu_}));
    ComboBox6Click(Ctx(), 1);
    EXPECT_FALSE(ComparePanelVisible(Ctx()));
    // At most 25: the 26th is ignored.
    for (int i = 0; i < 30; ++i)
        AddToCompareList(Ctx(), b_.Driver("Extra " + std::to_string(i)));
    EXPECT_EQ(Ctx().browser.CompareList.size(), 25u);

    Ctx().grid.SelectedRecord = r1_;
    Highlight1Click(Ctx());
    EXPECT_EQ(Ctx().grid.HighlightName, "Michael Schumacher");
    Ctx().grid.SelectedRecord = r2_;
    Highlight1Click(Ctx());
    EXPECT_EQ(Ctx().grid.HighlightName, "Juan Pablo Montoya");
    Highlight1Click(Ctx()); // the same name again: off
    EXPECT_EQ(Ctx().grid.HighlightName, "");
}

TEST_F(CompareTest, HistoryEntriesRebuildTheirComparisons) {
    List({schu_, jpm_});
    SpeedButton5Click(Ctx());
    EXPECT_EQ(Current().Kind, history_kind::CompareRaces);
    ComparePairTable(Ctx(), 9, 1951, schu_, jpm_);
    EXPECT_EQ(Current().Kind, history_kind::ComparePair);
    // Back re-runs "Races" on the list as it is now.
    List({schu_, pdlr_});
    Ctx().history.Back();
    EXPECT_EQ(Tracks(), (Strings{"Spa", "Monza", "Silverstone", "Monte Carlo"}));
    Ctx().history.Next();
    EXPECT_EQ(T().TitleLabel, " (FL) Michael Schumacher -- Juan Pablo Montoya (Race)");
    EXPECT_EQ(Tracks(), (Strings{"Monte Carlo"}));
}

} // namespace
} // namespace qor::testing
