// Loading of the string table from language files and the fall-backs to English.

#include "lang/Langs.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/MainWindowRows.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qor {
namespace {

using testing::LanguageFile;

std::string Slot(const std::string& prefix, int s) {
    return prefix + " " + std::to_string(s);
}

class LanguageFileTest : public ::testing::Test {
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
    EXPECT_EQ(langs.Text(10), Slot("T", 10));
    // A new table starts with the English texts: a short file leaves them beyond its reach.
    for (int s = DefaultStringCount + 1; s <= StringSlotCount; ++s)
        EXPECT_EQ(langs.Text(s), "") << s;
    ExpectEnglish(11);

    EXPECT_EQ(R(LoadTR(LanguageFile(260, {}, "X"))), turkish);
    ASSERT_EQ(langs.MsgCommunicationCompleted, Slot("X", 213));
    EXPECT_EQ(R(Load(LanguageEnglish)), english);
    ExpectEnglish();
    EXPECT_EQ(langs.Text(230), Slot("X", 230)); // no default to restore
    EXPECT_EQ(langs.MsgCommunicationCompleted, "Comunication completed");
    EXPECT_EQ(langs.LanguageFileName, "");
}

TEST_F(LanguageFileTest, ThreeHundredLinesAcceptedThreeHundredOneRefused) {
    EXPECT_EQ(R(LoadTR(LanguageFile(299))), turkish);
    EXPECT_EQ(langs.Text(299), Slot("T", 299));
    EXPECT_EQ(R(LoadTR(LanguageFile(300, {}, "U"))), refused);
    EXPECT_EQ(langs.LanguageMode, LanguageEnglish);
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
        EXPECT_EQ(langs.LanguageFileName, "TR.dt");
    }
    for (const std::string header : {"Turkce TR", "TurkceTR", " TR help_TR.txt", "", "Turkce  x"}) {
        EXPECT_EQ(R(LoadTR(LanguageFile(5, {}, "Y", header))), refused) << "'" << header << "'";
        ExpectEnglish();
    }
}

TEST_F(LanguageFileTest, MissingFilesAndUnknownModesFallBackToEnglishSilently) {
    EXPECT_EQ(R(Load(LanguageTurkish)), english); // no TR.dt
    EXPECT_EQ(R(LoadTR("")), english);
    EXPECT_EQ(R(Load(LanguageOtherFile)), english); // no file named
    EXPECT_EQ(settings.Size(), 0u);                 // reading created nothing
    settings.Write(setting::LanguageFile, "DE.DT");
    EXPECT_EQ(R(Load(LanguageOtherFile)), english); // named but not there
    EXPECT_EQ(R(Load(7)), english);
    ExpectEnglish();
}

TEST_F(LanguageFileTest, OtherFileIsNamedBySettingAndReadFromTheProgramFolderOnly) {
    testing::WriteFileBytes(dir.file("DE.DT"), LanguageFile(4, {}, "D", "Deutsch DE hilfe.txt"));
    std::string folder = dir.path();
    folder.pop_back(); // the folder may come without its final '/'
    for (const char* setting : {"DE.DT", "/somewhere/else/DE.DT"}) {
        settings.Write(setting::LanguageFile, setting);
        EXPECT_EQ(langs.ApplyLanguage(LanguageOtherFile, folder, settings).Mode, LanguageOtherFile);
        EXPECT_EQ(langs.LanguageFileName, "DE.DT");
        EXPECT_EQ(langs.Text(4), Slot("D", 4));
    }
    std::filesystem::create_directory(dir.file("sub"));
    testing::WriteFileBytes(dir.file("sub/FR.DT"),
                            LanguageFile(4, {}, "F", "Francais FR aide.txt"));
    settings.Write(setting::LanguageFile, "sub/FR.DT");
    EXPECT_EQ(langs.ApplyLanguage(LanguageOtherFile, folder, settings).Mode, LanguageEnglish);

    EXPECT_EQ(ChosenLanguageFileName("  C:\\Qor\\FR.DT \r\n"), "FR.DT");
    EXPECT_EQ(ChosenLanguageFileName("/home/user/"), "");
}

TEST_F(LanguageFileTest, LinesAreTakenUnchangedWhateverTheirEnds) {
    // CR LF, LF and CR all end lines; blanks stay; an empty line empties its slot; the last
    // line needs no line end.
    LoadTR("Turkce TR help_TR.txt\r\nIlk GP    :\n  iki  \r\r\nson");
    const std::vector<std::string> want = {"Ilk GP    :", "  iki  ", "", "son",
                                           std::string(DefaultStrings[5])};
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(langs.Text(s), want[static_cast<std::size_t>(s - 1)]) << s;
}

TEST_F(LanguageFileTest, ColumnTitlesCarryOneLeadingBlankAndMessagesFollowTheirSlots) {
    EXPECT_EQ(langs.Title(slot::Name), " Name");
    EXPECT_EQ(langs.Text(slot::Name), "Name"); // the slot itself stays as written
    EXPECT_EQ(langs.Title(slot::Grid), "Grid");
    LoadTR(LanguageFile(222, {}, "Z"));
    for (int s = slot::TitlesFirst; s <= slot::TitlesLast; ++s) {
        const bool blank = s >= slot::ColumnTitlesFirst && s <= slot::ColumnTitlesLast;
        EXPECT_EQ(langs.Title(s), (blank ? " " : "") + Slot("Z", s)) << s;
    }
    EXPECT_EQ(langs.Title(5), Slot("Z", 5)); // outside the titles: the plain text
    EXPECT_EQ(langs.Messages().size(), 36u);
    for (const auto& [s, text] : langs.Messages())
        EXPECT_EQ(*text, Slot("Z", s));
}

TEST(DefaultStrings, EverySlotButFiftyThreeHasAnEnglishText) {
    for (int s = 0; s <= DefaultStringCount; ++s)
        EXPECT_EQ(DefaultStrings[static_cast<std::size_t>(s)].empty(), s == 53 || s == 0) << s;
}

} // namespace
} // namespace qor
