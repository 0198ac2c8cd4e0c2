#pragma once

#include <string>

// The toolkit's error box: a modal window titled `title` with an error icon, the message (UTF-8,
// wrapped) and an OK button that Enter and Escape also press. Returns when the box is closed, by
// OK, by a key or by the window frame. Needs a display.
void ShowErrorBox(const std::string& title, const std::string& message);
