#include "dialogs/FindName.h"

#include "text/Encoding.h"

#include <algorithm>

namespace qor {
namespace {

std::string AsciiUpperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = AsciiUpper(c);
    return out;
}

// Pos() of the search: an empty text is found nowhere.
bool Holds(std::string_view upperName, const std::string& query) {
    return !query.empty() && upperName.find(query) != std::string_view::npos;
}

// Alphabetical without ASCII case, as the sorted list box orders its lines.
bool LineBefore(const std::string& a, const std::string& b) {
    const std::string la = AsciiLowerCase(a), lb = AsciiLowerCase(b);
    return la != lb ? la < lb : a < b;
}

} // namespace

std::vector<std::string> FindNameList(const The_Class& db, std::string_view text) {
    const std::string query = AsciiUpperCase(text);
    // One slot per alternative name; a slot is cleared once its driver's own line took it.
    std::vector<std::uint16_t> slots;
    slots.reserve(db.OtherNames.size());
    for (const TOtherName& o : db.OtherNames)
        slots.push_back(o.Driver);

    std::vector<std::string> lines;
    for (int d = db.DriverCount; d >= 1; --d) {
        const std::string name = db.DriverName(d);
        if (!Holds(AsciiUpperCase(name), query)) continue;
        const std::uint16_t key = db.FindDriver(name);
        const auto slot = key == 0 ? slots.end() : std::find(slots.begin(), slots.end(), key);
        if (slot == slots.end()) {
            lines.push_back(name);
            continue;
        }
        const auto i = static_cast<std::size_t>(slot - slots.begin());
        lines.push_back(name + std::string(FindNameMarker) + db.OtherNames[i].Name);
        *slot = 0;
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i] == 0 || !Holds(AsciiUpperCase(db.OtherNames[i].Name), query)) continue;
        lines.push_back(db.DriverName(slots[i]) + std::string(FindNameMarker) +
                        db.OtherNames[i].Name);
    }
    std::stable_sort(lines.begin(), lines.end(), LineBefore);
    return lines;
}

std::string FindNameOfLine(const The_Class& db, std::string_view line) {
    const std::size_t p = line.find(FindNameMarker);
    if (p == std::string_view::npos) return std::string(line);
    if (p > 0) return std::string(line.substr(0, p));
    const std::string_view other = line.substr(FindNameMarker.size());
    for (const TOtherName& o : db.OtherNames)
        if (o.Name == other) return db.DriverName(o.Driver);
    return {};
}

} // namespace qor
