// Conversion to the database's code page and fitting names to their fields.

#include "TextFit.h"
#include "BuildError.h"
#include "Naming.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::tools;

TEST(TextFit, KeepsWhatTheCodePageHoldsAndTransliteratesTheRest) {
    for (const char* kept : {"Kimi Räikkönen", "Rubens Gonçalves", "Şanlı", "a?b"})
        EXPECT_EQ(ToCp1254(kept), Utf8ToCp1254(kept));
    EXPECT_EQ(ToCp1254("Łukasz Żyła"), "Lukasz Zyla");
    EXPECT_EQ(ToCp1254("Jiří Dvořák"), Utf8ToCp1254("Jirí Dvorák"));
    EXPECT_EQ(ToCp1254("Guðmundur Þór"), "Gudmundur Th" + Utf8ToCp1254("ó") + "r");
    EXPECT_EQ(ToCp1254("東京"), "??");
}

TEST(TextFit, NamesFitByTheirShortFormsOrWholeWordsOrNotAtAll) {
    EXPECT_EQ(FitName("United States of America", 15, "country"), "USA");
    EXPECT_EQ(FitName("Frank Williams Racing Cars", 25, "constructor"), "Frank Williams Racing");
    EXPECT_THROW(FitName("An Unreasonably Long Circuit Name", 20, "circuit"), BuildError);
    EXPECT_EQ(FitByWords("one two three", 9), "one two");
    EXPECT_EQ(FitByWords("one - two", 7), "one");
    EXPECT_EQ(FitByWords("abcdefghijkl", 5), "abcde");
}

// The name tables themselves are pinned by the byte-exact rebuild of the shipped data; here
// the rules around them.
TEST(Naming, TablesFirstThenTheFittedF1dbName) {
    EXPECT_EQ(TrackName("monaco", "Monaco", 2006), "Monte Carlo");
    EXPECT_EQ(TrackName("spielberg", "Red Bull Ring", 1975), Utf8ToCp1254("Österreichring"));
    EXPECT_EQ(TrackName("spielberg", "Red Bull Ring", 2003), "A1-Ring");
    EXPECT_EQ(TrackName("new-circuit", "Yas Marina", 2009), "Yas Marina");
    EXPECT_EQ(GPName("united-states", "United States"), "USA");
    EXPECT_EQ(GPName("united-states-west", "United States West"), "United States West");
    EXPECT_EQ(TeamName("bmw-sauber", "BMW Sauber"), "Sauber");
    EXPECT_TRUE(IsPinnedTeamName("bmw-sauber"));
    EXPECT_FALSE(IsPinnedTeamName("sauber"));
}
