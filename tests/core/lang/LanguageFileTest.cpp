// Language files and their fall-backs to English, help-file sections, the shipped language and
// help files; the settings stores that name the language file (reading never creates anything,
// writing creates what it needs).

#include "lang/HelpText.h"
#include "lang/Langs.h"
#include "settings/IniFileSettings.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/MainWindowRows.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace qor {
namespace {

using testing::LanguageFile;

std::string Slot(const std::string& prefix, int s) {
    return prefix + " " + std::to_string(s);
}

class LanguageFileTest : public ::testing::Test { // language files in a fresh folder
  protected:
    LanguageLoadResult Load(std::uint8_t mode) {
        return langs.ApplyLanguage(mode, dir.path(), settings);
    }
    LanguageLoadResult LoadTR(const std::string& bytes) {
        testing::WriteFileBytes(dir.file("TR.dt"), bytes);
        return Load(LanguageTurkish);
    }
    void ExpectEnglish(int from = 1) {
        for (int s = from; s <= DefaultStringCount; ++s)
            ASSERT_EQ(langs.Text(s), DefaultStrings[static_cast<std::size_t>(s)]) << "slot " << s;
        if (from > 1) return;
        EXPECT_EQ(langs.LanguageCode, "EN");
        EXPECT_EQ(langs.HelpFileName, "help_EN.txt");
    }
    static std::pair<std::uint8_t, bool> R(const LanguageLoadResult& r) {
        return {r.Mode, r.FileWrong};
    }

    testing::TempDir dir;
    MemorySettings settings;
    Langs langs;
    const std::pair<std::uint8_t, bool> turkish{LanguageTurkish, false},
        english{LanguageEnglish, false}, refused{LanguageEnglish, true};
};

TEST_F(LanguageFileTest, AFileChangesTheSlotsItReachesAndEnglishRestoresThem) {
    EXPECT_EQ(R(LoadTR(LanguageFile(10))), turkish);
    // A new table starts with the English texts: a short file leaves them beyond its reach.
    for (int s = DefaultStringCount + 1; s <= StringSlotCount; ++s)
        EXPECT_EQ(langs.Text(s), "") << s;
    ExpectEnglish(11);

    EXPECT_EQ(R(LoadTR(LanguageFile(260, {}, "X"))), turkish);
    EXPECT_EQ(R(Load(LanguageEnglish)), english);
    ExpectEnglish();
    EXPECT_EQ(langs.Text(230), Slot("X", 230)); // no default to restore
}

TEST_F(LanguageFileTest, ThreeHundredLinesAcceptedThreeHundredOneRefused) {
    EXPECT_EQ(R(LoadTR(LanguageFile(299))), turkish);
    EXPECT_EQ(R(LoadTR(LanguageFile(300, {}, "U"))), refused);
    ExpectEnglish();
    EXPECT_EQ(langs.Text(250), Slot("T", 250)); // a refused file writes no slot
}

TEST_F(LanguageFileTest, HeaderGivesIdCodeAndHelpFile) {
    struct Case {
        std::string header, id, code, help;
    } const good[] = {
        {"Turkce TR help_TR.txt", "Turkce", "8482", "help_TR.txt"}, // 'T' 84, 'R' 82
        {"7 \xDC"
         "A yardim.txt and more",
         "7", "22065", "yardim.txt"},                    // bytes count unsigned
        {"Turkce TR ", "Turkce", "8482", "help_EN.txt"}, // no help file named
    };
    for (const Case& c : good) {
        EXPECT_EQ(R(LoadTR(LanguageFile(2, {}, "T", c.header))), turkish) << c.header;
        EXPECT_EQ(std::tie(langs.LanguageId, langs.LanguageCode, langs.HelpFileName),
                  std::tie(c.id, c.code, c.help));
    }
    for (const std::string header : {"Turkce TR", "TurkceTR", " TR help_TR.txt", "", "Turkce  x"}) {
        EXPECT_EQ(R(LoadTR(LanguageFile(5, {}, "Y", header))), refused) << "'" << header << "'";
        ExpectEnglish();
    }
}

TEST_F(LanguageFileTest, OtherFileIsNamedBySettingAndReadFromTheProgramFolderOnly) {
    EXPECT_EQ(R(Load(LanguageTurkish)), english);   // no TR.dt: English, silently
    EXPECT_EQ(R(Load(LanguageOtherFile)), english); // no file named
    settings.Write(setting::LanguageFile, "DE.DT");
    EXPECT_EQ(R(Load(LanguageOtherFile)), english); // named but not there
    ExpectEnglish();
    testing::WriteFileBytes(dir.file("DE.DT"), LanguageFile(4, {}, "D", "Deutsch DE hilfe.txt"));
    std::string folder = dir.path();
    folder.pop_back(); // the folder may come without its final '/'
    for (const char* setting : {"DE.DT", "/somewhere/else/DE.DT"}) {
        settings.Write(setting::LanguageFile, setting);
        EXPECT_EQ(langs.ApplyLanguage(LanguageOtherFile, folder, settings).Mode, LanguageOtherFile);
        EXPECT_EQ(langs.Text(4), Slot("D", 4));
    }
    std::filesystem::create_directory(dir.file("sub"));
    testing::WriteFileBytes(dir.file("sub/FR.DT"),
                            LanguageFile(4, {}, "F", "Francais FR aide.txt"));
    settings.Write(setting::LanguageFile, "sub/FR.DT");
    EXPECT_EQ(langs.ApplyLanguage(LanguageOtherFile, folder, settings).Mode, LanguageEnglish);

    EXPECT_EQ(ChosenLanguageFileName("  C:\\Qor\\FR.DT \r\n"), "FR.DT");
}

TEST_F(LanguageFileTest, ColumnTitlesCarryOneLeadingBlankAndMessagesFollowTheirSlots) {
    EXPECT_EQ(langs.Title(slot::Name), " Name");
    LoadTR(LanguageFile(222, {}, "Z"));
    for (int s = slot::TitlesFirst; s <= slot::TitlesLast; ++s) {
        const bool blank = s >= slot::ColumnTitlesFirst && s <= slot::ColumnTitlesLast;
        EXPECT_EQ(langs.Title(s), (blank ? " " : "") + Slot("Z", s)) << s;
    }
    for (const auto& [s, text] : langs.Messages())
        EXPECT_EQ(*text, Slot("Z", s));
}

using Lines = std::vector<std::string>;

TEST(HelpText, SectionsRunToTheNextLineHoldingTheMarker) {
    const auto help = HelpText::Parse("Preface line\r\n"
                                      "***[Getting started] of Qor\r\nfirst\r\n\r\nsecond\r\n"
                                      "***[Menus]\n"
                                      "a line that mentions ***[ ends the section\nnot shown\n"
                                      " ***[Indented] opens no section\r"
                                      "***[Last]]\r\nend");
    ASSERT_EQ(help.Lines.size(), 11u);
    ASSERT_EQ(help.Sections.size(), 3u);
    const struct {
        std::string title;
        std::size_t line;
        Lines lines;
    } want[] = {
        {"Getting started", 1, {"***[Getting started] of Qor", "first", "", "second"}},
        {"Menus", 5, {"***[Menus]"}},
        {"Last", 9, {"***[Last]]", "end"}}, // the title ends at the first "]"
    };
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(help.Sections[i].Title, want[i].title);
        EXPECT_EQ(help.Sections[i].TitleLine, want[i].line) << want[i].title;
        EXPECT_EQ(help.Sections[i].Lines, want[i].lines) << want[i].title;
    }
    // An empty title, a title without "]" (the whole rest), sections back to back.
    const auto edge = HelpText::Parse("***[]\r\n***[Open title\r\n***[X]");
    EXPECT_TRUE(edge.Sections.size() == 3u && edge.Sections[0].Title.empty());
}

const std::string kDataDir = std::string(QOR_SOURCE_DIR) + "/data/";

std::size_t Count(std::string_view s, std::string_view what) {
    std::size_t n = 0;
    for (auto p = s.find(what); p != s.npos; p = s.find(what, p + what.size()))
        ++n;
    return n;
}

// The section a message sends the reader to: its second quoted text.
std::string ReferredSection(const std::string& m) {
    std::size_t q[4], from = 0;
    for (auto& at : q) {
        if ((at = m.find('"', from)) == m.npos) return {};
        from = at + 1;
    }
    return m.substr(q[2] + 1, q[3] - q[2] - 1);
}

class ShippedFiles : public ::testing::Test { // the shipped English and Turkish tables
  protected:
    void SetUp() override {
        english.ApplyLanguage(LanguageEnglish, kDataDir, settings);
        result = turkish.ApplyLanguage(LanguageTurkish, kDataDir, settings);
    }
    MemorySettings settings;
    Langs english, turkish;
    LanguageLoadResult result;
};

TEST_F(ShippedFiles, TurkishTranslatesEverySlotInTheEnglishShape) {
    EXPECT_TRUE(result.Mode == LanguageTurkish && !result.FileWrong);
    for (int s = 1; s <= StringSlotCount; ++s) {
        const std::string& tr = turkish.Text(s);
        const std::string_view en =
            s <= DefaultStringCount ? DefaultStrings[static_cast<std::size_t>(s)] : "";
        EXPECT_EQ(tr.empty(), en.empty()) << "slot " << s;
        // "&" marks a menu key and "&&" shows one "&": the counts must stay.
        EXPECT_EQ(Count(tr, "&"), Count(en, "&")) << "slot " << s;
        // Windows-1254 text, not UTF-8 that slipped through.
        EXPECT_EQ(tr.find_first_of("\xC3\xC5"), std::string::npos) << "slot " << s;
    }
}

TEST_F(ShippedFiles, TurkishColumnTitlesKeepTheirRolesApart) {
    // Roles go by exact titles and by contained driver/constructor titles: keep them apart.
    for (int a = slot::TitlesFirst; a <= slot::Car; ++a) {
        for (int b = slot::TitlesFirst; b <= slot::Car; ++b) {
            if (a == b) continue;
            EXPECT_EQ(turkish.Title(a) == turkish.Title(b), english.Title(a) == english.Title(b))
                << a << " / " << b;
        }
        for (int b : {slot::Driver, slot::ChampionDriver, slot::Constructors, slot::ChampionTeam})
            EXPECT_EQ(turkish.Title(a).find(turkish.Title(b)) != std::string::npos,
                      english.Title(a).find(english.Title(b)) != std::string::npos)
                << a << " contains " << b;
    }
}

TEST_F(ShippedFiles, HelpFilesHaveMatchingSectionsAndTheReviewsMessageNamesOne) {
    for (const Langs* langs : {&english, &turkish}) {
        const auto help = HelpText::Load(kDataDir, langs->HelpFileName);
        SCOPED_TRACE(langs->HelpFileName);
        ASSERT_EQ(help.Sections.size(), 19u);
        // Nothing stands before the first section: the window would never show it.
        EXPECT_EQ(help.Sections.front().TitleLine, 0u);
        std::vector<std::string> titles;
        for (const auto& s : help.Sections) {
            EXPECT_GE(s.Lines.size(), 5u) << Cp1254ToUtf8(s.Title);
            titles.push_back(s.Title);
        }
        const std::string section = ReferredSection(langs->MsgSeeReviewsHelp);
        EXPECT_NE(std::find(titles.begin(), titles.end(), section), titles.end())
            << Cp1254ToUtf8(section);
    }
}

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(MemorySettings, ReadsWhatWasWrittenAndOnlyWholeNumbers) {
    MemorySettings s;
    EXPECT_FALSE(s.Read(setting::LanguageFile));
    EXPECT_TRUE(s.Write(setting::LanguageFile, "DE.DT") && s.Write(setting::LanguageFile, "FR.DT"));
    EXPECT_TRUE(s.Write(setting::WebHost, "")); // an empty value is still a value
    EXPECT_FALSE(s.Write("", "x"));
    EXPECT_EQ(
        std::make_tuple(s.Read(setting::LanguageFile), s.Read(setting::WebHost), s.Size()),
        std::make_tuple(std::optional<std::string>("FR.DT"), std::optional<std::string>(""), 2u));
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
