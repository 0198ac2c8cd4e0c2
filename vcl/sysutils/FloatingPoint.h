#pragma once

#include <cstdint>

// The x87 floating-point control word the program runs with: every exception masked (an
// unmasked one would be a signal that ends the process; overflow is reported by NarrowToFloat
// instead), 64-bit mantissa precision, rounding to nearest.
inline constexpr std::uint16_t Default8087CW = 0x037F;

// Sets the x87 control word, and the SSE unit to the same masks and rounding, so that float and
// double arithmetic behave alike. On a processor without the x87 unit, the word's rounding is
// set and no exception traps, whatever its masks say; long double is as wide as it is.
void Set8087CW(std::uint16_t controlWord);

// The x87 control word in force; without the x87 unit, the word that describes the environment:
// every exception masked, 64-bit mantissa precision, the rounding in force.
std::uint16_t Get8087CW();
