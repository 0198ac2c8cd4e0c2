#pragma once

#include <FL/Fl_Widget.H>

// The error box's icon: a red disc with a white cross, drawn rather than loaded so the box needs no
// picture file.
class ErrorIcon : public Fl_Widget {
public:
    ErrorIcon(int x, int y, int size);

protected:
    void draw() override;
};
