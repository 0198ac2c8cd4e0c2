#include "ToneNetwork.h"

#include <bit>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "NarrowToFloat.h"
#include "StrToFloat.h"

namespace {

const TFormatSettings kPoint{".", ""};

// The resistance as the window gets it from an entry: converted, then narrowed to a float.
float Entered(const std::string& text) { return NarrowToFloat(StrToFloat(text, kPoint)); }

struct RangeCase {
    std::string entry;
    bool accepted;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.entry; }

class SupportedRange : public testing::TestWithParam<RangeCase> {};

// The bounds are tested on the narrowed value: 0.1 narrows to a float just above the double 0.1,
// and entries within half a float step of 15000 narrow to 15000 itself.
TEST_P(SupportedRange, IsDecidedOnTheNarrowedEntry) {
    const RangeCase& c = GetParam();
    const float resistance = Entered(c.entry);
    EXPECT_EQ(InSupportedRange(resistance), c.accepted) << c.entry;
    EXPECT_EQ(CalculateNetwork(resistance).has_value(), c.accepted) << c.entry;
}

INSTANTIATE_TEST_SUITE_P(Bounds, SupportedRange,
                         testing::Values(RangeCase{"0.1", true}, RangeCase{"0.099999999", true},
                                         RangeCase{"0.09999999", false}, RangeCase{"14999.999", true},
                                         RangeCase{"14999.9996", false}, RangeCase{"15000", false},
                                         RangeCase{"0", false}, RangeCase{"-0", false},
                                         RangeCase{"-47", false}, RangeCase{"1e-60", false},
                                         RangeCase{"1e30", false}));

std::uint32_t Bits(float f) { return std::bit_cast<std::uint32_t>(f); }

struct ExactCase {
    std::string entry;
    std::uint32_t r2, r4, r5, c1, c2, c3, c4;
};

void PrintTo(const ExactCase& c, std::ostream* os) { *os << c.entry; }

class ExactValues : public testing::TestWithParam<ExactCase> {};

// Bit for bit: the extended-precision intermediates, the double-precision constants and the
// capacitor scale stored as a float all show in the last bit of some value.
TEST_P(ExactValues, MatchBitForBit) {
    const ExactCase& c = GetParam();
    const auto values = CalculateNetwork(Entered(c.entry));
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(Bits(values->R2), c.r2);
    EXPECT_EQ(Bits(values->R4), c.r4);
    EXPECT_EQ(Bits(values->R5), c.r5);
    EXPECT_EQ(Bits(values->C1), c.c1);
    EXPECT_EQ(Bits(values->C2), c.c2);
    EXPECT_EQ(Bits(values->C3), c.c3);
    EXPECT_EQ(Bits(values->C4), c.c4);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ExactValues,
    testing::Values(
        // R2 10, R4 1, R5 6, C1 1 nF, C2 0.0150000006, C3 0.0220000017, C4 0.2200000137
        ExactCase{"100", 0x41200000, 0x3f800000, 0x40c00000, 0x3f800000, 0x3c75c290, 0x3cb43959,
                  0x3e6147af},
        // R2 4.6999998, R4 0.47, R5 2.8199999, C1 2.1276596, C2 0.031914894, C3 0.046808511,
        // C4 0.46808508
        ExactCase{"47", 0x40966666, 0x3ef0a3d7, 0x40347ae1, 0x40082b93, 0x3d02b931, 0x3d3fba48,
                  0x3eefa8d9},
        // C1 exactly 1000, the scale exactly 1: C2 15, C3 22, C4 220
        ExactCase{"0.1", 0x3c23d70a, 0x3a83126f, 0x3bc49ba6, 0x447a0000, 0x41700000, 0x41b00000,
                  0x435c0000}));

}  // namespace
