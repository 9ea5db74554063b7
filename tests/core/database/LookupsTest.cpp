// Lookups by text, accessors to text and the debug lines of misses; packed dates and time
// codes; the code page and line ends of text files.

#include "support/Fixtures.h"
#include "text/Encoding.h"
#include "text/TextLines.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class Lookups : public ::testing::Test {
  protected:
    void SetUp() override { db_->DebugLines = &debug_; }
    std::unique_ptr<The_Class> db_ = testing::MakeSmallDatabase();
    std::vector<std::string> debug_;
};

TEST_F(Lookups, SearchesByText) {
    testing::DatabaseBuilder b(*db_);
    b.Team("Ferrari"); // a duplicate: the first row wins
    const auto turkish = b.Driver(Utf8ToCp1254("Şahin Işık"));
    const struct {
        int got, expected;
        const char* why;
    } cases[] = {
        {db_->FindDriver("Juan Manuel Fangio"), 2, "exact"},
        {db_->FindTeam("Ferrari"), 2, "first of two"},
        {db_->FindDriverNat("British"), 3, "the last row"},
        {db_->FindDriver("juan manuel fangio"), 0, "exact search is case-sensitive"},
        {db_->FindDriver(" Nino Farina"), 0, "and not trimmed"},
        // clang-format off
        {db_->FindTeam("Lotus"), 0, "miss"}, {db_->FindTrack("Monza"), 0, "miss"},
        {db_->FindGP("Brazil"), 0, "miss"}, {db_->FindDriverNat("Martian"), 0, "miss"},
        // clang-format on
        {db_->FindDriverCI("juan manuel FANGIO"), 2, "folds ASCII letters"},
        {db_->FindDriverCI(Utf8ToCp1254("şahin işık")), 0, "but not Ş and ş"},
        {db_->FindDriverCI(Utf8ToCp1254("ŞAHIN Işık")), turkish, "nor ı and I"},
        {db_->FindReason("  "), EmptyReasonCode, "blank: the empty description"},
        {db_->FindReason("  Engine "), 16, "trimmed"},
        {db_->FindReason("engine"), 0, "case-sensitive"},
        {db_->FindReason("Pushed over the line"), 0, "notes are not searched"},
        {db_->FindGPByDate("21 May 1950"), 2, "a GP's date"},
        {db_->FindGPByDate("20 Jul 1952"), 0, "no GP that day"},
        {db_->FindGPByDate("19 Jul 1953"), 0, "beyond the last season"},
        {db_->FindGPByDate("not a date"), 0, "no date"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.why;
    // Every miss, and only a miss, leaves one debug line naming its table and text.
    ASSERT_EQ(debug_.size(), 10u);
    EXPECT_EQ(debug_[0], "Debug:pilot bulunamad\xFD: juan manuel fangio");
    EXPECT_EQ(debug_[8], "Debug:reason bulunamad\xFD: Pushed over the line");
    db_->DebugLines = nullptr;
    EXPECT_EQ(db_->FindTeam("Lotus"), 0); // silent without a debug list
}

TEST_F(Lookups, AccessorsGiveUnderscoresOutsideTheirTables) {
    db_->LanguageMode = 0;
    const int newcomer = db_->AddDriver("Nino Newcomer", ""); // added without a nationality
    ASSERT_NE(newcomer, 0);
    db_->DriverNat[4] = 49; // beyond the nationalities
    db_->TeamCountry[1] = 0;
    // clang-format off
    const std::string outside[] = {
        db_->DriverName(0), db_->DriverName(db_->DriverCount + 1), db_->DriverName(60000),
        db_->TeamName(4), db_->DriverNatName(4), db_->DriverNatName(db_->DriverCount + 1),
        db_->ReasonText(db_->ReasonCount + 1), db_->ReasonText(NoteCodeBase),
        db_->ReasonText(NoteCodeBase + 2), db_->RemarkText(3)};
    const struct {
        std::string got, expected;
    } cases[] = {
        {db_->TeamName(3), "ERA"}, {db_->ResultDriverName(1), "Nino Farina"},
        {db_->ResultTeamName(3), "ERA"}, {db_->TeamCountryName(3), "UK"},
        {db_->DriverNatName(5), ""}, // nationality 0: unknown, read as empty
        {db_->DriverNatName(newcomer), ""}, {db_->TeamCountryName(1), ""},
        {db_->ReasonText(0), ""}, {db_->ReasonText(NoteCodeBase + 1), "Pushed over the line"},
        {db_->RemarkText(2), "Ya\xF0murlu"}, // Turkish mode
        {The_Class::NumText(0), ""},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(outside); ++i)
        EXPECT_EQ(outside[i], "_____") << i;
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected);
    for (int mode : {1, 2}) {
        db_->LanguageMode = static_cast<std::uint8_t>(mode);
        EXPECT_EQ(db_->RemarkText(2), "Rain");
    }
}

TEST_F(Lookups, YearListsAndGPOfResult) {
    std::vector<std::string> years{"stale"};
    db_->FillYears(years);
    EXPECT_EQ(years, (std::vector<std::string>{"1952", "1951", "1950"}));
    db_->FillTeamYears(years);
    EXPECT_TRUE(years.empty()); // no constructors' championship before 1958
    testing::MakeFullSizeDatabase()->FillTeamYears(years);
    ASSERT_EQ(years.size(), 2010u - 1958u + 1u);
    EXPECT_EQ(years.front(), "2010");
    // Result rows 1..4 are GP 1's, 5..6 GP 2's; GP 3 is empty, 7.. GP 4's.
    const int gpOf[] = {0, 1, 1, 1, 1, 2, 2, 4, 4, 4, 0};
    for (int r = 0; r <= db_->ResultCount + 1; ++r)
        EXPECT_EQ(db_->GPOfResult(r), gpOf[r]) << "result " << r;
    EXPECT_EQ(std::make_unique<The_Class>()->GPOfResult(1), 0);
}

TEST(Encoding, RoundTripsTurkishAndReplacesWhatCp1254CannotHold) {
    const std::string utf8 = "Şubat ığüöçİ €";
    const std::string cp = Utf8ToCp1254(utf8);
    EXPECT_EQ(cp, "\xDE"
                  "ubat \xFD\xF0\xFC\xF6\xE7\xDD \x80");
    EXPECT_EQ(Cp1254ToUtf8(cp), utf8);
    EXPECT_EQ(Utf8ToCp1254("Räikkönen 日本"), "R\xE4ikk\xF6nen ??");
    EXPECT_EQ(Utf8ToCp1254("bad \xC3 byte \xFF"), "bad ? byte ?");
    EXPECT_EQ(Cp1254ToUtf8("\x81"), "\xEF\xBF\xBD"); // undefined in the code page
}

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

using Lines = std::vector<std::string>;

TEST(SplitLines, EveryLineEndCountsOnce) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(SplitLines("\r\n"), Lines{""});
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    // LF CR is two line ends; CR CR LF is two as well.
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\r\nb\r\n\r\n"), (Lines{"a", "", "b", ""}));
    // Blanks and other bytes are kept.
    EXPECT_EQ(SplitLines("  x \t\r\n\xFD"), (Lines{"  x \t", "\xFD"}));
    EXPECT_EQ(SplitLines(std::string_view("p\0q\n", 4)), Lines{std::string("p\0q", 3)});
}

} // namespace
} // namespace qor
