#pragma once
// The clock and the plain field readings every area of the service shares.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qor::server {

// Seconds since the epoch.
std::int64_t Now();
// "YYYY-MM-DD HH:MM" in UTC.
std::string UtcMinute(std::int64_t seconds);
// A field holding digits only (an optional minus), nothing around them; nothing otherwise.
std::optional<std::int64_t> WholeNumber(std::string_view s);

} // namespace qor::server
