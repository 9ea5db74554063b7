// Parsing F1DB's time texts into time codes.

#include "TimeCodes.h"

#include <charconv>
#include <string>
#include <vector>

namespace qor::tools {
namespace {

std::optional<unsigned> Number(std::string_view s) {
    if (s.empty() || s.size() > 6) return std::nullopt;
    unsigned v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

// "ss.fff" or "ss": seconds and thousandths (one to three fraction digits).
bool SecondsPart(std::string_view s, unsigned& seconds, unsigned& thousandths) {
    const auto dot = s.find('.');
    const auto sec = Number(s.substr(0, dot));
    if (!sec) return false;
    seconds = *sec;
    thousandths = 0;
    if (dot == std::string_view::npos) return true;
    std::string digits(s.substr(dot + 1));
    if (digits.empty() || digits.size() > 3) return false;
    digits.append(3 - digits.size(), '0');
    const auto frac = Number(digits);
    if (!frac) return false;
    thousandths = *frac;
    return true;
}

std::vector<std::string_view> SplitColons(std::string_view s) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto colon = s.find(':', start);
        parts.push_back(s.substr(start, colon - start));
        if (colon == std::string_view::npos) return parts;
        start = colon + 1;
    }
}

} // namespace

std::uint32_t TimeCode(unsigned style, unsigned hours, unsigned minutes, unsigned seconds,
                       unsigned thousandths) {
    return (style << 29) | ((thousandths >> 8) << 27) | ((hours + 4u) << 24) | (minutes << 16) |
           (seconds << 8) | (thousandths & 0xFFu);
}

std::uint32_t CountCode(unsigned style, unsigned count) {
    // The precision flag is set as in every code the program's own parser makes.
    return (style << 29) | (((count >> 8) & 3u) << 27) | (4u << 24) | (count & 0xFFu);
}

std::optional<std::uint32_t> ClockTime(std::string_view text) {
    const auto parts = SplitColons(text);
    if (parts.size() > 3) return std::nullopt;
    unsigned hours = 0, minutes = 0, seconds = 0, thousandths = 0;
    if (!SecondsPart(parts.back(), seconds, thousandths)) return std::nullopt;
    if (parts.size() >= 2) {
        const auto m = Number(parts[parts.size() - 2]);
        if (!m) return std::nullopt;
        minutes = *m;
        if (seconds > 59) return std::nullopt;
    }
    if (parts.size() == 3) {
        const auto h = Number(parts[0]);
        if (!h || *h > 3 || minutes > 59) return std::nullopt;
        hours = *h;
    }
    if (minutes > 255 || seconds > 255) return std::nullopt;
    return TimeCode(StyleTime, hours, minutes, seconds, thousandths);
}

std::optional<std::uint32_t> GapTime(std::string_view text) {
    if (text.size() < 2 || text[0] != '+') return std::nullopt;
    std::string_view rest = text.substr(1);
    for (std::string_view unit : {std::string_view(" laps"), std::string_view(" lap")}) {
        if (rest.size() > unit.size() && rest.substr(rest.size() - unit.size()) == unit) {
            const auto laps = Number(rest.substr(0, rest.size() - unit.size()));
            if (!laps || *laps > 1023) return std::nullopt;
            return CountCode(StyleLaps, *laps);
        }
    }
    const auto parts = SplitColons(rest);
    unsigned seconds = 0, thousandths = 0;
    if (parts.size() > 2 || !SecondsPart(parts.back(), seconds, thousandths)) return std::nullopt;
    if (parts.size() == 1) {
        if (seconds > 255) return std::nullopt;
        return TimeCode(StyleSeconds, 0, 0, seconds, thousandths);
    }
    const auto minutes = Number(parts[0]);
    if (!minutes || *minutes > 255 || seconds > 59) return std::nullopt;
    return TimeCode(StyleMinutes, 0, *minutes, seconds, thousandths);
}

} // namespace qor::tools
