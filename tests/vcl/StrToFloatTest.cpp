#include "StrToFloat.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "Exception.h"

namespace {

const TFormatSettings kEnglish{".", ","};
const TFormatSettings kRussian{",", "\u202f"};
const TFormatSettings kGerman{",", "."};

// mantissa × 2^exponent, exact in any long double at least as wide as the extended format.
long double Extended(std::uint64_t mantissa, int exponent) {
    return std::ldexp(static_cast<long double>(mantissa), exponent);
}

// The exact value, for failure messages: gtest prints a long double rounded.
std::string Hex(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%La", value);
    return text;
}

// The extended values nearest to some decimals, written out: where long double is wider, the
// literals 0.1L and 3.3L are other values.
const long double kPointOne = Extended(0xCCCCCCCCCCCCCCCD, -67);
const long double kThreePointThree = Extended(0xD333333333333333, -62);

struct Accepted {
    const TFormatSettings* settings;
    std::string text;
    long double value;
};

void PrintTo(const Accepted& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class StrToFloatAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(StrToFloatAccepts, TheNearestExtendedValue) {
    const Accepted& c = GetParam();
    const long double value = StrToFloat(c.text, *c.settings);
    EXPECT_EQ(value, c.value) << '"' << c.text << "\" gave " << Hex(value) << " for " << Hex(c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, StrToFloatAccepts,
    testing::Values(Accepted{&kEnglish, "47", 47.0L}, Accepted{&kEnglish, "0.1", kPointOne},
                    Accepted{&kEnglish, "  3.3\t", kThreePointThree}, Accepted{&kEnglish, "+2.5", 2.5L},
                    Accepted{&kEnglish, "-0", -0.0L}, Accepted{&kEnglish, ".5", 0.5L},
                    Accepted{&kEnglish, "5.", 5.0L}, Accepted{&kEnglish, "1e3", 1000.0L},
                    Accepted{&kEnglish, "1.5E-2", Extended(0xF5C28F5C28F5C28F, -70)}, Accepted{&kEnglish, "2e+1", 20.0L},
                    Accepted{&kEnglish, "0.099999999", Extended(0xCCCCCCAA70B4FC7F, -67)},
                    // a Russian locale writes a comma, and a point is taken too
                    Accepted{&kRussian, "3,3", kThreePointThree}, Accepted{&kRussian, "3.3", kThreePointThree},
                    Accepted{&kGerman, "14999,999", Extended(0xEA5FFEF9DB22D0E5, -50)},
                    // below the extended range: underflow gives zero, not an error
                    Accepted{&kEnglish, "1e-5000", 0.0L},
                    // the ends of the extended range: its largest value, its subnormal numbers
                    // with their own spacing, and zero below half the smallest of them
                    Accepted{&kEnglish, "1.18973149535723176502e4932", Extended(0xFFFFFFFFFFFFFFFF, 16320)},
                    Accepted{&kEnglish, "1e-4940", Extended(27433340514, -16445)},
                    Accepted{&kEnglish, "-1e-4940", -Extended(27433340514, -16445)},
                    Accepted{&kEnglish, "2e-4951", Extended(1, -16445)},
                    Accepted{&kEnglish, "1.8e-4951", 0.0L}));

struct Rejected {
    const TFormatSettings* settings;
    std::string text;
};

void PrintTo(const Rejected& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class StrToFloatRejects : public testing::TestWithParam<Rejected> {};

TEST_P(StrToFloatRejects, WithAConversionErrorQuotingTheText) {
    const Rejected& c = GetParam();
    try {
        StrToFloat(c.text, *c.settings);
        FAIL() << '"' << c.text << "\" was accepted";
    } catch (const EConvertError& e) {
        EXPECT_NE(e.Message().find("«" + c.text + "»"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("не является правильным числом"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, StrToFloatRejects,
    testing::Values(Rejected{&kEnglish, "abc"},
                    Rejected{&kEnglish, "47k"}, Rejected{&kEnglish, "1.2.3"}, Rejected{&kEnglish, "."},
                    Rejected{&kEnglish, "-"}, Rejected{&kEnglish, "1e"}, Rejected{&kEnglish, "1e+"},
                    Rejected{&kEnglish, "4 7"}, Rejected{&kEnglish, "1,500"},
                    Rejected{&kEnglish, "3,3"}, Rejected{&kEnglish, "inf"}, Rejected{&kEnglish, "nan"},
                    Rejected{&kEnglish, "0x10"}, Rejected{&kEnglish, "--1"}, Rejected{&kEnglish, "1e99999"},
                    // rounds beyond the largest extended value, though a wider long double holds it
                    Rejected{&kEnglish, "1.18973149535723176506e4932"},
                    Rejected{&kRussian, "3,3,3"}, Rejected{&kRussian, "1\u202f500"},
                    // where a point groups digits, "1.500" is fifteen hundred, not one and a half
                    Rejected{&kGerman, "1.500"}, Rejected{&kGerman, "3.3"}));

// Texts within a hair of the midpoint between two neighbouring extended values near 4.7, whose
// mantissas (× 2^-61) are 0x9666666666666665, ...666 and ...667. Rounded to 113 bits first, as a
// quad strtold does, each lands exactly on a midpoint, which then rounds to the even neighbour;
// rounded once to 64 bits, the text below the midpoint gives the lower neighbour and the text
// above it the upper one. Only a text exactly on the midpoint goes to the even neighbour.
struct NearMidpoint {
    std::string text;
    std::uint64_t lowerNeighbour;  // the midpoint lies between it and the next one
    std::uint64_t expected;
};

TEST(StrToFloat, RoundsATextNextToAMidpointOnce) {
    const NearMidpoint cases[] = {
        {"4.69999999999999999960968721790521840375731699", 0x9666666666666665, 0x9666666666666665},
        {"4.70000000000000000004336808689942017736029812", 0x9666666666666666, 0x9666666666666667},
        {"4.69999999999999999960968721790521840375731699168682098388671875", 0x9666666666666665,
         0x9666666666666666},
    };
    for (const auto& c : cases) {
        const long double value = StrToFloat(c.text, kEnglish);
        EXPECT_EQ(value, Extended(c.expected, -61)) << c.text << " gave " << Hex(value);
        if constexpr (std::numeric_limits<long double>::digits > 64) {
            // The case is the hard one here: the nearest long double is the midpoint itself.
            const long double midpoint = Extended(c.lowerNeighbour, -61) + std::ldexp(1.0L, -62);
            EXPECT_EQ(std::strtold(c.text.c_str(), nullptr), midpoint) << c.text;
        }
    }
}

// An empty entry has nothing to quote: the message says that the entry is empty.
TEST(StrToFloat, SaysSoWhenTheEntryIsEmpty) {
    for (const std::string text : {"", "   ", "\t "}) {
        try {
            StrToFloat(text, kRussian);
            FAIL() << '"' << text << "\" was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Поле ввода пусто: введите число") << '"' << text << '"';
        }
    }
}

TEST(StrToFloat, ShortensAVeryLongTextInItsMessage) {
    const std::string text(10000, 'x');
    try {
        StrToFloat(text, kEnglish);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_LT(e.Message().size(), 200u);
        EXPECT_NE(e.Message().find("…"), std::string::npos);
    }
}

}  // namespace
