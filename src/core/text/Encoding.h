#pragma once
// Conversion between the database's Windows-1254 bytes and UTF-8, used only at the edges.

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// Windows-1254 bytes to UTF-8. Bytes the code page leaves undefined become U+FFFD.
std::string Cp1254ToUtf8(std::string_view cp1254);
// UTF-8 to Windows-1254. Characters the code page cannot hold (and malformed UTF-8) become '?'.
std::string Utf8ToCp1254(std::string_view utf8);

// ASCII-only case changes (Turkish letters are left alone, as the lookups require).
char AsciiLower(char c);
char AsciiUpper(char c);
std::string AsciiLowerCase(std::string_view s);
// Blanks (spaces) trimmed at both ends.
std::string_view TrimBlanks(std::string_view s);
// Decimal number of a whole (blank-trimmed) text, or the fallback when it is not a number.
long ParseDecimal(std::string_view s, long fallback);
// The same without a fallback: nothing when the trimmed text is not a whole decimal number.
std::optional<long> ParseNumber(std::string_view s);

} // namespace qor
