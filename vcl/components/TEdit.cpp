#include "TEdit.h"

#include "ComponentClass.h"
#include "EntryInput.h"
#include "FlColor.h"
#include "FlFont.h"
#include "FontProperties.h"
#include "LayoutValues.h"

namespace {
EntryInput& InputOf(Fl_Widget* w) { return *static_cast<EntryInput*>(w); }
}  // namespace

TEdit::TEdit(TComponent* owner) : TControl(owner, std::make_unique<EntryInput>()) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    FontChanged();
}

std::string TEdit::Text() const {
    const char* value = InputOf(Widget()).value();
    return value ? value : "";
}

void TEdit::SetText(const std::string& text) { InputOf(Widget()).SetText(text.c_str()); }

void TEdit::SelectAll() { InputOf(Widget()).SelectAll(); }
bool TEdit::CanUndo() const { return InputOf(Widget()).CanUndo(); }
void TEdit::Undo() { InputOf(Widget()).Undo(); }
void TEdit::CutToClipboard() { InputOf(Widget()).CutToClipboard(); }
void TEdit::CopyToClipboard() { InputOf(Widget()).CopyToClipboard(); }
void TEdit::PasteFromClipboard() { InputOf(Widget()).PasteFromClipboard(); }
void TEdit::ClearSelection() { InputOf(Widget()).ClearSelection(); }

void TEdit::SetFocus() {
    TControl::SetFocus();
    SelectAll();
}

void TEdit::FontChanged() {
    EntryInput& input = InputOf(Widget());
    input.textfont(ToFlFont(Font()));
    input.textsize(ToFlFontSize(Font()));
    input.textcolor(ToFlColor(Font().Color));
}

void TEdit::ColorChanged() { InputOf(Widget()).color(ToFlColor(Color())); }

namespace {
[[maybe_unused]] const TComponentClass& editClass = []() -> const TComponentClass& {
    ClassOf<TEdit, TControl> edit("TEdit");
    edit.Creatable().Property("Text", &TEdit::SetText, StringValue);
    AddTextProperties(edit);
    return RegisterClass(edit);
}();
}  // namespace
