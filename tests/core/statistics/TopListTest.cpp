// Top lists: the strict three-place ranking, points totals and their text, fastest laps and
// poles of drivers and teams, wins and streaks within a season, placeholders, the value
// labels and the commands behind the names.

#include "BrowserTablesFixture.h"

#include "statistics/TopLists.h"

namespace qor::testing {
namespace {

using C = TopListCategory;

std::vector<std::uint16_t> Keys(const TopLists& l, C c) {
    return {l.Slot(c, 0).Key, l.Slot(c, 1).Key, l.Slot(c, 2).Key};
}
std::vector<std::string> Names(const TopLists& l, C c) {
    return {l.Row(c, 0).Name, l.Row(c, 1).Name, l.Row(c, 2).Name};
}
std::vector<std::string> Values(const TopLists& l, C c) {
    return {l.Row(c, 0).Value, l.Row(c, 1).Value, l.Row(c, 2).Value};
}

TEST(TopListRanking, StrictComparisonsKeepTheLowerIndexOnTies) {
    TopListSlots s{};
    RankTopList(s, 1, 5);
    RankTopList(s, 2, 7); // above 1: 1 moves down
    RankTopList(s, 3, 7); // equal to 1st: second place, 1 moves to third
    RankTopList(s, 4, 0); // no value: never placed
    RankTopList(s, 5, 5); // equal to 3rd: does not displace it
    RankTopList(s, 6, 6); // beats 3rd only
    EXPECT_EQ(s[0].Key, 2);
    EXPECT_EQ(s[1].Key, 3);
    EXPECT_EQ(s[2].Key, 6);
    EXPECT_EQ(s[2].Value, 6);
    // A new leader pushes both others down, carrying their values and years.
    RankTopList(s, 7, 9, 1999);
    EXPECT_EQ(s[0].Key, 7);
    EXPECT_EQ(s[0].Year, 1999);
    EXPECT_EQ(s[1].Key, 2);
    EXPECT_EQ(s[2].Key, 3);
}

// Seasons 1950 and 1951 of four drivers in three teams.
//   1950: g1 Ann (A) wins, g2 Bob (A) wins, g3 Ann (A) wins in the last GP of the season.
//   1951: g4 Ann (B) wins the first GP, g5 no results, g6 Cid (B) wins, g7 Cid (B) wins,
//         g8 first record unplaced (Dan).
class TopListTest : public ProducerTest {
  protected:
    void SetUp() override {
        ann_ = b_.Driver("Ann Driver");
        bob_ = b_.Driver("Bob Racer");
        cid_ = b_.Driver("Cid Quick");
        dan_ = b_.Driver("Dan Slow");
        ghost_ = b_.Driver("Gus Ghost"); // credited with a fastest lap he has no record for
        a_ = b_.Team("Alfa");
        bt_ = b_.Team("Brm");
        c_ = b_.Team("Cooper");
        const auto track = b_.Track("Monza");
        const auto name = b_.GPName("Italy");
        const auto time = The_Class::ParseTime("1 hr 30:00.000");
        const auto gp = [&](int y, int m, int d) { return b_.GP(y, m, d, track, name); };

        g1_ = gp(1950, 5, 1);
        r1_ = b_.Result(ann_, 1, a_, time, 0);
        b_.Result(bob_, 2, a_, time, 0);
        b_.Result(cid_, 3, c_, time, 0);
        Facts(g1_, bob_, cid_);
        g2_ = gp(1950, 6, 1);
        b_.Result(bob_, 1, a_, time, 0);
        b_.Result(ann_, 2, a_, time, 0);
        Facts(g2_, ghost_, cid_);
        g3_ = gp(1950, 7, 1);
        b_.Result(ann_, 1, a_, time, 0);
        b_.Result(cid_, 2, c_, time, 0);
        Facts(g3_, cid_, ann_);
        b_.DriverStanding(1950, ann_, a_, 1000.5f);
        b_.DriverStanding(1950, bob_, a_, 12.5f);
        b_.TeamStanding(1950, a_, "Alfa", 30.0f);
        b_.TeamStanding(1950, 0, "Unknown", 99.0f); // known only by its name
        b_.TeamStanding(1950, c_, "Cooper", 5.0f);

        g4_ = gp(1951, 5, 1);
        b_.Result(ann_, 1, bt_, time, 0);
        b_.Result(cid_, 2, bt_, time, 0);
        Facts(g4_, cid_, cid_);
        g5_ = gp(1951, 6, 1);
        Facts(g5_, 0, 0);
        g6_ = gp(1951, 7, 1);
        b_.Result(cid_, 1, bt_, time, 0);
        b_.Result(ann_, 2, a_, time, 0);
        Facts(g6_, ann_, ann_);
        g7_ = gp(1951, 8, 1);
        b_.Result(cid_, 1, bt_, time, 0);
        Facts(g7_, cid_, dan_);
        g8_ = gp(1951, 9, 1);
        b_.Result(dan_, 0, c_, 0, 0);
        b_.Result(ann_, 2, a_, time, 0);
        Facts(g8_, dan_, ann_);
        b_.DriverStanding(1951, ann_, bt_, 234.0f);
        b_.DriverStanding(1951, cid_, bt_, 1246.5f);
        b_.DriverStanding(1951, bob_, a_, 0.0f);
        b_.TeamStanding(1951, bt_, "Brm", 30.0f);
    }

    void Facts(std::uint16_t g, std::uint16_t fl, std::uint16_t pole) {
        db_->GPs[g].FLDriver = fl;
        db_->GPs[g].FLTime = fl ? The_Class::ParseTime("1:20.000") : 0;
        db_->GPs[g].PoleDriver = pole;
    }

    std::uint16_t ann_ = 0, bob_ = 0, cid_ = 0, dan_ = 0, ghost_ = 0;
    std::uint8_t a_ = 0, bt_ = 0, c_ = 0;
    std::uint16_t g1_ = 0, g2_ = 0, g3_ = 0, g4_ = 0, g5_ = 0, g6_ = 0, g7_ = 0, g8_ = 0;
    std::uint16_t r1_ = 0;
};

TEST_F(TopListTest, DriverPointsAreSummedOverSeasonsAndWrittenToFourDigits) {
    const TopLists l = opLists1Click(*db_);
    EXPECT_EQ(l.Tag, TopListDrivers);
    // Ann 1000.5 + 234 = 1234.5, Cid 1246.5, Bob 12.5 (his 0 row adds nothing).
    EXPECT_EQ(Keys(l, C::Points), (std::vector<std::uint16_t>{cid_, ann_, bob_}));
    EXPECT_EQ(l.Slot(C::Points, 1).Value, 1234.5);
    EXPECT_EQ(Values(l, C::Points), (std::vector<std::string>{"1,247.00", "1,235.00", "12.50"}));
}

TEST_F(TopListTest, DriverFastestLapsAndPolesCountEveryGPCredit) {
    const TopLists l = opLists1Click(*db_);
    // Fastest laps: Cid 3 (g3, g4, g7); Ann, Bob, Dan and Gus 1 each: of the ties the lowest
    // indexes (Ann, Bob) take the places left.
    EXPECT_EQ(Keys(l, C::FastestLaps), (std::vector<std::uint16_t>{cid_, ann_, bob_}));
    EXPECT_EQ(Values(l, C::FastestLaps), (std::vector<std::string>{"3", "1", "1"}));
    // Poles: Cid 3 (g1, g2, g4), Ann 3 (g3, g6, g8), Dan 1: equal counts keep index order.
    EXPECT_EQ(Keys(l, C::Poles), (std::vector<std::uint16_t>{ann_, cid_, dan_}));
}

TEST_F(TopListTest, AWinInTheLastGPAndTheFirstOfTheNextSeasonAreTwoStreaks) {
    const TopLists l = opLists1Click(*db_);
    // Wins: Ann g1, g3, g4 = 3; Cid g6, g7 = 2; Bob g2 = 1. g8's first record is unplaced.
    EXPECT_EQ(Keys(l, C::Wins), (std::vector<std::uint16_t>{ann_, cid_, bob_}));
    EXPECT_EQ(Values(l, C::Wins), (std::vector<std::string>{"3", "2", "1"}));
    // Cid's two wins in a row (1951) beat Ann's streaks of 1; hers stays from 1950, the earlier
    // of her equally long streaks (g3 in 1950 and g4 in 1951 do not join).
    EXPECT_EQ(Keys(l, C::ConsecutiveWins), (std::vector<std::uint16_t>{cid_, ann_, bob_}));
    EXPECT_EQ(Values(l, C::ConsecutiveWins), (std::vector<std::string>{"2", "1", "1"}));
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 0).Year, "1951");
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 1).Year, "1950");
}

TEST_F(TopListTest, AGPWithoutAWinnerBreaksAStreak) {
    // g5 (no results) between Ann's g4 win and a new Ann win at g6.
    db_->Results[db_->GPs[g6_].FirstResult].Driver = ann_;
    db_->Results[db_->GPs[g6_].FirstResult].Team = bt_;
    const TopLists l = opLists1Click(*db_);
    EXPECT_EQ(l.Slot(C::Wins, 0).Key, ann_);
    EXPECT_EQ(l.Slot(C::Wins, 0).Value, 4);
    EXPECT_EQ(l.Slot(C::ConsecutiveWins, 0).Key, ann_);
    EXPECT_EQ(l.Slot(C::ConsecutiveWins, 0).Value, 1);
}

TEST_F(TopListTest, TeamsCountThroughTheDriversRecordInThatGP) {
    const TopLists l = opListsteamClick(*db_);
    EXPECT_EQ(l.Tag, TopListTeams);
    // Fastest laps: g1 Bob (Alfa), g2 Gus has no record there: nobody, g3 Cid (Cooper),
    // g4 Cid (Brm), g6 Ann (Alfa), g7 Cid (Brm), g8 Dan (Cooper).
    EXPECT_EQ(Keys(l, C::FastestLaps), (std::vector<std::uint16_t>{a_, bt_, c_}));
    EXPECT_EQ(Values(l, C::FastestLaps), (std::vector<std::string>{"2", "2", "2"}));
    // Poles: g1, g2 Cid: only g1 has his record (Cooper); g3 Ann (Alfa), g4 Cid (Brm),
    // g6 Ann (Alfa), g7 Dan has none, g8 Ann (Alfa).
    EXPECT_EQ(Keys(l, C::Poles), (std::vector<std::uint16_t>{a_, bt_, c_}));
    EXPECT_EQ(Values(l, C::Poles), (std::vector<std::string>{"3", "1", "1"}));
    EXPECT_EQ(TeamOfDriverInGP(*db_, g2_, ghost_), 0);
    EXPECT_EQ(TeamOfDriverInGP(*db_, g6_, ann_), a_);
    EXPECT_EQ(TeamOfDriverInGP(*db_, g4_, ann_), bt_);
}

TEST_F(TopListTest, TeamPointsSkipRowsWithoutATeam) {
    const TopLists l = opListsteamClick(*db_);
    // Alfa 30, Brm 30, Cooper 5; the 99 points of the name-only row belong to nobody.
    EXPECT_EQ(Keys(l, C::Points), (std::vector<std::uint16_t>{a_, bt_, c_}));
    EXPECT_EQ(Values(l, C::Points), (std::vector<std::string>{"30.00", "30.00", "5.00"}));
}

TEST_F(TopListTest, TeamStreaksFollowTheWinningTeamAcrossDrivers) {
    const TopLists l = opListsteamClick(*db_);
    // 1950: Alfa wins g1, g2 (Bob), g3: three in a row. 1951: Brm g4, then g5 breaks, g6, g7.
    EXPECT_EQ(Keys(l, C::Wins), (std::vector<std::uint16_t>{a_, bt_, 0}));
    EXPECT_EQ(Values(l, C::Wins), (std::vector<std::string>{"3", "3", "0"}));
    EXPECT_EQ(Values(l, C::ConsecutiveWins), (std::vector<std::string>{"3", "2", "0"}));
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 0).Year, "1950");
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 1).Year, "1951");
}

TEST_F(TopListTest, UnfilledPlacesShowThePlaceholderAndZero) {
    const TopLists l = opListsteamClick(*db_);
    EXPECT_EQ(Names(l, C::Wins), (std::vector<std::string>{"Alfa", "Brm", "_____"}));
    const TopListRow& empty = l.Row(C::ConsecutiveWins, 2);
    EXPECT_EQ(empty.Rank, "3.");
    EXPECT_EQ(empty.Name, "_____");
    EXPECT_EQ(empty.Value, "0");
    EXPECT_EQ(empty.Year, "");
    EXPECT_EQ(empty.ValueLabel(), std::string(54, '.') + " 0");
    EXPECT_EQ(l.Row(C::Points, 0).ValueLabel(), std::string(54, '.') + " 30.00");

    // An empty database: every place of every category is a placeholder.
    The_Class none;
    const TopLists e = opLists1Click(none);
    for (int c = 0; c < TopListCategoryCount; ++c)
        for (int p = 0; p < TopListPlaces; ++p)
            EXPECT_EQ(e.Row(static_cast<C>(c), p).Name, "_____");
    EXPECT_EQ(e.Row(C::Points, 0).Value, "0.00");
}

TEST_F(TopListTest, NameClicksAskForTheListsOfTheirNames) {
    const TopLists d = opLists1Click(*db_);
    MenuItemCall call = TopListNameClick(*db_, d, C::Points, 1);
    EXPECT_EQ(call.Item, "pointsbyyear");
    EXPECT_EQ(call.SelectedRecord, ann_);
    call = TopListNameClick(*db_, d, C::Wins, 0);
    EXPECT_EQ(call.Item, "Wins7");
    EXPECT_EQ(call.SelectedRecord, r1_); // Ann's first record
    EXPECT_EQ(TopListNameClick(*db_, d, C::FastestLaps, 0).Item, "FL4");
    EXPECT_EQ(TopListNameClick(*db_, d, C::Poles, 0).Item, "Poles7");
    call = TopListNameClick(*db_, d, C::ConsecutiveWins, 0);
    EXPECT_EQ(call.Item, "button2");
    EXPECT_EQ(call.Year, 1951);

    const TopLists t = opListsteamClick(*db_);
    call = TopListNameClick(*db_, t, C::Points, 1);
    EXPECT_EQ(call.Item, "Pointsbyyear1");
    EXPECT_EQ(call.SelectedRecord, bt_);
    call = TopListNameClick(*db_, t, C::FastestLaps, 2);
    EXPECT_EQ(call.Item, "Allfastestlaps1");
    EXPECT_EQ(db_->Results[call.SelectedRecord].Team, c_);
    EXPECT_EQ(TopListNameClick(*db_, t, C::Poles, 0).Item, "Allpoles1");
    EXPECT_EQ(TopListNameClick(*db_, t, C::Wins, 0).Item, "Allwins1");
    // The placeholder and a streak row without a year ask for nothing.
    EXPECT_TRUE(TopListNameClick(*db_, t, C::Wins, 2).Empty());
    EXPECT_TRUE(TopListNameClick(*db_, t, C::ConsecutiveWins, 2).Empty());
    EXPECT_TRUE(TopListNameClick(*db_, t, C::Wins, 3).Empty());
}

TEST(TopListCaptions, WindowTextsComeFromTheStringTable) {
    const Langs langs = EnglishLangs();
    const TopListCaptions c = TopListWindowCaptions(langs);
    EXPECT_EQ(c.Window, "TOP LISTS");
    EXPECT_EQ(c.Drivers, "Drivers");
    EXPECT_EQ(c.Teams, "Teams");
    EXPECT_EQ(c.Categories, (std::array<std::string, 5>{"Point", "Fastest Lap", "Pole Position",
                                                        "Win", "Consecutive Win"}));
}

class TopListShipped : public ShippedTest {};

TEST_F(TopListShipped, DriversAllTime) {
    const TopLists l = opLists1Click(*db_);
    EXPECT_EQ(Names(l, C::Wins),
              (std::vector<std::string>{"Michael Schumacher", "Alain Prost", "Ayrton Senna"}));
    EXPECT_EQ(Values(l, C::Wins), (std::vector<std::string>{"91", "51", "41"}));
    EXPECT_EQ(Names(l, C::Poles),
              (std::vector<std::string>{"Michael Schumacher", "Ayrton Senna", "Jim Clark"}));
    EXPECT_EQ(Values(l, C::Poles), (std::vector<std::string>{"68", "65", "33"}));
    EXPECT_EQ(l.Row(C::FastestLaps, 0).Name, "Michael Schumacher");
    EXPECT_EQ(l.Row(C::FastestLaps, 0).Value, "76");
    // Schumacher's seven in a row of 2004; Ascari's run of 1952-53 counts only its 1952 part.
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 0).Name, "Michael Schumacher");
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 0).Value, "7");
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 0).Year, "2004");
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 1).Name, "Alberto Ascari");
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 1).Value, "6");
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 1).Year, "1952");
    EXPECT_EQ(l.Row(C::Points, 0).Name, "Michael Schumacher");
    EXPECT_EQ(l.Row(C::Points, 0).Value, "1,369.00");
}

TEST_F(TopListShipped, TeamsAllTime) {
    const TopLists l = opListsteamClick(*db_);
    for (const C c : {C::Points, C::FastestLaps, C::Poles, C::Wins})
        EXPECT_EQ(l.Row(c, 0).Name, "Ferrari");
    EXPECT_EQ(Names(l, C::Wins), (std::vector<std::string>{"Ferrari", "McLaren", "Williams"}));
    // McLaren's eleven wins in a row of 1988.
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 0).Name, "McLaren");
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 0).Value, "11");
    EXPECT_EQ(l.Row(C::ConsecutiveWins, 0).Year, "1988");
    // The streak's click shows the winners of 1988.
    const MenuItemCall call = TopListNameClick(*db_, l, C::ConsecutiveWins, 0);
    EXPECT_EQ(call.Item, "button2");
    EXPECT_EQ(call.Year, 1988);
}

} // namespace
} // namespace qor::testing
