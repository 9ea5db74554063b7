// Packed dates and the 32-bit time code: parsing and formatting.

#include "database/STheClass.h"
#include "text/Encoding.h"

namespace qor {
namespace {

struct MonthNames {
    std::array<std::string, 13> shortName;
    std::array<std::string, 13> fullName;
};

MonthNames MakeMonths(std::initializer_list<const char*> shorts,
                      std::initializer_list<const char*> fulls) {
    MonthNames m;
    std::size_t i = 1;
    for (const char* s : shorts)
        m.shortName[i++] = Utf8ToCp1254(s);
    i = 1;
    for (const char* s : fulls)
        m.fullName[i++] = Utf8ToCp1254(s);
    return m;
}

const MonthNames& EnglishMonths() {
    static const MonthNames m = MakeMonths(
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"});
    return m;
}

const MonthNames& TurkishMonths() {
    static const MonthNames m = MakeMonths(
        {"Oca", "Şub", "Mar", "Nis", "May", "Haz", "Tem", "Ağu", "Eyl", "Eki", "Kas", "Ara"},
        {"Ocak", "Şubat", "Mart", "Nisan", "Mayıs", "Haziran", "Temmuz", "Ağustos", "Eylül", "Ekim",
         "Kasım", "Aralık"});
    return m;
}

ShortText FormatWith(std::uint16_t date, const std::array<std::string, 13>& names) {
    const unsigned day = date & 0x1Fu;
    const unsigned month = (date >> 5) & 0x0Fu;
    ShortText t;
    t.addTwoDigits(day);
    t.add(' ');
    t.add((month >= 1 && month <= 12) ? std::string_view(names[month]) : std::string_view("???"));
    t.add(' ');
    t.addNumber(static_cast<unsigned long>(The_Class::YearOfDate(date)));
    return t;
}

// Upper-cases a first letter, including the Turkish letters a month name can start with.
void UpperFirst(std::string& s) {
    if (s.empty()) return;
    const auto c = static_cast<unsigned char>(s[0]);
    if (c == 0xFE)
        s[0] = static_cast<char>(0xDE); // ş -> Ş
    else if (c == 0xE7)
        s[0] = static_cast<char>(0xC7); // ç -> Ç
    else
        s[0] = AsciiUpper(s[0]);
}

long NumberOr0(std::string_view s) {
    return ParseDecimal(s, 0);
}

// The fraction digits: trimmed, padded with zeros, first three read as thousandths.
unsigned FractionOf(std::string_view rest) {
    std::string digits(TrimBlanks(rest.substr(0, 10)));
    digits += "000";
    const long v = ParseDecimal(digits.substr(0, 3), 0);
    return v < 0 ? 0u : static_cast<unsigned>(v);
}

std::uint32_t Assemble(unsigned style, unsigned fraction, unsigned hours, unsigned minutes,
                       unsigned seconds) {
    fraction &= 0x3FFu;
    return (style << 29) | ((fraction >> 8) << 27) | ((hours + 4u) << 24) |
           ((minutes & 0xFFu) << 16) | ((seconds & 0xFFu) << 8) | (fraction & 0xFFu);
}

// "mm:ss.fff", "ss.fff", "mm:ss" or "ss": minutes, seconds and thousandths.
void SplitClock(std::string_view s, unsigned& minutes, unsigned& seconds, unsigned& fraction) {
    minutes = seconds = fraction = 0;
    const auto colon = s.find(':');
    if (colon != std::string_view::npos) {
        minutes = static_cast<unsigned>(NumberOr0(s.substr(0, colon)));
        s.remove_prefix(colon + 1);
    }
    const auto dot = s.find('.');
    if (dot != std::string_view::npos) {
        seconds = static_cast<unsigned>(NumberOr0(s.substr(0, dot)));
        fraction = FractionOf(s.substr(dot + 1));
    } else {
        // Without a decimal point the digits are whole seconds ("1:28" is 1 min 28 s).
        seconds = static_cast<unsigned>(NumberOr0(s));
    }
}

void RemoveFirst(std::string& s, std::string_view what) {
    const auto p = s.find(what);
    if (p != std::string::npos) s.erase(p, what.size());
}

} // namespace

ShortText The_Class::FormatDateText(std::uint16_t date) const {
    return FormatWith(date, (LanguageMode != 0 ? EnglishMonths() : TurkishMonths()).shortName);
}

ShortText The_Class::FormatDateAltText(std::uint16_t date) const {
    return FormatWith(date, (LanguageMode != 0 ? EnglishMonths() : TurkishMonths()).fullName);
}

std::string The_Class::FormatDate(std::uint16_t date) const {
    return FormatDateText(date).str();
}

std::string The_Class::FormatDateAlt(std::uint16_t date) const {
    return FormatDateAltText(date).str();
}

std::uint16_t The_Class::ParseDate(std::string_view text) const {
    const auto fail = [this]() -> std::uint16_t {
        Debug(Utf8ToCp1254("Tarih formatı yanlış"));
        return 0;
    };
    std::string_view s = TrimBlanks(text);
    auto blank = s.find(' ');
    if (blank == std::string_view::npos) return fail();
    const long day = ParseDecimal(s.substr(0, blank), 0);
    s = TrimBlanks(s.substr(blank + 1));
    blank = s.find(' ');
    if (blank == std::string_view::npos) return fail();
    std::string word(s.substr(0, std::min<std::size_t>(blank, 10)));
    s = TrimBlanks(s.substr(blank + 1));
    // Days above 31, months above 12 and years beyond 2077 do not fit the packed date.
    if (day < 1 || day > 31) return fail();
    word = AsciiLowerCase(word);
    UpperFirst(word);
    long month = ParseDecimal(word, 0);
    if (month == 0) {
        const MonthNames& names = LanguageMode != 0 ? EnglishMonths() : TurkishMonths();
        for (int m = 1; m <= 12 && month == 0; ++m)
            if (names.shortName[static_cast<std::size_t>(m)] == word) month = m;
        for (int m = 1; m <= 12 && month == 0; ++m)
            if (names.fullName[static_cast<std::size_t>(m)] == word) month = m;
    }
    if (month < 1 || month > 12) return fail();
    const long year = ParseDecimal(s, 0);
    if (year < FirstYear || year > FirstYear + 127) return fail();
    return static_cast<std::uint16_t>(((year - FirstYear) << 9) | (month << 5) | day);
}

std::uint32_t The_Class::ParseTime(std::string_view text) {
    std::string s(TrimBlanks(text));
    // A text without a single digit holds no time at all.
    if (s.find_first_of("0123456789") == std::string::npos) return 0;
    {
        std::string check = s;
        RemoveFirst(check, "hr");
        RemoveFirst(check, "laps");
        RemoveFirst(check, "lap");
        for (char c : check)
            if (!(c == ' ' || (c >= '0' && c <= '9') || c == ':' || c == '.' || c == '+')) return 0;
    }
    unsigned minutes = 0, seconds = 0, fraction = 0;
    if (!s.empty() && s[0] == '+') {
        std::string_view rest(s);
        rest.remove_prefix(1);
        if (rest.find(':') != std::string_view::npos) {
            SplitClock(rest, minutes, seconds, fraction);
            return Assemble(3, fraction, 0, minutes, seconds);
        }
        const auto lap = rest.find("lap");
        if (lap != std::string_view::npos) {
            // "+2 laps" and "+1 lap" alike.
            const long count = NumberOr0(rest.substr(0, lap));
            return Assemble(4, static_cast<unsigned>(count), 0, 0, 0);
        }
        SplitClock(rest, minutes, seconds, fraction);
        return Assemble(2, fraction, 0, 0, seconds);
    }
    if (!s.empty() && s[0] == 'l') {
        const long count =
            NumberOr0(std::string_view(s).substr(std::min<std::size_t>(3, s.size())));
        return Assemble(5, static_cast<unsigned>(count), 0, 0, 0);
    }
    std::string_view rest(s);
    unsigned hours = 0;
    const auto hr = rest.find("hr");
    if (hr != std::string_view::npos) {
        const long h = NumberOr0(rest.substr(0, hr));
        if (h < 0 || h > 3) return 0;
        hours = static_cast<unsigned>(h);
        rest.remove_prefix(hr + 2);
    }
    SplitClock(rest, minutes, seconds, fraction);
    return Assemble(1, fraction, hours, minutes, seconds);
}

ShortText The_Class::FormatTimeText(std::uint32_t code) {
    const unsigned style = code >> 29;
    const unsigned fr = (((code >> 27) & 3u) << 8) | (code & 0xFFu);
    const bool thousandths = (code >> 26) & 1u;
    const unsigned hours = (code >> 24) & 3u;
    const unsigned minutes = (code >> 16) & 0xFFu;
    const unsigned seconds = (code >> 8) & 0xFFu;
    ShortText out;
    switch (style) {
    case 0:
        return out;
    case 4:
        out.add("+ ");
        out.addNumber(fr);
        out.add(" laps");
        return out;
    case 5:
        out.add("lap ");
        out.addNumber(fr);
        return out;
    default:
        break;
    }
    if (style == 1) {
        if (hours > 0) {
            out.addNumber(hours);
            out.add(" hr ");
        }
    } else {
        out.add("+ ");
    }
    // With hours shown the minutes are too: "2 hr 28.006" would read as 2 h 28 min.
    if (minutes > 0 || (style == 1 && hours > 0)) {
        out.addTwoDigits(minutes);
        out.add(':');
    }
    out.addTwoDigits(seconds);
    out.add('.');
    if (!thousandths) {
        out.addTwoDigits(fr);
    } else {
        unsigned f = fr;
        if (f >= 1 && f <= 9)
            out.add("00");
        else if (f < 100)
            out.add('0');
        if (f % 10 == 0) f /= 10;
        out.addNumber(f);
    }
    return out;
}

std::string The_Class::FormatTime(std::uint32_t code) {
    return FormatTimeText(code).str();
}

} // namespace qor
