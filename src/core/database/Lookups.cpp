// Name lookups by text and the accessors from index to text.

#include "database/STheClass.h"
#include "text/Encoding.h"

namespace qor {
namespace {

template <std::size_t Cap, std::size_t N>
std::uint16_t FindExact(const std::array<ShortString<Cap>, N>& table, int count,
                        std::string_view text) {
    const int last = std::min<int>(count, static_cast<int>(N) - 1);
    for (int i = 1; i <= last; ++i)
        if (table[static_cast<std::size_t>(i)].view() == text) return static_cast<std::uint16_t>(i);
    return 0;
}

template <std::size_t Cap, std::size_t N>
std::string_view ViewAt(const std::array<ShortString<Cap>, N>& table, int count, int index) {
    if (index < 1 || index > count || index >= static_cast<int>(N)) return Unknown;
    return table[static_cast<std::size_t>(index)].view();
}

template <std::size_t Cap, std::size_t N>
std::string TextAt(const std::array<ShortString<Cap>, N>& table, int count, int index) {
    return std::string(ViewAt(table, count, index));
}

} // namespace

void The_Class::Debug(std::string_view message) const {
    if (DebugLines) DebugLines->push_back("Debug:" + std::string(message));
}

std::uint16_t The_Class::FindGP(std::string_view text) const {
    const auto i = FindExact(GPNames, GPNameCount, text);
    if (!i) Debug(Utf8ToCp1254("gp bulunamadı: ") + std::string(text));
    return i;
}

std::uint16_t The_Class::FindTrack(std::string_view text) const {
    const auto i = FindExact(TrackNames, TrackCount, text);
    if (!i) Debug(Utf8ToCp1254("pist bulunamadı: ") + std::string(text));
    return i;
}

std::uint16_t The_Class::FindDriver(std::string_view text) const {
    const auto i = FindExact(DriverNames, DriverCount, text);
    if (!i) Debug(Utf8ToCp1254("pilot bulunamadı: ") + std::string(text));
    return i;
}

std::uint16_t The_Class::FindDriverCI(std::string_view text) const {
    const std::string wanted = AsciiLowerCase(text);
    const int last = std::min<int>(DriverCount, MaxDrivers);
    for (int i = 1; i <= last; ++i)
        if (AsciiLowerCase(DriverNames[static_cast<std::size_t>(i)].view()) == wanted)
            return static_cast<std::uint16_t>(i);
    Debug(Utf8ToCp1254("pilot bulunamadı: ") + std::string(text));
    return 0;
}

std::uint16_t The_Class::FindTeam(std::string_view text) const {
    const auto i = FindExact(TeamNames, TeamCount, text);
    if (!i) Debug("team " + Utf8ToCp1254("bulunamadı: ") + std::string(text));
    return i;
}

std::uint16_t The_Class::FindReason(std::string_view text) const {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return EmptyReasonCode;
    const auto i = FindExact(Reasons, ReasonCount, trimmed);
    if (!i) Debug(Utf8ToCp1254("reason bulunamadı: ") + std::string(text));
    return i;
}

std::uint16_t The_Class::FindDriverNat(std::string_view text) const {
    const auto i = FindExact(Nationalities, NationalityCount, text);
    if (!i) Debug(Utf8ToCp1254("driver nat bulunamadı: ") + std::string(text));
    return i;
}

std::uint16_t The_Class::FindGPByDate(std::string_view dateText) const {
    const std::uint16_t date = ParseDate(dateText);
    if (date == 0) return 0;
    const int year = YearOfDate(date);
    if (!IsYearLoaded(year)) return 0;
    const TSeasonRow& s = Seasons[year];
    for (int g = s.FirstGP; g <= s.LastGP && g <= GPCount; ++g)
        if (GPs[static_cast<std::size_t>(g)].Date == date) return static_cast<std::uint16_t>(g);
    return 0;
}

std::uint16_t The_Class::GPOfResult(int result) const {
    if (result < 1 || result > ResultCount || LastYear < FirstYear) return 0;
    const int first = Seasons[FirstYear].FirstGP;
    const int last = std::min<int>(Seasons[LastYear].LastGP, GPCount);
    for (int g = std::max(first, 1); g <= last; ++g)
        if (GPs[static_cast<std::size_t>(g)].LastResult >= result)
            return static_cast<std::uint16_t>(g);
    return 0;
}

std::string_view The_Class::DriverNameView(int driver) const {
    return ViewAt(DriverNames, DriverCount, driver);
}
std::string_view The_Class::TeamNameView(int team) const {
    return ViewAt(TeamNames, TeamCount, team);
}
std::string_view The_Class::TrackNameView(int track) const {
    return ViewAt(TrackNames, TrackCount, track);
}
std::string The_Class::DriverName(int driver) const {
    return std::string(DriverNameView(driver));
}
std::string The_Class::TeamName(int team) const {
    return std::string(TeamNameView(team));
}
std::string The_Class::GPNameOf(int gpName) const {
    return TextAt(GPNames, GPNameCount, gpName);
}
std::string The_Class::TrackNameOf(int track) const {
    return std::string(TrackNameView(track));
}

// Result rows are not range-checked by the callers' contract, but a bad row must not read
// outside the table.
std::string_view The_Class::ResultDriverNameView(int result) const {
    if (result < 0 || result > MaxResults) return Unknown;
    return DriverNameView(Results[static_cast<std::size_t>(result)].Driver);
}

std::string_view The_Class::ResultTeamNameView(int result) const {
    if (result < 0 || result > MaxResults) return Unknown;
    return TeamNameView(Results[static_cast<std::size_t>(result)].Team);
}

std::string The_Class::ResultDriverName(int result) const {
    return std::string(ResultDriverNameView(result));
}

std::string The_Class::ResultTeamName(int result) const {
    return std::string(ResultTeamNameView(result));
}

std::string_view The_Class::DriverNatNameView(int driver) const {
    if (driver < 1 || driver > DriverCount) return Unknown;
    // Nationality 0 is "unknown", stored for a driver added without one: it reads as empty.
    const std::uint8_t nat = DriverNat[static_cast<std::size_t>(driver)];
    return nat == 0 ? std::string_view() : ViewAt(Nationalities, NationalityCount, nat);
}

std::string The_Class::DriverNatName(int driver) const {
    return std::string(DriverNatNameView(driver));
}

std::string The_Class::TeamCountryName(int team) const {
    if (team < 1 || team > TeamCount) return Unknown;
    const std::uint8_t country = TeamCountry[static_cast<std::size_t>(team)];
    return country == 0 ? std::string() : TextAt(Countries, CountryCount, country);
}

std::string The_Class::RemarkText(int remark) const {
    return LanguageMode != 0 ? TextAt(GPRemarksEn, RemarkCount, remark)
                             : TextAt(GPRemarksTr, RemarkCount, remark);
}

std::string_view The_Class::ReasonTextView(int code) const {
    if (code == 0) return {};
    if (code <= NoteCodeBase) return ViewAt(Reasons, ReasonCount, code);
    const int note = code - NoteCodeBase;
    if (note > NoteCount || static_cast<std::size_t>(note) >= Notes.size()) return Unknown;
    return Notes[static_cast<std::size_t>(note)].Text.view();
}

std::string The_Class::ReasonText(int code) const {
    return std::string(ReasonTextView(code));
}

std::string The_Class::NumText(std::uint8_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}

void The_Class::FillYears(std::vector<std::string>& list) const {
    list.clear();
    for (int y = LastYear; y >= FirstYear; --y)
        list.push_back(std::to_string(y));
}

void The_Class::FillTeamYears(std::vector<std::string>& list) const {
    list.clear();
    for (int y = LastYear; y >= 1958; --y)
        list.push_back(std::to_string(y));
}

} // namespace qor
