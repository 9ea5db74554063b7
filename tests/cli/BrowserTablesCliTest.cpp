// qor-cli's browser, championship and season-list tables on a small database: output on
// stdout, errors naming what was not found on stderr with exit status 1.

#include "SmallDatabaseCli.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::CliOutput;
using testing::Has;

class BrowserTablesCli : public testing::SmallDatabaseCli {};

TEST_F(BrowserTablesCli, GrandPrixAndItsList) {
    CliOutput r = Cli("table gp 13 May 1950"); // an unquoted date
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Great Britain       Silverstone     13 May 1950\n\n", 0), 0u) << r.out;
    EXPECT_TRUE(Has(r, "\n4  Juan Manuel Fangio  "));
    EXPECT_TRUE(Has(r, "4  record(s) found."));

    // The gp command prints the same table, then the information panel.
    const CliOutput gp = Cli("gp '13 May 1950'");
    ASSERT_EQ(gp.status, 0);
    EXPECT_EQ(gp.out.rfind(r.out, 0), 0u) << gp.out;
    EXPECT_EQ(gp.out.substr(r.out.size()),
              "\nFastest lap: Nino Farina 01:50.60\nPole position: Nino Farina 01:50.80\n"
              "Weather: Sunny\nNumber of Laps : 70\n");

    r = Cli("table gp-list 1950 --by date");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r, "   By date\n1  13 May\n2  21 May\n3  22 May\n")) << r.out;
    r = Cli("table gp-list 1950 --by name");
    EXPECT_TRUE(Has(r, "1  Great Britain\n2  Monaco\n")) << r.out;
    r = Cli("table gp-list 1950");
    EXPECT_TRUE(Has(r, "1  Silverstone\n2  Monte Carlo\n")) << r.out;
    r = Cli("table gp-list 1951");
    EXPECT_TRUE(Has(r, "0  record(s) found.")) << r.out;
}

TEST_F(BrowserTablesCli, ChampionshipTables) {
    CliOutput r = Cli("table standings drivers 1950 --format tsv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r, "Drivers Championship   1950"));
    EXPECT_TRUE(Has(r, "\n1\tNino Farina\tItalian\t30.00\t0\n"));
    EXPECT_TRUE(Has(r, "\n3\tLuigi Fagioli\tItalian\t24.50\t0\n"));

    r = Cli("table ranking drivers --format tsv");
    EXPECT_TRUE(Has(r, "\n1\tNino Farina\tItalian\t1\t / 1950\t0\n")) << r.out;
    r = Cli("table points driver 'nino farina' --format tsv"); // letter case does not matter
    EXPECT_TRUE(Has(r, "Nino Farina  points by year")) << r.out;
    EXPECT_TRUE(Has(r, "\n1952\tNino Farina\tItalian\t6.00\t0\n"));
    r = Cli("table titles driver 'Nino Farina' --format tsv");
    EXPECT_TRUE(Has(r, "\n1950\tNino Farina\tItalian\t30.00\t0\n")) << r.out;
    EXPECT_TRUE(Has(r, "\n1  record(s) found.\n"));
    r = Cli("table champions drivers --format tsv");
    EXPECT_TRUE(Has(r, "1950\tNino Farina\tItalian\tAlfa Romeo\t1 gp\t0\n")) << r.out;
}

TEST_F(BrowserTablesCli, SeasonLists) {
    CliOutput r = Cli("table winners --format tsv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Winners\n3  record(s) found.\n", 0), 0u);
    EXPECT_TRUE(Has(r, "\n1\t19 Jul 1952\tSilverstone\tReg Parnell\tFerrari\t2 hr 44:11.00\t"))
        << r.out;
    EXPECT_TRUE(
        Has(r, "\n\t\t\t\t\t\t\n\t\t\t\t\t\t\n2\t21 May 1950\tMonte Carlo\tJuan Manuel Fangio\t"));
    r = Cli("table fastest-laps 1950");
    EXPECT_TRUE(Has(r, "1950 - Fastest Laps"));
    EXPECT_TRUE(Has(r, "01:50.60")) << r.out;
    r = Cli("table poles 1952");
    EXPECT_TRUE(Has(r, "0  record(s) found.")) << r.out;
}

TEST_F(BrowserTablesCli, WhatIsNotFoundIsNamed) {
    ExpectNotFound("table gp '14 May 1950'", "No Grand Prix on 14 May 1950");
    ExpectNotFound("table gp-list 1949", "No season 1949 in the database");
    ExpectNotFound("table standings drivers 1953", "No season 1953 in the database");
    ExpectNotFound("table standings teams 1950",
                   "No constructors' championship in 1950 (it began in 1958)");
    ExpectNotFound("table winners 2020", "No season 2020 in the database");
    ExpectNotFound("table poles nineteen", "No season nineteen in the database");
    ExpectNotFound("table points driver 'Ayrton Sena'",
                   "No driver named Ayrton Sena. Did you mean Ayrton Senna?");
    ExpectNotFound("table titles team Brabham", "No team named Brabham");
    ExpectNotFound("table standings pilots 1950",
                   "usage: qor-cli table standings drivers|teams YEAR");
    ExpectNotFound("table gp-list 1950 --by weather",
                   "usage: qor-cli table gp-list YEAR [--by track|name|date]");
}

} // namespace
} // namespace qor
