#include "TBevel.h"

#include <FL/fl_draw.H>

#include "ComponentClass.h"
#include "FlColor.h"
#include "LayoutValues.h"
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

void TBevel::Paint() {
    const Fl_Widget& w = *Widget();
    if (w.w() <= 0 || w.h() <= 0) return;
    // Lowered: the light falls from the top left onto a dent, so the top-left edges are in shadow.
    const bool lowered = style_ == bsLowered;
    const int right = w.x() + w.w() - 1, bottom = w.y() + w.h() - 1;
    fl_color(ToFlColor(lowered ? clBtnShadow : clBtnHighlight));
    fl_xyline(w.x(), w.y(), right);
    fl_yxline(w.x(), w.y(), bottom);
    fl_color(ToFlColor(lowered ? clBtnHighlight : clBtnShadow));
    fl_xyline(w.x(), bottom, right);
    fl_yxline(right, w.y(), bottom);
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
