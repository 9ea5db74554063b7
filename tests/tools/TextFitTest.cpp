// Conversion to the database's code page and fitting names to their fields.

#include "TextFit.h"
#include "BuildError.h"
#include "Naming.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::tools;

TEST(TextFit, KeepsWhatTheCodePageHoldsAndTransliteratesTheRest) {
    EXPECT_EQ(ToCp1254("Kimi Räikkönen"), Utf8ToCp1254("Kimi Räikkönen"));
    EXPECT_EQ(ToCp1254("Rubens Gonçalves"), Utf8ToCp1254("Rubens Gonçalves"));
    EXPECT_EQ(ToCp1254("Şanlı"), Utf8ToCp1254("Şanlı"));
    EXPECT_EQ(ToCp1254("Łukasz Żyła"), "Lukasz Zyla");
    EXPECT_EQ(ToCp1254("Jiří Dvořák"), Utf8ToCp1254("Jirí Dvorák"));
    EXPECT_EQ(ToCp1254("Guðmundur Þór"), "Gudmundur Th" + Utf8ToCp1254("ó") + "r");
    EXPECT_EQ(ToCp1254("東京"), "??");
    EXPECT_EQ(ToCp1254("a?b"), "a?b");
}

TEST(TextFit, NamesFitByTheirShortFormsOrNotAtAll) {
    EXPECT_EQ(FitName("Monza", 20, "circuit"), "Monza");
    EXPECT_EQ(FitName("United States of America", 15, "country"), "USA");
    EXPECT_EQ(FitName("Frank Williams Racing Cars", 25, "constructor"), "Frank Williams Racing");
    EXPECT_THROW(FitName("An Unreasonably Long Circuit Name", 20, "circuit"), BuildError);
}

TEST(TextFit, FitByWordsDropsWholeWords) {
    EXPECT_EQ(FitByWords("short", 10), "short");
    EXPECT_EQ(FitByWords("one two three", 9), "one two");
    EXPECT_EQ(FitByWords("one - two", 7), "one");
    EXPECT_EQ(FitByWords("abcdefghijkl", 5), "abcde");
}

TEST(Naming, TheCalendarsCircuitsCarryItsNames) {
    EXPECT_EQ(TrackName("bahrain", "Bahrain", 2006), "InternationalCircuit");
    EXPECT_EQ(TrackName("imola", "Enzo e Dino Ferrari", 2006), "Imola");
    EXPECT_EQ(TrackName("montreal", "Gilles Villeneuve", 2006), "Montreal");
    EXPECT_EQ(TrackName("interlagos", "José Carlos Pace", 2006), "Interlagos");
    EXPECT_EQ(TrackName("nurburgring", "Nürburgring", 2006), "Nurburgring");
    EXPECT_EQ(TrackName("monaco", "Monaco", 2006), "Monte Carlo");
    EXPECT_EQ(TrackName("spa-francorchamps", "Spa-Francorchamps", 2006), "Spa Francorchamps");
    EXPECT_EQ(TrackName("catalunya", "Catalunya", 2006), "Barcelona");
    EXPECT_EQ(TrackName("spielberg", "Red Bull Ring", 1975), Utf8ToCp1254("Österreichring"));
    EXPECT_EQ(TrackName("spielberg", "Red Bull Ring", 2003), "A1-Ring");
    EXPECT_EQ(TrackName("new-circuit", "Yas Marina", 2009), "Yas Marina");
}

TEST(Naming, GrandPrixAndConstructorNames) {
    EXPECT_EQ(GPName("united-states", "United States"), "USA");
    EXPECT_EQ(GPName("united-states-west", "United States West"), "United States West");
    EXPECT_EQ(GPName("san-marino", "San Marino"), "San Marino");
    EXPECT_EQ(TeamName("midland", "Midland"), "MF1");
    EXPECT_EQ(TeamName("bmw-sauber", "BMW Sauber"), "Sauber");
    EXPECT_EQ(TeamName("osca", "O.S.C.A."), "OSCA");
    EXPECT_EQ(TeamName("mclaren", "McLaren"), "McLaren");
    EXPECT_TRUE(IsPinnedTeamName("bmw-sauber"));
    EXPECT_FALSE(IsPinnedTeamName("sauber"));
}
