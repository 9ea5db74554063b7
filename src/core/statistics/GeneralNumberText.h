#pragma once
// Numbers in the "general" format of the statistics frame: a given count of significant digits,
// no trailing zeros, fixed-point notation unless the number is too large or too small.

#include <string>

namespace qor {

// `value` rounded to `precision` significant digits (half away from zero, from the exact stored
// value), trailing zeros and a bare decimal point dropped: 12.5 -> "12.5", 100 -> "100",
// 33.3333 at 3 digits -> "33.3", 0 -> "0". Numbers with more integer digits than `precision`,
// or below 0.00001, are written in scientific form ("1.235E4", "1E-6"). A value that is no
// finite number gives "0".
std::string GeneralNumberText(double value, int precision);

} // namespace qor
