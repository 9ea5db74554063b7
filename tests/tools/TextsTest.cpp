// F1DB's texts made the database's: names, time codes and the status texts of results.

#include "BuildError.h"
#include "ResultText.h"
#include "TextFit.h"
#include "TimeCodes.h"
#include "database/STheClass.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::tools;

TEST(TextFit, KeepsWhatTheCodePageHoldsAndTransliteratesTheRest) {
    for (const char* kept : {"Kimi Räikkönen", "Rubens Gonçalves", "Şanlı", "a?b"})
        EXPECT_EQ(ToCp1254(kept), Utf8ToCp1254(kept));
    EXPECT_EQ(ToCp1254("Jiří Dvořák"), Utf8ToCp1254("Jirí Dvorák"));
    EXPECT_EQ(ToCp1254("Guðmundur Þór"), "Gudmundur Th" + Utf8ToCp1254("ó") + "r");
    EXPECT_EQ(ToCp1254("東京"), "??");
}

TEST(TextFit, NamesFitByTheirShortFormsOrWholeWordsOrNotAtAll) {
    EXPECT_EQ(FitName("United States of America", 15, "country"), "USA");
    EXPECT_EQ(FitName("Frank Williams Racing Cars", 25, "constructor"), "Frank Williams Racing");
    EXPECT_THROW(FitName("An Unreasonably Long Circuit Name", 20, "circuit"), BuildError);
    EXPECT_EQ(FitByWords("one two three", 9), "one two");
    EXPECT_EQ(FitByWords("abcdefghijkl", 5), "abcde");
}

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

// The importer's test shows the texts of the extract's entries; here the other cases.
TEST(ResultText, EachStatusTextCarriesItsOwnMark) {
    const struct {
        EntryStatus status;
        const char* reason;
        const char* text;
    } cases[] = {
        {EntryStatus::Classified, "", ""},
        {EntryStatus::DNF, "", "Retired"},
        {EntryStatus::DNS, "", "DNS"},
        {EntryStatus::DNPQ, "Accident", "DNPQ - Accident"}, // not read as DNQ
        {EntryStatus::DSQ, "", "Disqualified"},
        {EntryStatus::DNP, "Car raced by Surer", "DNS - Did not practise - Car raced by Surer"},
        // Long texts lose whole words to fit 45 characters.
        {EntryStatus::DSQ, "Ignored yellow flags in practice and again in the race itself",
         "Disq - Ignored yellow flags in practice and"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescriptionText(c.status, c.reason), c.text);
        EXPECT_EQ(MarkOf(c.text), ExpectedMark(c.status)) << c.text;
    }
    int pos = -1;
    for (const char* bad : {"0", "", "3rd", "dnf"})
        EXPECT_FALSE(ParseStatus(bad, pos)) << bad;
}

TEST(ResultText, RefusesAReasonThatWouldReadAsAnotherStatus) {
    EXPECT_THROW(DescriptionText(EntryStatus::DNF, "DNS after a crash"), BuildError);
    EXPECT_THROW(DescriptionText(EntryStatus::Classified, "Disqualified later"), BuildError);
    EXPECT_THROW(DescriptionText(EntryStatus::DNQ, "DNS earlier"), BuildError);
}
