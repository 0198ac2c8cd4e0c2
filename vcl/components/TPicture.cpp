#include "TPicture.h"

#include <FL/Fl_PNG_Image.H>

#include <climits>

#include "Exception.h"
#include "Resources.h"

TPicture::TPicture() = default;
TPicture::~TPicture() = default;
TPicture::TPicture(TPicture&&) noexcept = default;
TPicture& TPicture::operator=(TPicture&&) noexcept = default;

TPicture TPicture::FromPNG(std::string_view name, std::span<const unsigned char> bytes) {
    const std::string label(name);
    if (bytes.empty() || bytes.size() > INT_MAX) throw Exception("Картинка «" + label + "» пуста");
    auto image = std::make_unique<Fl_PNG_Image>(label.c_str(), bytes.data(), static_cast<int>(bytes.size()));
    if (image->fail() != 0 || image->w() <= 0 || image->h() <= 0)
        throw Exception("Картинка «" + label + "» не читается как PNG");
    TPicture picture;
    picture.name_ = label;
    picture.image_ = std::move(image);
    return picture;
}

TPicture TPicture::FromResource(std::string_view name) {
    const auto bytes = FindResource(name);
    if (bytes.empty()) throw Exception("Нет картинки «" + std::string(name) + "»");
    return FromPNG(name, bytes);
}

int TPicture::Width() const { return image_ ? image_->w() : 0; }
int TPicture::Height() const { return image_ ? image_->h() : 0; }
