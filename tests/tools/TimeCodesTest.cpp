// Time codes built from F1DB's texts: shown as the program shows times, and the same codes the
// program's own parser makes of the values as a user types them.

#include "TimeCodes.h"
#include "database/STheClass.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::tools;

TEST(TimeCodes, MatchTheProgramsParserAndDisplay) {
    const struct {
        const char* f1db;
        bool gap;
        const char* typed; // the same value as the program's parser reads it
        const char* shown;
    } cases[] = {
        {"2:13:23.600", false, "2 hr 13:23.600", "2 hr 13:23.60"}, // zero thousandths hidden
        {"1:31:53.751", false, "1 hr 31:53.751", "1 hr 31:53.751"},
        {"1:50.800", false, "1:50.800", "01:50.80"},
        {"58.790", false, "58.790", "58.79"},
        {"2:00:2.699", false, "2 hr 00:02.699", "2 hr 00:02.699"}, // a one-digit field
        {"1:12.05", false, "1:12.050", "01:12.05"},                // two decimals
        {"+18.658", true, "+18.658", "+ 18.658"},
        {"+1:07.642", true, "+1:07.642", "+ 01:07.642"},
        {"+1 lap", true, "+1 laps", "+ 1 laps"},
        {"+300 laps", true, "+300 laps", "+ 300 laps"},
    };
    for (const auto& c : cases) {
        const auto code = c.gap ? GapTime(c.f1db) : ClockTime(c.f1db);
        ASSERT_TRUE(code) << c.f1db;
        EXPECT_EQ(*code, The_Class::ParseTime(c.typed)) << c.f1db;
        EXPECT_EQ(The_Class::FormatTime(*code), c.shown) << c.f1db;
    }
    EXPECT_EQ(CountCode(StyleLap, 14), The_Class::ParseTime("lap 14"));
    EXPECT_EQ(CountCode(StyleLap, 700), The_Class::ParseTime("lap 700"));
}

TEST(TimeCodes, RefusesWhatTheCodeCannotHold) {
    for (const char* clock : {"4:00:01.150", "", "1:2:3:4.5", "1:75.000", "12.3456", "-5.000"})
        EXPECT_FALSE(ClockTime(clock)) << clock;
    for (const char* gap : {"12.345", "+", "+x laps", "+2000 laps", "+1:2:03.000"})
        EXPECT_FALSE(GapTime(gap)) << gap;
}
