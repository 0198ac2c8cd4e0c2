#include "FloatingPoint.h"

#include <cfenv>
#include <limits>

#include <gtest/gtest.h>

namespace {

// Restores the control word the test runner started with.
class ControlWord : public testing::Test {
protected:
    void TearDown() override { Set8087CW(saved_); }

private:
    std::uint16_t saved_ = Get8087CW();
};

// Whether long double arithmetic keeps at least a 64-bit mantissa: 2^-60 survives next to 1
// only then.
bool ExtendedPrecision() {
    volatile long double tiny = 0x1p-60L;
    volatile long double sum = 1.0L + tiny;
    return sum != 1.0L;
}

constexpr std::uint16_t kDoublePrecisionWord = 0x027F;  // as some platforms start
constexpr std::uint16_t kPrecisionBits = 0x0300;

TEST_F(ControlWord, DefaultGivesExtendedPrecision) {
    Set8087CW(kDoublePrecisionWord);
    // Where the unit has precision control (x87) the word takes effect; elsewhere long double
    // keeps its width and the word in force says so.
    const bool precisionControlled = (Get8087CW() & kPrecisionBits) == (kDoublePrecisionWord & kPrecisionBits);
    EXPECT_EQ(ExtendedPrecision(), !precisionControlled);

    Set8087CW(Default8087CW);
    EXPECT_EQ(Get8087CW(), Default8087CW);
    EXPECT_TRUE(ExtendedPrecision());
}

TEST_F(ControlWord, DefaultLetsOverflowAndDivisionByZeroPassQuietly) {
    Set8087CW(Default8087CW);
    volatile long double huge = 1e4000L;
    volatile long double zero = 0.0L;
    volatile float narrowed = static_cast<float>(huge);  // would be a signal with the trap unmasked
    volatile long double quotient = 1.0L / zero;
    EXPECT_EQ(narrowed, std::numeric_limits<float>::infinity());
    EXPECT_EQ(quotient, std::numeric_limits<long double>::infinity());
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

}  // namespace
