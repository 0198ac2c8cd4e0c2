#include "FloatingPoint.h"

#include <cfenv>
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
