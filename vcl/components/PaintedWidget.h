#pragma once

#include <FL/Fl_Widget.H>

#include <functional>
#include <utility>

// The FLTK widget of a control that draws itself (labels, frames, pictures). It takes no focus and
// no clicks, but it does take the mouse's entry, so that the topmost control under the mouse is the
// one whose tooltip shows.
class PaintedWidget : public Fl_Widget {
public:
    explicit PaintedWidget(std::function<void()> paint) : Fl_Widget(0, 0, 0, 0), paint_(std::move(paint)) {
        clear_visible_focus();
    }

    void draw() override { paint_(); }

    int handle(int event) override {
        switch (event) {
        case FL_ENTER:
        case FL_LEAVE:
        case FL_MOVE: return 1;
        default: return 0;
        }
    }

private:
    std::function<void()> paint_;
};
