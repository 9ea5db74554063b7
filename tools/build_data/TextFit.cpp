// Conversion to Windows-1254 with transliteration, and fitting names to their fields.

#include "TextFit.h"

#include "BuildError.h"
#include "text/Encoding.h"

#include <array>
#include <cstdint>
#include <utility>

namespace qor::tools {
namespace {

// Latin letters outside Windows-1254 and their usual plain spellings.
constexpr std::array<std::pair<std::uint32_t, const char*>, 76> kTransliterations = {{
    {0x00D0, "D"}, {0x00F0, "d"}, {0x00DD, "Y"}, {0x00FD, "y"}, {0x00DE, "Th"}, {0x00FE, "th"},
    {0x0100, "A"}, {0x0101, "a"}, {0x0102, "A"}, {0x0103, "a"}, {0x0104, "A"},  {0x0105, "a"},
    {0x0106, "C"}, {0x0107, "c"}, {0x010C, "C"}, {0x010D, "c"}, {0x010E, "D"},  {0x010F, "d"},
    {0x0110, "D"}, {0x0111, "d"}, {0x0112, "E"}, {0x0113, "e"}, {0x0116, "E"},  {0x0117, "e"},
    {0x0118, "E"}, {0x0119, "e"}, {0x011A, "E"}, {0x011B, "e"}, {0x0122, "G"},  {0x0123, "g"},
    {0x012A, "I"}, {0x012B, "i"}, {0x012E, "I"}, {0x012F, "i"}, {0x0136, "K"},  {0x0137, "k"},
    {0x0139, "L"}, {0x013A, "l"}, {0x013B, "L"}, {0x013C, "l"}, {0x013D, "L"},  {0x013E, "l"},
    {0x0141, "L"}, {0x0142, "l"}, {0x0143, "N"}, {0x0144, "n"}, {0x0145, "N"},  {0x0146, "n"},
    {0x0147, "N"}, {0x0148, "n"}, {0x014C, "O"}, {0x014D, "o"}, {0x0150, "O"},  {0x0151, "o"},
    {0x0154, "R"}, {0x0155, "r"}, {0x0158, "R"}, {0x0159, "r"}, {0x015A, "S"},  {0x015B, "s"},
    {0x0162, "T"}, {0x0163, "t"}, {0x0164, "T"}, {0x0165, "t"}, {0x016A, "U"},  {0x016B, "u"},
    {0x016E, "U"}, {0x016F, "u"}, {0x0170, "U"}, {0x0171, "u"}, {0x0179, "Z"},  {0x017A, "z"},
    {0x017B, "Z"}, {0x017C, "z"}, {0x017D, "Z"}, {0x017E, "z"},
}};

// Names too long for their field and the forms that followers of the sport use instead.
constexpr std::array<std::pair<const char*, const char*>, 2> kShortForms = {{
    {"United States of America", "USA"},
    {"Frank Williams Racing Cars", "Frank Williams Racing"},
}};

// Length of the UTF-8 sequence starting with byte b (1 for a stray byte).
std::size_t SequenceLength(unsigned char b) {
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

std::uint32_t DecodeOne(std::string_view s) {
    const auto b = static_cast<unsigned char>(s[0]);
    if (s.size() == 1) return b;
    std::uint32_t cp = b & (s.size() == 2 ? 0x1Fu : s.size() == 3 ? 0x0Fu : 0x07u);
    for (std::size_t i = 1; i < s.size(); ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3Fu);
    return cp;
}

} // namespace

std::string ToCp1254(std::string_view utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t len =
            std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string_view one = utf8.substr(i, len);
        i += len;
        const std::string converted = Utf8ToCp1254(one);
        if (converted != "?" || one == "?") {
            out += converted;
            continue;
        }
        const std::uint32_t cp = DecodeOne(one);
        const char* plain = "?";
        for (const auto& [code, text] : kTransliterations)
            if (code == cp) plain = text;
        out += plain;
    }
    return out;
}

std::string FitName(std::string_view cp1254, std::size_t capacity, std::string_view what) {
    if (cp1254.size() <= capacity) return std::string(cp1254);
    for (const auto& [longForm, shortForm] : kShortForms)
        if (cp1254 == longForm && std::string_view(shortForm).size() <= capacity) return shortForm;
    throw BuildError(std::string(what) + " \"" + Cp1254ToUtf8(cp1254) + "\" is longer than " +
                     std::to_string(capacity) + " characters and has no short form");
}

std::string FitByWords(std::string_view text, std::size_t capacity) {
    std::string_view s = text;
    while (s.size() > capacity) {
        const auto blank = s.find_last_of(' ');
        if (blank == std::string_view::npos || blank == 0)
            return std::string(s.substr(0, capacity));
        s = s.substr(0, blank);
        while (!s.empty() && (s.back() == ' ' || s.back() == '-'))
            s.remove_suffix(1);
    }
    return std::string(s);
}

} // namespace qor::tools
