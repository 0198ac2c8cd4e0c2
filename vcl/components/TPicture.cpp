#include "TPicture.h"

#include <FL/Fl_RGB_Image.H>

#include <algorithm>

#include "Exception.h"
#include "Resample.h"
#include "Resources.h"

TPicture::TPicture() = default;
TPicture::~TPicture() = default;
TPicture::TPicture(TPicture&&) noexcept = default;
TPicture& TPicture::operator=(TPicture&&) noexcept = default;

TPicture TPicture::FromResource(std::string_view name) {
    const EmbeddedPicture* embedded = FindPicture(name);
    if (!embedded) throw Exception("Нет картинки «" + std::string(name) + "»");
    TPicture picture;
    picture.name_ = name;
    // The image only points at the embedded pixels, which live as long as the program.
    picture.image_ =
        std::make_unique<Fl_RGB_Image>(embedded->pixels, embedded->width, embedded->height, embedded->depth);
    return picture;
}

TPicture TPicture::Scaled(int width, int height) const {
    TPicture picture;
    if (!image_) return picture;
    width = std::max(width, 1);
    height = std::max(height, 1);
    picture.name_ = name_;
    const int depth = image_->d();
    const int lineBytes = image_->ld() ? image_->ld() : image_->w() * depth;
    picture.pixels_ = ResampleBilinear(reinterpret_cast<const unsigned char*>(image_->data()[0]), image_->w(), image_->h(),
                                       depth, lineBytes, width, height);
    // A vector keeps its buffer when it is moved, so the image may point into it.
    picture.image_ = std::make_unique<Fl_RGB_Image>(picture.pixels_.data(), width, height, depth);
    return picture;
}

int TPicture::Width() const { return image_ ? image_->w() : 0; }
int TPicture::Height() const { return image_ ? image_->h() : 0; }
