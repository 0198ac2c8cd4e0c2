#include "ResultRows.h"

#include <array>
#include <string>

#include <gtest/gtest.h>

#include "NarrowToFloat.h"
#include "StrToFloat.h"

namespace {

struct WorkedExample {
    std::string entry;  // written with a point
    std::array<std::string, 7> texts;  // R2, R4, R5, C1, C2, C3, C4, written with a point
};

std::string WithSeparator(std::string text, const std::string& separator) {
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

void PrintTo(const WorkedExample& e, std::ostream* os) { *os << e.entry; }

class ResultTexts : public testing::TestWithParam<std::tuple<WorkedExample, std::string>> {};

// From the entry text, through the calculation, to the seven texts, under the separator given.
TEST_P(ResultTexts, FollowTheRowsAndTheSeparator) {
    const auto& [example, separator] = GetParam();
    const TFormatSettings settings{separator, ""};
    const float resistance = NarrowToFloat(StrToFloat(WithSeparator(example.entry, separator), settings));
    const auto values = CalculateNetwork(resistance);
    ASSERT_TRUE(values.has_value());
    for (std::size_t i = 0; i < kResultRows.size(); ++i)
        EXPECT_EQ(ResultText(kResultRows[i], *values, settings), WithSeparator(example.texts[i], separator))
            << "entry " << example.entry << ", " << kResultRows[i].resultLabel;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ResultTexts,
    testing::Combine(
        testing::Values(
            WorkedExample{"100", {"10.00", "1.000", "6.00", "1.00", "0.0150", "0.0220", "0.2200"}},
            WorkedExample{"47", {"4.70", "0.470", "2.82", "2.13", "0.0319", "0.0468", "0.4681"}},
            WorkedExample{"1", {"0.10", "0.010", "0.06", "100.00", "1.5000", "2.2000", "22.0000"}},
            WorkedExample{"0.1", {"0.01", "0.001", "0.01", "1000.00", "15.0000", "22.0000", "220.0000"}},
            WorkedExample{"3.3", {"0.33", "0.033", "0.20", "30.30", "0.4545", "0.6667", "6.6667"}},
            WorkedExample{"14999.999",
                          {"1500.00", "150.000", "900.00", "0.01", "0.0001", "0.0001", "0.0015"}},
            // R2 is exactly 0.125 here: the half rounds away from zero
            WorkedExample{"1.25", {"0.13", "0.013", "0.08", "80.00", "1.2000", "1.7600", "17.6000"}}),
        testing::Values(std::string("."), std::string(","))));

}  // namespace
