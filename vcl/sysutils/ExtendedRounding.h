#pragma once

#include <string_view>

// The value of a decimal number rounded once, to nearest (ties to even), to the extended format:
// a 64-bit mantissa, the exponents of the 80-bit format, subnormal numbers below them.
// `nearest` is the long double nearest to the number, `decimal` the number in the C syntax.
//
// Where long double is the extended format, that is `nearest` itself. Where it is wider (the
// 113-bit quad), `nearest` is rounded again to 64 bits; the result differs from one rounding only
// for a number so close to a midpoint between two extended values that `nearest` is that very
// midpoint, and there the number itself decides. A number that rounds beyond the extended range
// gives an infinity.
long double RoundToExtendedPrecision(long double nearest, std::string_view decimal);
