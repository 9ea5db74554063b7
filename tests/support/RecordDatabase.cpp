#include "support/RecordDatabase.h"

#include "support/Fixtures.h"

#include <string>
#include <tuple>
#include <vector>

namespace qor::testing {

std::unique_ptr<The_Class> MakeRecordDatabase() {
    auto db = std::make_unique<The_Class>();
    DatabaseBuilder b(*db);
    for (const char* name : {"Alan Able", "Bert Baker", "Carl Cole", "Dave Dunn"})
        b.Driver(name);
    b.Team("Red"), b.Team("Blue");
    b.Track("Alpha"), b.Track("Beta"), b.GPName("Alphaland"), b.GPName("Betaland");
    for (int i = 1; i <= 14; ++i)
        b.Reason("Reason " + std::to_string(i));
    const std::uint16_t none = b.Reason(""), engine = b.Reason("Engine"),
                        disq = b.Reason("Disqualified");

    using Row = std::tuple<std::uint16_t, std::uint8_t, std::uint8_t, const char*, std::uint16_t>;
    struct GP { // track and GP name share their index; rows: driver, pos, team, time, reason
        int month, day;
        std::uint8_t place, laps;
        std::vector<Row> rows;
        std::uint16_t fl, pole;
        const char *flTime, *poleTime;
    };
    // clang-format off
    const std::pair<int, GP> gps[] = {
        {1990, {3, 10, 1, 50, {{1, 1, 1, "1 hr 30:00.000", none}, {2, 2, 1, "+5.000", none},
                               {3, 3, 2, "+10.000", none}, {4, 0, 2, "lap 20", engine}},
                3, 1, "1:20.000", "1:18.000"}},
        {1990, {4, 8, 2, 60, {{3, 2, 2, "1 hr 31:00.000", none}, {1, 3, 1, "+1 lap", none},
                              {2, 0, 1, "lap 40", engine}},
                4, 2, "1:21.000", "1:19.000"}},
        {1990, {5, 6, 1, 50, {{2, 1, 2, "1 hr 29:00.000", none}, {3, 2, 2, "+2.000", none},
                              {1, 0, 1, "lap 30", engine}},
                2, 3, "1:19.500", "1:17.500"}},
        {1991, {3, 10, 1, 50, {{4, 1, 1, "1 hr 28:00.000", none}, {2, 2, 1, "+3.000", none},
                               {1, 2, 1, "", none}, {3, 5, 2, "+1 lap", none},
                               {1, 0, 1, "lap 12", engine}},
                1, 4, "1:18.000", "1:16.000"}},
        {1991, {4, 7, 2, 60, {{2, 1, 2, "1 hr 32:00.000", none}, {4, 2, 1, "+4.000", none},
                              {3, 3, 2, "+2 laps", none}, {3, 6, 2, "+5 laps", none}},
                3, 2, "1:20.500", "1:18.500"}},
        {1991, {5, 5, 1, 0, {}, 0, 0, "", ""}},
        {1991, {6, 2, 2, 60, {{1, 1, 2, "1 hr 33:00.000", none}, {4, 2, 1, "+6.000", none}},
                4, 1, "1:21.500", "1:19.500"}},
        {1991, {7, 7, 2, 60, {{4, 0, 1, "", disq}, {2, 0, 2, "lap 5", engine}},
                2, 4, "1:22.000", "1:20.000"}},
    };
    // clang-format on
    const auto time = [](const char* t) { return *t ? The_Class::ParseTime(t) : 0u; };
    for (const auto& [year, gp] : gps) {
        TGPRow& g = db->GPs[b.GP(year, gp.month, gp.day, gp.place, gp.place, gp.laps)];
        for (const auto& [driver, pos, team, t, reason] : gp.rows)
            b.Result(driver, pos, team, time(t), reason);
        g.FLDriver = gp.fl, g.FLTime = time(gp.flTime);
        g.PoleDriver = gp.pole, g.PoleTime = time(gp.poleTime);
    }
    db->RebuildResultIndex(); // poles and fastest laps were set in the rows
    return db;
}

} // namespace qor::testing
