// The settings stores: reading never creates anything, writing creates what it needs.

#include "settings/IniFileSettings.h"
#include "support/Fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(MemorySettings, ReadsWhatWasWrittenAndOnlyWholeNumbers) {
    MemorySettings s;
    EXPECT_FALSE(s.Read(setting::LanguageFile));
    EXPECT_TRUE(s.Write(setting::LanguageFile, "DE.DT"));
    EXPECT_TRUE(s.Write(setting::LanguageFile, "FR.DT"));
    EXPECT_TRUE(s.Write(setting::WebHost, "")); // an empty value is still a value
    EXPECT_FALSE(s.Write("", "x"));
    EXPECT_EQ(s.Read(setting::LanguageFile), "FR.DT");
    EXPECT_EQ(s.Read(setting::WebHost), "");
    EXPECT_EQ(s.Size(), 2u);
    EXPECT_TRUE(s.WriteNumber(setting::Access, 0.1 + 0.2));
    EXPECT_EQ(s.ReadNumber(setting::Access), 0.1 + 0.2);
    for (const char* bad : {"", "12x", " 5", "nan", "inf"}) {
        s.Write(setting::Access, bad);
        EXPECT_FALSE(s.ReadNumber(setting::Access)) << bad;
    }
}

TEST(IniFileSettings, ReadingCreatesNothingWritingKeepsOtherLines) {
    TempDir dir;
    const std::string path = dir.path() + "cfg/Qor/qor.ini";
    IniFileSettings s(path);
    EXPECT_FALSE(s.Read(setting::LanguageFile));
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "cfg"));
    EXPECT_TRUE(s.Write(setting::LanguageFile, "DE.DT"));
    EXPECT_EQ(ReadFileBytes(path), "[Qor]\nlanguage_file=DE.DT\n");

    WriteFileBytes(path, "[Qor]\r\n; a comment\r\naccess=39000\r\nweb_host=old.example\r\n");
    EXPECT_EQ(s.ReadNumber(setting::Access), 39000.0);
    EXPECT_TRUE(s.Write(setting::WebHost, "qor.example.org"));
    EXPECT_TRUE(s.Write(setting::LanguageFile, "a=b \\ c\r\nd"));
    EXPECT_EQ(ReadFileBytes(path), "[Qor]\n; a comment\naccess=39000\nweb_host=qor.example.org\n"
                                   "language_file=a=b \\\\ c\\r\\nd\n");
    EXPECT_EQ(IniFileSettings(path).Read(setting::LanguageFile), "a=b \\ c\r\nd");
    // Comments are no values, and a name must be a plain word.
    EXPECT_FALSE(s.Read("; a comment"));
    for (const char* bad : {"bad name", "x=y", ""})
        EXPECT_FALSE(s.Write(bad, "x")) << bad;
}

TEST(IniFileSettings, FailuresAndTheDefaultPath) {
    TempDir dir;
    WriteFileBytes(dir.file("blocker"), "x"); // the folder the file should go in is a file
    EXPECT_FALSE(IniFileSettings(dir.path() + "blocker/qor.ini").Write(setting::WebHost, "x"));
    EXPECT_FALSE(IniFileSettings("").Write(setting::WebHost, "x"));
    const std::string savedXdg =
        std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(IniFileSettings::DefaultPath(), "/tmp/xdg/Qor/qor.ini");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(IniFileSettings::DefaultPath(), "/home/someone/.config/Qor/qor.ini");
    ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    ::setenv("HOME", savedHome.c_str(), 1);
}

} // namespace
} // namespace qor
