#pragma once

#include "MulDiv.h"
#include "ScreenDensity.h"

// The screen the forms are drawn on: its density, which a form designed at another scales to
// when it is created. The application reads it once, when it opens the display; until then, and
// without a display, it is the density layouts are designed at, and nothing is scaled.
class TScreen {
public:
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }

    // A length given at the design density (96 pixels per inch), at the screen's.
    int Scaled(int designLength) const { return MulDiv(designLength, pixelsPerInch_, DesignPixelsPerInch); }

private:
    int pixelsPerInch_ = DesignPixelsPerInch;
};

// The program's one screen. (Xlib takes the plain name Screen for a type of its own.)
extern TScreen* const TheScreen;
