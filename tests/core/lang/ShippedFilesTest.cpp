// Help files split into sections, and the shipped language and help files: the Turkish table
// loads cleanly and matches the English one line for line, the help files have matching
// sections.

#include "lang/HelpText.h"
#include "lang/Langs.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qor {
namespace {

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
    EXPECT_TRUE(HelpText::Parse("just text\r\nmore\r\n").Sections.empty());
    EXPECT_TRUE(HelpText::Parse("").Lines.empty());
    // An empty title, a title without "]" (the whole rest), sections back to back.
    const auto edge = HelpText::Parse("***[]\r\n***[Open title\r\n***[X]");
    ASSERT_EQ(edge.Sections.size(), 3u);
    EXPECT_EQ(edge.Sections[0].Title, "");
    EXPECT_EQ(edge.Sections[0].Lines.size(), 1u);
    EXPECT_EQ(edge.Sections[1].Title, "Open title");
    EXPECT_EQ(edge.Sections[2].TitleLine, 2u);
    testing::TempDir dir; // a missing file has no lines
    EXPECT_TRUE(HelpText::Load(dir.path(), "missing.txt").Lines.empty());
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

class ShippedFiles : public ::testing::Test {
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
    EXPECT_EQ(std::make_pair(result.Mode, result.FileWrong),
              std::make_pair(std::uint8_t{LanguageTurkish}, false));
    EXPECT_EQ(turkish.HelpFileName, "help_TR.txt");
    EXPECT_EQ(turkish.Text(slot::Name), "\xDDsim"); // İsim
    const auto blanks = [](std::string_view s) {
        const auto first = s.find_first_not_of(' ');
        return first == s.npos ? std::pair{s.size(), s.size()}
                               : std::pair{first, s.size() - s.find_last_not_of(' ') - 1};
    };
    for (int s = 1; s <= StringSlotCount; ++s) {
        const std::string& tr = turkish.Text(s);
        const std::string_view en =
            s <= DefaultStringCount ? DefaultStrings[static_cast<std::size_t>(s)] : "";
        EXPECT_EQ(tr.empty(), en.empty()) << "slot " << s;
        // Captions rely on their blanks; "&&" shows one "&" in a menu.
        EXPECT_EQ(blanks(tr), blanks(en)) << "slot " << s;
        EXPECT_EQ(Count(tr, "&"), Count(en, "&")) << "slot " << s;
        EXPECT_EQ(Count(tr, "&&"), Count(en, "&&")) << "slot " << s;
        // Windows-1254 text, not UTF-8 that slipped through.
        EXPECT_EQ(Utf8ToCp1254(Cp1254ToUtf8(tr)), tr) << "slot " << s;
        EXPECT_EQ(tr.find_first_of("\xC3\xC5"), std::string::npos) << "slot " << s;
    }
}

TEST_F(ShippedFiles, TurkishColumnTitlesKeepTheirRolesApart) {
    // The grid tells column roles apart by exact titles, and finds driver and constructor
    // columns by the titles they contain: the translation must keep the English distinctions.
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
        for (const auto& line : help.Lines)
            EXPECT_EQ(Utf8ToCp1254(Cp1254ToUtf8(line)), line);
        const std::string section = ReferredSection(langs->MsgSeeReviewsHelp);
        EXPECT_NE(std::find(titles.begin(), titles.end(), section), titles.end())
            << Cp1254ToUtf8(section);
    }
}

} // namespace
} // namespace qor
