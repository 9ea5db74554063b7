#pragma once
// The program's licence and the credits for the shipped data: shown in the About box and kept
// beside the data files.

#include <string>
#include <string_view>

namespace qor {

// Where the results of 1950-2006 come from, under which licence, and what was done to them.
inline constexpr std::string_view DataAttribution =
    "Results data: F1DB, the open Formula 1 database (https://github.com/f1db/f1db), "
    "licensed under Creative Commons Attribution 4.0 International "
    "(CC BY 4.0, https://creativecommons.org/licenses/by/4.0/). "
    "The seasons 1950 to 2006 were converted from F1DB into Qor's own data format; "
    "names were shortened to fit and some circuits carry their common names.";

// Where the flag pictures come from.
inline constexpr std::string_view FlagAttribution =
    "Flag pictures: the famfamfam flag icons by Mark James (public domain), "
    "converted to bitmaps.";

// The program's own licence.
inline constexpr std::string_view ProgramLicence =
    "Qor is free software under the MIT License (the file LICENSE that comes with it).";

// The credit lines of the About box: the program's licence, the data source, the flags.
inline std::string AboutText() {
    return std::string(ProgramLicence) + "\n" + std::string(DataAttribution) + "\n" +
           std::string(FlagAttribution);
}

} // namespace qor
