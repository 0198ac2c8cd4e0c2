#include "FloatToStrF.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

const TFormatSettings kPoint{".", ""};

struct Case {
    long double value;
    int precision;
    int digits;
    std::string text;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << static_cast<double>(c.value) << ", " << c.precision << ", " << c.digits << " -> " << c.text;
}

class FixedFormat : public testing::TestWithParam<Case> {};

TEST_P(FixedFormat, RoundsTheExactValue) {
    const Case& c = GetParam();
    EXPECT_EQ(FloatToStrF(c.value, ffFixed, c.precision, c.digits, kPoint), c.text)
        << static_cast<double>(c.value) << " " << c.precision << " " << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedFormat,
    testing::Values(
        Case{10.0L, 8, 2, "10.00"}, Case{0.0L, 8, 4, "0.0000"}, Case{220.0L, 8, 4, "220.0000"},
        Case{47.0L, 8, 0, "47"},
        // exact halves round away from zero; anything above a half rounds up
        Case{0.125L, 8, 2, "0.13"}, Case{-0.125L, 8, 2, "-0.13"}, Case{2.5L, 8, 0, "3"},
        Case{0.375L, 8, 2, "0.38"},
        // the float nearest 4.7 lies below it, yet shows as 4.70
        Case{static_cast<long double>(4.7f), 8, 2, "4.70"},
        // the double nearest 0.015 lies below it: the exact value decides, not its decimal name
        Case{static_cast<long double>(0.015), 8, 2, "0.01"},
        // a hair below a half, with every one of the 64 mantissa bits of the extended format set
        Case{2.5L - 0x1p-62L, 8, 0, "2"}, Case{0.125L - 0x1p-66L, 8, 2, "0.12"},
        Case{1.0L - 0x1p-64L, 18, 18, "1.000000000000000000"},
        // a value that rounds to zero has no minus sign
        Case{-0.001L, 8, 2, "0.00"}, Case{-0.0L, 8, 2, "0.00"},
        // precision limits the significant digits; the places after them are zeros
        Case{123456.789L, 8, 4, "123456.7900"}, Case{0.000123456789L, 3, 10, "0.0001230000"},
        Case{99999999.0L, 8, 2, "99999999.00"},
        // more whole digits than the precision: exponent form
        Case{1.0e10L, 8, 2, "1.0000000E+10"},
        Case{std::numeric_limits<long double>::infinity(), 8, 2, "INF"},
        Case{-std::numeric_limits<long double>::infinity(), 8, 2, "-INF"},
        Case{std::numeric_limits<long double>::quiet_NaN(), 8, 2, "NAN"},
        // the smallest subnormal: far below a half at any shown decimal
        Case{std::numeric_limits<long double>::denorm_min(), 8, 4, "0.0000"}));

TEST(FloatToStrF, WritesTheLocalesSeparator) {
    EXPECT_EQ(FloatToStrF(0.0319L, ffFixed, 8, 4, TFormatSettings{",", "\u202f"}), "0,0319");
    EXPECT_EQ(FloatToStrF(1500.0L, ffFixed, 8, 2, TFormatSettings{"\u066b", ""}), "1500\u066b00");
}

}  // namespace
