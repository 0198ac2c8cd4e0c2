#pragma once

#include <FL/Enumerations.H>

#include "Colors.h"

// FLTK's form of a toolkit colour.
inline Fl_Color ToFlColor(TColor color) {
    const TRGB rgb = ColorToRGB(color);
    return fl_rgb_color(rgb.r, rgb.g, rgb.b);
}
