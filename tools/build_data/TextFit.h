#pragma once
// Source text (UTF-8) to database text (Windows-1254) that fits its field.

#include <cstddef>
#include <string>
#include <string_view>

namespace qor::tools {

// UTF-8 to Windows-1254; letters the code page cannot hold are transliterated ("ł" -> "l",
// "ř" -> "r", "ð" -> "d", "þ" -> "th", ...), other characters it cannot hold become '?'.
std::string ToCp1254(std::string_view utf8);

// A Windows-1254 name that fits `capacity` characters: the text itself when it fits,
// otherwise its listed readable short form ("United States of America" -> "USA").
// Throws BuildError naming `what` when neither fits: names are never cut blindly.
std::string FitName(std::string_view cp1254, std::size_t capacity, std::string_view what);

// Drops whole words from the end of `text` until it fits `capacity` (a single word that is
// too long is cut). Used for description texts, whose tail is the least telling part.
std::string FitByWords(std::string_view text, std::size_t capacity);

} // namespace qor::tools
