#pragma once

#include <string>

// How numbers are written for the user: the decimal separator and the digit-grouping separator
// of a locale. Conversions take one of these, so that tests can pass any separator.
struct TFormatSettings {
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator;  // empty where the locale groups no digits

    // The numeric conventions of a named locale ("ru_RU.UTF-8"); "" means the user's own, as the
    // environment names it (LC_ALL, then LC_NUMERIC, then LANG). A locale that is not installed
    // gives the C conventions. The process's global locale is left as it is.
    static TFormatSettings FromLocale(const std::string& localeName);
};

// The user's conventions, read from the environment once, on first use.
const TFormatSettings& FormatSettings();
