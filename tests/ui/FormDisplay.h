#pragma once

// Helpers for display tests: show a form in the test's X server and read back what it drew.

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "Colors.h"
#include "TForm.h"

namespace form_display {

// Lets FLTK map and draw the window, and answer any events it caused.
inline void Settle() {
    for (int i = 0; i < 10; ++i) {
        Fl::wait(0.02);
        Fl::flush();
    }
}

// Shows the form (as the program does) and waits until it has been drawn.
inline void ShowAndSettle(TForm& form) {
    form.Show();
    for (int i = 0; i < 100 && !form.Window()->visible(); ++i) Fl::wait(0.02);
    if (!form.Window()->visible()) throw std::runtime_error("the window was never mapped");
    // The first drawing can wait for the font cache; go on until nothing is left to draw.
    for (int i = 0; i < 100; ++i) {
        Settle();
        if (!form.Window()->damage()) break;
    }
}

// The whole window's RGB pixels, rows from the top, 3 bytes a pixel.
struct Snapshot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;

    // A pixel in window coordinates (the menu bar's top-left is 0, 0).
    TRGB At(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
        return {rgb.at(i), rgb.at(i + 1), rgb.at(i + 2)};
    }

    // Writes a PPM (convert it with `convert shot.ppm shot.png` to look at it).
    void SavePPM(const std::string& path) const {
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fprintf(f, "P6\n%d %d\n255\n", width, height);
            std::fwrite(rgb.data(), 1, rgb.size(), f);
            std::fclose(f);
        }
    }
};

inline Snapshot Capture(TForm& form) {
    Fl::flush();
    Fl_Double_Window& w = *form.Window();
    w.make_current();
    Snapshot s;
    s.width = w.w();
    s.height = w.h();
    s.rgb.resize(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height) * 3);
    fl_read_image(s.rgb.data(), 0, 0, s.width, s.height);
    return s;
}

// A pixel in client coordinates, the coordinates of the form's controls (below the menu bar).
inline TRGB ClientPixel(TForm& form, int x, int y) { return Capture(form).At(x, y + form.ClientOrigin()); }

}  // namespace form_display
