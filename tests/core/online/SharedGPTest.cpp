// Shared GP results: the replies as grids, bad sources saved through the editing operations,
// and the daily check (sharing and saving a GP run end to end in the command line's tests).
#include "online/SharedGP.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::online;
using qor::testing::PackDate;

namespace {
struct SharedGPTest : ::testing::Test {
    std::unique_ptr<The_Class> db = qor::testing::MakeModernDatabase();
    std::string Date(int y, int m, int d) const { return db->FormatDate(PackDate(y, m, d)); }
};
} // namespace

TEST_F(SharedGPTest, ListMarksNewDatesAndTakesTheDriverBlock) {
    const std::string known = std::to_string(PackDate(2006, 3, 5));
    const std::string unknown = std::to_string(PackDate(2006, 10, 22));
    const auto reply = ParseGPList(*db, " <newdriver>\r\n#ABC DEF*xyz\r\nno hash*x\r\n"
                                        "#Modern Driver 1*Spanish\r\n#FELIPE MASSA*Brazilian\r\n"
                                        "#JUAN MANUEL FANGIO*Argentine\r\n"
                                        "</newdriver>\r\n\r\nDate*Name*Track*Sources*\r\n" +
                                            known + "*Sakhir GP*Sakhir*1*\r\n" + unknown +
                                            "*Brazil*Interlagos*2*3*ignored\r\nabc*x*\r\n");
    ASSERT_EQ(reply.NewDrivers.size(), 4u);
    EXPECT_EQ(reply.NewDrivers[2].Name, "Felipe Massa");
    EXPECT_EQ(reply.NewDrivers[3].Name, "Juan Manuel fangio") << "the rule's own capitals";
    ASSERT_EQ(reply.Grid.Rows.size(), 4u);
    EXPECT_EQ(reply.Grid.Columns(), 5u);
    EXPECT_EQ(reply.Grid.Rows[0],
              (std::vector<std::string>{"", "Date", "Name", "Track", "Sources"}));
    EXPECT_EQ(reply.Grid.Rows[1][0], "");
    EXPECT_EQ(reply.Grid.Rows[1][1], Date(2006, 3, 5));
    EXPECT_EQ(reply.Grid.Rows[2][0], " NEW");
    EXPECT_EQ(reply.Grid.Rows[2][4], "2");
    EXPECT_EQ(reply.Grid.Rows[3][0], "") << "a date that is no number is never new";
    EXPECT_TRUE(reply.AnyNew);
}

TEST_F(SharedGPTest, BadSourcesChangeNothingAndBadRowsAreLeftOut) {
    const std::string date = std::to_string(PackDate(2006, 10, 22));
    struct Case {
        std::string payload, message;
        bool added;
    } cases[] = {
        {"12x*Sakhir*Sakhir GP*", "GP could not saved because its date is in wrong format.", false},
        {date + "*Nowhere*Sakhir GP*", "Saving Failed !", false},
        {date + "*Sakhir*No such GP*", "Saving Failed !", false},
        {std::to_string(PackDate(2007, 3, 1)) + "*Sakhir*Sakhir GP*", "Saving Failed !", false},
        {date + "*Sakhir*Sakhir GP*Nobody*1:10.680*\r\nModern Driver 2*Renault*1*1:31:00.1*1*\r\n"
                "Somebody Else*Renault*2***\r\nModern Driver 3*Renault*x*1:31:00.1*1*\r\n",
         "There are some errors.\rCheck your GP results.", true},
    };
    for (const auto& c : cases) {
        auto fresh = qor::testing::MakeModernDatabase();
        const auto content = ParseSourceContent(*fresh, c.payload);
        ASSERT_TRUE(content) << c.payload;
        const auto before = std::make_unique<TheClassData>(*fresh);
        const SaveOutcome out = SaveSharedGP(*fresh, *content);
        EXPECT_EQ(out.Message, c.message) << c.payload;
        EXPECT_EQ(out.GP != 0, c.added) << c.payload;
        if (!c.added) {
            EXPECT_EQ(qor::testing::FirstDifference(*fresh, *before), "") << c.payload;
        } else {
            const TGPRow& gp = fresh->GPs[out.GP];
            EXPECT_EQ(gp.LastResult - gp.FirstResult + 1, 1) << "only the sound row is kept";
            EXPECT_EQ(gp.FLDriver, 0) << "an unknown fastest-lap driver stays empty";
        }
    }
    EXPECT_FALSE(ParseSourceContent(*db, " \r\n"));
}

TEST(DailyCheck, DueOncePerDayWhenSwitchedOn) {
    struct Case {
        int option;
        double today;
        std::optional<double> access;
        bool due;
    } cases[] = {
        {1, 46000, std::nullopt, true}, {1, 46000, 45999, true}, {1, 46000, 46000, false},
        {0, 46000, 45999, false},       {3, 46000, 1, true},     {2, 46000, 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DailyCheckDue(c.option, c.today, c.access), c.due) << c.option << c.today;
    // 6 December 2026 is day 46362 counted from 30 December 1899.
    EXPECT_GT(TodayDayNumber(), 46000);
}
