#pragma once

#include <cmath>
#include <limits>

namespace pinatlas {

// Rounds to the nearest integer, halves to the even neighbour, saturating at
// the int range so that absurd values stay absurd instead of wrapping.
inline int roundHalfEven(double value) {
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (r <= lo)
        return std::numeric_limits<int>::min();
    if (r >= hi)
        return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

} // namespace pinatlas
