// qor-cli's database commands, run as a separate process.

#include "support/Fixtures.h"
#include "support/Process.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

// Runs qor-cli with the arguments (already shell-quoted) and captures stdout and stderr.
CliRun Cli(const std::string& args) {
    const auto p = testing::RunProcess(std::string(QOR_CLI) + " " + args);
    return {p.status, p.out + p.err};
}

class CliCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        auto db = testing::MakeSmallDatabase();
        db->DataFileName = dir_.file("f1data5.dat");
        db->NotesFileName = dir_.file("f1notes5.dat");
        ASSERT_EQ(db->SaveDatabase(), 1);
    }
    std::string Data() const { return "--data '" + dir_.path() + "'"; }
    testing::TempDir dir_;
};

TEST_F(CliCommands, InfoPrintsCountersAndSettings) {
    const CliRun r = Cli(Data() + " info");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Seasons          3\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("LastYear         1952\n"), std::string::npos);
    EXPECT_NE(r.out.find("Results          9\n"), std::string::npos);
    EXPECT_NE(r.out.find("StatsWindowSize  25\n"), std::string::npos);
}

TEST_F(CliCommands, CheckAndResave) {
    CliRun r = Cli(Data() + " check");
    EXPECT_EQ(r.status, 0) << r.out;
    const std::string before = testing::ReadFileBytes(dir_.file("f1data5.dat"));
    r = Cli(Data() + " resave");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(testing::ReadFileBytes(dir_.file("f1data5.dat")), before);
}

TEST_F(CliCommands, GrandPrixClassification) {
    CliRun r = Cli(Data() + " gp '13 May 1950'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Great Britain       Silverstone     13 May 1950"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Nino Farina"), std::string::npos);
    EXPECT_NE(r.out.find("2 hr 13:23.60"), std::string::npos);
    EXPECT_NE(r.out.find("+ 02.60"), std::string::npos);
    EXPECT_NE(r.out.find("lap 62"), std::string::npos);
    EXPECT_NE(r.out.find("Pushed over the line"), std::string::npos);
    EXPECT_NE(r.out.find("4  record(s) found."), std::string::npos);
    EXPECT_EQ(r.out.find("Grid"), std::string::npos); // no grid column before 2002

    // Without a command: the last GP of the last season.
    r = Cli(Data());
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("19 July 1952"), std::string::npos) << r.out;

    r = Cli(Data() + " gp '14 May 1950'");
    EXPECT_EQ(r.status, 1);
}

TEST_F(CliCommands, LoadFailuresPrintTheMessageAndExitTwo) {
    testing::TempDir empty;
    CliRun r = Cli("--data '" + empty.path() + "' info");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "Data file not found\n");

    std::string bytes = testing::ReadFileBytes(dir_.file("f1data5.dat"));
    bytes.resize(bytes.size() - 3);
    testing::WriteFileBytes(dir_.file("f1data5.dat"), bytes);
    r = Cli(Data() + " check");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "Corrupted data\n");

    bytes[7] = '9'; // requires program version 1.90
    testing::WriteFileBytes(dir_.file("f1data5.dat"), bytes);
    r = Cli(Data() + " gp '13 May 1950'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "This program is too old for this data file.\n");

    r = Cli("frobnicate");
    EXPECT_EQ(r.status, 64);
}

} // namespace
} // namespace qor
