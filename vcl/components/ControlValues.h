#pragma once

#include "Colors.h"
#include "Cursors.h"
#include "Font.h"
#include "LayoutTree.h"
#include "TPicture.h"

// Readings of the layout values of the controls' own kinds; each throws ELayoutError naming the
// line and the word of a value that is not allowed.

// A colour constant (clNavy) or a number 0x00BBGGRR.
TColor ColorValue(const LayoutProperty& property);
TCursor CursorValue(const LayoutProperty& property);
// [fsBold, fsItalic]: the styles the faces here are drawn in.
TFontStyles FontStyleValue(const LayoutProperty& property);
// The embedded picture of that file name ('bulb.png').
TPicture PictureValue(const LayoutProperty& property);
