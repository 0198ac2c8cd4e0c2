#include "FormatSettings.h"

#include <clocale>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace {

struct LocaleCase {
    std::string locale;
    std::string decimal;
};

class FromLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(FromLocale, GivesTheLocalesDecimalSeparator) {
    EXPECT_EQ(TFormatSettings::FromLocale(GetParam().locale).DecimalSeparator, GetParam().decimal);
}

INSTANTIATE_TEST_SUITE_P(Locales, FromLocale,
                         testing::Values(LocaleCase{"ru_RU.UTF-8", ","}, LocaleCase{"de_DE.UTF-8", ","},
                                         LocaleCase{"en_US.UTF-8", "."}, LocaleCase{"C", "."},
                                         LocaleCase{"xx_NOWHERE.UTF-8", "."}));

TEST(FromLocaleGrouping, TellsWhereAPointGroupsDigits) {
    EXPECT_EQ(TFormatSettings::FromLocale("de_DE.UTF-8").ThousandSeparator, ".");
    EXPECT_NE(TFormatSettings::FromLocale("en_US.UTF-8").ThousandSeparator, ".");
}

// The environment's variables, set for one test and restored after it.
class Environment : public testing::Test {
protected:
    void TearDown() override {
        for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) unsetenv(name);
    }
    static void Set(const char* name, const char* value) { setenv(name, value, 1); }
    static std::string UsersSeparator() { return TFormatSettings::FromLocale("").DecimalSeparator; }
};

TEST_F(Environment, IsReadInThePosixOrder) {
    Set("LANG", "en_US.UTF-8");
    EXPECT_EQ(UsersSeparator(), ".");
    Set("LC_NUMERIC", "ru_RU.UTF-8");
    EXPECT_EQ(UsersSeparator(), ",");
    Set("LC_ALL", "C");
    EXPECT_EQ(UsersSeparator(), ".");
}

TEST_F(Environment, LeavesTheProcessLocaleAlone) {
    Set("LC_ALL", "ru_RU.UTF-8");
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    EXPECT_EQ(UsersSeparator(), ",");
    EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), before);
}

}  // namespace
