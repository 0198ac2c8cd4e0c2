#pragma once

#include <string>

#include "TControl.h"

// A single-line entry box; the only kind of control that takes the keyboard focus.
class TEdit : public TControl {
public:
    explicit TEdit(TComponent* owner);

    // What the box holds now, the user's typing included.
    std::string Text() const;
    void SetText(const std::string& text);

    bool IsWindowed() const override { return true; }

protected:
    void FontChanged() override;
    void ColorChanged() override;
};
