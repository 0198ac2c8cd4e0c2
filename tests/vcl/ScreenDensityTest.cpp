#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MulDiv.h"
#include "ScreenDensity.h"

namespace {

TEST(MulDiv, RoundsToTheNearestWithHalvesAwayFromZero) {
    struct Case {
        int number, m, d, expected;
    };
    const Case cases[] = {
        {11, 144, 96, 17},    // 16.5
        {-11, 144, 96, -17},  // a font height given as a negative number grows the same way
        {13, 144, 96, 20},    // 19.5
        {5, 144, 96, 8},      // 7.5
        {1, 120, 96, 1},      // 1.25
        {1, 144, 96, 2},      // 1.5: a one-pixel line is two at 144 dpi
        {668, 192, 96, 1336},
        {348, 144, 96, 522},
        {7, 1, 3, 2},
        {-7, 1, 3, -2},
        {0, 288, 96, 0},
        {2000000, 288, 96, 6000000},  // the product needs more than 32 bits
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.m, c.d), c.expected) << c.number << " × " << c.m << " / " << c.d;
}

// QUARVEL_SCALE (null: not set) and the desktop's Xft.dpi (nothing: not set), and the density the
// window is drawn at, with the values named in the lines on standard error.
struct DensityCase {
    const char* scale;
    std::optional<std::string> xftDpi;
    int pixelsPerInch;
    std::vector<std::string> named;  // each ignored line names one of these, in this order
};

void PrintTo(const DensityCase& c, std::ostream* os) {
    *os << "QUARVEL_SCALE " << (c.scale ? "\"" + std::string(c.scale) + "\"" : "unset") << ", Xft.dpi "
        << (c.xftDpi ? "\"" + *c.xftDpi + "\"" : "unset");
}

class ChooseScreenDensityTest : public ::testing::TestWithParam<DensityCase> {};

TEST_P(ChooseScreenDensityTest, TakesTheFirstSettingThatMakesSenseAndNamesEachOneIgnored) {
    const DensityCase& c = GetParam();
    const ScreenDensity density = ChooseScreenDensity(c.scale, c.xftDpi);
    EXPECT_EQ(density.pixelsPerInch, c.pixelsPerInch);
    ASSERT_EQ(density.ignored.size(), c.named.size());
    for (std::size_t i = 0; i < c.named.size(); ++i) {
        EXPECT_NE(density.ignored[i].find("«" + c.named[i] + "»"), std::string::npos) << density.ignored[i];
        EXPECT_EQ(density.ignored[i].find('\n'), std::string::npos) << "one line";
    }
}

const std::optional<std::string> kNone;

INSTANTIATE_TEST_SUITE_P(
    Settings, ChooseScreenDensityTest,
    testing::Values(
        // Nothing set, or the design density: nothing changes.
        DensityCase{nullptr, kNone, 96, {}}, DensityCase{nullptr, "96", 96, {}}, DensityCase{"", kNone, 96, {}},
        // The desktop's density.
        DensityCase{nullptr, "144", 144, {}}, DensityCase{nullptr, "192", 192, {}}, DensityCase{nullptr, " 120 ", 120, {}},
        DensityCase{nullptr, "96.4", 96, {}}, DensityCase{nullptr, "143.5", 144, {}},
        // A density outside what the window is drawn at goes to the nearest end, silently.
        DensityCase{nullptr, "72", 96, {}}, DensityCase{nullptr, "24", 96, {}}, DensityCase{nullptr, "384", 288, {}},
        DensityCase{nullptr, "960", 288, {}},
        // QUARVEL_SCALE over it, either way.
        DensityCase{"2", kNone, 192, {}}, DensityCase{"1.5", "96", 144, {}}, DensityCase{"1", "192", 96, {}},
        DensityCase{"3", "144", 288, {}}, DensityCase{"1.25", kNone, 120, {}}, DensityCase{"2.0", "garbage", 192, {}},
        DensityCase{"", "144", 144, {}},  // empty: not set
        // A QUARVEL_SCALE that is no factor from 1 to 3 is named and Xft.dpi decides.
        DensityCase{"abc", "144", 144, {"abc"}}, DensityCase{"0", "144", 144, {"0"}},
        DensityCase{"-2", "144", 144, {"-2"}}, DensityCase{"nan", "144", 144, {"nan"}},
        DensityCase{"inf", "144", 144, {"inf"}}, DensityCase{"1e9", "144", 144, {"1e9"}},
        DensityCase{"0.5", "144", 144, {"0.5"}}, DensityCase{"3.5", "144", 144, {"3.5"}},
        DensityCase{"0.999", kNone, 96, {"0.999"}}, DensityCase{"2x", kNone, 96, {"2x"}},
        DensityCase{"1,5", kNone, 96, {"1,5"}}, DensityCase{"0x2", kNone, 96, {"0x2"}},
        // An Xft.dpi that is no screen's density is named and the design density holds.
        DensityCase{nullptr, "abc", 96, {"abc"}}, DensityCase{nullptr, "0", 96, {"0"}},
        DensityCase{nullptr, "-96", 96, {"-96"}}, DensityCase{nullptr, "nan", 96, {"nan"}},
        DensityCase{nullptr, "inf", 96, {"inf"}}, DensityCase{nullptr, "1e9", 96, {"1e9"}},
        DensityCase{nullptr, "23", 96, {"23"}}, DensityCase{nullptr, "961", 96, {"961"}},
        DensityCase{nullptr, "", 96, {""}},
        // Both wrong: both named.
        DensityCase{"abc", "0", 96, {"abc", "0"}}));

TEST(ChooseScreenDensity, AValueIsShownOnOneShortLine) {
    const std::string longValue(1000, '7');
    const ScreenDensity density = ChooseScreenDensity("two\nlines\x1b[31m", longValue);
    ASSERT_EQ(density.ignored.size(), 2u);
    EXPECT_NE(density.ignored[0].find("«two?lines?[31m»"), std::string::npos) << density.ignored[0];
    EXPECT_NE(density.ignored[1].find("«" + std::string(32, '7') + "…»"), std::string::npos) << density.ignored[1];
    // A long value is cut where a character starts, never inside one.
    const std::string cyrillic = std::string(31, 'x') + "ж" + "yyyy";
    const ScreenDensity cut = ChooseScreenDensity(cyrillic.c_str(), kNone);
    ASSERT_EQ(cut.ignored.size(), 1u);
    EXPECT_NE(cut.ignored[0].find("«" + std::string(31, 'x') + "ж…»"), std::string::npos) << cut.ignored[0];
}

// The resource database's text, as desktops and xrdb put it on the root window.
TEST(XftDpiResource, IsReadAsXftReadsIt) {
    struct Case {
        const char* resources;
        std::optional<std::string> dpi;
    };
    const Case cases[] = {
        {nullptr, kNone},
        {"", kNone},
        {"Xft.dpi:\t192\n", "192"},
        {"Xft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n", "144"},
        {"Xcursor.size:\t48\n", kNone},
        {"! a comment\nXft.dpi: 120\n", "120"},
        {"*dpi:\t168\n", "168"},                 // a wider line that Xft.dpi falls under
        {"Xft.dpi:\t96\nXft.dpi:\t192\n", "192"},  // the last line of a name holds
        {"Xft.dpi:\tabc\n", "abc"},              // read as written; whether it makes sense is decided later
        {"Xft.dpix:\t192\nXXft.dpi:\t192\n", kNone},
    };
    for (const Case& c : cases) EXPECT_EQ(XftDpiResource(c.resources), c.dpi) << (c.resources ? c.resources : "null");
}

}  // namespace
