#pragma once

#include <FL/Enumerations.H>

#include "Font.h"

// The FLTK face that draws a toolkit font. "MS Sans Serif" does not exist here and is drawn with
// Liberation Sans, whose metrics match it closely; a family the system lacks is drawn with the
// nearest one fontconfig finds, never with nothing.
Fl_Font ToFlFont(const TFont& font);

inline Fl_Fontsize ToFlFontSize(const TFont& font) { return static_cast<Fl_Fontsize>(font.PixelHeight()); }
