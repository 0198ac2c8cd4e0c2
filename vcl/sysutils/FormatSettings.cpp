#include "FormatSettings.h"

#include <langinfo.h>
#include <locale.h>

TFormatSettings TFormatSettings::FromLocale(const std::string& localeName) {
    TFormatSettings settings;
    // newlocale resolves "" through LC_ALL, LC_NUMERIC and LANG, as POSIX orders them, without
    // touching the locale the rest of the process runs in.
    locale_t locale = newlocale(LC_NUMERIC_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return settings;

    const std::string decimal = nl_langinfo_l(RADIXCHAR, locale);
    if (!decimal.empty()) settings.DecimalSeparator = decimal;
    settings.ThousandSeparator = nl_langinfo_l(THOUSEP, locale);
    freelocale(locale);
    return settings;
}

const TFormatSettings& FormatSettings() {
    static const TFormatSettings user = TFormatSettings::FromLocale("");
    return user;
}
