#include "FloatToStrF.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

__extension__ typedef unsigned __int128 uint128;  // GCC and Clang have it on every 64-bit target

constexpr int kMostDigits = 18;

template <std::uint64_t Base>
constexpr std::array<std::uint64_t, kMostDigits + 1> kPowers = [] {
    std::array<std::uint64_t, kMostDigits + 1> powers{};
    std::uint64_t p = 1;
    for (auto& power : powers) {
        power = p;
        p *= Base;
    }
    return powers;
}();
constexpr const auto& kPowersOfTen = kPowers<10>;
constexpr const auto& kPowersOfFive = kPowers<5>;

int DigitCount(std::uint64_t n) {
    int count = 1;
    while (count <= kMostDigits && n >= kPowersOfTen[static_cast<std::size_t>(count)]) ++count;
    return count;
}

// A finite, non-negative value as mantissa / 2^shift, the mantissa holding every bit of the
// long double's significand: 64 bits for the x87 extended format, 113 for an IEEE quad.
struct BinaryValue {
    uint128 mantissa;
    int shift;
};

constexpr int kSignificandBits = std::numeric_limits<long double>::digits;
static_assert(kSignificandBits <= 113, "the significand must fit in 128 bits with room to spare");

BinaryValue Decompose(long double magnitude) {
    // The values written are mostly widened floats, which a double holds exactly: their bits are
    // read straight from the IEEE double, far quicker than frexp and ldexp on a long double.
    const auto narrowed = static_cast<double>(magnitude);
    if (static_cast<long double>(narrowed) == magnitude && narrowed >= std::numeric_limits<double>::min()) {
        const auto bits = std::bit_cast<std::uint64_t>(narrowed);
        constexpr int kFractionBits = 52, kBias = 1023;
        constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kFractionBits;
        return {(bits & (kHiddenBit - 1)) | kHiddenBit, kBias + kFractionBits - static_cast<int>(bits >> kFractionBits)};
    }
    int exponent = 0;
    const long double fraction = std::frexp(magnitude, &exponent);  // in [0.5, 1), or 0
    return {static_cast<uint128>(std::ldexp(fraction, kSignificandBits)), kSignificandBits - exponent};
}

// A product of up to 192 bits: high × 2^64 + low.
struct Wide {
    uint128 high;
    std::uint64_t low;

    // The low 128 bits of the value shifted right by `bits`; the callers know the result fits.
    uint128 ShiftedRight(int bits) const {
        if (bits == 0) return (high << 64) | low;
        if (bits < 64) return (high << (64 - bits)) | (low >> bits);
        if (bits < 192) return high >> (bits - 64);
        return 0;
    }
};

Wide Multiply(uint128 mantissa, std::uint64_t factor) {
    const uint128 low = static_cast<std::uint64_t>(mantissa) * uint128{factor};
    const uint128 high = (mantissa >> 64) * factor;
    return {high + (low >> 64), static_cast<std::uint64_t>(low)};
}

// The value × 10^decimals rounded to an integer, halves up, computed exactly: the mantissa times
// 5^decimals, shifted right by shift - decimals. Needs the value below 10^18 and decimals <= 18,
// so that the result is below 10^36 < 2^120.
std::uint64_t ScaleAndRound(BinaryValue v, int decimals) {
    const Wide product = Multiply(v.mantissa, kPowersOfFive[static_cast<std::size_t>(decimals)]);
    const int shift = v.shift - decimals;
    if (shift <= 0) return static_cast<std::uint64_t>(product.ShiftedRight(0) << -shift);
    // Rounding half up adds the first bit shifted out.
    return static_cast<std::uint64_t>(product.ShiftedRight(shift) + (product.ShiftedRight(shift - 1) & 1));
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
    const auto wholePart = static_cast<std::uint64_t>(binary.shift >= 128 ? 0 : binary.mantissa >> binary.shift);
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
