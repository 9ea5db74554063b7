#pragma once
// Splitting of plain text files into lines, the way the program's text files are read.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The lines of a text. CR LF, a lone CR and a lone LF each end a line; text after the last
// line end is one more line when it is not empty (so "a\r\n" is one line and "" is none).
std::vector<std::string> SplitLines(std::string_view text);

} // namespace qor
