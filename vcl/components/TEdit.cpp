#include "TEdit.h"

#include <FL/Fl_Input.H>

#include "FlColor.h"
#include "FlFont.h"

namespace {
Fl_Input& InputOf(Fl_Widget* w) { return *static_cast<Fl_Input*>(w); }
}  // namespace

TEdit::TEdit(TComponent* owner) : TControl(owner, std::make_unique<Fl_Input>(0, 0, 0, 0)) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    FontChanged();
}

std::string TEdit::Text() const {
    const char* value = InputOf(Widget()).value();
    return value ? value : "";
}

void TEdit::SetText(const std::string& text) { InputOf(Widget()).value(text.c_str()); }

void TEdit::SelectAll() {
    Fl_Input& input = InputOf(Widget());
    input.position(input.size(), 0);
}

void TEdit::SetFocus() {
    TControl::SetFocus();
    SelectAll();
}

void TEdit::FontChanged() {
    Fl_Input& input = InputOf(Widget());
    input.textfont(ToFlFont(Font()));
    input.textsize(ToFlFontSize(Font()));
    input.textcolor(ToFlColor(Font().Color));
}

void TEdit::ColorChanged() { InputOf(Widget()).color(ToFlColor(Color())); }
