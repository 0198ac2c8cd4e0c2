#include "NarrowToFloat.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "Exception.h"

namespace {

constexpr float kLargest = std::numeric_limits<float>::max();

TEST(NarrowToFloat, KeepsWhatAFloatCanHold) {
    EXPECT_EQ(NarrowToFloat(47.0L), 47.0f);
    EXPECT_EQ(NarrowToFloat(0.1L), 0.1f);
    EXPECT_EQ(NarrowToFloat(-static_cast<long double>(kLargest)), -kLargest);
    // just below the midpoint to 2^128 still rounds to the largest float
    EXPECT_EQ(NarrowToFloat(std::nextafter(0x1.ffffffp127L, 0.0L)), kLargest);
}

TEST(NarrowToFloat, ThrowsOverflowBeyondTheFloatRange) {
    for (const long double huge : {0x1.ffffffp127L, 1e39L, -1e39L, 1e4000L})
        EXPECT_THROW(NarrowToFloat(huge), EOverflow) << static_cast<double>(huge);
}

TEST(NarrowToFloat, LetsTinyValuesUnderflow) {
    EXPECT_EQ(NarrowToFloat(1e-50L), 0.0f);
    EXPECT_EQ(NarrowToFloat(1e-40L), 1e-40f);  // a subnormal float
    EXPECT_TRUE(std::signbit(NarrowToFloat(-0.0L)));
}

}  // namespace
