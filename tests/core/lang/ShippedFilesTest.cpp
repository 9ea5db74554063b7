// The shipped language and help files: the Turkish table loads cleanly and matches the English
// one line for line, and the help files split into their sections.

#include "lang/HelpText.h"
#include "lang/Langs.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qor {
namespace {

const std::string kDataDir = std::string(QOR_SOURCE_DIR) + "/data/";

std::size_t LeadingBlanks(std::string_view s) {
    return s.find_first_not_of(' ') == s.npos ? s.size() : s.find_first_not_of(' ');
}
std::size_t TrailingBlanks(std::string_view s) {
    const auto last = s.find_last_not_of(' ');
    return last == s.npos ? s.size() : s.size() - last - 1;
}
std::size_t Count(std::string_view s, std::string_view what) {
    std::size_t n = 0;
    for (auto p = s.find(what); p != s.npos; p = s.find(what, p + what.size()))
        ++n;
    return n;
}

class ShippedTurkish : public ::testing::Test {
  protected:
    void SetUp() override {
        english.ApplyLanguage(LanguageEnglish, kDataDir, settings);
        result = turkish.ApplyLanguage(LanguageTurkish, kDataDir, settings);
    }
    MemorySettings settings;
    Langs english, turkish;
    LanguageLoadResult result;
};

TEST_F(ShippedTurkish, LoadsWithoutFallBack) {
    EXPECT_EQ(result.Mode, LanguageTurkish);
    EXPECT_FALSE(result.FileWrong);
    EXPECT_EQ(turkish.LanguageCode, "8482");
    EXPECT_FALSE(turkish.LanguageId.empty());
    EXPECT_EQ(turkish.HelpFileName, "help_TR.txt");
    EXPECT_EQ(turkish.LanguageFileName, "TR.dt");
}

TEST_F(ShippedTurkish, EverySlotIsTranslatedInTheEnglishShape) {
    for (int s = 1; s <= DefaultStringCount; ++s) {
        const std::string& tr = turkish.Text(s);
        const std::string_view en = DefaultStrings[static_cast<std::size_t>(s)];
        EXPECT_EQ(tr.empty(), s == 53) << "slot " << s;
        // Captions rely on their blanks; "&&" shows one "&" in a menu.
        EXPECT_EQ(LeadingBlanks(tr), LeadingBlanks(en)) << "slot " << s;
        EXPECT_EQ(TrailingBlanks(tr), TrailingBlanks(en)) << "slot " << s;
        EXPECT_EQ(Count(tr, "&&"), Count(en, "&&")) << "slot " << s;
        EXPECT_EQ(Count(tr, "&"), Count(en, "&")) << "slot " << s;
        // Windows-1254 text, not UTF-8 that slipped through.
        EXPECT_EQ(Utf8ToCp1254(Cp1254ToUtf8(tr)), tr) << "slot " << s;
        EXPECT_EQ(tr.find("\xC3"), std::string::npos) << "slot " << s;
        EXPECT_EQ(tr.find("\xC5"), std::string::npos) << "slot " << s;
    }
    for (int s = DefaultStringCount + 1; s <= StringSlotCount; ++s)
        EXPECT_EQ(turkish.Text(s), "");
    EXPECT_NE(turkish.Text(slot::Name), english.Text(slot::Name));
    EXPECT_EQ(turkish.Text(slot::Name), "\xDDsim"); // İsim
}

TEST_F(ShippedTurkish, ColumnTitlesKeepTheirRolesApart) {
    for (int s = slot::ColumnTitlesFirst; s <= slot::ColumnTitlesLast; ++s) {
        const std::string& t = turkish.Title(s);
        ASSERT_GE(t.size(), 2u) << s;
        EXPECT_EQ(t[0], ' ') << s;
        EXPECT_NE(t[1], ' ') << s;
    }
    // The grid tells column roles apart by exact titles, and finds driver and constructor
    // columns by the titles they contain: the translation must keep the English distinctions.
    for (int a = slot::TitlesFirst; a <= slot::Car; ++a) {
        for (int b = slot::TitlesFirst; b <= slot::Car; ++b) {
            if (a == b) continue;
            const bool enSame = english.Title(a) == english.Title(b);
            EXPECT_EQ(turkish.Title(a) == turkish.Title(b), enSame) << a << " / " << b;
        }
        for (int b : {slot::Driver, slot::ChampionDriver, slot::Constructors, slot::ChampionTeam}) {
            const bool enContains = english.Title(a).find(english.Title(b)) != std::string::npos;
            const bool trContains = turkish.Title(a).find(turkish.Title(b)) != std::string::npos;
            EXPECT_EQ(trContains, enContains) << a << " contains " << b;
        }
    }
}

// The section a message sends the reader to: the second quoted text of slot 204.
std::string ReferredSection(const std::string& message) {
    std::vector<std::string> quoted;
    for (auto open = message.find('"'); open != message.npos;) {
        const auto close = message.find('"', open + 1);
        if (close == message.npos) break;
        quoted.push_back(message.substr(open + 1, close - open - 1));
        open = message.find('"', close + 1);
    }
    return quoted.size() == 2 ? quoted[1] : std::string();
}

std::vector<std::string> Titles(const HelpText& help) {
    std::vector<std::string> titles;
    for (const auto& s : help.Sections)
        titles.push_back(s.Title);
    return titles;
}

TEST(ShippedHelp, EnglishSections) {
    const auto help = HelpText::Load(kDataDir, "help_EN.txt");
    const std::vector<std::string> expected = {"Welcome to Qor",
                                               "Seasons and Grands Prix",
                                               "Back, next and history",
                                               "Championship panel",
                                               "Record lists (right click)",
                                               "Driver analysis",
                                               "Compare list and team-mates",
                                               "Top lists",
                                               "Track statistics",
                                               "Filtering a table",
                                               "HTML export and second table",
                                               "Editing the last season",
                                               "Importing an older database",
                                               "Appearance",
                                               "Languages",
                                               "Online features",
                                               "Reviews And Messages",
                                               "F1 Guess Game",
                                               "Find name"};
    EXPECT_EQ(Titles(help), expected);
    for (const auto& s : help.Sections)
        EXPECT_GE(s.Lines.size(), 5u) << s.Title;
    // Nothing stands before the first section: the window would never show it.
    ASSERT_FALSE(help.Sections.empty());
    EXPECT_EQ(help.Sections.front().TitleLine, 0u);

    const std::string section = ReferredSection(std::string(DefaultStrings[204]));
    EXPECT_NE(std::find(expected.begin(), expected.end(), section), expected.end()) << section;
}

TEST(ShippedHelp, TurkishSectionsMatchTheEnglishOnes) {
    const auto en = HelpText::Load(kDataDir, "help_EN.txt");
    const auto tr = HelpText::Load(kDataDir, "help_TR.txt");
    ASSERT_EQ(tr.Sections.size(), en.Sections.size());
    EXPECT_EQ(tr.Sections.front().TitleLine, 0u);
    const auto titles = Titles(tr);
    EXPECT_EQ(titles[5], "Pilot analizi");
    EXPECT_EQ(titles[18], "\xDDsim bulma"); // İsim bulma, in Windows-1254
    for (const auto& s : tr.Sections)
        EXPECT_GE(s.Lines.size(), 5u) << Cp1254ToUtf8(s.Title);
    for (const auto& line : tr.Lines)
        EXPECT_EQ(Utf8ToCp1254(Cp1254ToUtf8(line)), line);

    // The Turkish message about reviews names a section of the Turkish help.
    MemorySettings settings;
    Langs turkish;
    turkish.ApplyLanguage(LanguageTurkish, kDataDir, settings);
    const std::string section = ReferredSection(turkish.MsgSeeReviewsHelp);
    EXPECT_FALSE(section.empty());
    EXPECT_NE(std::find(titles.begin(), titles.end(), section), titles.end())
        << Cp1254ToUtf8(section);
    // And the help file it names is shipped.
    EXPECT_FALSE(HelpText::Load(kDataDir, turkish.HelpFileName).Sections.empty());
}

} // namespace
} // namespace qor
