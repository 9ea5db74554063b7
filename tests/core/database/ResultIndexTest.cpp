// The index of each driver's and team's rows: it follows every edit, holds exactly the rows a
// scan finds, and a stale one breaks the database's rules.

#include "database/Invariants.h"
#include "support/Fixtures.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace qor {
namespace {

using Rows = std::vector<int>;

// Every driver's (team's) rows by the index and by a scan of the results.
void ExpectChainsMatchScan(const The_Class& db) {
    for (int d = 0; d <= db.DriverCount; ++d) {
        Rows chained, scanned;
        db.ForEachResultOfDriver(d, [&](int r) { chained.push_back(r); });
        for (int r = 1; r <= db.ResultCount; ++r)
            if (db.Results[static_cast<std::size_t>(r)].Driver == d) scanned.push_back(r);
        EXPECT_EQ(chained, scanned) << "driver " << d;
    }
    for (int t = 0; t <= db.TeamCount; ++t) {
        Rows chained, scanned;
        db.ForEachResultOfTeam(t, [&](int r) { chained.push_back(r); });
        for (int r = 1; r <= db.ResultCount; ++r)
            if (db.Results[static_cast<std::size_t>(r)].Team == t) scanned.push_back(r);
        EXPECT_EQ(chained, scanned) << "team " << t;
    }
    for (int r = 1; r <= db.ResultCount; ++r)
        EXPECT_EQ(db.Index.GPOf[static_cast<std::size_t>(r)], db.GPOfResult(r)) << "row " << r;
    for (int d = 1; d <= db.DriverCount; ++d) {
        Rows poles, laps, standings, scanned[3];
        db.ForEachPoleOfDriver(d, [&](int g) { poles.push_back(g); });
        db.ForEachFastestLapOfDriver(d, [&](int g) { laps.push_back(g); });
        db.ForEachStandingOfDriver(d, [&](int i) { standings.push_back(i); });
        for (int g = 1; g <= db.GPCount; ++g) {
            if (db.GPs[static_cast<std::size_t>(g)].PoleDriver == d) scanned[0].push_back(g);
            if (db.GPs[static_cast<std::size_t>(g)].FLDriver == d) scanned[1].push_back(g);
        }
        for (int i = 1; i <= db.DriverStandingCount; ++i)
            if (db.DriverStandings[static_cast<std::size_t>(i)].Driver == d)
                scanned[2].push_back(i);
        EXPECT_EQ(poles, scanned[0]) << "poles of driver " << d;
        EXPECT_EQ(laps, scanned[1]) << "fastest laps of driver " << d;
        EXPECT_EQ(standings, scanned[2]) << "standings of driver " << d;
    }
}

TEST(ResultIndex, FollowsEveryEditThatMovesOrChangesRows) {
    auto db = testing::MakeSmallDatabase();
    const auto date = [&](int g) {
        return db->FormatDate(db->GPs[static_cast<std::size_t>(g)].Date);
    };
    const std::uint32_t time = The_Class::ParseTime("+1 lap");
    const struct {
        std::function<bool(The_Class&)> edit;
        const char* why;
    } steps[] = {
        {[&](The_Class& d) {
             return d.AddResult({5, 4, 3, time, EmptyReasonCode, 0}, date(1));
         },
         "a row inside the first GP moves every later row"},
        {[&](The_Class& d) {
             d.SetResult({5, 4, 2, time, EmptyReasonCode, 0}, 4); // Senna's row, another team
             d.SetResult({4, 4, 2, time, EmptyReasonCode, 0}, 4); // and another driver
             return d.Results[4].Driver == 4;
         },
         "a row changes its driver and team"},
        {[&](The_Class& d) {
             TGPRow gp{};
             gp.Date = testing::PackDate(1950, 5, 1);
             return d.AddGP(gp) != 0;
         },
         "an empty GP in front: every row belongs to a later GP"},
        {[&](The_Class& d) { return d.DeleteResult(date(2), 1) != 0; }, "a row deleted"},
        {[&](The_Class& d) {
             TGPRow gp = d.GPs[2];
             gp.PoleDriver = 3, gp.FLDriver = 4;
             d.UpdateGP(gp);
             return d.GPs[2].PoleDriver == 3;
         },
         "the pole and the fastest lap change hands"},
        {[&](The_Class& d) { return d.AddDriverStanding(1950, 5, 40.0f, 1) == 1; },
         "a standings row in front moves every later row"},
        {[&](The_Class& d) { return d.DeleteGP(date(3)) != 0; }, "a GP with its rows deleted"},
    };
    for (const auto& s : steps) {
        ASSERT_TRUE(s.edit(*db)) << s.why;
        EXPECT_EQ(FirstViolation(*db), "") << s.why;
        ExpectChainsMatchScan(*db);
    }
}

TEST(ResultIndex, AStaleIndexBreaksTheRules) {
    const struct {
        std::function<void(The_Class&)> change; // behind the index's back
        const char* violation;
    } cases[] = {
        {[](The_Class& d) { d.Results[2].Driver = 5; },
         "6: the index of each driver's results is stale"},
        {[](The_Class& d) { d.Results[2].Team = 3; },
         "6: the index of each team's results is stale"},
        {[](The_Class& d) { d.GPs[1].FLDriver = 2; },
         "6: the index of each driver's poles and fastest laps is stale"},
        {[](The_Class& d) { d.DriverStandings[1].Driver = 5; },
         "6: the index of each driver's standings is stale"},
        // Row 6 (unplaced) moves from GP 2 to the empty GP 3: the ranges still tile.
        {[](The_Class& d) { --d.GPs[2].LastResult, --d.GPs[3].FirstResult; },
         "6: the GP of some result row is stale"},
    };
    for (const auto& c : cases) {
        auto db = testing::MakeSmallDatabase();
        ASSERT_EQ(FirstViolation(*db), "");
        c.change(*db);
        EXPECT_EQ(FirstViolation(*db), c.violation);
        db->RebuildResultIndex();
        EXPECT_EQ(FirstViolation(*db), "") << c.violation;
    }
}

} // namespace
} // namespace qor
