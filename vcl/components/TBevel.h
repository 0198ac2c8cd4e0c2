#pragma once

#include "TControl.h"

// The shapes a bevel is drawn in here: a box round its bounds.
enum TBevelShape { bsBox };
enum TBevelStyle { bsLowered, bsRaised };

// A 3-D frame drawn in the classic shadow and highlight colours; its inside stays clear, so
// whatever lies beneath shows through. Its lines are one pixel wide at the design density and
// as much wider as the frame is scaled.
class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner);

    int LineWidth() const { return lineWidth_; }
    void ChangeScale(int m, int d) override;

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

private:
    void Paint();

    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
    int lineWidth_ = 1;
};
