#include "StrToFloat.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "Exception.h"

namespace {

const TFormatSettings kEnglish{".", ","};
const TFormatSettings kRussian{",", "\u202f"};
const TFormatSettings kGerman{",", "."};

struct Accepted {
    const TFormatSettings* settings;
    std::string text;
    long double value;
};

void PrintTo(const Accepted& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class StrToFloatAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(StrToFloatAccepts, TheNearestExtendedValue) {
    const Accepted& c = GetParam();
    EXPECT_EQ(StrToFloat(c.text, *c.settings), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, StrToFloatAccepts,
    testing::Values(Accepted{&kEnglish, "47", 47.0L}, Accepted{&kEnglish, "0.1", 0.1L},
                    Accepted{&kEnglish, "  3.3\t", 3.3L}, Accepted{&kEnglish, "+2.5", 2.5L},
                    Accepted{&kEnglish, "-0", -0.0L}, Accepted{&kEnglish, ".5", 0.5L},
                    Accepted{&kEnglish, "5.", 5.0L}, Accepted{&kEnglish, "1e3", 1000.0L},
                    Accepted{&kEnglish, "1.5E-2", 0.015L}, Accepted{&kEnglish, "2e+1", 20.0L},
                    Accepted{&kEnglish, "0.099999999", 0.099999999L},
                    // a Russian locale writes a comma, and a point is taken too
                    Accepted{&kRussian, "3,3", 3.3L}, Accepted{&kRussian, "3.3", 3.3L},
                    Accepted{&kGerman, "14999,999", 14999.999L},
                    // below the extended range: underflow gives zero, not an error
                    Accepted{&kEnglish, "1e-5000", 0.0L}));

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
                    Rejected{&kRussian, "3,3,3"}, Rejected{&kRussian, "1\u202f500"},
                    // where a point groups digits, "1.500" is fifteen hundred, not one and a half
                    Rejected{&kGerman, "1.500"}, Rejected{&kGerman, "3.3"}));

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
