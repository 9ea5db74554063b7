// qor-cli analyze and the tables starts / retirements on a small database: the frame's figures
// and labels on stdout, errors naming what was not found on stderr with exit status 1.

#include "SmallDatabaseCli.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::CliOutput;
using testing::Has;

// The small database: Fangio retires at Silverstone 1950, wins at Monaco 1950 and fails to
// qualify in 1952; Farina wins Silverstone 1950 (fastest lap, pole, the title), retires at
// Monaco and is second in 1952.
class AnalysisCli : public testing::SmallDatabaseCli {};

TEST_F(AnalysisCli, AnalyzePrintsTheFrame) {
    const CliOutput r = Cli("analyze Juan Manuel Fangio");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Juan Manuel Fangio\n  Nationality :     Argentine", 0), 0u) << r.out;
    // The 1952 DNQ is an entry, not a start, and not his last GP.
    EXPECT_TRUE(Has(r, "  First GP    :     Silverstone'50\n")) << r.out;
    EXPECT_TRUE(Has(r, "  Last GP    :      Monte Carlo'50\n"));
    EXPECT_TRUE(Has(r, "  First Win  :      Monte Carlo'50\n"));
    EXPECT_TRUE(Has(r, "  First Pole  :\n"));
    EXPECT_TRUE(Has(r, "  All GPs  :        3\n"));
    EXPECT_TRUE(Has(r, "  Starts  :         2\n"));
    EXPECT_TRUE(Has(r, "  Wins  :           1       %50\n"));
    EXPECT_TRUE(Has(r, "  Retirements   :   1       %50\n"));
    EXPECT_TRUE(Has(r, "  Dnq :             1\n"));
    EXPECT_TRUE(Has(r, "  Total point  :    27\n"));
    EXPECT_TRUE(Has(r, "  1 times first, 0 times second, 0 times third\n"));
    EXPECT_TRUE(Has(r, "  Team by team records: Alfa Romeo, ERA\n"));
    EXPECT_TRUE(Has(r, "Race chart: 3 races (1 classified), 1950-1952\n"));
    EXPECT_FALSE(Has(r, "Drivers' Championship"));
}

TEST_F(AnalysisCli, AnalyzeOneSeason) {
    const CliOutput r = Cli("analyze 'nino farina' --season 1952");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Nino Farina\n", 0), 0u) << r.out;
    EXPECT_TRUE(Has(r, "Statistics for 1952\n"));
    EXPECT_TRUE(Has(r, "  All GPs  :        1\n")) << r.out;
    EXPECT_TRUE(Has(r, "  Podiums  :        1       %100\n"));
    EXPECT_TRUE(Has(r, "  Total point  :    6\n"));
    // The chart keeps the whole career.
    EXPECT_TRUE(Has(r, "Race chart: 3 races (2 classified), 1950-1952\n"));
    const CliOutput career = Cli("analyze Nino Farina");
    EXPECT_TRUE(Has(career, "  1 times won Drivers' Championship\n")) << career.out;
    EXPECT_TRUE(Has(career, "  Fastest Laps  :   1       %33.3\n"));
}

TEST_F(AnalysisCli, StartsAndRetirementTables) {
    CliOutput r = Cli("table starts Juan Manuel Fangio --format tsv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Juan Manuel Fangio     Starts\n2  record(s) found.\n", 0), 0u) << r.out;
    EXPECT_TRUE(Has(r, "\n2\t21 May 1950\tMonte Carlo\tJuan Manuel Fangio\tAlfa Romeo\t1\t"));
    r = Cli("table retirements 'juan manuel fangio' dnq --format tsv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Juan Manuel Fangio     DNQ\n1  record(s) found.\n", 0), 0u) << r.out;
    EXPECT_TRUE(Has(r, "\n1\t19 Jul 1952\tSilverstone\tJuan Manuel Fangio\tERA\t\tDNQ\t"));
    r = Cli("table retirements Juan Manuel Fangio");
    EXPECT_TRUE(Has(r, "Juan Manuel Fangio     Retirements\n")) << r.out;
    EXPECT_TRUE(Has(r, "Engine")) << r.out;
    r = Cli("table retirements Juan Manuel Fangio DNQ --season 1950");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r, "Juan Manuel Fangio     DNQ (1950)\n")) << r.out;
    EXPECT_TRUE(Has(r, "0  record(s) found."));
}

TEST_F(AnalysisCli, WhatIsNotFoundIsNamed) {
    ExpectNotFound("analyze Nobody", "No driver named Nobody");
    ExpectNotFound("analyze Nino Farina --season 1960", "No season 1960 in the database");
    ExpectNotFound("table starts Nobody", "No driver named Nobody");
    ExpectNotFound("table starts Nino Farina --season 1900", "No season 1900 in the database");
    ExpectNotFound("table starts Juan Manuel Fangio --season 1951",
                   "Juan Manuel Fangio has no entry in 1951");
    ExpectNotFound("table retirements Ayrton Senna", "Ayrton Senna has no entry");
    ExpectNotFound("table retirements DNQ", "No driver named DNQ");
    ExpectNotFound("table retirements",
                   "usage: qor-cli table retirements NAME [DNS|DNQ|DNPQ|Disq] [--season YEAR]");
    const CliOutput r = Cli("analyze");
    EXPECT_EQ(r.status, 64);
    EXPECT_EQ(r.out, "");
}

} // namespace
} // namespace qor
