#include "ExtendedRounding.h"

#include <algorithm>
#include <cmath>
#include <compare>
#include <limits>

#include "ExactCompare.h"

namespace {

constexpr int kMantissaBits = 64;
constexpr int kSmallestNormalExponent = -16382;  // of the 80-bit format, as of the IEEE formats

}  // namespace

long double RoundToExtendedPrecision(long double nearest, std::string_view decimal) {
    if constexpr (std::numeric_limits<long double>::digits <= kMantissaBits) {
        return nearest;
    } else {
        if (nearest == 0 || !std::isfinite(nearest)) return nearest;
        static_assert(std::numeric_limits<long double>::min_exponent - 1 <= kSmallestNormalExponent);

        // The spacing of extended values around the number; below the normal range it stays that
        // of the smallest normal numbers, which gives the subnormals.
        const long double magnitude = std::fabs(nearest);
        const int spacing = std::max(std::ilogb(magnitude), kSmallestNormalExponent) - (kMantissaBits - 1);
        const long double steps = std::ldexp(magnitude, -spacing);  // exact: below 2^64
        const long double below = std::floor(steps);
        const long double fraction = steps - below;
        bool up = fraction > 0.5L;
        if (fraction == 0.5L) {
            // `nearest` is the midpoint itself: the number lies on it, or a hair above or below.
            const auto order = CompareExactly(decimal, magnitude);
            up = order > 0 || (order == 0 && std::fmod(below, 2.0L) == 1);
        }
        const long double rounded = std::ldexp(below + (up ? 1 : 0), spacing);  // 2^16384 overflows
        return std::copysign(rounded, nearest);
    }
}
