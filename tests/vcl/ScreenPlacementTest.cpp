#include "ScreenPlacement.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    ScreenRect over;
    int width, height;
    ScreenRect expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class CentredWithinTest : public testing::TestWithParam<Case> {};

// A 1280 × 1024 screen whose top 30 pixels a panel takes.
const ScreenRect kArea{0, 30, 1280, 994};

TEST_P(CentredWithinTest, CentresOnTheWindowAndKeepsToTheArea) {
    const Case& c = GetParam();
    EXPECT_EQ(CentredWithin(c.over, c.width, c.height, kArea), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, CentredWithinTest,
    testing::Values(Case{"in the middle of the window", {63, 122, 676, 375}, 320, 116, {241, 251, 320, 116}},
                    Case{"window off the top-left corner", {-500, -300, 676, 375}, 320, 116, {0, 30, 320, 116}},
                    Case{"window off the bottom-right corner", {1100, 900, 676, 375}, 320, 116, {960, 908, 320, 116}},
                    Case{"box larger than the area", {63, 122, 676, 375}, 2000, 1200, {0, 30, 2000, 1200}},
                    Case{"window smaller than the box", {600, 500, 40, 20}, 320, 116, {460, 452, 320, 116}}),
    [](const auto& test) {
        std::string name = test.param.name;
        for (char& ch : name)
            if (ch == ' ' || ch == '-') ch = '_';
        return name;
    });

}  // namespace
