#include "statistics/PointsText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace qor {

std::string PointsText(double points, int precision) {
    if (!std::isfinite(points)) points = 0.0;
    if (precision < 1) precision = 1;
    const bool negative = std::signbit(points) && points != 0.0;
    std::string digits;
    std::size_t intDigits = 0;
    const double quarters = std::fabs(points) * 4;
    if (quarters < 1e15 && quarters == std::floor(quarters)) {
        // Whole quarters (nearly every standing) have an exact two-decimal expansion: take it
        // from integers instead of printing 60 fraction digits.
        const auto q = static_cast<unsigned long long>(quarters);
        const unsigned long long whole = q / 4;
        const auto cents = static_cast<unsigned>(q % 4 * 25);
        char wholeDigits[24];
        const int n = static_cast<int>(
            std::to_chars(wholeDigits, wholeDigits + sizeof wholeDigits, whole).ptr - wholeDigits);
        // No digit is cut when all of them fit the precision: write the text directly.
        if (whole == 0 ? precision >= 2 : precision >= n + 2) {
            char out[40];
            char* o = out;
            if (negative && q != 0) *o++ = '-';
            for (int i = 0; i < n; ++i) {
                if (i > 0 && (n - i) % 3 == 0) *o++ = ',';
                *o++ = wholeDigits[i];
            }
            *o++ = '.';
            *o++ = static_cast<char>('0' + cents / 10);
            *o++ = static_cast<char>('0' + cents % 10);
            return std::string(out, o);
        }
        digits.assign(wholeDigits, static_cast<std::size_t>(n));
        intDigits = digits.size();
        digits += static_cast<char>('0' + cents / 10);
        digits += static_cast<char>('0' + cents % 10);
    } else {
        // The exact decimal expansion of the stored binary value (at most 1074 fraction
        // digits; points never need more than these).
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.60f", std::fabs(points));
        for (const char* p = buf; *p; ++p) {
            if (*p == '.')
                intDigits = digits.size();
            else
                digits += *p;
        }
    }
    // Keep the more restrictive of `precision` significant digits and 2 decimals.
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    std::size_t keep = intDigits + 2;
    if (firstSignificant != std::string::npos)
        keep = std::min(keep, firstSignificant + static_cast<std::size_t>(precision));
    const bool roundUp = keep < digits.size() && digits[keep] >= '5';
    for (std::size_t i = keep; i < digits.size(); ++i)
        digits[i] = '0';
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0) {
            --i;
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                break;
            }
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++intDigits;
            }
        }
    }
    std::string whole = digits.substr(0, intDigits);
    const std::size_t nonZero = whole.find_first_not_of('0');
    whole = nonZero == std::string::npos ? "0" : whole.substr(nonZero);
    std::string text;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) text += ',';
        text += whole[i];
    }
    text += '.';
    text += digits.substr(intDigits, 2);
    const bool zero = text == "0.00";
    return negative && !zero ? "-" + text : text;
}

} // namespace qor
