// A GP stored without a track (track 0, a name the GP dialog did not find) is a track of its
// own in the track lists, not "every track".

#include "mainwindow/MainState.h"
#include "statistics/RecordLists.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

namespace qor::testing {
namespace {

TEST(TrackZeroLists, ListsOfAGPWithoutTrackHoldOnlyGPsWithoutTrack) {
    The_Class db;
    DatabaseBuilder b(db);
    const auto driver = b.Driver("Nino Farina");
    const auto team = b.Team("Alfa Romeo");
    const auto monza = b.Track("Monza");
    const auto name = b.GPName("Italy");
    const auto none = b.Reason("");
    b.GP(1950, 5, 13, 0, name, 70);
    const auto subject = b.Result(driver, 1, team, 0, none);
    b.GP(1950, 6, 13, monza, name, 70);
    b.Result(driver, 1, team, 0, none);
    b.GP(1950, 7, 13, 0, name, 70);
    const auto second = b.Result(driver, 1, team, 0, none);

    const Langs langs = EnglishLangs();
    for (const RecordProducer producer :
         {RecordProducer::DriverPistList, RecordProducer::TeamPistList,
          RecordProducer::PistRecordList, RecordProducer::AllRaces2Click}) {
        TableContext ctx(db, langs);
        ctx.grid.ApplyZoom(1.0, 1280);
        ctx.grid.SelectedRecord = subject;
        RunRecordProducer(ctx, producer, rkWins);
        const GridTable& t = ctx.grid.tablo1;
        std::vector<std::string> keys;
        for (int r = 1; r < t.RowCount(); ++r)
            keys.push_back(t.Cell(t.ColCount() - 1, r));
        EXPECT_EQ(keys, (std::vector<std::string>{std::to_string(subject), std::to_string(second)}))
            << static_cast<int>(producer);
    }
}

} // namespace
} // namespace qor::testing
