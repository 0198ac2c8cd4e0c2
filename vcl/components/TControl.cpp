#include "TControl.h"

#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include "ComponentClass.h"
#include "ControlValues.h"
#include "LayoutValues.h"
#include "MulDiv.h"
#include "TForm.h"

TControl::TControl(TComponent* owner, std::unique_ptr<Fl_Widget> widget)
    : TComponent(owner), widget_(std::move(widget)) {
    if (widget_->parent()) widget_->parent()->remove(widget_.get());
}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    UpdateWidgetBounds();
}

void TControl::UpdateWidgetBounds() {
    const int clientTop = parent_ ? parent_->ClientOrigin() : 0;
    if (parent_) parent_->DamageRect(widget_->x(), widget_->y(), widget_->w(), widget_->h());
    widget_->resize(left_, top_ + clientTop, width_, height_);
    Redraw();
}

void TControl::ChangeScale(int m, int d) {
    const int left = MulDiv(left_, m, d), top = MulDiv(top_, m, d);
    SetBounds(left, top, MulDiv(left_ + width_, m, d) - left, MulDiv(top_ + height_, m, d) - top);
    if (!parentFont_) {
        font_.Height = MulDiv(font_.Height, m, d);
        FontChanged();
        Redraw();
    }
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (visible) {
        widget_->show();
    } else {
        widget_->hide();
        if (parent_) parent_->DamageRect(widget_->x(), widget_->y(), widget_->w(), widget_->h());
    }
    VisibleChanged();
}

void TControl::SetColor(TColor color) {
    color_ = color;
    ColorChanged();
    Redraw();
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    parentFont_ = false;
    FontChanged();
    Redraw();
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    font_ = parent_->Font();
    FontChanged();
    Redraw();
}

void TControl::SetHint(std::string hint) { hint_ = std::move(hint); }

void TControl::SetShowHint(bool show) {
    showHint_ = show;
    parentShowHint_ = false;  // as in the toolkit: choosing a control's own setting detaches it
}

void TControl::SetParentShowHint(bool parent) { parentShowHint_ = parent; }

bool TControl::HintShown() const {
    const bool show = parentShowHint_ ? (parent_ && parent_->ShowHint()) : showHint_;
    return show && !hint_.empty();
}

void TControl::SetFocus() { widget_->take_focus(); }

void TControl::SetParent(TForm* form) {
    if (form == parent_) return;
    if (parent_) parent_->RemoveControl(*this);
    parent_ = form;
    if (parent_) {
        parent_->InsertControl(*this);
        UpdateWidgetBounds();
        ParentFontChanged();
    }
}

bool TControl::SetParentComponent(TComponent& parent) {
    auto* form = dynamic_cast<TForm*>(&parent);
    if (!form) return false;
    SetParent(form);
    return true;
}

bool TControl::Showing() const { return parent_ && parent_->Showing(); }

void TControl::Redraw() {
    if (Showing()) widget_->redraw();
}

namespace {
// What every control reads from a layout; each kind of control adds its own.
[[maybe_unused]] const TComponentClass& controlClass = RegisterClass(
    ClassOf<TControl, TComponent>("TControl")
        .Property("Left", &TControl::SetLeft, IntegerValue)
        .Property("Top", &TControl::SetTop, IntegerValue)
        .Property("Width", &TControl::SetWidth, IntegerValue)
        .Property("Height", &TControl::SetHeight, IntegerValue)
        .Property("Visible", &TControl::SetVisible, BooleanValue)
        .Property("Cursor", &TControl::SetCursor, CursorValue)
        .Property("Hint", &TControl::SetHint, StringValue)
        .Property("ShowHint", &TControl::SetShowHint, BooleanValue)
        .Property("ParentShowHint", &TControl::SetParentShowHint, BooleanValue));
}  // namespace
