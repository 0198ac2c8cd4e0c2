#pragma once

// Narrows an extended-precision value to single precision, rounding to nearest. A value whose
// magnitude rounds beyond the largest float throws EOverflow instead of becoming an infinity;
// a value too small for a float becomes zero or a subnormal number, as rounding gives it.
float NarrowToFloat(long double value);
