#include "ExactCompare.h"

#include <cmath>
#include <compare>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Case {
    std::string decimal;
    long double binary;
    std::strong_ordering order;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.decimal; }

class CompareExactlyTest : public testing::TestWithParam<Case> {};

TEST_P(CompareExactlyTest, OrdersTheExactValues) {
    const Case& c = GetParam();
    EXPECT_TRUE(CompareExactly(c.decimal, c.binary) == c.order) << c.decimal;
}

const long double kTwoToMinus64 = 0x1p-64L;
const long double kSmallestSubnormal = std::ldexp(1.0L, -16445);  // of the extended format
const long double kLargestExtended = std::ldexp(static_cast<long double>(0xFFFFFFFFFFFFFFFFull), 16320);

INSTANTIATE_TEST_SUITE_P(
    Values, CompareExactlyTest,
    testing::Values(
        // one value, written in many ways
        Case{"1e20", 1e20L, std::strong_ordering::equal},
        Case{"100000000000000000000", 1e20L, std::strong_ordering::equal},
        Case{"0.00001e25", 1e20L, std::strong_ordering::equal},
        Case{"+100000000000000000000.000", 1e20L, std::strong_ordering::equal},
        Case{"-0.5", 0.5L, std::strong_ordering::equal},  // magnitudes
        Case{"0", 0.0L, std::strong_ordering::equal}, Case{"000.000e7", 0.0L, std::strong_ordering::equal},
        Case{"1e-99999", 0.0L, std::strong_ordering::greater}, Case{"0", 1.0L, std::strong_ordering::less},
        // a hair either side, far beyond the digits of any floating-point format
        Case{"5.42101086242752217003726400434970855712890625e-20", kTwoToMinus64, std::strong_ordering::equal},
        Case{"5.421010862427522170037264004349708557128906250000000000001e-20", kTwoToMinus64,
             std::strong_ordering::greater},
        Case{"5.42101086242752217003726400434970855712890624999999999999e-20", kTwoToMinus64,
             std::strong_ordering::less},
        // the ends of the extended range
        Case{"1.18973149535723176502e4932", kLargestExtended, std::strong_ordering::less},
        Case{"1.18973149535723176503e4932", kLargestExtended, std::strong_ordering::greater},
        Case{"3.64519953188247460252840593361941981639905081569356334372098e-4951", kSmallestSubnormal,
             std::strong_ordering::less},
        Case{"3.64519953188247460252840593361941981639905081569356334372099e-4951", kSmallestSubnormal,
             std::strong_ordering::greater},
        // orders of magnitude apart
        Case{"1e100", 1.0L, std::strong_ordering::greater}, Case{"1e-100", 1.0L, std::strong_ordering::less},
        Case{"1e999999999999999999999", kLargestExtended, std::strong_ordering::greater}));

}  // namespace
