#include "ScreenPlacement.h"

#include <algorithm>

namespace {
// The start of a `size` span centred on [start, start + length), kept within [low, low + room).
int CentredSpan(int start, int length, int size, int low, int room) {
    const int centred = start + (length - size) / 2;
    return std::max(low, std::min(centred, low + room - size));
}
}  // namespace

ScreenRect CentredWithin(const ScreenRect& over, int width, int height, const ScreenRect& area) {
    return {CentredSpan(over.x, over.w, width, area.x, area.w), CentredSpan(over.y, over.h, height, area.y, area.h),
            width, height};
}
