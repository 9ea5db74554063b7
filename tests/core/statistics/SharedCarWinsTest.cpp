// Record lists with a shared winning car: each driver of the car is credited with the win,
// the team once.

#include "statistics/RecordLists.h"
#include "support/StatisticsFixtures.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using P = RecordProducer;

struct SharedCase {
    P producer;
    std::uint16_t record; // the record the list is opened on
    std::vector<int> keys;
    const char* why;
};

class SharedCarWins : public testing::RecordListTest {
  protected:
    // Baker shares Dunn's winning Red car in GP4 (records 11 and 12, both classified first).
    SharedCarWins() { db_->Results[12].Pos = 1; }
};

TEST_F(SharedCarWins, EveryDriverOfTheCarIsCreditedTheTeamOnce) {
    const SharedCase cases[] = {
        {P::DriverAllList, 2, {8, 12, 16}, "the second driver of the car has the win too"},
        {P::DriverAllList, 11, {11, 22}, "the driver listed first keeps it"},
        {P::DriverTeamList, 12, {12}, "with the team of the shared car"},
        {P::DriverYearList, 12, {12, 16}, "in the season"},
        {P::TeamAllList, 11, {1, 11, 22}, "the team counts the GP once"},
        {P::PistRecordList, 11, {1, 8, 11}, "so does the track"},
    };
    for (const SharedCase& c : cases) {
        Ctx().grid.SelectedRecord = c.record;
        RunRecordProducer(Ctx(), c.producer, rkWins);
        EXPECT_EQ(Keys(), c.keys) << c.why;
    }
    // Able's second place (record 13) is not the winner's place: no win.
    Ctx().grid.SelectedRecord = 13;
    DriverAllList(Ctx(), rkWins);
    EXPECT_EQ(Keys(), (std::vector<int>{1, 20}));
}

} // namespace
} // namespace qor
