#include "TBevel.h"

#include <FL/fl_draw.H>

#include <algorithm>

#include "ComponentClass.h"
#include "FlColor.h"
#include "LayoutValues.h"
#include "MulDiv.h"
#include "PaintedWidget.h"

TBevel::TBevel(TComponent* owner) : TControl(owner, std::make_unique<PaintedWidget>([this] { Paint(); })) {
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape shape) {
    shape_ = shape;
    Redraw();
}

void TBevel::SetStyle(TBevelStyle style) {
    style_ = style;
    Redraw();
}

void TBevel::ChangeScale(int m, int d) {
    TControl::ChangeScale(m, d);
    lineWidth_ = std::max(MulDiv(lineWidth_, m, d), 1);
    Redraw();
}

void TBevel::Paint() {
    const Fl_Widget& w = *Widget();
    if (w.w() <= 0 || w.h() <= 0) return;
    // Lowered: the light falls from the top left onto a dent, so the top-left edges are in shadow.
    // The bottom and right edges are drawn last and take the corners they share with the others.
    const bool lowered = style_ == bsLowered;
    const int line = std::min({lineWidth_, w.w(), w.h()});
    fl_color(ToFlColor(lowered ? clBtnShadow : clBtnHighlight));
    fl_rectf(w.x(), w.y(), w.w(), line);
    fl_rectf(w.x(), w.y(), line, w.h());
    fl_color(ToFlColor(lowered ? clBtnHighlight : clBtnShadow));
    fl_rectf(w.x(), w.y() + w.h() - line, w.w(), line);
    fl_rectf(w.x() + w.w() - line, w.y(), line, w.h());
}

namespace {
TBevelShape ShapeValue(const LayoutProperty& p) {
    return EnumValue<TBevelShape>(p, {{"bsBox", bsBox}});
}

TBevelStyle StyleValue(const LayoutProperty& p) {
    return EnumValue<TBevelStyle>(p, {{"bsLowered", bsLowered}, {"bsRaised", bsRaised}});
}

[[maybe_unused]] const TComponentClass& bevelClass = RegisterClass(
    ClassOf<TBevel, TControl>("TBevel")
        .Creatable()
        .Property("Shape", &TBevel::SetShape, ShapeValue)
        .Property("Style", &TBevel::SetStyle, StyleValue));
}  // namespace
