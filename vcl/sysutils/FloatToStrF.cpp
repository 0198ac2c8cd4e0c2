#include "FloatToStrF.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

__extension__ typedef unsigned __int128 uint128;  // GCC and Clang both have it on x86-64

constexpr int kMostDigits = 18;

constexpr std::array<std::uint64_t, kMostDigits + 1> kPowersOfTen = [] {
    std::array<std::uint64_t, kMostDigits + 1> powers{};
    std::uint64_t p = 1;
    for (auto& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

int DigitCount(std::uint64_t n) {
    int count = 1;
    while (count <= kMostDigits && n >= kPowersOfTen[static_cast<std::size_t>(count)]) ++count;
    return count;
}

// A finite, non-negative extended value as mantissa / 2^shift. The x87 extended format stores
// its 64-bit mantissa with the leading one explicit, so the mantissa is read as it is stored.
struct BinaryValue {
    std::uint64_t mantissa;
    int shift;
};

static_assert(std::numeric_limits<long double>::digits == 64, "needs the x87 extended format");

BinaryValue Decompose(long double magnitude) {
    std::array<unsigned char, sizeof(long double)> bytes{};
    std::memcpy(bytes.data(), &magnitude, sizeof magnitude);
    BinaryValue v{};
    std::memcpy(&v.mantissa, bytes.data(), sizeof v.mantissa);
    std::uint16_t biased = 0;
    std::memcpy(&biased, bytes.data() + sizeof v.mantissa, sizeof biased);
    biased &= 0x7fff;
    constexpr int kBias = 16383;
    v.shift = kBias + 63 - std::max<int>(biased, 1);  // subnormals share the smallest exponent
    return v;
}

// The value × 10^decimals rounded to an integer, halves up, computed exactly. Needs the value
// below 10^18 and decimals <= 18, so that every intermediate fits in 128 bits.
std::uint64_t ScaleAndRound(BinaryValue v, int decimals) {
    const uint128 scaled = uint128{v.mantissa} * kPowersOfTen[static_cast<std::size_t>(decimals)];
    if (v.shift >= 128) return 0;  // scaled < 2^124, so the value is below one half
    const uint128 half = uint128{1} << (v.shift - 1);
    return static_cast<std::uint64_t>((scaled + half) >> v.shift);
}

void AppendNumber(std::string& out, std::uint64_t n, int width) {
    std::array<char, 24> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n).ptr;
    const auto length = static_cast<int>(end - buffer.data());
    out.append(static_cast<std::size_t>(std::max(width - length, 0)), '0');
    out.append(buffer.data(), end);
}

std::string ExponentForm(long double value, int precision, const TFormatSettings& settings) {
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, precision - 1)
                         .ptr;
    std::string text(buffer.data(), end);
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, settings.DecimalSeparator);
    const auto e = text.find('e');
    text[e] = 'E';
    return text;
}

}  // namespace

std::string FloatToStrF(long double value, TFloatFormat, int precision, int digits,
                        const TFormatSettings& settings) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    precision = std::clamp(precision, 1, kMostDigits);
    digits = std::clamp(digits, 0, kMostDigits);

    const long double magnitude = std::fabs(value);
    if (magnitude >= static_cast<long double>(kPowersOfTen[static_cast<std::size_t>(precision)]))
        return ExponentForm(value, precision, settings);

    // Round at the last decimal shown, or sooner where the significant digits run out first.
    const BinaryValue binary = Decompose(magnitude);  // shift > 0, since the value is below 2^60
    const std::uint64_t wholePart = binary.shift >= 64 ? 0 : binary.mantissa >> binary.shift;
    const int wholeDigits = wholePart == 0 ? 0 : DigitCount(wholePart);
    // Below one the significant digits start at the first non-zero decimal.
    int decimals = wholeDigits == 0 ? digits : std::min(digits, precision - wholeDigits);
    std::uint64_t scaled = ScaleAndRound(binary, decimals);
    if (wholeDigits == 0 && scaled != 0) {
        const int excess = DigitCount(scaled) - precision;
        if (excess > 0) {
            decimals -= excess;
            scaled = ScaleAndRound(binary, decimals);
        }
    }

    std::string text;
    text.reserve(static_cast<std::size_t>(wholeDigits + digits + 4));
    if (value < 0 && scaled != 0) text += '-';
    const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(decimals)];
    AppendNumber(text, scaled / unit, 1);
    if (digits > 0) {
        text += settings.DecimalSeparator;
        if (decimals > 0) AppendNumber(text, scaled % unit, decimals);
        text.append(static_cast<std::size_t>(digits - decimals), '0');
    }
    return text;
}
