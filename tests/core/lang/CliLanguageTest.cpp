// qor-cli's --lang option and strings command, run as the program itself.

#include "support/Fixtures.h"
#include "support/Process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace qor {
namespace {

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
        db->LanguageMode = 1; // English
        ASSERT_EQ(db->SaveDatabase(), 1);
    }
    std::string Run(const std::string& args) {
        const auto p = testing::RunProcess(std::string(QOR_BIN_DIR) + "/qor-cli --data " +
                                           dir.path() + " " + args);
        EXPECT_EQ(p.status, 0) << args;
        return p.out;
    }
    testing::TempDir dir;
};

TEST_F(CliLanguage, StringsPrintTheChosenLanguageInUtf8) {
    const std::string tr = Run("--lang TR strings");
    EXPECT_NE(tr.find("\n102\t\xC4\xB0sim\n"), std::string::npos); // İsim
    EXPECT_EQ(std::count(tr.begin(), tr.end(), '\n'), 222);
    const std::string en = Run("--lang en strings");
    EXPECT_EQ(en.rfind("1\tHistory\n2\tStatistics\n", 0), 0u);
    EXPECT_NE(en.find("\n53\t\n"), std::string::npos);
    // A named file is looked for in the data folder; a missing one gives English.
    testing::WriteFileBytes(dir.file("XX.DT"), "9 XX help_XX.txt\r\nUno\r\n");
    EXPECT_EQ(Run("--lang /elsewhere/XX.DT strings").rfind("1\tUno\n2\tStatistics\n", 0), 0u);
    EXPECT_EQ(Run("--lang NONE.DT strings").rfind("1\tHistory\n", 0), 0u);
}

TEST_F(CliLanguage, DatesFollowTheLanguage) {
    EXPECT_NE(Run("--lang TR gp").find("Temmuz 1952"), std::string::npos);
    EXPECT_NE(Run("--lang EN gp").find("July 1952"), std::string::npos);
    EXPECT_NE(Run("gp").find("July 1952"), std::string::npos); // the database's own setting
    // A Turkish run whose language file is missing falls back to English dates too.
    std::filesystem::remove(dir.file("TR.dt"));
    EXPECT_NE(Run("--lang TR gp").find("July 1952"), std::string::npos);
}

} // namespace
} // namespace qor
