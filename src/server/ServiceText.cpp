#include "ServiceText.h"

#include <charconv>
#include <ctime>

namespace qor::server {

std::int64_t Now() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::string UtcMinute(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[24];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &tm);
    return text;
}

std::optional<std::int64_t> WholeNumber(std::string_view s) {
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return n;
}

} // namespace qor::server
