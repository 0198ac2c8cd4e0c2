#include "TImage.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>

#include "PaintedWidget.h"

TImage::TImage(TComponent* owner) : TControl(owner, std::make_unique<PaintedWidget>([this] { Paint(); })) {
    SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(TPicture picture) {
    picture_ = std::move(picture);
    Redraw();
}

void TImage::Paint() {
    if (picture_.Empty()) return;
    const Fl_Widget& w = *Widget();
    fl_push_clip(w.x(), w.y(), w.w(), w.h());
    picture_.Image()->draw(w.x(), w.y());
    fl_pop_clip();
}
