#pragma once

#include "TControl.h"
#include "TPicture.h"

// A picture at its natural size at the control's top-left corner: not stretched, not centred,
// cut off at the control's edges. Scaled to another density, the picture is resampled with it.
class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);

    const TPicture& Picture() const { return picture_; }
    void SetPicture(TPicture picture);

    void ChangeScale(int m, int d) override;

private:
    void Paint();

    TPicture picture_;
};
