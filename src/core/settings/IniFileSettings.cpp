#include "settings/IniFileSettings.h"

#include "database/AtomicFile.h"
#include "text/TextLines.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace qor {
namespace {

constexpr std::string_view kHeading = "[Qor]";

std::string Escape(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char n = text[++i];
            out += n == 'r' ? '\r' : n == 'n' ? '\n' : n;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The name of a "name=value" line, or empty for any other line.
std::string_view NameOfLine(std::string_view line) {
    if (line.empty() || line.front() == '[' || line.front() == ';' || line.front() == '#')
        return {};
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(0, eq);
}

bool ValidName(std::string_view name) {
    if (name.empty() || name.front() == '[' || name.front() == ';' || name.front() == '#')
        return false;
    for (char c : name)
        if (c == '=' || c == ' ' || c == '\r' || c == '\n') return false;
    return true;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::vector<std::uint8_t> bytes;
    if (path.empty() || !FileExists(path) || !ReadWholeFile(path, bytes)) return false;
    lines = SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return true;
}

} // namespace

std::string IniFileSettings::DefaultPath() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::string(xdg) + "/Qor/qor.ini";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/Qor/qor.ini";
    return {};
}

std::optional<std::string> IniFileSettings::Read(std::string_view name) const {
    std::vector<std::string> lines;
    if (!ValidName(name) || !ReadLines(path_, lines)) return std::nullopt;
    for (const auto& line : lines)
        if (NameOfLine(line) == name)
            return Unescape(std::string_view(line).substr(name.size() + 1));
    return std::nullopt;
}

bool IniFileSettings::Write(std::string_view name, std::string_view value) {
    if (!ValidName(name) || path_.empty()) return false;
    std::vector<std::string> lines;
    if (!ReadLines(path_, lines)) {
        if (FileExists(path_)) return false; // there but unreadable: do not overwrite it
        lines.assign(1, std::string(kHeading));
    }
    const std::string newLine = std::string(name) + "=" + Escape(value);
    bool replaced = false;
    for (auto& line : lines) {
        if (NameOfLine(line) == name) {
            line = newLine;
            replaced = true;
            break;
        }
    }
    if (!replaced) lines.push_back(newLine);

    std::error_code ec;
    const auto folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (ec) return false;
    std::vector<std::uint8_t> image;
    for (const auto& line : lines) {
        image.insert(image.end(), line.begin(), line.end());
        image.push_back('\n');
    }
    return AtomicFile::Replace(path_, image);
}

} // namespace qor
