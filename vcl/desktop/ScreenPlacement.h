#pragma once

// Rectangles of the screen, in pixels, and where a window goes among them.
struct ScreenRect {
    int x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The top-left corner that centres a `width` × `height` rectangle on `over`, moved as little as
// needed to lie inside `area` (its top-left edge wins where it cannot fit at all).
ScreenRect CentredWithin(const ScreenRect& over, int width, int height, const ScreenRect& area);
