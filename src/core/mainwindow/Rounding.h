#pragma once
// Rounding to the nearest integer as the program's pixel arithmetic does it: a half goes to the
// even neighbour (2.5 gives 2, 7.5 gives 8).

#include <cmath>

namespace qor {

inline int RoundHalfEven(double value) {
    const double fl = std::floor(value);
    const double diff = value - fl;
    double r = fl;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(fl, 2.0) != 0.0)) r = fl + 1.0;
    return static_cast<int>(r);
}

} // namespace qor
