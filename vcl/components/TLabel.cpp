#include "TLabel.h"

#include <FL/fl_draw.H>

#include <cmath>

#include "ComponentClass.h"
#include "FlColor.h"
#include "FlFont.h"
#include "FontProperties.h"
#include "LayoutValues.h"
#include "PaintedWidget.h"

TLabel::TLabel(TComponent* owner)
    : TControl(owner, std::make_unique<PaintedWidget>([this] { Paint(); })) {
    TControl::SetBounds(0, 0, 65, 13);
    givenWidth_ = 65;
    givenHeight_ = 13;
}

void TLabel::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    AdjustBounds();
    Redraw();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Redraw();
}

void TLabel::SetBounds(int left, int top, int width, int height) {
    givenWidth_ = width;
    givenHeight_ = height;
    TControl::SetBounds(left, top, width, height);
    AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || !Showing() || !Visible()) return;
    int width = givenWidth_, height = givenHeight_;
    if (!caption_.empty()) {
        fl_font(ToFlFont(Font()), ToFlFontSize(Font()));
        width = static_cast<int>(std::ceil(fl_width(caption_.c_str())));
        height = fl_height();
    }
    if (width != Width() || height != Height()) TControl::SetBounds(Left(), Top(), width, height);
}

void TLabel::Paint() {
    Fl_Widget& w = *Widget();
    fl_push_clip(w.x(), w.y(), w.w(), w.h());
    if (!transparent_) {
        fl_color(ToFlColor(Color()));
        fl_rectf(w.x(), w.y(), w.w(), w.h());
    }
    if (!caption_.empty()) {
        fl_font(ToFlFont(Font()), ToFlFontSize(Font()));
        fl_color(ToFlColor(Font().Color));
        fl_draw(caption_.c_str(), w.x(), w.y() + fl_height() - fl_descent());
    }
    fl_pop_clip();
}

namespace {
[[maybe_unused]] const TComponentClass& labelClass = []() -> const TComponentClass& {
    ClassOf<TLabel, TControl> label("TLabel");
    label.Creatable()
        .Property("Caption", &TLabel::SetCaption, StringValue)
        .Property("AutoSize", &TLabel::SetAutoSize, BooleanValue)
        .Property("Transparent", &TLabel::SetTransparent, BooleanValue);
    AddTextProperties(label);
    return RegisterClass(label);
}();
}  // namespace
