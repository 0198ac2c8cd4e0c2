#pragma once

#include <FL/Fl_Double_Window.H>

class TForm;

// The FLTK window of a form. FLTK has one cursor per window, so the window shows the cursor of
// the topmost control under the mouse; it keeps the menu bar as wide as itself; and it closes
// through the form (the frame's close control), but not on Escape, which a toolkit window ignores.
// Tab moves the focus on through the form's windowed controls.
class FormWindow : public Fl_Double_Window {
public:
    FormWindow(TForm& form, int x, int y, int w, int h);

    TForm& Form() const { return form_; }

    int handle(int event) override;
    void resize(int x, int y, int w, int h) override;

private:
    TForm& form_;
};
