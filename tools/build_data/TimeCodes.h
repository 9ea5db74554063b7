#pragma once
// The database's 32-bit time codes, built from F1DB's time and gap texts.

#include <cstdint>
#include <optional>
#include <string_view>

namespace qor::tools {

// Style numbers of the time code.
inline constexpr unsigned StyleTime = 1;    // race or lap time
inline constexpr unsigned StyleSeconds = 2; // gap "+ ss.fff"
inline constexpr unsigned StyleMinutes = 3; // gap "+ mm:ss.fff"
inline constexpr unsigned StyleLaps = 4;    // gap "+ n laps"
inline constexpr unsigned StyleLap = 5;     // "lap n": laps completed without a position

// A time code with the fraction in thousandths (precision flag set).
std::uint32_t TimeCode(unsigned style, unsigned hours, unsigned minutes, unsigned seconds,
                       unsigned thousandths);
// A code of style 4 or 5 carrying a count (0..1023), with the precision flag set.
std::uint32_t CountCode(unsigned style, unsigned count);

// "2:13:23.600", "42:53.700", "1:50.800" or "58.790" as a style-1 code; nullopt when the
// text is not such a time or does not fit the code (more than 3 hours).
std::optional<std::uint32_t> ClockTime(std::string_view text);

// A gap to the winner: "+12.345" (style 2), "+1:08.581" (style 3), "+2 laps" or "+1 lap"
// (style 4); nullopt for anything else.
std::optional<std::uint32_t> GapTime(std::string_view text);

} // namespace qor::tools
