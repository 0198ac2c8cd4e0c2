// PLACEHOLDER program entry, replaced by the real one once the application object and the main
// form exist: it only opens a bare navy window of the main window's client size, so the
// packaging, the install rules and the start-up measurement have a program to work on.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

int main() {
    Fl_Double_Window window(668, 348, "Quarvel");
    window.color(fl_rgb_color(0, 0, 128));
    window.end();
    window.show();
    Fl::run();
    return 0;
}
