#include "PointerCursor.h"

#include <FL/x.H>
#include <X11/extensions/Xfixes.h>

namespace {
// A standard cursor is 16 pixels high with its hotspot at the top.
constexpr int kUsualCursorDepth = 16;

bool ServerShowsCursors() {
    static const bool available = [] {
        int event = 0, error = 0;
        return XFixesQueryExtension(fl_display, &event, &error) != 0;
    }();
    return available;
}
}  // namespace

int PointerCursorDepth() {
    if (!fl_display || !ServerShowsCursors()) return kUsualCursorDepth;
    XFixesCursorImage* image = XFixesGetCursorImage(fl_display);
    if (!image) return kUsualCursorDepth;
    const int depth = image->height - image->yhot;
    XFree(image);
    return depth > 0 ? depth : kUsualCursorDepth;
}
