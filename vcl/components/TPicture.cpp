#include "TPicture.h"

#include <FL/Fl_RGB_Image.H>

#include "Exception.h"
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

int TPicture::Width() const { return image_ ? image_->w() : 0; }
int TPicture::Height() const { return image_ ? image_->h() : 0; }
