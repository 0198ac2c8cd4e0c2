#include "ErrorIcon.h"

#include <FL/fl_draw.H>

ErrorIcon::ErrorIcon(int x, int y, int size) : Fl_Widget(x, y, size, size) {}

void ErrorIcon::draw() {
    const int inset = w() / 4;  // the cross spans the middle half of the disc
    fl_color(fl_rgb_color(200, 0, 0));
    fl_pie(x(), y(), w(), h(), 0.0, 360.0);
    fl_color(FL_WHITE);
    fl_line_style(FL_SOLID | FL_CAP_ROUND, w() / 8);
    fl_line(x() + inset, y() + inset, x() + w() - 1 - inset, y() + h() - 1 - inset);
    fl_line(x() + w() - 1 - inset, y() + inset, x() + inset, y() + h() - 1 - inset);
    fl_line_style(0);
}
