#include "ExactCompare.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// A non-negative integer of any size, with only what the comparison needs.
class BigUnsigned {
public:
    BigUnsigned() = default;

    // high × 2^64 + low
    BigUnsigned(std::uint64_t high, std::uint64_t low)
        : limbs_{static_cast<std::uint32_t>(low), static_cast<std::uint32_t>(low >> 32),
                 static_cast<std::uint32_t>(high), static_cast<std::uint32_t>(high >> 32)} {
        Trim();
    }

    bool IsZero() const { return limbs_.empty(); }

    // this = this × factor + addend
    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (auto& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
        Trim();
    }

    void MultiplyByPowerOfFive(std::int64_t exponent) {
        constexpr std::uint32_t kFiveToThe13 = 1220703125;
        for (; exponent >= 13; exponent -= 13) MultiplyAdd(kFiveToThe13, 0);
        std::uint32_t rest = 1;
        for (; exponent > 0; --exponent) rest *= 5;
        MultiplyAdd(rest, 0);
    }

    void ShiftLeft(std::int64_t bits) {
        if (IsZero() || bits == 0) return;
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0);
        const auto rest = static_cast<unsigned>(bits % 32);
        if (rest == 0) return;
        std::uint32_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint32_t next = limb >> (32 - rest);
            limb = (limb << rest) | carry;
            carry = next;
        }
        if (carry != 0) limbs_.push_back(carry);
    }

    friend std::strong_ordering operator<=>(const BigUnsigned& a, const BigUnsigned& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() <=> b.limbs_.size();
        return std::lexicographical_compare_three_way(a.limbs_.rbegin(), a.limbs_.rend(), b.limbs_.rbegin(),
                                                      b.limbs_.rend());
    }

private:
    void Trim() {
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limb
};

// A number as digits × 10^exponent.
struct Scaled {
    BigUnsigned digits;
    std::int64_t exponent = 0;
    std::int64_t digitCount = 0;  // significant digits in `digits`
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

Scaled ParseDecimal(std::string_view text) {
    constexpr std::int64_t kExponentLimit = 1'000'000'000;  // far beyond any finite number
    Scaled number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::uint32_t chunk = 0, chunkScale = 1;
    bool pointSeen = false;
    for (; i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !pointSeen)); ++i) {
        if (text[i] == '.') {
            pointSeen = true;
            continue;
        }
        if (pointSeen) --number.exponent;
        if (number.digitCount == 0 && text[i] == '0') continue;  // leading zeros
        ++number.digitCount;
        chunk = chunk * 10 + static_cast<std::uint32_t>(text[i] - '0');
        chunkScale *= 10;
        if (chunkScale == 1'000'000'000) {
            number.digits.MultiplyAdd(chunkScale, chunk);
            chunk = 0;
            chunkScale = 1;
        }
    }
    number.digits.MultiplyAdd(chunkScale, chunk);
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::int64_t exponent = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentLimit);
        number.exponent += negative ? -exponent : exponent;
    }
    return number;
}

// A finite, non-negative long double as mantissa × 2^exponent, the mantissa an integer.
struct Binary {
    BigUnsigned mantissa;
    std::int64_t exponent = 0;
    int bitCount = 0;  // bits of the mantissa
};

Binary Decompose(long double value) {
    constexpr int kBits = std::numeric_limits<long double>::digits;
    int exponent = 0;
    const long double whole = std::ldexp(std::frexp(value, &exponent), kBits);  // an integer
    const auto high = static_cast<std::uint64_t>(std::floor(std::ldexp(whole, -64)));
    const auto low = static_cast<std::uint64_t>(whole - std::ldexp(static_cast<long double>(high), 64));
    Binary binary;
    binary.mantissa = BigUnsigned(high, low);
    binary.exponent = exponent - kBits;
    binary.bitCount = kBits;
    return binary;
}

}  // namespace

std::strong_ordering CompareExactly(std::string_view decimal, long double binary) {
    Scaled number = ParseDecimal(decimal);
    Binary value = Decompose(std::fabs(binary));
    if (number.digits.IsZero() || value.mantissa.IsZero())
        return value.mantissa.IsZero() <=> number.digits.IsZero();  // false < true: zero is the lesser

    // Numbers whose orders of magnitude lie well apart are told apart without big arithmetic;
    // this also keeps the big numbers below as small as the values themselves.
    const double decimalOrder = static_cast<double>(number.exponent + number.digitCount);
    const double binaryOrder = static_cast<double>(value.exponent + value.bitCount) * 0.30102999566398120;
    if (decimalOrder > binaryOrder + 2) return std::strong_ordering::greater;
    if (decimalOrder < binaryOrder - 2) return std::strong_ordering::less;

    // digits × 5^k × 2^k against mantissa × 2^e, with both sides brought to whole numbers.
    const std::int64_t k = number.exponent, e = value.exponent, common = std::min(k, e);
    number.digits.MultiplyByPowerOfFive(std::max<std::int64_t>(k, 0));
    number.digits.ShiftLeft(k - common);
    value.mantissa.MultiplyByPowerOfFive(std::max<std::int64_t>(-k, 0));
    value.mantissa.ShiftLeft(e - common);
    return number.digits <=> value.mantissa;
}
