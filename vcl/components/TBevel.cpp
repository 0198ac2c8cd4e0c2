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

namespace {
// A 1-px rectangle: `topLeft` on its top and left edges, `bottomRight` on the other two.
void FrameRect(int x, int y, int w, int h, Fl_Color topLeft, Fl_Color bottomRight) {
    if (w <= 0 || h <= 0) return;
    fl_color(topLeft);
    fl_xyline(x, y, x + w - 1);
    fl_yxline(x, y, y + h - 1);
    fl_color(bottomRight);
    fl_xyline(x, y + h - 1, x + w - 1);
    fl_yxline(x + w - 1, y, y + h - 1);
}
}  // namespace

void TBevel::Paint() {
    const Fl_Widget& wd = *Widget();
    const int x = wd.x(), y = wd.y(), w = wd.w(), h = wd.h();
    const Fl_Color shadow = ToFlColor(clBtnShadow);
    const Fl_Color highlight = ToFlColor(clBtnHighlight);
    // Lowered: the light falls from the top left onto a dent, so the top-left edges are in shadow.
    const Fl_Color first = style_ == bsLowered ? shadow : highlight;
    const Fl_Color second = style_ == bsLowered ? highlight : shadow;
    if (w <= 0 || h <= 0) return;
    fl_push_clip(x, y, w, h);
    switch (shape_) {
    case bsBox: FrameRect(x, y, w, h, first, second); break;
    case bsFrame:  // an etched groove (lowered) or ridge (raised): two offset rectangles
        FrameRect(x + 1, y + 1, w - 1, h - 1, second, second);
        FrameRect(x, y, w - 1, h - 1, first, first);
        break;
    case bsTopLine:
        fl_color(first), fl_xyline(x, y, x + w - 1);
        fl_color(second), fl_xyline(x, y + 1, x + w - 1);
        break;
    case bsBottomLine:
        fl_color(first), fl_xyline(x, y + h - 2, x + w - 1);
        fl_color(second), fl_xyline(x, y + h - 1, x + w - 1);
        break;
    case bsLeftLine:
        fl_color(first), fl_yxline(x, y, y + h - 1);
        fl_color(second), fl_yxline(x + 1, y, y + h - 1);
        break;
    case bsRightLine:
        fl_color(first), fl_yxline(x + w - 2, y, y + h - 1);
        fl_color(second), fl_yxline(x + w - 1, y, y + h - 1);
        break;
    case bsSpacer: break;
    }
    fl_pop_clip();
}

namespace {
TBevelShape ShapeValue(const LayoutProperty& p) {
    return EnumValue<TBevelShape>(p, {{"bsBox", bsBox},
                                      {"bsFrame", bsFrame},
                                      {"bsTopLine", bsTopLine},
                                      {"bsBottomLine", bsBottomLine},
                                      {"bsLeftLine", bsLeftLine},
                                      {"bsRightLine", bsRightLine},
                                      {"bsSpacer", bsSpacer}});
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
