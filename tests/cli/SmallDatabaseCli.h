#pragma once
// qor-cli run on the small test database, saved in a fresh folder for each test.

#include "support/Fixtures.h"
#include "support/Process.h"

#include <gtest/gtest.h>

namespace qor::testing {

using CliOutput = ProcessResult;

inline bool Has(const CliOutput& r, const std::string& text) {
    return r.out.find(text) != std::string::npos;
}

class SmallDatabaseCli : public ::testing::Test {
  protected:
    void SetUp() override {
        auto db = MakeSmallDatabase();
        db->DataFileName = dir_.file("f1data5.dat");
        db->NotesFileName = dir_.file("f1notes5.dat");
        ASSERT_EQ(db->SaveDatabase(), 1);
    }

    // Runs qor-cli on the database with the (shell-quoted) arguments.
    CliOutput Cli(const std::string& args) {
        return RunProcess(std::string(QOR_CLI) + " --data '" + dir_.path() + "' " + args);
    }

    // The command fails with exit status 1, prints nothing and names the problem.
    void ExpectNotFound(const std::string& args, const std::string& message) {
        const CliOutput r = Cli(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err, message + "\n") << args;
    }

    TempDir dir_;
};

} // namespace qor::testing
