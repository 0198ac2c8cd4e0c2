#pragma once

#include <string>

#include "TControl.h"

// A single-line entry box; the only kind of control that takes the keyboard focus.
class TEdit : public TControl {
public:
    explicit TEdit(TComponent* owner);

    std::string_view ClassName() const override { return "TEdit"; }

    // What the box holds now, the user's typing included.
    std::string Text() const;
    void SetText(const std::string& text);

    // Selects the whole text, the caret after it: what typing then replaces.
    void SelectAll();

    bool IsWindowed() const override { return true; }
    // The entry box selects its whole text when the form gives it the focus (on opening, on Tab),
    // so that what the user types replaces it. The focus coming back to it (after an error box,
    // from another window) leaves the text and selection as they were.
    void SetFocus() override;

protected:
    void FontChanged() override;
    void ColorChanged() override;
};
