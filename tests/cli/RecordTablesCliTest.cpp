// `qor-cli table records` and `table races-results`, run as a separate process: the record a
// list is opened on, the lists themselves, and the errors for what is not found.

#include "support/Fixtures.h"
#include "support/Process.h"
#include "support/RecordDatabase.h"

#include <gtest/gtest.h>
#include <sstream>

namespace qor {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs qor-cli with the arguments (already shell-quoted); stdout and stderr apart.
CliRun Cli(const std::string& args, const testing::TempDir&) {
    const auto p = testing::RunProcess(std::string(QOR_CLI) + " " + args);
    return {p.status, p.out, p.err};
}

// A table printed as TSV: title, count, then the grid rows (titles first).
struct Tsv {
    std::string title;
    std::string count;
    std::vector<std::vector<std::string>> rows;

    explicit Tsv(const std::string& text) {
        std::istringstream in(text);
        std::getline(in, title);
        std::getline(in, count);
        for (std::string line; std::getline(in, line);) {
            std::vector<std::string> cells;
            std::istringstream fields(line);
            for (std::string cell; std::getline(fields, cell, '\t');)
                cells.push_back(cell);
            if (!line.empty() && line.back() == '\t') cells.emplace_back();
            rows.push_back(cells);
        }
    }
    // The key column of every body row.
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (std::size_t r = 1; r < rows.size(); ++r)
            keys.push_back(rows[r].back());
        return keys;
    }
};

using Keys = std::vector<std::string>;

class RecordTablesCli : public ::testing::Test {
  protected:
    void SetUp() override {
        auto db = testing::MakeRecordDatabase();
        db->DataFileName = dir_.file("f1data5.dat");
        db->NotesFileName = dir_.file("f1notes5.dat");
        ASSERT_EQ(db->SaveDatabase(), 1);
    }
    CliRun Table(const std::string& args) {
        return Cli("--data '" + dir_.path() + "' table " + args + " --format tsv", scratch_);
    }
    // A table that must succeed.
    Tsv Ok(const std::string& args) {
        const CliRun r = Table(args);
        EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
        EXPECT_EQ(r.err, "") << args;
        return Tsv(r.out);
    }
    // A table that must fail with this message and print nothing on stdout.
    void Fails(const std::string& args, const std::string& message) {
        const CliRun r = Table(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err, message + "\n") << args;
    }

    testing::TempDir dir_;
    testing::TempDir scratch_;
};

TEST_F(RecordTablesCli, TheWholeCareerOpensOnTheFirstResult) {
    Tsv t = Ok("records driver 'Carl Cole' wins");
    EXPECT_EQ(t.title, "Carl Cole   (Wins)");
    EXPECT_EQ(t.count, "1  record(s) found.");
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], (std::vector<std::string>{"", " Date", " Track", " Name", " Team", " Pos",
                                                   " Time", " Notes", ""}));
    EXPECT_EQ(t.rows[1], (std::vector<std::string>{"1", "08 Apr 1990", "Beta", "Carl Cole", "Blue",
                                                   "2", "1 hr 31:00.00", "", "5"}));
    t = Ok("records team Blue podiums");
    EXPECT_EQ(t.title, "Blue   (Podiums   1-2-3)");
    EXPECT_EQ(t.Keys(), (Keys{"3", "5", "8", "9", "16", "18", "20"}));
    t = Ok("records driver 'Alan Able' races");
    EXPECT_EQ(t.title, "Alan Able   (All Records)");
    EXPECT_EQ(t.Keys(), (Keys{"1", "6", "10", "13", "20"}));
}

TEST_F(RecordTablesCli, RestrictionsOpenOnTheFirstMatchingResult) {
    // The first result of that season, team, track or driver pairing is the subject.
    Tsv t = Ok("records driver 'Alan Able' races --year 1991");
    EXPECT_EQ(t.title, "Alan Able     1991");
    EXPECT_EQ(t.Keys(), (Keys{"13", "20"}));
    t = Ok("records driver 'Alan Able' wins --team Blue");
    EXPECT_EQ(t.title, "Alan Able   &&   Blue   (Wins)");
    EXPECT_EQ(t.Keys(), (Keys{"20"}));
    t = Ok("records driver 'Dave Dunn' fastest-laps --track Beta");
    EXPECT_EQ(t.title, "Beta - Dave Dunn   (Fastest Laps)");
    EXPECT_EQ(t.rows[0][5], " FL Time");
    EXPECT_EQ(t.Keys(), (Keys{"21"}));
    t = Ok("records team Red podiums --driver 'Alan Able'");
    EXPECT_EQ(t.title, "Alan Able   &&   Red   (Podiums   1-2-3)");
    EXPECT_EQ(t.Keys(), (Keys{"1", "6", "13"}));
    t = Ok("records team Blue wins --track Beta");
    EXPECT_EQ(t.title, "Beta - Blue   (Wins)");
    EXPECT_EQ(t.Keys(), (Keys{"5", "16", "20"}));
    t = Ok("records team Blue poles --year 1990");
    EXPECT_EQ(t.title, "Blue     1990   (Pole Positions)");
    EXPECT_EQ(t.Keys(), (Keys{"9"}));
    t = Ok("records track Alpha fastest-laps");
    EXPECT_EQ(t.title, "Alpha   (Fastest Laps)");
    EXPECT_EQ(t.Keys(), (Keys{"3", "8", "13"}));
    t = Ok("records track Beta wins");
    EXPECT_EQ(t.title, "Beta   (Winners)");
}

TEST_F(RecordTablesCli, RacesAndResultsOfATrack) {
    const Tsv t = Ok("races-results Alpha");
    EXPECT_EQ(t.title, "Alpha   (All Records)");
    EXPECT_EQ(t.count, "4  record(s) found.");
    ASSERT_EQ(t.rows.size(), 5u);
    EXPECT_EQ(t.rows[0][2], " Grandprix");
    EXPECT_EQ(t.rows[3][3], "Dave Dunn");
    EXPECT_EQ(t.rows[4], (std::vector<std::string>{"4", "05 May 1991", "Alphaland", "", "", "_____",
                                                   "", "_____", "", "0"}));
}

TEST_F(RecordTablesCli, WhatIsNotFoundIsNamed) {
    Fails("records driver 'Nobody' wins", "Driver \"Nobody\" not found.");
    Fails("records team Green wins", "Team \"Green\" not found.");
    Fails("records track Gamma wins", "Track \"Gamma\" not found.");
    Fails("races-results Gamma", "Track \"Gamma\" not found.");
    Fails("records driver 'Alan Able' wins --year 1989", "Alan Able has no result in 1989.");
    Fails("records driver 'Alan Able' wins --year 1992", "Year \"1992\" not found.");
    Fails("records driver 'Alan Able' wins --year soon", "Year \"soon\" not found.");
    Fails("records driver 'Alan Able' wins --team Green", "Team \"Green\" not found.");
    Fails("records driver 'Alan Able' wins --track Gamma", "Track \"Gamma\" not found.");
    Fails("records team Red wins --driver 'Nobody'", "Driver \"Nobody\" not found.");
    // Known names that never met.
    Fails("records driver 'Carl Cole' races --team Red", "Carl Cole has no result with Red.");
    Fails("records team Red races --driver 'Carl Cole'", "Red has no result with Carl Cole.");
    // Wrong requests.
    Fails("records driver 'Alan Able' winners",
          "Unknown list \"winners\" (races, wins, podiums, fastest-laps or poles).");
    Fails("records track Alpha races", "A track has no races list; see races-results Alpha.");
    Fails("records driver 'Alan Able' wins --year 1990 --team Red",
          "Give at most one of --track, --year, --team, --driver.");
    Fails("records driver 'Alan Able' wins --driver 'Dave Dunn'",
          "--driver does not apply to a driver's records.");
    Fails("records car 'Alan Able' wins", "Unknown subject \"car\" (driver, team or track).");
    Fails("records driver 'Alan Able'",
          "usage: records driver|team|track NAME races|wins|podiums|fastest-laps|poles "
          "[--track T | --year Y | --team T | --driver D]");
}

// The shipped database beside the program.
TEST(RecordTablesShippedCli, FactsAndNamesBeyondAscii) {
    testing::TempDir scratch;
    CliRun r = Cli("table records driver 'Michael Schumacher' wins", scratch);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("91  record(s) found."), std::string::npos);
    r = Cli("table records driver 'Kimi Räikkönen' wins --year 2005 --format tsv", scratch);
    EXPECT_EQ(r.status, 0) << r.err;
    const Tsv t(r.out);
    EXPECT_EQ(t.title, "Kimi Räikkönen     2005   (Wins)");
    EXPECT_EQ(t.count, "7  record(s) found.");
    r = Cli("table records driver 'Kimi Räikkönen' wins --track 'Nürburgring'", scratch);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Track \"Nürburgring\" not found. Did you mean Nurburgring?\n");
}

} // namespace
} // namespace qor
