#pragma once

// Drives the test's X server as a person would: moves the real pointer and clicks (xdotool), and
// reads back the cursor the server shows (XFixes).

#include <FL/x.H>
#include <X11/extensions/Xfixes.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TForm.h"
#include "Xdotool.h"

namespace real_input {

// The screen position of a point in the form's client coordinates.
struct ScreenPoint {
    int x, y;
};
inline ScreenPoint OnScreen(const TForm& form, int clientX, int clientY) {
    return {form.Window()->x_root() + clientX, form.Window()->y_root() + form.ClientOrigin() + clientY};
}

// Moves the real pointer there and returns once the server has it there.
inline bool MovePointer(ScreenPoint p) {
    return Xdotool({"mousemove", "--sync", std::to_string(p.x), std::to_string(p.y)});
}

inline bool Click(ScreenPoint p) {
    return Xdotool({"mousemove", "--sync", std::to_string(p.x), std::to_string(p.y), "click", "1"});
}

// A cursor as the server shows it: size, hotspot and premultiplied ARGB pixels.
struct CursorImage {
    int width = 0, height = 0, xhot = 0, yhot = 0;
    std::vector<std::uint32_t> argb;
    friend bool operator==(const CursorImage&, const CursorImage&) = default;
};

inline CursorImage ShownCursor() {
    CursorImage c;
    XFixesCursorImage* image = XFixesGetCursorImage(fl_display);
    if (!image) return c;
    c.width = image->width;
    c.height = image->height;
    c.xhot = image->xhot;
    c.yhot = image->yhot;
    const std::size_t n = static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height);
    for (std::size_t i = 0; i < n; ++i) c.argb.push_back(static_cast<std::uint32_t>(image->pixels[i]));
    XFree(image);
    return c;
}

}  // namespace real_input
