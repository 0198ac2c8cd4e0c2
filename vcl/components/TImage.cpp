#include "TImage.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstddef>

#include "ComponentClass.h"
#include "ControlValues.h"
#include "MulDiv.h"
#include "PaintedWidget.h"

TImage::TImage(TComponent* owner) : TControl(owner, std::make_unique<PaintedWidget>([this] { Paint(); })) {
    SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(TPicture picture) {
    picture_ = std::move(picture);
    Redraw();
}

void TImage::ChangeScale(int m, int d) {
    TControl::ChangeScale(m, d);
    SetPicture(picture_.Scaled(MulDiv(picture_.Width(), m, d), MulDiv(picture_.Height(), m, d)));
}

// An opaque picture is sent to the X server a few rows at a time: drawn whole, FLTK and Xlib
// each hold a converted copy of all its pixels at once, more memory than the rest of the window
// needs at start-up. A picture with transparency is drawn whole, to be blended.
void TImage::Paint() {
    if (picture_.Empty()) return;
    const Fl_Widget& w = *Widget();
    const Fl_RGB_Image& image = *picture_.Image();
    fl_push_clip(w.x(), w.y(), w.w(), w.h());
    const int depth = image.d();
    if (depth == 1 || depth == 3) {
        constexpr int kRowsAtATime = 16;
        const int lineBytes = image.ld() ? image.ld() : image.w() * depth;
        const auto* pixels = reinterpret_cast<const unsigned char*>(image.data()[0]);
        for (int row = 0; row < image.h(); row += kRowsAtATime) {
            const int rows = std::min(kRowsAtATime, image.h() - row);
            if (fl_not_clipped(w.x(), w.y() + row, image.w(), rows))
                fl_draw_image(pixels + static_cast<std::ptrdiff_t>(row) * lineBytes, w.x(), w.y() + row, image.w(), rows,
                              depth, lineBytes);
        }
    } else {
        picture_.Image()->draw(w.x(), w.y());
    }
    fl_pop_clip();
}

namespace {
[[maybe_unused]] const TComponentClass& imageClass =
    RegisterClass(ClassOf<TImage, TControl>("TImage").Creatable().Property("Picture", &TImage::SetPicture, PictureValue));
}  // namespace
