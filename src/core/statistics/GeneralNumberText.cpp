#include "statistics/GeneralNumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace qor {
namespace {

// The significant digits of |value| rounded to `precision` digits, and the decimal exponent of
// the first one (value = 0.d1d2d3... x 10^exponent).
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits RoundedDigits(double value, int precision) {
    // The exact decimal expansion of the binary value to 60 decimals (as "%.60f" writes it,
    // without printf's big-number arithmetic): far beyond any digit kept here for the values
    // the statistics show.
    char buf[400];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, 60);
    std::string_view all;
    int intDigits = 0;
    if (written.ec == std::errc()) {
        // The digits without the point, moved one place left over it.
        char* end = written.ptr;
        char* point = std::find(buf, end, '.');
        intDigits = static_cast<int>(point - buf);
        if (point != end) end = std::copy(point + 1, end, point);
        all = std::string_view(buf, static_cast<std::size_t>(end - buf));
    }
    const std::size_t first = all.find_first_not_of('0');
    Digits d;
    if (first == std::string::npos) return d;
    d.exponent = intDigits - static_cast<int>(first);
    d.digits = std::string(all.substr(first, static_cast<std::size_t>(precision)));
    d.digits.resize(static_cast<std::size_t>(precision), '0');
    const std::size_t next = first + static_cast<std::size_t>(precision);
    if (next < all.size() && all[next] >= '5') {
        std::size_t i = d.digits.size();
        bool carry = true;
        while (carry && i > 0) {
            --i;
            if (d.digits[i] == '9') {
                d.digits[i] = '0';
            } else {
                ++d.digits[i];
                carry = false;
            }
        }
        if (carry) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

} // namespace

std::string GeneralNumberText(double value, int precision) {
    if (!std::isfinite(value)) return "0";
    if (precision < 1) precision = 1;
    if (precision > 18) precision = 18;
    const Digits d = RoundedDigits(value, precision);
    if (d.digits.empty() || d.digits == "0") return "0";
    const std::string sign = value < 0 ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent > precision || std::fabs(value) < 0.00001) {
        std::string text = sign + d.digits.substr(0, 1);
        if (n > 1) text += "." + d.digits.substr(1);
        const int e = d.exponent - 1;
        return text + "E" + std::to_string(e);
    }
    if (d.exponent <= 0)
        return sign + "0." + std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
    if (n <= d.exponent)
        return sign + d.digits + std::string(static_cast<std::size_t>(d.exponent - n), '0');
    return sign + d.digits.substr(0, static_cast<std::size_t>(d.exponent)) + "." +
           d.digits.substr(static_cast<std::size_t>(d.exponent));
}

} // namespace qor
