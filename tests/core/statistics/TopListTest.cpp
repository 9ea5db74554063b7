// Top lists of drivers and teams, and track statistics.

#include "statistics/TopLists.h"
#include "statistics/TrackStatistics.h"
#include "support/StatisticsFixtures.h"

#include <tuple>

namespace qor::testing {
namespace {

using C = TopListCategory;

// Seasons 1950 (g1-g3) and 1951 (g4-g8) of four drivers in three teams; Gus has no record.
class TopListTest : public ProducerTest {
  protected:
    void SetUp() override {
        ann_ = b_.Driver("Ann Driver");
        bob_ = b_.Driver("Bob Racer");
        cid_ = b_.Driver("Cid Quick");
        dan_ = b_.Driver("Dan Slow");
        const auto gus = b_.Driver("Gus Ghost");
        a_ = b_.Team("Alfa");
        bt_ = b_.Team("Brm");
        c_ = b_.Team("Cooper");
        const auto track = b_.Track("Monza");
        const auto name = b_.GPName("Italy");
        const auto gp = [&](int y, int m, std::uint16_t fl, std::uint16_t pole,
                            std::vector<std::pair<std::uint16_t, std::uint8_t>> results) {
            const auto g = b_.GP(y, m, 1, track, name);
            std::uint8_t pos = 1;
            for (const auto& [d, t] : results) {
                const std::uint8_t p = pos++;
                b_.Result(d, d == dan_ ? 0 : p, t, The_Class::ParseTime("1 hr 30:00.000"), 0);
            }
            db_->GPs[g].FLDriver = fl;
            db_->GPs[g].FLTime = fl ? The_Class::ParseTime("1:20.000") : 0;
            db_->GPs[g].PoleDriver = pole;
            return g;
        };
        gp(1950, 5, bob_, cid_, {{ann_, a_}, {bob_, a_}, {cid_, c_}});
        gp(1950, 6, gus, cid_, {{bob_, a_}, {ann_, a_}});
        gp(1950, 7, cid_, ann_, {{ann_, a_}, {cid_, c_}});
        b_.DriverStanding(1950, ann_, a_, 1000.5f);
        b_.DriverStanding(1950, bob_, a_, 12.5f);
        b_.TeamStanding(1950, a_, "Alfa", 30.0f);
        b_.TeamStanding(1950, 0, "Unknown", 99.0f); // known only by its name
        b_.TeamStanding(1950, c_, "Cooper", 5.0f);
        gp(1951, 5, cid_, cid_, {{ann_, bt_}, {cid_, bt_}});
        gp(1951, 6, 0, 0, {});
        gp(1951, 7, ann_, ann_, {{cid_, bt_}, {ann_, a_}});
        gp(1951, 8, cid_, dan_, {{cid_, bt_}});
        gp(1951, 9, dan_, ann_, {{dan_, c_}, {ann_, a_}});
        b_.DriverStanding(1951, ann_, bt_, 234.0f);
        b_.DriverStanding(1951, cid_, bt_, 1246.5f);
        b_.DriverStanding(1951, bob_, a_, 0.0f);
        b_.TeamStanding(1951, bt_, "Brm", 30.0f);
    }

    std::uint16_t ann_ = 0, bob_ = 0, cid_ = 0, dan_ = 0;
    std::uint8_t a_ = 0, bt_ = 0, c_ = 0;
};

TEST_F(TopListTest, CategoriesOfDriversAndTeams) {
    const std::tuple<bool, C, std::vector<int>, Strings> cases[] = {
        // Summed over seasons (Ann 1000.5 + 234), four digits.
        {false, C::Points, {cid_, ann_, bob_}, {"1,247.00", "1,235.00", "12.50"}},
        // Every credit counts; of the ties the lowest indexes take the places.
        {false, C::FastestLaps, {cid_, ann_, bob_}, {"3", "1", "1"}},
        {false, C::Poles, {ann_, cid_, dan_}, {"3", "3", "1"}},
        {false, C::Wins, {ann_, cid_, bob_}, {"3", "2", "1"}}, // g8's first record unplaced
        // Ann's g3 (1950) and g4 (1951) are two streaks.
        {false, C::ConsecutiveWins, {cid_, ann_, bob_}, {"2", "1", "1"}},
        {true, C::Points, {a_, bt_, c_}, {"30.00", "30.00", "5.00"}}, // the name-only 99: nobody's
        // Through the driver's record in that GP; g2's fastest driver has none.
        {true, C::FastestLaps, {a_, bt_, c_}, {"2", "2", "2"}},
        {true, C::Poles, {a_, bt_, c_}, {"3", "1", "1"}},
        {true, C::Wins, {a_, bt_, 0}, {"3", "3", "0"}}, // an unfilled place
        // Across drivers; g5 without a winner breaks Brm's.
        {true, C::ConsecutiveWins, {a_, bt_, 0}, {"3", "2", "0"}},
    };
    const TopLists drivers = opLists1Click(*db_), teams = opListsteamClick(*db_);
    for (const auto& [ofTeams, category, keys, values] : cases) {
        const TopLists& l = ofTeams ? teams : drivers;
        for (int p = 0; p < TopListPlaces; ++p) {
            EXPECT_EQ(l.Slot(category, p).Key, keys[static_cast<std::size_t>(p)]);
            EXPECT_EQ(l.Row(category, p).Value, values[static_cast<std::size_t>(p)]);
        }
    }
    EXPECT_EQ(drivers.Row(C::ConsecutiveWins, 0).Year, "1951");
    EXPECT_EQ(drivers.Row(C::ConsecutiveWins, 1).Year, "1950"); // the earlier equal streak
    EXPECT_EQ(teams.Row(C::ConsecutiveWins, 0).Year, "1950");
}

TEST_F(TopListTest, PlaceholdersAndNameClicks) {
    const TopLists d = opLists1Click(*db_), t = opListsteamClick(*db_);
    const TopListRow& empty = t.Row(C::ConsecutiveWins, 2);
    EXPECT_EQ(empty.Rank + empty.Name + empty.Year, "3._____");
    EXPECT_EQ(empty.ValueLabel(), std::string(54, '.') + " 0");
    EXPECT_EQ(opLists1Click(The_Class()).Row(C::Points, 0).Value, "0.00");
    // Points take the index, the lists a record of that driver or team.
    EXPECT_EQ(TopListNameClick(*db_, d, C::Points, 1).SelectedRecord, ann_);
    MenuItemCall call = TopListNameClick(*db_, d, C::Wins, 0);
    EXPECT_EQ(call.Item, "Wins7");
    EXPECT_EQ(db_->Results[call.SelectedRecord].Driver, ann_);
    call = TopListNameClick(*db_, t, C::FastestLaps, 2);
    EXPECT_EQ(call.Item, "Allfastestlaps1");
    EXPECT_EQ(db_->Results[call.SelectedRecord].Team, c_);
    call = TopListNameClick(*db_, d, C::ConsecutiveWins, 0);
    EXPECT_EQ(std::string(call.Item) + std::to_string(call.Year), "button21951");
    // The placeholder, a streak row without a year and a place beyond the list ask nothing.
    EXPECT_TRUE(TopListNameClick(*db_, t, C::Wins, 2).Empty());
    EXPECT_TRUE(TopListNameClick(*db_, t, C::ConsecutiveWins, 2).Empty());
    EXPECT_TRUE(TopListNameClick(*db_, t, C::Wins, 3).Empty());
}

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

TEST(TrackStatsText, LapsCompareByLengthNotByCodeBits) {
    // A stored hundredths value (1:20.30, precision flag clear) and hours; the track table
    // shows the thousandths' high bits lying above the minutes.
    EXPECT_EQ(LapThousandths((1u << 29) | (1u << 16) | (20u << 8) | 30u), 80300u);
    EXPECT_EQ(LapThousandths(The_Class::ParseTime("1 hr 02:03.004")), 3723004u);
}

// Five tracks' GPs from 1975 to 2003 with their fastest laps, poles and winners.
class TrackStatsTest : public ProducerTest {
  protected:
    void SetUp() override {
        ann_ = b_.Driver("Ann Driver");
        bob_ = b_.Driver("Bob Racer");
        cid_ = b_.Driver("Cid Quick");
        const auto dan = b_.Driver("Dan Slow");
        monza_ = b_.Track("Monza");
        imola_ = b_.Track("Imola");
        const auto zandvoort = b_.Track("Zandvoort"), barcelona = b_.Track("Barcelona");
        hockenheim_ = b_.Track("Hockenheim");

        GP(1975, 9, 7, monza_, dan, "1:00.000", dan, {dan});
        GP(1985, 8, 25, zandvoort, bob_, "1:16.000", bob_, {bob_});
        GP(1995, 4, 30, imola_, bob_, "1:25.000", bob_, {bob_});
        GP(1998, 9, 13, monza_, dan, "1:25.000", dan, {dan});
        GP(2001, 4, 15, imola_, cid_, "1:26.000", cid_, {cid_});
        monzaRecordGP_ = GP(2001, 9, 16, monza_, cid_, "1:20.300", bob_, {bob_, cid_});
        GP(2002, 4, 14, imola_, cid_, "1:27.000", cid_, {cid_});
        barcelonaGP_ = GP(2002, 5, 15, barcelona, ann_, "1:18.000", ann_, {ann_});
        GP(2002, 7, 28, hockenheim_, 0, "", bob_, {bob_});
        GP(2002, 9, 15, monza_, bob_, "1:21.100", cid_, {cid_, bob_});
        GP(2003, 5, 4, barcelona, bob_, "1:18.500", bob_, {bob_});
        GP(2003, 8, 3, hockenheim_, ann_, "1:14.000", ann_, {ann_});
        GP(2003, 9, 14, monza_, ann_, "1:20.300", bob_, {bob_}, 0); // unplaced: nobody won
        FillYearLists(Ctx());
    }

    // A GP with its fastest lap, pole and results (the first classified `firstPos`).
    std::uint16_t GP(int y, int m, int d, std::uint8_t track, std::uint16_t fl,
                     const std::string& flTime, std::uint16_t pole,
                     std::vector<std::uint16_t> drivers, std::uint8_t firstPos = 1) {
        const auto g = b_.GP(y, m, d, track, 0);
        std::uint8_t pos = firstPos;
        for (const auto driver : drivers) {
            b_.Result(driver, pos, 0, The_Class::ParseTime("1 hr 20:00.000"), 0);
            if (pos != 0) ++pos;
        }
        db_->GPs[g].FLDriver = fl;
        db_->GPs[g].FLTime = flTime.empty() ? 0 : The_Class::ParseTime(flTime);
        db_->GPs[g].PoleDriver = pole;
        return g;
    }

    std::uint16_t ann_ = 0, bob_ = 0, cid_ = 0;
    std::uint8_t monza_ = 0, imola_ = 0, hockenheim_ = 0;
    std::uint16_t monzaRecordGP_ = 0, barcelonaGP_ = 0;
};

TEST_F(TrackStatsTest, BestLapsSince1980AndTheRecentRule) {
    const std::vector<TrackLapRecord> r = BestTrackLaps(*db_);
    ASSERT_EQ(r.size(), 6u);
    // Monza: Cid's 1:20.300 of 2001 stands against Bob's slower 1:21.100 (whose code is the
    // smaller one) and Ann's equal lap of 2003; Dan's 1975 lap does not count.
    EXPECT_EQ(r[monza_].Driver, cid_);
    EXPECT_EQ(r[monza_].Date, PackDate(2001, 9, 16));
    // Imola's record is from 1995, Zandvoort was not raced after 1999: not recent.
    EXPECT_EQ(r[imola_].Recent, 0);
    EXPECT_EQ(r[imola_ + 1].Recent, 0);

    const TrackStatistics s = PistStatistics1Click(*db_);
    for (const auto& list : s.Lists)
        ASSERT_EQ(list.size(), 4u); // header, Barcelona, Hockenheim, Monza
    EXPECT_EQ(s.List(1)[1], "Barcelona" + Blanks(13) + "Ann Driver" + Blanks(17) + "01:18.00" +
                                Blanks(12) + "15 May 2002");
    EXPECT_EQ(s.List(1)[3], "Monza" + Blanks(17) + "Cid Quick" + Blanks(18) + "01:20.30" +
                                Blanks(12) + "16 Sep 2001");
}

TEST_F(TrackStatsTest, LeadersCountOnlyGPsWithAFastestLapTime) {
    // Hockenheim 2002 has no fastest-lap time: Bob's pole and win there count for nothing.
    const TrackLeaders h = CountTrackLeaders(*db_, hockenheim_);
    EXPECT_EQ(std::make_tuple(h.Poles.Driver, h.Wins.Count), std::make_tuple(ann_, 1));
    // Monza since 1980: fastest laps Dan, Cid, Bob, Ann once each: the lowest index leads.
    // Poles Dan, Bob, Cid, Bob. Wins Dan, Bob, Cid (2003's first record is unplaced).
    const TrackLeaders m = CountTrackLeaders(*db_, monza_);
    EXPECT_EQ(std::make_tuple(m.FastestLaps.Driver, m.Poles.Driver, m.Poles.Count, m.Wins.Driver,
                              m.Wins.Count),
              std::make_tuple(ann_, bob_, 2, bob_, 1));

    const TrackStatistics s = PistStatistics1Click(*db_);
    EXPECT_EQ(s.List(3)[3], "Monza" + Blanks(17) + "Bob Racer" + Blanks(18) + "2" + Blanks(5));
}

TEST_F(TrackStatsTest, LinesLeadIntoTheMainWindow) {
    const TrackStatistics s = PistStatistics1Click(*db_);
    // The Barcelona record of 15 May 2002 (a day of two digits) shows its GP.
    EXPECT_EQ(s.ListBox1Click(Ctx(), 1), "");
    EXPECT_EQ(std::make_pair(SelectedYear(Ctx()), Ctx().browser.GPIndex),
              std::make_pair(2002, barcelonaGP_ - db_->Seasons[2002].FirstGP));
    EXPECT_EQ(T().Cell(1, 1), "Ann Driver");

    // A leader line lists that driver's records on the track.
    const MenuItemCall wins = s.ListBox4Click(*db_, PistListWins, 3),
                       poles = s.ListBox4Click(*db_, PistListPoles, 1);
    EXPECT_EQ(std::make_tuple(std::string(wins.Item), wins.SelectedRecord, std::string(poles.Item),
                              poles.SelectedRecord), // Bob's first record at Monza
              std::make_tuple(std::string("wins1"), db_->GPs[monzaRecordGP_].FirstResult,
                              std::string("poles1"), db_->GPs[barcelonaGP_].FirstResult));
    EXPECT_TRUE(s.ListBox4Click(*db_, PistListWins, 4).Empty());
    EXPECT_TRUE(s.ListBox4Click(*db_, PistListBestLap, 1).Empty());

    // A line whose GP is gone says so.
    db_->GPs[monzaRecordGP_].Date = PackDate(2001, 9, 17);
    EXPECT_EQ(s.ListBox1Click(Ctx(), 3), "GP is not exist");
    EXPECT_EQ(Ctx().history.HistCount(), 1);
}

} // namespace
} // namespace qor::testing
