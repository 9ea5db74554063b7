// Splitting of the usage-help file into sections.

#include "lang/HelpText.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

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
}

TEST(HelpText, LoadReadsTheBytesFromTheFolder) {
    testing::TempDir dir;
    testing::WriteFileBytes(dir.file("help_XX.txt"), "***[One]\r\n\xFE\xFD text\r\n");
    const auto help = HelpText::Load(dir.path(), "help_XX.txt");
    ASSERT_EQ(help.Sections.size(), 1u);
    EXPECT_EQ(help.Sections[0].Lines[1], "\xFE\xFD text");
    EXPECT_TRUE(HelpText::Load(dir.path(), "missing.txt").Lines.empty());
    EXPECT_TRUE(HelpText::Load(dir.path(), "").Lines.empty());
}

} // namespace
} // namespace qor
