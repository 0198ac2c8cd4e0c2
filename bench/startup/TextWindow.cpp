// The second start-up baseline: the bare window with one line of text in Quarvel's face
// (Liberation Sans, 11 px), drawn through Xft. It prices what any window with text pays at
// start-up (fontconfig's configuration and caches, FreeType and one face) apart from the rest.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>

int main() {
    Fl::set_font(FL_FREE_FONT, " Liberation Sans");
    Fl_Double_Window window(668, 348, "text");
    window.color(fl_rgb_color(0, 0, 128));
    Fl_Box caption(16, 16, 325, 13, "Сопротивление резисторов R1 и R3 (при условии R1 = R3), кОм");
    caption.box(FL_FLAT_BOX);
    caption.color(fl_rgb_color(0, 255, 0));
    caption.labelfont(FL_FREE_FONT);
    caption.labelsize(11);
    window.end();
    window.show();
    return Fl::run();
}
