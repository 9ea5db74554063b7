#include "online/DriverUpdates.h"
#include "text/Encoding.h"

#include "database/STheClass.h"
#include "text/TextLines.h"

namespace qor::online {

namespace {
// Blanks and control characters at either end go.
char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

} // namespace

namespace {
// "<mark>" left "*" right, both sides trimmed and non-empty.
bool SplitMarked(std::string_view line, char mark, std::string_view& left,
                 std::string_view& right) {
    line = TrimBlanks(line);
    if (line.size() < 2 || line[0] != mark) return false;
    const auto star = line.find('*');
    if (star == std::string_view::npos) return false;
    left = TrimBlanks(line.substr(1, star - 1));
    right = TrimBlanks(line.substr(star + 1));
    return !left.empty() && !right.empty();
}
} // namespace

bool ParseDriverLine(std::string_view line, DriverUpdateFile::Driver& driver) {
    std::string_view name, nationality;
    if (!SplitMarked(line, '#', name, nationality)) return false;
    driver = {CapitaliseDriverName(name), std::string(nationality)};
    return true;
}

DriverUpdateFile ParseDriverUpdates(std::string_view text) {
    DriverUpdateFile file;
    const auto lines = SplitLines(text);
    if (lines.size() < 2 || TrimBlanks(lines[0]) != "*****") return file;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        DriverUpdateFile::Driver driver;
        std::string_view host, path;
        if (ParseDriverLine(lines[i], driver))
            file.Drivers.push_back(std::move(driver));
        else if (SplitMarked(lines[i], '%', host, path))
            file.Notifications.push_back({std::string(host), std::string(path)});
    }
    return file;
}

std::string CapitaliseDriverName(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (!out.empty()) out[0] = Upper(out[0]);
    if (const auto blank = out.find(' '); blank != std::string::npos && blank + 1 < out.size())
        out[blank + 1] = Upper(out[blank + 1]);
    return out;
}

std::string AddNewDrivers(The_Class& db, const std::vector<DriverUpdateFile::Driver>& drivers,
                          std::string_view label, std::string_view gap) {
    std::string list;
    for (const auto& d : drivers) {
        // The capitalising rule turns "Pedro de la Rosa" into "Pedro De la rosa": a driver
        // the database knows in any case is never added a second time.
        if (db.FindDriver(d.Name) != 0 || db.FindDriverCI(d.Name) != 0) continue;
        // Adding a nationality capitalises it ("xyz" is kept as "Xyz"), so the driver is
        // added with the text the table holds; otherwise the exact lookup would refuse him.
        std::uint16_t nat = db.FindDriverNat(d.Nationality);
        if (nat == 0) nat = db.AddDriverNat(d.Nationality);
        for (int i = 1; nat == 0 && i <= db.NationalityCount; ++i)
            if (EqualIgnoringCase(db.Nationalities[i].view(), d.Nationality))
                nat = static_cast<std::uint16_t>(i);
        if (nat == 0) continue;
        if (db.AddDriver(d.Name, db.Nationalities[nat].view()) == 0) continue;
        list.append("\r").append(label).append(d.Name).append(gap).append(d.Nationality);
    }
    return list;
}

} // namespace qor::online
