#pragma once

#include <compare>
#include <string_view>

// Compares the magnitude of a decimal number with that of a long double, exactly, however many
// digits the number has: no rounding on either side. The number is in the C syntax
// (an optional sign, digits with at most one point, an optional exponent) and is taken as it is
// written; the long double must be finite. Used where one rounding of the text is not enough
// to decide which way it goes.
std::strong_ordering CompareExactly(std::string_view decimal, long double binary);
