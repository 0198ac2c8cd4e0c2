#include "ToneNetwork.h"

// The arithmetic runs in extended precision (long double) and every value is stored as a float,
// in this order, with each later step using the stored float: this is what makes the results
// bit for bit what users of the calculator have always seen. The constants keep their own
// precisions: 0.1, 0.01, 0.06 and 0.001 are doubles (none is exact in binary), the others are
// exact floats.

namespace {

constexpr double kLowestResistance = 0.1;      // kΩ, excluded
constexpr float kHighestResistance = 15000.0f;  // kΩ, excluded

constexpr float kTimeConstant = 100.0f;  // R1 × C1, in kΩ·nF
constexpr double kR2Fraction = 0.1;
constexpr double kR4Fraction = 0.01;
constexpr double kR5Fraction = 0.06;
constexpr double kNanoToMicro = 0.001;
constexpr float kC2PerC1 = 15.0f;
constexpr float kC3PerC1 = 22.0f;
constexpr float kC4PerC1 = 220.0f;

using Extended = long double;

float Product(Extended a, Extended b) { return static_cast<float>(a * b); }

}  // namespace

bool InSupportedRange(float resistance) {
    return static_cast<double>(resistance) > kLowestResistance && resistance < kHighestResistance;
}

std::optional<NetworkValues> CalculateNetwork(float resistance) {
    if (!InSupportedRange(resistance)) return std::nullopt;

    const Extended r = resistance;
    NetworkValues v{};
    v.C1 = static_cast<float>(Extended{kTimeConstant} / r);
    v.R2 = Product(kR2Fraction, r);
    v.R4 = Product(kR4Fraction, r);
    v.R5 = Product(kR5Fraction, r);
    const float c1InMicrofarads = Product(kNanoToMicro, v.C1);
    v.C2 = Product(kC2PerC1, c1InMicrofarads);
    v.C3 = Product(kC3PerC1, c1InMicrofarads);
    v.C4 = Product(kC4PerC1, c1InMicrofarads);
    return v;
}
