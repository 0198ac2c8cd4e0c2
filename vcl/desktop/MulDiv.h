#pragma once

#include <cstdint>

// number × numerator / denominator, rounded to the nearest whole number, halves away from zero:
// how a length given at one density is taken to another (an 11-px font at 144 / 96 is 17 px).
// The denominator is positive.
constexpr int MulDiv(int number, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}
