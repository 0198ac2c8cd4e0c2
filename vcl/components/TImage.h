#pragma once

#include "TControl.h"
#include "TPicture.h"

// A picture at its natural size at the control's top-left corner: not stretched, not centred,
// cut off at the control's edges.
class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);

    const TPicture& Picture() const { return picture_; }
    void SetPicture(TPicture picture);

private:
    void Paint();

    TPicture picture_;
};
