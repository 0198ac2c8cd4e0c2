#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

class Fl_RGB_Image;

// A picture decoded from PNG bytes; shown at its natural size.
class TPicture {
public:
    TPicture();
    ~TPicture();
    TPicture(TPicture&&) noexcept;
    TPicture& operator=(TPicture&&) noexcept;

    // Throws Exception when the bytes are no PNG image.
    static TPicture FromPNG(std::string_view name, std::span<const unsigned char> bytes);
    // The embedded PNG of that file name; throws Exception when absent or broken.
    static TPicture FromResource(std::string_view name);

    bool Empty() const { return !image_; }
    int Width() const;
    int Height() const;
    const std::string& Name() const { return name_; }
    Fl_RGB_Image* Image() const { return image_.get(); }

private:
    std::string name_;
    std::unique_ptr<Fl_RGB_Image> image_;
};
