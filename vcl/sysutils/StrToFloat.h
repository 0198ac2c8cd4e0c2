#pragma once

#include <string_view>

#include "FormatSettings.h"

// Converts the text of a number to the nearest extended-precision value: rounded once to a
// 64-bit mantissa, within the exponents of the 80-bit format, whatever long double is here.
//
// Accepted: blanks (spaces, tabs) around the number; an optional + or -; digits with at most one
// decimal separator and at least one digit; an optional exponent (e or E, an optional sign,
// digits). The separator is the locale's, and a point is accepted too unless the locale groups
// digits with a point (there "1.500" means fifteen hundred to the user and must not be misread).
// Anything else throws EConvertError naming the text: empty text, letters, two separators, digit
// grouping, "inf", "nan", hexadecimal, or a number beyond the extended range. A number too small
// for the extended range becomes zero or a subnormal number.
long double StrToFloat(std::string_view text, const TFormatSettings& settings = FormatSettings());
