// Packed dates and time codes: parsing and display forms.

#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::PackDate;

std::uint32_t Code(unsigned style, unsigned fraction, bool thousandths, unsigned hours,
                   unsigned minutes, unsigned seconds) {
    return (style << 29) | ((fraction >> 8) << 27) | (thousandths ? 1u << 26 : 0u) | (hours << 24) |
           (minutes << 16) | (seconds << 8) | (fraction & 0xFFu);
}

TEST(Dates, ParseInBothLanguages) {
    const struct {
        std::uint8_t lang; // 0 Turkish, 1 English
        const char* utf8;
        std::uint16_t expected; // 0: refused
    } cases[] = {
        // clang-format off
        {1, "2 jun 2006", PackDate(2006, 6, 2)}, {1, "2 6 2006", PackDate(2006, 6, 2)},
        {1, "  2 JUNE 2006  ", PackDate(2006, 6, 2)},
        {1, "2 Haz 2006", 0}, // Turkish names need Turkish mode
        {0, "2 haziran 2006", PackDate(2006, 6, 2)}, {0, "2 Jun 2006", 0},
        {0, "14 şub 1999", PackDate(1999, 2, 14)}, {0, "1 Ağu 2000", PackDate(2000, 8, 1)},
        {1, "31 Dec 2077", PackDate(2077, 12, 31)}, {1, "2 Jun 1949", 0},
        {1, "x Jun 2006", 0}, {1, "2 Juni 2006", 0}, {1, "", 0}, {1, "2 Jun 20x6", 0},
        // Values the packed date cannot hold are refused rather than wrapped into another date.
        {1, "32 Jan 2006", 0}, {1, "2 13 2006", 0}, {1, "2 Jun 2078", 0},
        // clang-format on
    };
    auto db = std::make_unique<The_Class>();
    std::vector<std::string> debug;
    db->DebugLines = &debug;
    std::size_t refused = 0;
    for (const auto& c : cases) {
        db->LanguageMode = c.lang;
        EXPECT_EQ(db->ParseDate(Utf8ToCp1254(c.utf8)), c.expected) << c.utf8;
        refused += c.expected == 0;
    }
    ASSERT_EQ(debug.size(), refused);
    EXPECT_EQ(debug[0], "Debug:Tarih format\xFD yanl\xFD\xFE");
}

TEST(Dates, FormatsKeepTheYearAtCharactersEightToEleven) {
    auto db = std::make_unique<The_Class>();
    EXPECT_EQ(db->FormatDate(PackDate(1988, 11, 13)), "13 Nov 1988");
    EXPECT_EQ(db->FormatDateAlt(PackDate(2006, 6, 2)), "02 June 2006");
    db->LanguageMode = 0;
    EXPECT_EQ(db->FormatDate(PackDate(2006, 6, 2)), "02 Haz 2006");
    EXPECT_EQ(db->FormatDateAlt(PackDate(2006, 8, 6)), Utf8ToCp1254("06 Ağustos 2006"));
    // Every month formats and parses back to itself, in both languages.
    for (int lang : {0, 1})
        for (int month = 1; month <= 12; ++month) {
            db->LanguageMode = static_cast<std::uint8_t>(lang);
            const auto date = PackDate(1950 + month * 5, month, month + 10);
            EXPECT_EQ(db->FormatDate(date).substr(7, 4), std::to_string(1950 + month * 5));
            EXPECT_EQ(db->ParseDate(db->FormatDate(date)), date);
            EXPECT_EQ(db->ParseDate(db->FormatDateAlt(date)), date);
        }
    // A damaged month field still formats without reading outside the month table.
    EXPECT_EQ(db->FormatDate(static_cast<std::uint16_t>((56 << 9) | (15 << 5) | 1)), "01 ??? 2006");
}

TEST(Times, ParseEveryStyle) {
    const struct {
        const char* text;
        std::uint32_t code; // 0: refused
    } cases[] = {
        // clang-format off
        {"1 hr 32:05.1", Code(1, 100, true, 5, 32, 5)}, {"03:12.761", Code(1, 761, true, 4, 3, 12)},
        {"1:28.03", Code(1, 30, true, 4, 1, 28)}, {"58.5", Code(1, 500, true, 4, 0, 58)},
        {"3 hr 59:59.999", Code(1, 999, true, 7, 59, 59)}, {"4 hr 00:00.0", 0},
        {"+12.345", Code(2, 345, true, 4, 0, 12)}, {" +1:08.581 ", Code(3, 581, true, 4, 1, 8)},
        {"+2 laps", Code(4, 2, true, 4, 0, 0)}, {"+300 laps", Code(4, 300, true, 4, 0, 0)},
        {"lap 15", Code(5, 15, true, 4, 0, 0)},
        {"1:28", Code(1, 0, true, 4, 1, 28)}, // no decimal point: whole seconds
        {"+12", Code(2, 0, true, 4, 0, 12)}, {"-5", 0},
        {"1:2x.5", 0}, {"", 0},
        {"+", 0}, {"12,5", 0},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(The_Class::ParseTime(c.text), c.code) << c.text;
}

TEST(Times, FormatEveryStyleAndPrecision) {
    const auto P = &The_Class::ParseTime;
    const struct {
        std::uint32_t code;
        const char* shown;
    } cases[] = {
        // clang-format off
        {0, ""}, {P("03:12.761"), "03:12.761"}, {P("1:28.030"), "01:28.03"},
        {P("1 hr 32:05.100"), "1 hr 32:05.10"}, {P("+12.300"), "+ 12.30"},
        {P("+1:08.581"), "+ 01:08.581"}, {P("+2 laps"), "+ 2 laps"}, {P("lap 15"), "lap 15"},
        {P("2 hr 00:07.005"), "2 hr 00:07.005"}, {P("7.050"), "07.05"},
        {P("58.5"), "58.50"}, // no minutes: no "00:"
        // Stored hundredths.
        {Code(1, 3, false, 0, 1, 28), "01:28.03"}, {Code(2, 50, false, 0, 0, 1), "+ 01.50"},
        {Code(6, 500, true, 4, 0, 3), "+ 03.50"}, // a style never produced shows as a gap
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(The_Class::FormatTime(c.code), c.shown);
        // What is shown parses back to the same code (stored hundredths and style 6 aside).
        if (c.code >> 29 < 6 && (c.code & (1u << 26))) {
            EXPECT_EQ(The_Class::ParseTime(c.shown), c.code) << c.shown;
        }
    }
}

} // namespace
} // namespace qor
