#include "StrToFloat.h"

#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "Exception.h"
#include "ExtendedRounding.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The error quotes what was entered, shortened (at a character boundary) when it is too long to
// read in a message box.
[[noreturn]] void Reject(std::string_view text) {
    constexpr std::size_t kLongestQuote = 40;
    std::string quote(text);
    if (quote.size() > kLongestQuote) {
        std::size_t cut = kLongestQuote;
        while (cut > 0 && (static_cast<unsigned char>(quote[cut]) & 0xC0) == 0x80) --cut;
        quote.resize(cut);
        quote += "…";
    }
    throw EConvertError("«" + quote + "» не является правильным числом");
}

// The C locale, for strtold_l: the text handed to it always uses a point.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Scans the number the user wrote and rewrites it in the C syntax strtold_l reads:
// sign, digits, a point, digits, exponent. Returns false where the text is not such a number.
bool ToCSyntax(std::string_view number, const TFormatSettings& settings, std::string& out) {
    const bool pointAllowed = settings.ThousandSeparator != ".";
    std::size_t i = 0;
    const auto take_digits = [&] {
        const std::size_t start = i;
        while (i < number.size() && IsDigit(number[i])) out += number[i++];
        return i - start;
    };

    if (i < number.size() && (number[i] == '+' || number[i] == '-')) out += number[i++];
    std::size_t digits = take_digits();
    const std::string_view rest = number.substr(i);
    const std::string_view& separator = settings.DecimalSeparator;
    if (!separator.empty() && rest.starts_with(separator)) {
        i += separator.size();
        out += '.';
        digits += take_digits();
    } else if (pointAllowed && rest.starts_with('.')) {
        ++i;
        out += '.';
        digits += take_digits();
    }
    if (digits == 0) return false;

    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        out += number[i++];
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) out += number[i++];
        if (take_digits() == 0) return false;
    }
    return i == number.size();
}

}  // namespace

long double StrToFloat(std::string_view text, const TFormatSettings& settings) {
    std::string_view number = text;
    while (!number.empty() && IsBlank(number.front())) number.remove_prefix(1);
    while (!number.empty() && IsBlank(number.back())) number.remove_suffix(1);

    // Nothing to quote: the message says what is missing instead.
    if (number.empty()) throw EConvertError("Поле ввода пусто: введите число");

    std::string cSyntax;
    cSyntax.reserve(number.size());
    if (!ToCSyntax(number, settings, cSyntax)) Reject(text);

    const long double value = RoundToExtendedPrecision(strtold_l(cSyntax.c_str(), nullptr, CLocale()), cSyntax);
    // An infinity is a number beyond the extended range; a number too small for it is accepted as
    // the zero or subnormal number it rounds to.
    if (std::isinf(value)) Reject(text);
    return value;
}
