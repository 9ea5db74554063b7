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

// Comparisons on the record list database: Able (1), Baker (2), Cole (3), Dunn (4).
class CompareTest : public RecordListTest {
  protected:
    void List(std::vector<std::uint16_t> drivers) {
        Ctx().browser.CompareList.clear();
        for (const auto d : drivers)
            AddToCompareList(Ctx(), d);
    }
    // Column 1 (the date) of every row.
    Strings Dates() { return ColumnCells(T(), 1); }
};

TEST_F(CompareTest, RacesAllDroveSideBySideOrOneBelowAnother) {
    List({1, 2, 3});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().TitleLabel, "Comparing drivers (Race results)");
    EXPECT_EQ(T().Tag, GridTagHorizontalCompare);
    // 1990 first, the newest race of a season first; GP5 and later lack Able or Baker.
    EXPECT_EQ(Dates(), (Strings{"06 May 1990", "08 Apr 1990", "10 Mar 1990", "10 Mar 1991"}));
    EXPECT_EQ(RowCells(T(), 3),
              (Strings{"3", "10 Mar 1990", "Alpha", "A. Able", "Red", "1", "1", "B. Baker", "Red",
                       "2", "2", "C. Cole", "Blue", "3", "3"}));
    EXPECT_EQ(Ctx().grid.CompareGroupSize, 3);
    // Four drivers: vertical, a row per driver in list order, numbered by GP, counted by GP.
    // Able's first record of GP4 (the shared car) stands for him.
    List({1, 2, 3, 4});
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagVerticalCompare);
    EXPECT_EQ(Keys(), (std::vector<int>{1, 2, 3, 4, 13, 12, 14, 11}));
    EXPECT_EQ(ColumnCells(T(), 0), (Strings{"1", "1", "1", "1", "2", "2", "2", "2"}));
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
    // Cole's two cars in GP5 do not stand in for the absent Able; one season only.
    List({3, 1});
    CompareDrivers(Ctx(), 0, 1991);
    EXPECT_EQ(Dates(), (Strings{"10 Mar 1991"}));
    Vertical2Click(Ctx()); // vertical by choice
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagVerticalCompare);
    Horizontaluntil3driver2Click(Ctx());
    CompareDrivers(Ctx(), 0, 0);
    EXPECT_EQ(T().Tag, GridTagHorizontalCompare);
}

TEST_F(CompareTest, PairKindsTestOneDriversAchievement) {
    const std::string pair = " Alan Able -- Bert Baker";
    struct Case {
        Strings dates;
        std::string heading;
    };
    const Case cases[] = {
        {{"06 May 1990", "08 Apr 1990", "10 Mar 1990", "10 Mar 1991"}, pair},
        {{"10 Mar 1990", "02 Jun 1991"}, " (Win)" + pair + " (Race)"},
        {{"06 May 1990", "07 Apr 1991"}, " (Race)" + pair + " (Win)"},
        {{"08 Apr 1990", "10 Mar 1990", "02 Jun 1991", "10 Mar 1991"},
         " (Podium)" + pair + " (Race)"},
        {{"06 May 1990", "10 Mar 1990", "07 Apr 1991", "10 Mar 1991"},
         " (Race)" + pair + " (Podium)"},
        {{"06 May 1990", "08 Apr 1990", "10 Mar 1990", "07 Jul 1991", "02 Jun 1991", "07 Apr 1991",
          "10 Mar 1991"},
         " (Race)" + pair + " (Race)"},
        {{"06 May 1990", "08 Apr 1990", "10 Mar 1990", "07 Jul 1991", "02 Jun 1991", "07 Apr 1991",
          "10 Mar 1991"},
         " (Race)" + pair + " (Race)"},
        {{"10 Mar 1990", "02 Jun 1991"}, " (P)" + pair + " (Race)"},
        {{"08 Apr 1990", "07 Apr 1991"}, " (Race)" + pair + " (P)"},
        {{"10 Mar 1991"}, " (FL)" + pair + " (Race)"},
        {{"06 May 1990", "07 Jul 1991"}, " (Race)" + pair + "( FL)"},
    };
    for (int kind = 0; kind <= MaxCompareKind; ++kind) {
        CompareDrivers(Ctx(), kind, 0, 1, 2);
        EXPECT_EQ(Dates(), cases[kind].dates) << kind;
        EXPECT_EQ(T().TitleLabel, cases[kind].heading) << kind;
    }
    // The pair replaces the compare list for the table only.
    EXPECT_TRUE(Ctx().browser.CompareList.empty());
    EXPECT_EQ(Ctx().grid.CompareGroupSize, 2);
    // Baker was absent from Able's GP7 win: his side stays empty.
    CompareDrivers(Ctx(), 1, 1991, 1, 2);
    EXPECT_EQ(RowCells(T(), 1),
              (Strings{"1", "02 Jun 1991", "Beta", "A. Able", "Blue", "1", "20", "", "", "", ""}));
    CompareDrivers(Ctx(), 9, 1990, 1, 2); // nothing qualifies
    EXPECT_EQ(T().RowCount(), 2);
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(CompareTest, TheCompareListFromThePopupAndHistory) {
    EXPECT_FALSE(ComparePanelVisible(Ctx()));
    for (const auto& [record, added] :
         {std::pair{2, true}, {1, true}, {5, true}, {2, false}, {0, false}}) {
        Ctx().grid.SelectedRecord = static_cast<std::uint16_t>(record);
        EXPECT_EQ(oCompareList1Click(Ctx()), added) << record;
    }
    EXPECT_EQ(CompareBoxItems(Ctx()),
              (Strings{"- The Compare List -", "Bert Baker", "Alan Able", "Carl Cole"}));
    ComboBox6Click(Ctx(), 1);
    EXPECT_EQ(Ctx().browser.CompareList, (std::vector<std::uint16_t>{1, 3}));
    for (int i = 0; i < 30; ++i) // at most 25
        AddToCompareList(Ctx(), b_.Driver("Extra " + std::to_string(i)));
    EXPECT_EQ(Ctx().browser.CompareList.size(), 25u);

    List({1, 2});
    SpeedButton5Click(Ctx());
    EXPECT_EQ(Current().Kind, history_kind::CompareRaces);
    ComparePairTable(Ctx(), 9, 1991, 1, 2);
    EXPECT_EQ(Current().Kind, history_kind::ComparePair);
    // Back re-runs "Races" on the list as it is now.
    List({2, 3});
    Ctx().history.Back();
    EXPECT_EQ(Dates(),
              (Strings{"06 May 1990", "08 Apr 1990", "10 Mar 1990", "07 Apr 1991", "10 Mar 1991"}));
    Ctx().history.Next();
    EXPECT_EQ(T().TitleLabel, " (FL) Alan Able -- Bert Baker (Race)");
    EXPECT_EQ(Dates(), (Strings{"10 Mar 1991"}));
    // The highlight toggles the selected record's driver.
    Ctx().grid.SelectedRecord = 1;
    Highlight1Click(Ctx());
    EXPECT_EQ(Ctx().grid.HighlightName, "Alan Able");
    Highlight1Click(Ctx());
    EXPECT_EQ(Ctx().grid.HighlightName, "");
}

} // namespace
} // namespace qor::testing
