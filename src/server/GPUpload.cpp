#include "GPUpload.h"

#include "database/STheClass.h"
#include "online/SharedGP.h"

#include <algorithm>
#include <charconv>
#include <chrono>

namespace qor::server {

namespace online = qor::online;

namespace {

// Characters, not bytes: UTF-8 continuation bytes do not count.
std::size_t Length(std::string_view s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

bool HasControl(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}

// A name may be empty only where allowed; "&", "=" and "%" would break the program's
// unencoded request that names a GP, so no name carries them.
bool ValidName(std::string_view s, bool required) {
    if (s.empty()) return !required;
    return Length(s) <= PoolNameMax && !HasControl(s) &&
           s.find_first_of("&=%") == std::string_view::npos;
}

bool ValidNumber(std::string_view s, int high) {
    int n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size() && n >= 0 && n <= high &&
           s[0] != '+';
}

// Empty, or a time the database reads (it reads nothing as 0).
bool ValidTime(std::string_view s) {
    return s.empty() || (s.size() <= 20 && !HasControl(s) && The_Class::ParseTime(s) != 0);
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string()
               : std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

std::string Key(std::string_view name) {
    std::string key(name);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

std::string Join(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& f : fields)
        line += f + "*";
    return line + "\r\n";
}

} // namespace

bool ValidPackedDate(int date) {
    if (date <= 0 || date > 0xFFFF) return false;
    const int year = The_Class::YearOfDate(static_cast<std::uint16_t>(date));
    const std::chrono::year_month_day ymd{std::chrono::year(year),
                                          std::chrono::month(static_cast<unsigned>(date >> 5 & 15)),
                                          std::chrono::day(static_cast<unsigned>(date & 31))};
    return year >= 1950 && year <= 2010 && ymd.ok();
}

bool ReadGPUpload(std::string_view content, std::string_view drivers, GPUpload& upload,
                  std::string& error) {
    upload = {};
    const std::vector<std::string> lines = online::ReplyLines(content);
    if (lines.empty()) return error = "The shared GP is empty.", false;
    if (lines.size() - 1 > PoolResultsMax)
        return error = "A GP has at most " + std::to_string(PoolResultsMax) + " results.", false;
    const std::vector<std::string> gp = online::LineFields(lines[0]);
    if (gp.size() != 8) return error = "The GP line must have 8 fields.", false;
    int date = 0;
    const auto [end, ec] = std::from_chars(gp[0].data(), gp[0].data() + gp[0].size(), date);
    if (ec != std::errc() || end != gp[0].data() + gp[0].size() || !ValidPackedDate(date))
        return error = "The GP date is not valid.", false;
    if (!ValidName(gp[1], true) || !ValidName(gp[2], true))
        return error = "The track and the GP name must be 1 to 30 characters.", false;
    if (!ValidName(gp[3], false) || !ValidName(gp[5], false))
        return error = "A fastest-lap or pole driver name is not valid.", false;
    if (!ValidTime(gp[4]) || !ValidTime(gp[6]))
        return error = "A fastest-lap or pole time is not valid.", false;
    if (!ValidNumber(gp[7], 255)) return error = "The number of laps is not valid.", false;
    if (lines.size() < 2) return error = "The GP has no results.", false;

    std::vector<std::string> named; // keys of the drivers the content names
    for (const std::string* d : {&gp[3], &gp[5]})
        if (!d->empty()) named.push_back(Key(*d));
    std::vector<std::string> resultDrivers;
    upload.Content = Join(gp);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> r = online::LineFields(lines[i]);
        const std::string where = "Result line " + std::to_string(i) + ": ";
        if (r.size() != 6) return error = where + "it must have 6 fields.", false;
        if (!ValidName(r[0], true) || !ValidName(r[1], true))
            return error = where + "the driver and team must be 1 to 30 characters.", false;
        if (!ValidNumber(r[2], 255) || !ValidNumber(r[4], 255))
            return error = where + "the position and grid must be numbers 0 to 255.", false;
        if (!ValidTime(r[3])) return error = where + "the time is not valid.", false;
        if (Length(r[5]) > PoolNotesMax || HasControl(r[5]))
            return error = where + "the notes are longer than 60 characters.", false;
        const std::string key = Key(r[0]), line = Join(r);
        if (upload.Content.find("\n" + line) != std::string::npos)
            return error = where + "the same result twice.", false;
        if (std::count(resultDrivers.begin(), resultDrivers.end(), key) ==
            static_cast<std::ptrdiff_t>(PoolDriverLinesMax))
            return error = where + r[0] + " has " + std::to_string(PoolDriverLinesMax) +
                           " results already.",
                   false;
        resultDrivers.push_back(key);
        named.push_back(key);
        upload.Content += line;
    }
    if (upload.Content.size() > PoolContentMax)
        return error = "The GP is too long to share.", false;

    // Each driver the GP names comes with his nationality, once, and no one else.
    std::vector<std::string> listed;
    for (const std::string& line : online::ReplyLines(drivers)) {
        const auto star = line.find('*');
        if (line[0] != '#' || star == std::string::npos)
            return error = "A driver line is not \"#name*nationality\".", false;
        std::string name = Trim(line.substr(1, star - 1)), nat = Trim(line.substr(star + 1));
        if (!ValidName(name, true) || !ValidName(nat, true) || nat.find('*') != std::string::npos)
            return error = "A driver line is not valid.", false;
        const std::string key = Key(name);
        if (std::find(named.begin(), named.end(), key) == named.end())
            return error = name + " is not in the GP.", false;
        if (std::find(listed.begin(), listed.end(), key) != listed.end())
            return error = name + " is listed twice.", false;
        listed.push_back(key);
        upload.Drivers.emplace_back(std::move(name), std::move(nat));
    }
    for (const std::string& key : named)
        if (std::find(listed.begin(), listed.end(), key) == listed.end())
            return error = "A driver of the GP has no nationality line.", false;
    upload.Date = date;
    upload.Track = gp[1];
    upload.Name = gp[2];
    return true;
}

} // namespace qor::server
