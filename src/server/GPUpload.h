#pragma once
// The check of a shared GP as it arrives: the content text and its drivers, read with the
// program's own line rules and refused with a message unless every field is sound.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qor::server {

// A GP that passed every check, with its content rewritten in the layout the program reads.
struct GPUpload {
    int Date = 0; // packed: (year - 1950) << 9 | month << 5 | day
    std::string Name, Track;
    std::string Content; // the GP line and the result lines, trimmed, CR LF after each
    std::vector<std::pair<std::string, std::string>> Drivers; // name, nationality
};

// Longest names (drivers, teams, tracks, GPs, nationalities) and notes, in characters.
inline constexpr std::size_t PoolNameMax = 30, PoolNotesMax = 60;
// Most result lines of one GP (the Indianapolis 500 of the fifties has 55), and of one driver
// (cars were shared in the early years: three lines of one driver in one GP are on record).
inline constexpr std::size_t PoolResultsMax = 60, PoolDriverLinesMax = 3;
// Longest content: the program keeps 4000 characters after the start marker of a reply,
// and the end marker must fit in them too.
inline constexpr std::size_t PoolContentMax = 3990;

// A packed date of 1950..2010 that names a real day; nothing else is a GP date.
bool ValidPackedDate(int date);
// Reads an upload; on refusal the result is empty and error says what is wrong.
bool ReadGPUpload(std::string_view content, std::string_view drivers, GPUpload& upload,
                  std::string& error);

} // namespace qor::server
