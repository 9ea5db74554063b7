#pragma once
// The name search of the "Find Name" window (TForm3): drivers found by a part of their name or
// of one of their alternative spellings, and the name a chosen line hands to the driver box.

#include "database/STheClass.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Joins a driver's name and one of his alternative names in a list line.
inline constexpr std::string_view FindNameMarker = " [+] ";

// The lines the search button lists for a text (Windows-1254), sorted alphabetically. A driver
// whose name holds the text is listed once, with his first alternative name when he has one;
// his further alternative names, and those of drivers whose own name does not hold the text,
// get lines of their own when they hold it. Only ASCII letters are compared without case; an
// empty text finds nothing.
std::vector<std::string> FindNameList(const The_Class& db, std::string_view text);

// The driver name a double click on a line puts into the driver box: the text before the
// marker, the stored name of the driver of the alternative name when the line starts with the
// marker, or the whole line when it has none.
std::string FindNameOfLine(const The_Class& db, std::string_view line);

} // namespace qor
