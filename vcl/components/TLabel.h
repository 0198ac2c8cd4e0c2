#pragma once

#include <string>

#include "TControl.h"

// A line of text. Opaque labels paint their background in their colour. An auto-sized label
// takes the size of its text once text can be measured and the label is visible (when its form
// is shown, when it is made visible, and on each caption change while shown); while its caption
// is empty it keeps the size it was given. A hidden label is measured when it is made visible,
// so that its font is not opened before it is needed.
class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    void SetBounds(int left, int top, int width, int height) override;
    void DisplayReady() override { AdjustBounds(); }

protected:
    void FontChanged() override { AdjustBounds(); }
    void VisibleChanged() override { AdjustBounds(); }

private:
    void Paint();
    void AdjustBounds();

    std::string caption_;
    bool autoSize_ = true;
    bool transparent_ = false;
    int givenWidth_ = 0, givenHeight_ = 0;
};
