#include "NarrowToFloat.h"

#include <cmath>

#include "Exception.h"

namespace {
// The midpoint between the largest float and 2^128. Rounding to nearest (ties to even) takes
// every magnitude from here up to 2^128, that is out of the float range.
constexpr long double kFirstOverflowing = 0x1.ffffffp127L;
}  // namespace

float NarrowToFloat(long double value) {
    if (std::fabs(value) >= kFirstOverflowing)
        throw EOverflow("Переполнение при операции с плавающей точкой: число слишком велико");
    return static_cast<float>(value);
}
