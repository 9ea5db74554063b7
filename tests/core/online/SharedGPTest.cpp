// Shared GP results: the replies as grids, a source saved through the editing operations,
// the upload's content and the daily check.
#include "online/SharedGP.h"
#include "online/FormFields.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::online;
using qor::testing::PackDate;

namespace {
struct SharedGPTest : ::testing::Test {
    std::unique_ptr<The_Class> db = qor::testing::MakeModernDatabase();
    qor::testing::TempDir dir;
    void SetUp() override { db->DataFileName = dir.file("f1data5.dat"); }
    std::string Date(int y, int m, int d) const { return db->FormatDate(PackDate(y, m, d)); }
    int GPOn(int y, int m, int d) const { return db->FindGPByDate(Date(y, m, d)); }
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

    const int before = db->DriverCount;
    EXPECT_EQ(AddNewDrivers(*db, reply.NewDrivers, "New driver:", "  "),
              "\rNew driver:Abc Def  xyz\rNew driver:Felipe Massa  Brazilian");
    EXPECT_EQ(db->DriverCount, before + 2);
    EXPECT_EQ(AddNewDrivers(*db, reply.NewDrivers, "New driver:", "  "), "");

    const SharedGrid sources = ParseGPSources(*db, "Id*Date*User*\r\n17*" + unknown + "*abcd*\r\n");
    EXPECT_EQ(sources.Rows[1][1], "17");
    EXPECT_EQ(sources.Rows[1][2], Date(2006, 10, 22));
}

TEST_F(SharedGPTest, ASharedGPComesBackAsItWasShared) {
    const int g = GPOn(2006, 7, 13);
    ASSERT_NE(g, 0);
    const std::string shared = GPContentText(*db, g);
    // The upload carries the content encoded; the service reads back the same text.
    const auto upload = FormFields::Parse(ShareGPBody({"abcd", 12345}, *db, g));
    EXPECT_EQ(upload.Value("data"), shared);
    const auto drivers = ParseDriverUpdates("*****\r\n" + std::string(upload.Value("drivers")));
    EXPECT_EQ(drivers.Drivers.size(), 12u) << "each driver of the GP once";
    ASSERT_NE(db->DeleteGP(Date(2006, 7, 13)), 0);

    const auto content = ParseSourceContent(*db, shared);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->Date, Date(2006, 7, 13));
    const SaveOutcome saved = SaveSharedGP(*db, *content);
    EXPECT_EQ(saved.Message,
              "GP results succesfully downloaded and automatically saved to your database.");
    EXPECT_FALSE(saved.WriteFailed);
    ASSERT_EQ(saved.GP, GPOn(2006, 7, 13));
    EXPECT_EQ(GPContentText(*db, saved.GP), shared);
    EXPECT_TRUE(qor::testing::ReadFileBytes(db->DataFileName).size() > 0);

    // Saved twice: refused, naming the date, nothing changed.
    const auto before = std::make_unique<TheClassData>(*db);
    const SaveOutcome again = SaveSharedGP(*db, *content);
    EXPECT_EQ(again.Message, "There is a GP on " + Date(2006, 7, 13) +
                                 " already in your database. \rYou must delete your own GP "
                                 "record to get this record.");
    EXPECT_TRUE(again.Reenable);
    EXPECT_EQ(qor::testing::FirstDifference(*db, *before), "");
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
