#pragma once

#include <optional>
#include <string>
#include <vector>

// The density windows are drawn at, in pixels per inch. Layouts are designed at 96; a window is
// drawn at one to three times its designed size.
constexpr int DesignPixelsPerInch = 96;
constexpr int LeastPixelsPerInch = DesignPixelsPerInch;
constexpr int GreatestPixelsPerInch = 3 * DesignPixelsPerInch;

struct ScreenDensity {
    int pixelsPerInch = DesignPixelsPerInch;
    // One line for each setting that was not used because its value makes no sense, naming it.
    std::vector<std::string> ignored;
};

// The density from the user's settings: QUARVEL_SCALE (`scale`, a factor from 1 to 3; null or
// empty where it is not set) where it is given, else the desktop's Xft.dpi brought within 96 to 288, else 96. A setting whose value is no
// number in its range is ignored and named in `ignored`; an Xft.dpi that is a screen's density
// but lies outside what the window is drawn at is brought to the nearest end, as it is no mistake.
ScreenDensity ChooseScreenDensity(const char* scale, const std::optional<std::string>& xftDpi);

// The value of the resource Xft.dpi in a resource database's text (what desktops set on the X
// server's root window, as xrdb writes it), or nothing; null text is no database.
std::optional<std::string> XftDpiResource(const char* resources);
