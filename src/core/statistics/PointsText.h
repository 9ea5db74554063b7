#pragma once
// Championship points as the standings tables show them.

#include <string>

namespace qor {

// Points brought to `precision` significant digits and shown with exactly 2 decimals and
// thousands separators: 10 -> "10.00", 2.5 -> "2.50", 1234.5 at precision 4 -> "1,235.00".
// Digits are rounded once, half away from zero, from the exact stored value. A value that is no
// finite number shows as "0.00".
std::string PointsText(double points, int precision);

} // namespace qor
