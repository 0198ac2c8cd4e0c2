#pragma once

#include <string>

#include "FormatSettings.h"

enum TFloatFormat { ffFixed };

// Writes a value as text.
//
// ffFixed: an optional minus sign, at least one digit before the decimal separator, the separator,
// then exactly `digits` digits (trailing zeros kept); no grouping, no exponent. The value is
// rounded from its exact binary value to at most `precision` significant digits and at most
// `digits` decimals, halves away from zero; places beyond `precision` are written as zeros. A
// value with more than `precision` digits before the separator is written in exponent form
// (1.2345678E+10). Precision is taken between 1 and 18, digits between 0 and 18. Infinities and
// NaN are written INF, -INF and NAN. A value that rounds to zero has no minus sign.
std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings = FormatSettings());
