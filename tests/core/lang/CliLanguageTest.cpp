// qor-cli's --lang option and strings command, run as the program itself.

#include "support/Fixtures.h"
#include "support/Process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>

namespace qor {
namespace {

struct RunResult {
    int status = -1;
    std::string out;
};

RunResult RunCli(const std::string& args) {
    const auto p = testing::RunProcess(std::string(QOR_BIN_DIR) + "/qor-cli " + args);
    return {p.status, p.out};
}

class CliLanguage : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(QOR_BIN_DIR) + "/qor-cli"))
            GTEST_SKIP() << "qor-cli is not built";
        std::filesystem::copy_file(std::string(QOR_SOURCE_DIR) + "/data/TR.dt", dir.file("TR.dt"));
        auto db = testing::MakeSmallDatabase();
        db->DataPath = dir.path();
        db->DataFileName = dir.file("f1data5.dat");
        db->NotesFileName = dir.file("f1notes5.dat");
        db->LanguageMode = 1;
        ASSERT_EQ(db->SaveDatabase(), 1);
    }
    std::string Args(const std::string& rest) { return "--data " + dir.path() + " " + rest; }
    testing::TempDir dir;
};

TEST_F(CliLanguage, StringsPrintsTheChosenLanguageInUtf8) {
    const auto tr = RunCli(Args("--lang TR strings"));
    EXPECT_EQ(tr.status, 0);
    EXPECT_NE(tr.out.find("\n102\t\xC4\xB0sim\n"), std::string::npos); // İsim
    EXPECT_NE(tr.out.find("\n161\tYar\xC4\xB1\xC5\x9Flar && Sonu\xC3\xA7lar\n"), std::string::npos);
    EXPECT_EQ(std::count(tr.out.begin(), tr.out.end(), '\n'), 222);

    const auto en = RunCli(Args("--lang en strings"));
    EXPECT_EQ(en.status, 0);
    EXPECT_EQ(en.out.rfind("1\tHistory\n2\tStatistics\n3\tNationality :\n4\tFirst GP    :\n", 0),
              0u);
    EXPECT_NE(en.out.find("\n53\t\n"), std::string::npos);

    // A named file is looked for in the data folder; a missing one gives English.
    testing::WriteFileBytes(dir.file("XX.DT"), "9 XX help_XX.txt\r\nUno\r\n");
    const auto other = RunCli(Args("--lang /elsewhere/XX.DT strings"));
    EXPECT_EQ(other.out.rfind("1\tUno\n2\tStatistics\n", 0), 0u);
    EXPECT_EQ(RunCli(Args("--lang NONE.DT strings")).out.rfind("1\tHistory\n", 0), 0u);
}

TEST_F(CliLanguage, DatesFollowTheLanguage) {
    const auto tr = RunCli(Args("--lang TR gp"));
    EXPECT_EQ(tr.status, 0);
    EXPECT_NE(tr.out.find("Temmuz 1952"), std::string::npos) << tr.out;
    const auto en = RunCli(Args("--lang EN gp"));
    EXPECT_NE(en.out.find("July 1952"), std::string::npos) << en.out;
    // Without the option the database's own setting (English here) holds.
    EXPECT_NE(RunCli(Args("gp")).out.find("July 1952"), std::string::npos);
    // A Turkish run whose language file is missing falls back to English dates too.
    std::filesystem::remove(dir.file("TR.dt"));
    EXPECT_NE(RunCli(Args("--lang TR gp")).out.find("July 1952"), std::string::npos);
}

} // namespace
} // namespace qor
