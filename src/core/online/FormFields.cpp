#include "online/FormFields.h"

#include <cstring>

namespace qor::online {

namespace {
int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Decode(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && Hex(s[i + 1]) >= 0 && Hex(s[i + 2]) >= 0) {
            out += static_cast<char>(Hex(s[i + 1]) * 16 + Hex(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}
} // namespace

FormFields FormFields::Parse(std::string_view body) {
    if (const void* zero = std::memchr(body.data(), 0, body.size()))
        body = body.substr(0, static_cast<const char*>(zero) - body.data());
    FormFields f;
    while (!body.empty()) {
        const auto amp = body.find('&');
        const std::string_view field = body.substr(0, amp);
        body = amp == std::string_view::npos ? std::string_view{} : body.substr(amp + 1);
        if (field.empty()) continue;
        const auto eq = field.find('=');
        f.fields_.emplace_back(Decode(field.substr(0, eq)), eq == std::string_view::npos
                                                                ? std::string()
                                                                : Decode(field.substr(eq + 1)));
    }
    return f;
}

std::string PercentEncode(std::string_view value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size() * 3);
    for (unsigned char c : value) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~' || c == '*') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

std::optional<std::string_view> FormFields::Get(std::string_view name) const {
    for (const auto& [k, v] : fields_)
        if (k == name) return std::string_view(v);
    return std::nullopt;
}

} // namespace qor::online
