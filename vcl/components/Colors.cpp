#include "Colors.h"

namespace {
TRGB SchemeColor(unsigned index) {
    switch (index) {
    case 5: return {255, 255, 255};   // window
    case 8: return {0, 0, 0};         // window text
    case 16: return {128, 128, 128};  // button shadow
    case 18: return {0, 0, 0};        // button text
    case 20: return {255, 255, 255};  // button highlight
    default: return {212, 208, 200};  // menu, button face and the other surfaces
    }
}
}  // namespace

TRGB ColorToRGB(TColor color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0xFF000000u) return SchemeColor(bits & 0xFFu);
    return {static_cast<std::uint8_t>(bits & 0xFFu), static_cast<std::uint8_t>((bits >> 8) & 0xFFu),
            static_cast<std::uint8_t>((bits >> 16) & 0xFFu)};
}
