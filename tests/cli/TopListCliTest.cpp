// qor-cli toplist, tracks, teammates and `table compare` on the shipped database: output on
// stdout, errors naming what was wrong on stderr with exit status 1 and nothing on stdout.

#include "support/Fixtures.h"
#include "support/Process.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct CliOutput {
    int status = -1;
    std::string out;
    std::string err;
};

class TopListCli : public ::testing::Test {
  protected:
    // Runs qor-cli on the data beside it with the (shell-quoted) arguments.
    CliOutput Cli(const std::string& args) {
        const auto p = testing::RunProcess(std::string(QOR_CLI) + " " + args);
        return {p.status, p.out, p.err};
    }

    void ExpectError(const std::string& args, const std::string& message) {
        const CliOutput r = Cli(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err, message + "\n") << args;
    }

    testing::TempDir dir_;
};

bool Has(const CliOutput& r, const std::string& text) {
    return r.out.find(text) != std::string::npos;
}

TEST_F(TopListCli, DriversAndTeams) {
    const CliOutput d = Cli("toplist drivers");
    ASSERT_EQ(d.status, 0) << d.err;
    EXPECT_TRUE(Has(d, "TOP LISTS - Drivers\n\nPoint\n  1. Michael Schumacher  1,369.00\n"));
    EXPECT_TRUE(Has(d, "Win\n  1. Michael Schumacher  91\n  2. Alain Prost         51\n"
                       "  3. Ayrton Senna        41\n"));
    EXPECT_TRUE(Has(d, "Consecutive Win\n  1. Michael Schumacher  7  2004\n"));
    const CliOutput t = Cli("toplist teams");
    ASSERT_EQ(t.status, 0) << t.err;
    EXPECT_TRUE(Has(t, "Win\n  1. Ferrari   192\n"));
    ExpectError("toplist", "usage: qor-cli toplist drivers|teams");
    ExpectError("toplist cars", "usage: qor-cli toplist drivers|teams");
}

TEST_F(TopListCli, Tracks) {
    const CliOutput r = Cli("tracks");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r, "Pist Statistics\nGPs:1980-todate,  Pists: 2000-todate\n\n"
                       "Best Fastest Lap Owner\n"
                       "Pist                  Driver                     Lap Time\n"
                       "A1-Ring               Michael Schumacher         01:08.337"));
    EXPECT_TRUE(Has(r, "Most Race Winner\nPist                  Driver                     "
                       "Count\n"));
    EXPECT_TRUE(Has(r, "\nMonte Carlo           Ayrton Senna               6\n"));
    // Names come out in UTF-8.
    EXPECT_TRUE(Has(r, "Kimi Räikkönen"));
    ExpectError("tracks all", "usage: qor-cli tracks");
}

TEST_F(TopListCli, TeamMates) {
    const CliOutput r = Cli("teammates 'Michael Schumacher' ferrari");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r, "TeamMates of Michael Schumacher for Ferrari\n\n1996  Eddie Irvine\n"));
    EXPECT_TRUE(Has(r, "1999  Eddie Irvine, Mika Salo\n"));
    EXPECT_TRUE(Has(r, "2006  Felipe Massa\n"));
    ExpectError("teammates 'Nobody Here' Ferrari", "No driver named Nobody Here");
    ExpectError("teammates 'Michael Schumacher' Nobody", "No team named Nobody");
    ExpectError("teammates 'Michael Schumacher' McLaren",
                "Michael Schumacher never drove for McLaren");
    ExpectError("teammates 'Michael Schumacher'", "usage: qor-cli teammates DRIVER TEAM");
}

TEST_F(TopListCli, CompareTable) {
    // The flag may stand anywhere without taking the next name as its value.
    const CliOutput v =
        Cli("table compare --vertical 'Michael Schumacher' 'Mika Häkkinen' --season 1998");
    ASSERT_EQ(v.status, 0) << v.err;
    EXPECT_TRUE(Has(v, "Comparing drivers (Race results)\n"));
    EXPECT_TRUE(Has(v, "1   01 Nov 1998  Suzuka             Michael Schumacher  Ferrari"));
    EXPECT_TRUE(Has(v, "1   01 Nov 1998  Suzuka             Mika Häkkinen       McLaren  1"));
    EXPECT_TRUE(Has(v, "\n16  record(s) found.\n"));
    // Side by side: the key columns of the drivers' groups are not printed.
    const CliOutput h = Cli("table compare 'Michael Schumacher' 'mika häkkinen' --season 1998");
    ASSERT_EQ(h.status, 0) << h.err;
    EXPECT_TRUE(Has(h, "1   01 Nov 1998  Suzuka             M. Schumacher  Ferrari        "
                       "M. Häkkinen  McLaren  1\n"));
    const CliOutput k = Cli("table compare 'Michael Schumacher' 'Rubens Barrichello' --kind 10 "
                            "--season 2002 --format tsv");
    ASSERT_EQ(k.status, 0) << k.err;
    EXPECT_TRUE(Has(k, " (Race) Michael Schumacher -- Rubens Barrichello( FL)\n5  record(s)"));

    ExpectError("table compare 'Michael Schumacher' 'Nobody Here'", "No driver named Nobody Here");
    ExpectError("table compare 'Michael Schumacher' --kind 1",
                "Kind 1 compares two different drivers");
    ExpectError("table compare 'Michael Schumacher' 'Mika Häkkinen' --season 1930",
                "No season 1930 in the database");
    ExpectError("table compare 'Michael Schumacher' 'Mika Häkkinen' --kind 11",
                "usage: qor-cli table compare NAME NAME... [--vertical] [--kind K --season Y]");
}

} // namespace
} // namespace qor
