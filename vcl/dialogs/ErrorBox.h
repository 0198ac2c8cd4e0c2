#pragma once

#include <string>

class Fl_Window;

// The toolkit's error box: a modal dialog of `owner` titled `title`, with an error icon, the
// message (UTF-8, wrapped) and an OK button that Enter and Escape also press. It opens in the
// middle of its owner (of the screen without one) and can be moved and closed, not minimised.
// Returns when the box is closed, by OK, by a key or by the window frame. Needs a display.
// Its sizes are given at 96 pixels per inch and drawn at `pixelsPerInch`, the screen's density.
void ShowErrorBox(const std::string& title, const std::string& message, Fl_Window* owner = nullptr,
                  int pixelsPerInch = 96);
