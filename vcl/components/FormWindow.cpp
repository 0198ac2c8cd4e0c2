#include "FormWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include "TForm.h"
#include "TMainMenu.h"

namespace {
void CloseRequested(Fl_Widget*, void* form) {
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    static_cast<TForm*>(form)->Close();
}
}  // namespace

FormWindow::FormWindow(TForm& form, int x, int y, int w, int h) : Fl_Double_Window(x, y, w, h), form_(form) {
    end();
    callback(CloseRequested, &form_);
}

int FormWindow::handle(int event) {
    const int handled = Fl_Double_Window::handle(event);
    if (event == FL_ENTER || event == FL_MOVE) {
        form_.UpdateCursor(Fl::event_x(), Fl::event_y());
        return 1;
    }
    // Tab, and Shift+Tab, that no control took: the focus goes round the windowed controls, back
    // to the entry box where it is the only one.
    if (!handled && event == FL_KEYBOARD && Fl::event_key() == FL_Tab && !Fl::event_state(FL_CTRL | FL_ALT | FL_META)) {
        form_.SelectNext();
        return 1;
    }
    return handled;
}

void FormWindow::resize(int x, int y, int w, int h) {
    Fl_Double_Window::resize(x, y, w, h);
    if (form_.Menu()) form_.Menu()->Widget()->size(w, form_.ClientOrigin());
}
