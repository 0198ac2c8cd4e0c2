#include "ScreenDensity.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {
// Densities of real screens lie well inside these; a value outside is a mistake.
constexpr double kLeastScreenDensity = 24, kGreatestScreenDensity = 960;

// A decimal number written with a point (digits, and a fraction after the point), blanks round
// it allowed; nothing for anything else: signs, exponents, infinities, NaN. std::from_chars would
// read it too, but it brings some 100 KiB of the library into every start-up.
std::optional<double> DecimalIn(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    double value = 0, place = 1;
    bool digits = false, point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            if (point)
                value += (c - '0') * (place /= 10);
            else
                value = value * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    return value;
}

int Rounded(double pixelsPerInch) { return static_cast<int>(std::lround(pixelsPerInch)); }

// A value as the one line that names it shows it: in guillemets, control characters as '?', and
// cut short (at a character's start) where it is long.
std::string Quoted(std::string_view value) {
    constexpr std::size_t kShown = 32;
    std::string shown;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto byte = static_cast<unsigned char>(value[i]);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter && i >= kShown) return "«" + shown + "…»";
        shown += byte < 0x20 || byte == 0x7F ? '?' : value[i];
    }
    return "«" + shown + "»";
}
}  // namespace

ScreenDensity ChooseScreenDensity(const char* scale, const std::optional<std::string>& xftDpi) {
    ScreenDensity density;
    // An empty variable is one that is not set.
    if (scale && *scale) {
        const std::optional<double> factor = DecimalIn(scale);
        if (factor && *factor >= 1 && *factor <= 3) {
            density.pixelsPerInch = Rounded(*factor * DesignPixelsPerInch);
            return density;
        }
        density.ignored.push_back("QUARVEL_SCALE " + Quoted(scale) + " не учитывается: масштаб — число от 1 до 3");
    }
    if (xftDpi) {
        const std::optional<double> dpi = DecimalIn(*xftDpi);
        if (dpi && *dpi >= kLeastScreenDensity && *dpi <= kGreatestScreenDensity) {
            density.pixelsPerInch = std::clamp(Rounded(*dpi), LeastPixelsPerInch, GreatestPixelsPerInch);
            return density;
        }
        density.ignored.push_back("Xft.dpi " + Quoted(*xftDpi) +
                                  " не учитывается: плотность экрана — число от 24 до 960 точек на дюйм");
    }
    return density;
}

std::optional<std::string> XftDpiResource(const char* resources) {
    if (!resources) return std::nullopt;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    if (!database) return std::nullopt;
    std::optional<std::string> found;
    char* type = nullptr;
    XrmValue value{};
    // The lookup Xft makes: a line for Xft.dpi itself, or a wider one such as *dpi.
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) found.emplace(value.addr);
    XrmDestroyDatabase(database);
    return found;
}
