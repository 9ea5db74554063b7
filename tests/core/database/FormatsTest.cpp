// Packed dates and time codes: parsing and display forms.

#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

std::uint32_t Code(unsigned style, unsigned fraction, bool thousandths, unsigned hours,
                   unsigned minutes, unsigned seconds) {
    return (style << 29) | ((fraction >> 8) << 27) | (thousandths ? 1u << 26 : 0u) | (hours << 24) |
           (minutes << 16) | (seconds << 8) | (fraction & 0xFFu);
}

TEST(Dates, ThreeWrittenFormsOfSecondJune2006) {
    The_Class db;
    db.LanguageMode = 1;
    EXPECT_EQ(db.ParseDate("2 jun 2006"), 28866);
    EXPECT_EQ(db.ParseDate("02 June 2006"), 28866);
    EXPECT_EQ(db.ParseDate("2 6 2006"), 28866);
    EXPECT_EQ(db.ParseDate("  2 JUNE 2006  "), 28866);
    EXPECT_EQ(db.ParseDate("2 Haz 2006"), 0); // Turkish names need Turkish mode
    db.LanguageMode = 0;
    EXPECT_EQ(db.ParseDate("2 Haz 2006"), 28866);
    EXPECT_EQ(db.ParseDate("2 haziran 2006"), 28866);
    EXPECT_EQ(db.ParseDate("2 Jun 2006"), 0);
    EXPECT_EQ(db.ParseDate(Utf8ToCp1254("14 Şubat 1999")), ((1999 - 1950) << 9) + (2 << 5) + 14);
    EXPECT_EQ(db.ParseDate(Utf8ToCp1254("14 şub 1999")), ((1999 - 1950) << 9) + (2 << 5) + 14);
    EXPECT_EQ(db.ParseDate(Utf8ToCp1254("1 Ağu 2000")), ((2000 - 1950) << 9) + (8 << 5) + 1);
}

TEST(Dates, InvalidTextsGiveZeroAndADebugLine) {
    The_Class db;
    std::vector<std::string> debug;
    db.DebugLines = &debug;
    EXPECT_EQ(db.ParseDate("2 Jun 1949"), 0);
    EXPECT_EQ(db.ParseDate("0 Jun 2006"), 0);
    EXPECT_EQ(db.ParseDate("x Jun 2006"), 0);
    EXPECT_EQ(db.ParseDate("2 Juni 2006"), 0);
    EXPECT_EQ(db.ParseDate("2 Jun"), 0);
    EXPECT_EQ(db.ParseDate(""), 0);
    EXPECT_EQ(db.ParseDate("2 Jun 20x6"), 0);
    // Values the packed date cannot hold are refused rather than wrapped into another date.
    EXPECT_EQ(db.ParseDate("32 Jan 2006"), 0);
    EXPECT_EQ(db.ParseDate("2 13 2006"), 0);
    EXPECT_EQ(db.ParseDate("2 Jun 2078"), 0);
    EXPECT_NE(db.ParseDate("31 Dec 2077"), 0);
    ASSERT_EQ(debug.size(), 10u);
    EXPECT_EQ(debug[0], "Debug:Tarih format\xFD yanl\xFD\xFE");
}

TEST(Dates, FormatsKeepTheYearAtCharactersEightToEleven) {
    The_Class db;
    db.LanguageMode = 1;
    EXPECT_EQ(db.FormatDate(28866), "02 Jun 2006");
    EXPECT_EQ(db.FormatDateAlt(28866), "02 June 2006");
    const std::uint16_t d = testing::PackDate(1988, 11, 13);
    EXPECT_EQ(db.FormatDate(d), "13 Nov 1988");
    EXPECT_EQ(db.FormatDate(d).substr(7, 4), "1988");
    db.LanguageMode = 0;
    EXPECT_EQ(db.FormatDate(28866), "02 Haz 2006");
    EXPECT_EQ(db.FormatDateAlt(testing::PackDate(2006, 8, 6)), Utf8ToCp1254("06 Ağustos 2006"));
    EXPECT_EQ(db.FormatDate(testing::PackDate(2006, 2, 6)).substr(7, 4), "2006");
    // Every date formats and parses back to itself, in both languages.
    for (int lang : {0, 1})
        for (int month = 1; month <= 12; ++month) {
            db.LanguageMode = static_cast<std::uint8_t>(lang);
            const auto date = testing::PackDate(1950 + month * 5, month, month + 10);
            EXPECT_EQ(db.ParseDate(db.FormatDate(date)), date);
            EXPECT_EQ(db.ParseDate(db.FormatDateAlt(date)), date);
        }
    // A damaged month field still formats without reading outside the month table.
    EXPECT_EQ(db.FormatDate(static_cast<std::uint16_t>((56 << 9) | (15 << 5) | 1)), "01 ??? 2006");
}

TEST(Times, ParseEveryStyle) {
    EXPECT_EQ(The_Class::ParseTime("1 hr 32:05.1"), The_Class::ParseTime("1hr32:05.100"));
    EXPECT_EQ(The_Class::ParseTime("1 hr 32:05.1"), Code(1, 100, true, 5, 32, 5));
    EXPECT_EQ(The_Class::ParseTime("03:12.761"), Code(1, 761, true, 4, 3, 12));
    EXPECT_EQ(The_Class::ParseTime("1:28.03"), Code(1, 30, true, 4, 1, 28));
    EXPECT_EQ(The_Class::ParseTime("58.5"), Code(1, 500, true, 4, 0, 58));
    EXPECT_EQ(The_Class::ParseTime("3 hr 59:59.999"), Code(1, 999, true, 7, 59, 59));
    EXPECT_EQ(The_Class::ParseTime("4 hr 00:00.0"), 0u);
    EXPECT_EQ(The_Class::ParseTime("+12.345"), Code(2, 345, true, 4, 0, 12));
    EXPECT_EQ(The_Class::ParseTime(" +1:08.581 "), Code(3, 581, true, 4, 1, 8));
    EXPECT_EQ(The_Class::ParseTime("+2 laps"), Code(4, 2, true, 4, 0, 0));
    EXPECT_EQ(The_Class::ParseTime("+1 lap"), Code(4, 1, true, 4, 0, 0));
    EXPECT_EQ(The_Class::ParseTime("+300 laps"), Code(4, 300, true, 4, 0, 0));
    EXPECT_EQ(The_Class::ParseTime("lap 15"), Code(5, 15, true, 4, 0, 0));
    // Without a decimal point the last number is whole seconds.
    EXPECT_EQ(The_Class::ParseTime("1:28"), Code(1, 0, true, 4, 1, 28));
    EXPECT_EQ(The_Class::ParseTime("+12"), Code(2, 0, true, 4, 0, 12));
}

TEST(Times, InvalidTextsGiveZero) {
    EXPECT_EQ(The_Class::ParseTime("-5"), 0u);
    EXPECT_EQ(The_Class::ParseTime("1:2x.5"), 0u);
    EXPECT_EQ(The_Class::ParseTime(""), 0u);
    EXPECT_EQ(The_Class::ParseTime("   "), 0u);
    EXPECT_EQ(The_Class::ParseTime("+"), 0u);
    EXPECT_EQ(The_Class::ParseTime("hr"), 0u);
    EXPECT_EQ(The_Class::ParseTime("12,5"), 0u);
}

TEST(Times, FormatEveryStyleAndPrecision) {
    EXPECT_EQ(The_Class::FormatTime(0), "");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("03:12.761")), "03:12.761");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("1:28.030")), "01:28.03");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("1 hr 32:05.100")), "1 hr 32:05.10");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("+12.300")), "+ 12.30");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("+1:08.581")), "+ 01:08.581");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("+2 laps")), "+ 2 laps");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("lap 15")), "lap 15");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("2 hr 00:07.005")), "2 hr 00:07.005");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("58.5")), "58.50"); // no hours: no 00:
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("7.050")), "07.05");
    EXPECT_EQ(The_Class::FormatTime(The_Class::ParseTime("7.000")), "07.00");
    // Stored hundredths (precision flag clear).
    EXPECT_EQ(The_Class::FormatTime(Code(1, 3, false, 0, 1, 28)), "01:28.03");
    EXPECT_EQ(The_Class::FormatTime(Code(1, 45, false, 0, 0, 9)), "09.45");
    EXPECT_EQ(The_Class::FormatTime(Code(2, 50, false, 0, 0, 1)), "+ 01.50");
    // Styles 6 and 7 (never produced) show as gaps.
    EXPECT_EQ(The_Class::FormatTime(Code(6, 500, true, 4, 0, 3)), "+ 03.50");
}

TEST(Times, FormattedTimesParseBackToTheSameCode) {
    for (const char* text : {"03:12.761", "1 hr 32:05.1", "+12.345", "+1:08.581", "lap 7", "59.999",
                             "2 hr 01:00.001"}) {
        const auto code = The_Class::ParseTime(text);
        std::string shown = The_Class::FormatTime(code);
        // The display puts a blank after "+" and writes "laps"; both parse again.
        EXPECT_EQ(The_Class::ParseTime(shown), code) << text << " shown as " << shown;
    }
}

} // namespace
} // namespace qor
