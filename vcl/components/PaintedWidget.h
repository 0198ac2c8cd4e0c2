#pragma once

#include <FL/Fl_Widget.H>

#include <functional>
#include <utility>

// The FLTK widget of a control that draws itself (labels, frames, pictures). It takes no focus and
// no clicks.
class PaintedWidget : public Fl_Widget {
public:
    explicit PaintedWidget(std::function<void()> paint) : Fl_Widget(0, 0, 0, 0), paint_(std::move(paint)) {
        clear_visible_focus();
    }

    void draw() override { paint_(); }

private:
    std::function<void()> paint_;
};
