// Splitting text files into lines.

#include "text/TextLines.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EveryLineEndCountsOnce) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(SplitLines("\r\n"), Lines{""});
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    // LF CR is two line ends; CR CR LF is two as well.
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\r\nb\r\n\r\n"), (Lines{"a", "", "b", ""}));
    // Blanks and other bytes are kept.
    EXPECT_EQ(SplitLines("  x \t\r\n\xFD"), (Lines{"  x \t", "\xFD"}));
    EXPECT_EQ(SplitLines(std::string_view("p\0q\n", 4)), Lines{std::string("p\0q", 3)});
}

} // namespace
} // namespace qor
