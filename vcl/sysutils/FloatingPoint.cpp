#include "FloatingPoint.h"

#include <cfenv>

#if defined(__x86_64__) || defined(__i386__)

#include <fpu_control.h>

void Set8087CW(std::uint16_t controlWord) {
    fpu_control_t word = controlWord;
    _FPU_SETCW(word);
    // The SSE unit does float and double arithmetic: round to nearest, every exception masked.
    std::fesetround(FE_TONEAREST);
    fedisableexcept(FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
}

std::uint16_t Get8087CW() {
    fpu_control_t word = 0;
    _FPU_GETCW(word);
    return static_cast<std::uint16_t>(word);
}

#else

// Without an x87 unit the word's precision bits have no counterpart (long double is at least as
// wide as the extended format) and exceptions are never trapped; its rounding bits are honoured.
namespace {

constexpr std::uint16_t kRoundingBits = 0x0C00;
constexpr int kRoundingModes[] = {FE_TONEAREST, FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO};

}  // namespace

void Set8087CW(std::uint16_t controlWord) {
    std::fesetenv(FE_DFL_ENV);  // round to nearest, no trap, no exception raised
    std::fesetround(kRoundingModes[(controlWord & kRoundingBits) >> 10]);
}

std::uint16_t Get8087CW() {
    std::uint16_t word = Default8087CW & ~kRoundingBits;
    const int mode = std::fegetround();
    for (std::uint16_t i = 0; i < 4; ++i)
        if (kRoundingModes[i] == mode) word |= static_cast<std::uint16_t>(i << 10);
    return word;
}

#endif
