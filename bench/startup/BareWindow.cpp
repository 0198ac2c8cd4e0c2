// The start-up baseline: the least FLTK program that shows a window like Quarvel's, a navy
// double-buffered window of the same client size, and nothing else.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

int main() {
    Fl_Double_Window window(668, 348, "bare");
    window.color(fl_rgb_color(0, 0, 128));
    window.end();
    window.show();
    return Fl::run();
}
