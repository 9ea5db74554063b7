// Splitting of the usage-help file into sections.

#include "lang/HelpText.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(HelpText, SectionsRunToTheNextLineHoldingTheMarker) {
    const auto help = HelpText::Parse("Preface line\r\n"
                                      "***[Getting started] of Qor\r\n"
                                      "first\r\n"
                                      "\r\n"
                                      "second\r\n"
                                      "***[Menus]\n"
                                      "a line that mentions ***[ ends the section\n"
                                      "not shown\n"
                                      " ***[Indented] opens no section\r"
                                      "***[Last]]\r\n"
                                      "end");
    ASSERT_EQ(help.Lines.size(), 11u);
    ASSERT_EQ(help.Sections.size(), 3u);

    const auto& s0 = help.Sections[0];
    EXPECT_EQ(s0.Title, "Getting started");
    EXPECT_EQ(s0.TitleLine, 1u);
    EXPECT_EQ(s0.Lines,
              (std::vector<std::string>{"***[Getting started] of Qor", "first", "", "second"}));

    const auto& s1 = help.Sections[1];
    EXPECT_EQ(s1.Title, "Menus");
    EXPECT_EQ(s1.TitleLine, 5u);
    EXPECT_EQ(s1.Lines, (std::vector<std::string>{"***[Menus]"}));

    // The title ends at the first "]"; the section runs to the end of the file.
    const auto& s2 = help.Sections[2];
    EXPECT_EQ(s2.Title, "Last");
    EXPECT_EQ(s2.TitleLine, 9u);
    EXPECT_EQ(s2.Lines, (std::vector<std::string>{"***[Last]]", "end"}));
}

TEST(HelpText, EdgeCases) {
    // No marker: no sections at all.
    EXPECT_TRUE(HelpText::Parse("just text\r\nmore\r\n").Sections.empty());
    EXPECT_TRUE(HelpText::Parse("").Lines.empty());

    // An empty title, a title line without "]" (its whole rest is the title), and two
    // sections back to back.
    const auto help = HelpText::Parse("***[]\r\n***[Open title\r\n***[X]");
    ASSERT_EQ(help.Sections.size(), 3u);
    EXPECT_EQ(help.Sections[0].Title, "");
    EXPECT_EQ(help.Sections[0].Lines.size(), 1u);
    EXPECT_EQ(help.Sections[1].Title, "Open title");
    EXPECT_EQ(help.Sections[2].Title, "X");
    EXPECT_EQ(help.Sections[2].TitleLine, 2u);
}

TEST(HelpText, LoadReadsFromTheFolder) {
    testing::TempDir dir;
    testing::WriteFileBytes(dir.file("help_XX.txt"), "***[One]\r\n\xFE\xFD text\r\n");
    const auto help = HelpText::Load(dir.path(), "help_XX.txt");
    ASSERT_EQ(help.Sections.size(), 1u);
    EXPECT_EQ(help.Sections[0].Lines[1], "\xFE\xFD text"); // bytes as they are
    EXPECT_TRUE(HelpText::Load(dir.path(), "missing.txt").Lines.empty());
    EXPECT_TRUE(HelpText::Load(dir.path(), "").Lines.empty());
}

} // namespace
} // namespace qor
