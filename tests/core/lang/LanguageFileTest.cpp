// Loading of the string table from language files and the fall-backs to English.

#include "lang/Langs.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qor {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

// A language file: the header, then `count` lines "<prefix> <slot>", CR LF line ends.
std::string MakeFile(const std::string& header, int count, const std::string& prefix = "T") {
    std::string text = header + "\r\n";
    for (int s = 1; s <= count; ++s)
        text += prefix + " " + std::to_string(s) + "\r\n";
    return text;
}

std::string Slot(const std::string& prefix, int s) {
    return prefix + " " + std::to_string(s);
}

class LanguageFileTest : public ::testing::Test {
  protected:
    LanguageLoadResult Load(std::uint8_t mode) {
        return langs.ApplyLanguage(mode, dir.path(), settings);
    }
    void WriteTR(const std::string& bytes) { WriteFileBytes(dir.file("TR.dt"), bytes); }
    void ExpectEnglish(int from = 1, int to = DefaultStringCount) {
        for (int s = from; s <= to; ++s)
            ASSERT_EQ(langs.Text(s), DefaultStrings[static_cast<std::size_t>(s)]) << "slot " << s;
    }

    TempDir dir;
    MemorySettings settings;
    Langs langs;
};

TEST_F(LanguageFileTest, TenLinesChangeOnlySlotsOneToTen) {
    WriteTR(MakeFile("Turkce TR help_TR.txt", 10));
    const auto r = Load(LanguageTurkish);
    EXPECT_EQ(r.Mode, LanguageTurkish);
    EXPECT_FALSE(r.FileWrong);
    for (int s = 1; s <= 10; ++s)
        EXPECT_EQ(langs.Text(s), Slot("T", s));
    // A new table starts with the English texts: a short file leaves them beyond its reach.
    ExpectEnglish(11, DefaultStringCount);
    for (int s = DefaultStringCount + 1; s <= StringSlotCount; ++s)
        EXPECT_EQ(langs.Text(s), "") << s;

    // After English, a short file leaves the English texts beyond its reach.
    EXPECT_EQ(Load(LanguageEnglish).Mode, LanguageEnglish);
    Load(LanguageTurkish);
    for (int s = 1; s <= 10; ++s)
        EXPECT_EQ(langs.Text(s), Slot("T", s));
    ExpectEnglish(11, DefaultStringCount);
    EXPECT_EQ(langs.Text(223), "");
}

TEST_F(LanguageFileTest, ThreeHundredLinesAcceptedThreeHundredOneRefused) {
    WriteTR(MakeFile("Turkce TR help_TR.txt", 299));
    auto r = Load(LanguageTurkish);
    EXPECT_FALSE(r.FileWrong);
    EXPECT_EQ(r.Mode, LanguageTurkish);
    EXPECT_EQ(langs.Text(1), Slot("T", 1));
    EXPECT_EQ(langs.Text(299), Slot("T", 299));
    EXPECT_EQ(langs.Text(300), ""); // there is no slot 300

    WriteTR(MakeFile("Turkce TR help_TR.txt", 300, "U"));
    r = Load(LanguageTurkish);
    EXPECT_TRUE(r.FileWrong);
    EXPECT_EQ(r.Mode, LanguageEnglish);
    EXPECT_EQ(langs.LanguageMode, LanguageEnglish);
    ExpectEnglish();
    // A refused file writes no slot: those without a default keep the earlier file's text.
    EXPECT_EQ(langs.Text(250), Slot("T", 250));
    EXPECT_EQ(langs.LanguageCode, "EN");
    EXPECT_EQ(langs.LanguageId, "1");
    EXPECT_EQ(langs.HelpFileName, "help_EN.txt");
}

TEST_F(LanguageFileTest, EnglishAfterAFileRestoresEveryDefault) {
    WriteTR(MakeFile("Turkce TR help_TR.txt", 260, "X"));
    Load(LanguageTurkish);
    ASSERT_EQ(langs.Text(4), Slot("X", 4));
    ASSERT_EQ(langs.MsgCommunicationCompleted, Slot("X", 213));

    const auto r = Load(LanguageEnglish);
    EXPECT_EQ(r.Mode, LanguageEnglish);
    EXPECT_FALSE(r.FileWrong);
    ExpectEnglish();
    EXPECT_EQ(langs.Text(53), "");
    EXPECT_EQ(langs.Text(230), Slot("X", 230)); // no default to restore
    EXPECT_EQ(langs.MsgCommunicationCompleted, "Comunication completed");
    EXPECT_EQ(langs.MsgServerNotAvailable, "Server is not available. Please try later.");
    EXPECT_EQ(langs.LanguageFileName, "");
}

TEST_F(LanguageFileTest, HeaderGivesIdCodeAndHelpFile) {
    WriteTR(MakeFile("Turkce TR help_TR.txt", 3));
    Load(LanguageTurkish);
    EXPECT_EQ(langs.LanguageId, "Turkce");
    EXPECT_EQ(langs.LanguageCode, "8482"); // 'T' 84, 'R' 82
    EXPECT_EQ(langs.HelpFileName, "help_TR.txt");
    EXPECT_EQ(langs.LanguageFileName, "TR.dt");

    Load(LanguageEnglish);
    EXPECT_EQ(langs.LanguageId, "1");
    EXPECT_EQ(langs.LanguageCode, "EN");
    EXPECT_EQ(langs.HelpFileName, "help_EN.txt");

    // Bytes above 127 count unsigned; the help file name ends at the next blank.
    WriteTR(MakeFile("7 \xDC"
                     "A yardim.txt and more",
                     1));
    Load(LanguageTurkish);
    EXPECT_EQ(langs.LanguageId, "7");
    EXPECT_EQ(langs.LanguageCode, "22065");
    EXPECT_EQ(langs.HelpFileName, "yardim.txt");

    // Two blanks and nothing after: no help file named, English help.
    WriteTR(MakeFile("Turkce TR ", 2));
    const auto r = Load(LanguageTurkish);
    EXPECT_FALSE(r.FileWrong);
    EXPECT_EQ(r.Mode, LanguageTurkish);
    EXPECT_EQ(langs.HelpFileName, "help_EN.txt");
    EXPECT_EQ(langs.LanguageCode, "8482");
}

TEST_F(LanguageFileTest, MalformedHeadersAreRefused) {
    for (const std::string header : {"Turkce TR", "TurkceTR", " TR help_TR.txt", "", "Turkce  x"}) {
        WriteTR(MakeFile(header, 5, "Y"));
        const auto r = Load(LanguageTurkish);
        EXPECT_TRUE(r.FileWrong) << "header '" << header << "'";
        EXPECT_EQ(r.Mode, LanguageEnglish);
        EXPECT_EQ(langs.Text(1), "History");
        EXPECT_EQ(langs.LanguageCode, "EN");
        EXPECT_EQ(langs.HelpFileName, "help_EN.txt");
    }
}

TEST_F(LanguageFileTest, MissingFilesFallBackToEnglishSilently) {
    // No TR.dt at all.
    auto r = Load(LanguageTurkish);
    EXPECT_EQ(r.Mode, LanguageEnglish);
    EXPECT_FALSE(r.FileWrong);
    ExpectEnglish();

    // An empty file, and a folder in the file's place.
    WriteTR("");
    r = Load(LanguageTurkish);
    EXPECT_EQ(r.Mode, LanguageEnglish);
    EXPECT_FALSE(r.FileWrong);
    std::filesystem::remove(dir.file("TR.dt"));
    std::filesystem::create_directory(dir.file("TR.dt"));
    r = Load(LanguageTurkish);
    EXPECT_EQ(r.Mode, LanguageEnglish);
    EXPECT_FALSE(r.FileWrong);

    // Other file: no setting, then a setting naming a file that is not there.
    r = Load(LanguageOtherFile);
    EXPECT_EQ(r.Mode, LanguageEnglish);
    EXPECT_FALSE(r.FileWrong);
    EXPECT_EQ(settings.Size(), 0u); // reading created nothing
    settings.Write(setting::LanguageFile, "DE.DT");
    r = Load(LanguageOtherFile);
    EXPECT_EQ(r.Mode, LanguageEnglish);
    EXPECT_FALSE(r.FileWrong);
    ExpectEnglish();

    // A mode the program does not know speaks English.
    r = Load(7);
    EXPECT_EQ(r.Mode, LanguageEnglish);
    EXPECT_FALSE(r.FileWrong);
}

TEST_F(LanguageFileTest, OtherFileIsNamedBySettingAndReadFromProgramFolder) {
    WriteFileBytes(dir.file("DE.DT"), MakeFile("Deutsch DE hilfe.txt", 4, "D"));
    settings.Write(setting::LanguageFile, "DE.DT");
    // The folder may be given without its final '/'.
    std::string folder = dir.path();
    folder.pop_back();
    const auto r = langs.ApplyLanguage(LanguageOtherFile, folder, settings);
    EXPECT_EQ(r.Mode, LanguageOtherFile);
    EXPECT_FALSE(r.FileWrong);
    EXPECT_EQ(langs.LanguageFileName, "DE.DT");
    EXPECT_EQ(langs.LanguageCode, "6869");
    EXPECT_EQ(langs.HelpFileName, "hilfe.txt");
    EXPECT_EQ(langs.Text(4), Slot("D", 4));

    // Only the name of the setting counts: a folder in it never leads out of the program
    // folder.
    settings.Write(setting::LanguageFile, "/somewhere/else/DE.DT");
    EXPECT_EQ(langs.ApplyLanguage(LanguageOtherFile, folder, settings).Mode, LanguageOtherFile);
    EXPECT_EQ(langs.LanguageFileName, "DE.DT");
    std::filesystem::create_directory(dir.file("sub"));
    WriteFileBytes(dir.file("sub/FR.DT"), MakeFile("Francais FR aide.txt", 4, "F"));
    settings.Write(setting::LanguageFile, "sub/FR.DT");
    EXPECT_EQ(langs.ApplyLanguage(LanguageOtherFile, folder, settings).Mode, LanguageEnglish);
}

TEST_F(LanguageFileTest, LinesAreTakenUnchangedWhateverTheirEnds) {
    // CR LF, a lone LF and a lone CR all end lines; blanks at both ends stay; an empty line
    // empties its slot; the last line needs no line end.
    WriteTR("Turkce TR help_TR.txt\r\nIlk GP    :\n  iki  \r\r\nson");
    Load(LanguageTurkish);
    EXPECT_EQ(langs.Text(1), "Ilk GP    :");
    EXPECT_EQ(langs.Text(2), "  iki  ");
    EXPECT_EQ(langs.Text(3), "");
    EXPECT_EQ(langs.Text(4), "son");
    EXPECT_EQ(langs.Text(5), DefaultStrings[5]); // beyond the file: untouched
}

TEST_F(LanguageFileTest, ColumnTitlesCarryOneLeadingBlank) {
    Load(LanguageEnglish);
    EXPECT_EQ(langs.Title(slot::Name), " Name");
    EXPECT_EQ(langs.Title(slot::Year), " Year");
    EXPECT_EQ(langs.Title(slot::Grid), "Grid");
    EXPECT_EQ(langs.Title(slot::ChampionDriver), "Champion Driver");
    EXPECT_EQ(langs.Text(slot::Name), "Name"); // the slot itself stays as written

    std::string file = MakeFile("Turkce TR help_TR.txt", 150, "Z");
    WriteTR(file);
    Load(LanguageTurkish);
    for (int s = slot::TitlesFirst; s <= slot::TitlesLast; ++s) {
        const bool blank = s >= slot::ColumnTitlesFirst && s <= slot::ColumnTitlesLast;
        EXPECT_EQ(langs.Title(s), (blank ? " " : "") + Slot("Z", s)) << s;
    }
    EXPECT_EQ(langs.Title(5), Slot("Z", 5)); // outside the titles: the plain text
}

TEST_F(LanguageFileTest, NamedMessagesFollowTheirSlots) {
    const auto messages = langs.Messages();
    ASSERT_EQ(messages.size(), 36u);
    for (const auto& [s, text] : messages) {
        EXPECT_TRUE((s >= 184 && s <= 199) || (s >= 202 && s <= 222)) << s;
        EXPECT_NE(s, 216);
    }
    WriteTR(MakeFile("Turkce TR help_TR.txt", 222, "M"));
    Load(LanguageTurkish);
    for (const auto& [s, text] : langs.Messages())
        EXPECT_EQ(*text, Slot("M", s));
    EXPECT_EQ(langs.MsgFirstSelectRace, Slot("M", 184));
    EXPECT_EQ(langs.MsgQueryingUpdates, Slot("M", 199));
    EXPECT_EQ(langs.MsgWriteOrRateFirst, Slot("M", 202));
    EXPECT_EQ(langs.MsgPasswordRepeatWrong, Slot("M", 215));
    EXPECT_EQ(langs.MsgWaiting, Slot("M", 217));
    EXPECT_EQ(langs.MsgComparingDrivers, Slot("M", 222));
}

TEST_F(LanguageFileTest, ImageLoadMatchesFileLoad) {
    const std::string bytes = MakeFile("Turkce TR help_TR.txt", 12, "I");
    Langs fromImage;
    const auto r = fromImage.ApplyLanguageFile(LanguageTurkish, "TR.dt", &bytes);
    WriteTR(bytes);
    Load(LanguageTurkish);
    EXPECT_EQ(r.Mode, LanguageTurkish);
    EXPECT_EQ(fromImage.StringTable(), langs.StringTable());
    EXPECT_EQ(fromImage.LanguageCode, langs.LanguageCode);
    // No bytes: as if the file were missing.
    EXPECT_EQ(fromImage.ApplyLanguageFile(LanguageTurkish, "TR.dt", nullptr).Mode, LanguageEnglish);
}

TEST(ChosenLanguageFileName, KeepsTheNameOnly) {
    EXPECT_EQ(ChosenLanguageFileName("  /home/user/Qor/DE.DT \r\n"), "DE.DT");
    EXPECT_EQ(ChosenLanguageFileName("C:\\Program Files\\Qor\\FR.DT"), "FR.DT");
    EXPECT_EQ(ChosenLanguageFileName("IT.DT"), "IT.DT");
    EXPECT_EQ(ChosenLanguageFileName(" \t "), "");
    EXPECT_EQ(ChosenLanguageFileName("/home/user/"), "");
}

TEST(DefaultStrings, OnlySlotFiftyThreeIsEmpty) {
    for (int s = 1; s <= DefaultStringCount; ++s)
        EXPECT_EQ(DefaultStrings[static_cast<std::size_t>(s)].empty(), s == 53) << s;
    EXPECT_TRUE(DefaultStrings[0].empty());
}

TEST(DefaultStrings, EveryCaptionedControlHasItsOwnTextedSlot) {
    std::vector<std::string_view> seen;
    for (const auto& [control, s] : MainWindowCaptions) {
        EXPECT_GE(s, 60) << control;
        EXPECT_LE(s, 216) << control;
        EXPECT_FALSE(DefaultStrings[static_cast<std::size_t>(s)].empty()) << control;
        for (auto other : seen)
            EXPECT_NE(other, control) << "two slots for one control";
        seen.push_back(control);
    }
    // The language menu itself is among them.
    auto slotOf = [](std::string_view control) {
        for (const auto& c : MainWindowCaptions)
            if (c.Control == control) return c.Slot;
        return 0;
    };
    EXPECT_EQ(slotOf("TR1"), 174);
    EXPECT_EQ(slotOf("EN1"), 175);
    EXPECT_EQ(slotOf("Other1"), slot::ExtraLanguageMenu);
    EXPECT_EQ(slotOf("Neleryapabilirim1"), 172);
}

} // namespace
} // namespace qor
