// qor-cli's --lang option, run as the program itself: the strings command and dates.

#include "support/Fixtures.h"
#include "support/Process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace qor {
namespace {

TEST(CliLanguage, StringsAndDatesFollowTheChosenLanguage) {
    const std::string cli = std::string(QOR_BIN_DIR) + "/qor-cli";
    if (!std::filesystem::exists(cli)) GTEST_SKIP() << "qor-cli is not built";
    testing::TempDir dir;
    std::filesystem::copy_file(std::string(QOR_SOURCE_DIR) + "/data/TR.dt", dir.file("TR.dt"));
    auto db = testing::MakeSmallDatabase();
    db->DataPath = dir.path();
    db->DataFileName = dir.file("f1data5.dat");
    db->NotesFileName = dir.file("f1notes5.dat");
    db->LanguageMode = 1; // English
    ASSERT_EQ(db->SaveDatabase(), 1);
    const auto run = [&](const std::string& args) {
        const auto p = testing::RunProcess(cli + " --data " + dir.path() + " " + args);
        EXPECT_EQ(p.status, 0) << args;
        return p.out;
    };
    const std::string tr = run("--lang TR strings");
    EXPECT_NE(tr.find("\n102\t\xC4\xB0sim\n"), std::string::npos); // İsim, in UTF-8
    EXPECT_EQ(std::count(tr.begin(), tr.end(), '\n'), 222);
    EXPECT_EQ(run("--lang en strings").rfind("1\tHistory\n2\tStatistics\n", 0), 0u);
    // A named file is looked for in the data folder only.
    testing::WriteFileBytes(dir.file("XX.DT"), "9 XX help_XX.txt\r\nUno\r\n");
    EXPECT_EQ(run("--lang /elsewhere/XX.DT strings").rfind("1\tUno\n2\tStatistics\n", 0), 0u);
    EXPECT_NE(run("--lang TR gp").find("Temmuz 1952"), std::string::npos);
    EXPECT_NE(run("gp").find("July 1952"), std::string::npos); // the database's own setting
}

} // namespace
} // namespace qor
