#include "FloatingPoint.h"

#include <cfenv>
#include <limits>
#include <ostream>

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

// What a process may have been handed before the program sets its own: another precision,
// another rounding, exceptions that trap.
struct Start {
    const char* what;
    std::uint16_t controlWord;
    int rounding;
    int trapped;
};
void PrintTo(const Start& start, std::ostream* out) { *out << start.what; }

class ControlWordFrom : public ControlWord, public testing::WithParamInterface<Start> {};

// A third, as the compiler rounds it (to nearest, in each type's own precision), and as the
// hardware does now; a directed rounding or a shorter mantissa gives another value for one sign.
template <class T>
void ExpectThirdsRoundToNearest() {
    constexpr T third = T(1) / T(3);
    volatile T one = 1, three = 3;
    EXPECT_EQ(one / three, third);
    EXPECT_EQ(-one / three, -third);
}

TEST_P(ControlWordFrom, DefaultRestoresTheProgramsPrecisionRoundingAndMasks) {
    const Start& start = GetParam();
    Set8087CW(start.controlWord);
    ASSERT_EQ(std::fesetround(start.rounding), 0);
    if (start.trapped) feenableexcept(start.trapped);  // where the hardware cannot trap, nothing traps
    ASSERT_EQ(std::fegetround(), start.rounding) << "the test did not start where it meant to";

    Set8087CW(Default8087CW);
    EXPECT_EQ(Get8087CW(), Default8087CW);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    EXPECT_EQ(fegetexcept(), 0);
    ExpectThirdsRoundToNearest<float>();
    ExpectThirdsRoundToNearest<double>();
    ExpectThirdsRoundToNearest<long double>();

    // With a trap left unmasked each of these would be a signal that ends the test.
    volatile long double huge = 1e4000L;
    volatile long double zero = 0.0L;
    volatile float big = std::numeric_limits<float>::max();
    volatile float narrowed = static_cast<float>(huge);
    volatile long double quotient = 1.0L / zero;
    volatile float doubled = big * 2.0f;
    EXPECT_EQ(narrowed, std::numeric_limits<float>::infinity());
    EXPECT_EQ(quotient, std::numeric_limits<long double>::infinity());
    EXPECT_EQ(doubled, std::numeric_limits<float>::infinity());
}

INSTANTIATE_TEST_SUITE_P(
    Starts, ControlWordFrom,
    testing::Values(Start{"RoundingUpward", Default8087CW, FE_UPWARD, 0},
                    Start{"RoundingDownwardAtDoublePrecision", 0x027F, FE_DOWNWARD, 0},
                    Start{"RoundingTowardZeroWithOverflowTrapped", Default8087CW, FE_TOWARDZERO, FE_OVERFLOW},
                    Start{"DivisionByZeroAndOverflowTrapped", Default8087CW, FE_TONEAREST, FE_DIVBYZERO | FE_OVERFLOW}),
    [](const testing::TestParamInfo<Start>& param) { return std::string(param.param.what); });

}  // namespace
