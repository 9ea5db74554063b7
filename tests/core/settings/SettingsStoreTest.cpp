// The settings stores: reading never creates anything, writing creates what it needs.

#include "settings/IniFileSettings.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qor {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(MemorySettings, ReadsWhatWasWritten) {
    MemorySettings s;
    EXPECT_FALSE(s.Read(setting::LanguageFile));
    EXPECT_EQ(s.Size(), 0u);
    EXPECT_TRUE(s.Write(setting::LanguageFile, "DE.DT"));
    EXPECT_TRUE(s.Write(setting::LanguageFile, "FR.DT"));
    EXPECT_EQ(s.Read(setting::LanguageFile), "FR.DT");
    EXPECT_TRUE(s.Write(setting::WebHost, ""));
    EXPECT_EQ(s.Read(setting::WebHost), ""); // an empty value is still a value
    EXPECT_FALSE(s.Write("", "x"));
    EXPECT_EQ(s.Size(), 2u);
}

TEST(MemorySettings, NumbersRoundTrip) {
    MemorySettings s;
    EXPECT_FALSE(s.ReadNumber(setting::Access));
    EXPECT_TRUE(s.WriteNumber(setting::Access, 39000.0));
    EXPECT_EQ(s.ReadNumber(setting::Access), 39000.0);
    EXPECT_TRUE(s.WriteNumber(setting::Access, 0.1 + 0.2));
    EXPECT_EQ(s.ReadNumber(setting::Access), 0.1 + 0.2);
    for (const char* bad : {"", "12x", "abc", " 5", "nan", "inf"}) {
        s.Write(setting::Access, bad);
        EXPECT_FALSE(s.ReadNumber(setting::Access)) << bad;
    }
}

TEST(IniFileSettings, ReadingAMissingFileCreatesNothing) {
    TempDir dir;
    const std::string path = dir.path() + "cfg/Qor/qor.ini";
    IniFileSettings s(path);
    EXPECT_FALSE(s.Read(setting::LanguageFile));
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "cfg"));

    EXPECT_TRUE(s.Write(setting::LanguageFile, "DE.DT"));
    EXPECT_EQ(ReadFileBytes(path), "[Qor]\nlanguage_file=DE.DT\n");
    EXPECT_EQ(IniFileSettings(path).Read(setting::LanguageFile), "DE.DT");
}

TEST(IniFileSettings, WritingKeepsOtherLinesAndReplacesTheValue) {
    TempDir dir;
    const std::string path = dir.file("qor.ini");
    WriteFileBytes(path, "[Qor]\r\n; a comment\r\naccess=39000\r\nweb_host=old.example\r\n");
    IniFileSettings s(path);
    EXPECT_EQ(s.ReadNumber(setting::Access), 39000.0);
    EXPECT_TRUE(s.Write(setting::WebHost, "qor.example.org"));
    EXPECT_TRUE(s.Write(setting::LanguageFile, "a=b \\ c\r\nd"));
    EXPECT_EQ(ReadFileBytes(path), "[Qor]\n; a comment\naccess=39000\nweb_host=qor.example.org\n"
                                   "language_file=a=b \\\\ c\\r\\nd\n");
    EXPECT_EQ(s.Read(setting::LanguageFile), "a=b \\ c\r\nd");
    EXPECT_EQ(s.Read(setting::WebHost), "qor.example.org");
    // Comments and headings are no values, and a name must be a plain word.
    EXPECT_FALSE(s.Read("; a comment"));
    EXPECT_FALSE(s.Write("bad name", "x"));
    EXPECT_FALSE(s.Write("x=y", "x"));
    EXPECT_FALSE(s.Write("", "x"));
}

TEST(IniFileSettings, AFileThatCannotBeWrittenReportsFailure) {
    TempDir dir;
    // The folder the file should go in is a file.
    WriteFileBytes(dir.file("blocker"), "x");
    IniFileSettings s(dir.path() + "blocker/qor.ini");
    EXPECT_FALSE(s.Write(setting::LanguageFile, "DE.DT"));
    EXPECT_FALSE(IniFileSettings("").Write(setting::LanguageFile, "DE.DT"));
    EXPECT_FALSE(IniFileSettings("").Read(setting::LanguageFile));
}

TEST(IniFileSettings, DefaultPathFollowsTheEnvironment) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = oldXdg ? oldXdg : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(IniFileSettings::DefaultPath(), "/tmp/xdg/Qor/qor.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    if (const char* home = std::getenv("HOME"); home && *home) {
        EXPECT_EQ(IniFileSettings::DefaultPath(), std::string(home) + "/.config/Qor/qor.ini");
    }
    if (oldXdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
}

} // namespace
} // namespace qor
