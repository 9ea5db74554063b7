#include "settings/SettingsStore.h"

#include <array>
#include <charconv>
#include <cmath>

namespace qor {

std::optional<double> SettingsStore::ReadNumber(std::string_view name) const {
    const auto text = Read(name);
    if (!text || text->empty()) return std::nullopt;
    double value = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool SettingsStore::WriteNumber(std::string_view name, double value) {
    // Shortest text that reads back as the same double.
    std::array<char, 64> buf{};
    const auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    if (ec != std::errc()) return false;
    return Write(name, std::string_view(buf.data(), static_cast<std::size_t>(ptr - buf.data())));
}

std::optional<std::string> MemorySettings::Read(std::string_view name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

bool MemorySettings::Write(std::string_view name, std::string_view value) {
    if (name.empty()) return false;
    values_.insert_or_assign(std::string(name), std::string(value));
    return true;
}

} // namespace qor
