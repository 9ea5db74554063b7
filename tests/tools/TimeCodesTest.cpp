// Time codes built from F1DB's texts: shown as the program shows times, and in agreement
// with the codes the program's own parser makes of the same values.

#include "TimeCodes.h"
#include "database/STheClass.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::tools;

namespace {

std::string Shown(std::optional<std::uint32_t> code) {
    return code ? The_Class::FormatTime(*code) : std::string("<none>");
}

} // namespace

TEST(TimeCodes, RaceAndLapTimesShowAsTheProgramShowsThem) {
    EXPECT_EQ(Shown(ClockTime("2:13:23.600")), "2 hr 13:23.60");
    EXPECT_EQ(Shown(ClockTime("1:31:53.751")), "1 hr 31:53.751");
    EXPECT_EQ(Shown(ClockTime("42:53.700")), "42:53.70");
    EXPECT_EQ(Shown(ClockTime("1:50.800")), "01:50.80");
    EXPECT_EQ(Shown(ClockTime("58.790")), "58.79");
    EXPECT_EQ(Shown(ClockTime("2:00:2.699")), "2 hr 00:02.699");
    EXPECT_EQ(Shown(ClockTime("1:12.05")), "01:12.05");
}

TEST(TimeCodes, GapsTakeTheirStyle) {
    EXPECT_EQ(Shown(GapTime("+18.658")), "+ 18.658");
    EXPECT_EQ(Shown(GapTime("+1:07.642")), "+ 01:07.642");
    EXPECT_EQ(Shown(GapTime("+12:34.500")), "+ 12:34.50");
    EXPECT_EQ(Shown(GapTime("+2 laps")), "+ 2 laps");
    EXPECT_EQ(Shown(GapTime("+1 lap")), "+ 1 laps");
    EXPECT_EQ(*GapTime("+1:07.642") >> 29, StyleMinutes);
    EXPECT_EQ(*GapTime("+18.658") >> 29, StyleSeconds);
    EXPECT_EQ(*GapTime("+300 laps") >> 29, StyleLaps);
    EXPECT_EQ(Shown(GapTime("+300 laps")), "+ 300 laps");
}

TEST(TimeCodes, AgreeWithTheProgramsParser) {
    EXPECT_EQ(*ClockTime("2:13:23.600"), The_Class::ParseTime("2 hr 13:23.600"));
    EXPECT_EQ(*ClockTime("1:50.800"), The_Class::ParseTime("1:50.800"));
    EXPECT_EQ(*ClockTime("58.790"), The_Class::ParseTime("58.790"));
    EXPECT_EQ(*GapTime("+18.658"), The_Class::ParseTime("+18.658"));
    EXPECT_EQ(*GapTime("+1:08.581"), The_Class::ParseTime("+1:08.581"));
    EXPECT_EQ(*GapTime("+2 laps"), The_Class::ParseTime("+2 laps"));
    EXPECT_EQ(CountCode(StyleLap, 14), The_Class::ParseTime("lap 14"));
    EXPECT_EQ(CountCode(StyleLap, 700), The_Class::ParseTime("lap 700"));
}

TEST(TimeCodes, RefusesWhatTheCodeCannotHold) {
    EXPECT_FALSE(ClockTime("4:00:01.150")); // hours above 3
    EXPECT_FALSE(ClockTime(""));
    EXPECT_FALSE(ClockTime("1:2:3:4.5"));
    EXPECT_FALSE(ClockTime("1:75.000"));
    EXPECT_FALSE(ClockTime("12.3456"));
    EXPECT_FALSE(ClockTime("-5.000"));
    EXPECT_FALSE(GapTime("12.345"));
    EXPECT_FALSE(GapTime("+"));
    EXPECT_FALSE(GapTime("+x laps"));
    EXPECT_FALSE(GapTime("+2000 laps"));
    EXPECT_FALSE(GapTime("+1:2:03.000"));
}
