#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Fl_RGB_Image;

// A picture embedded in the program (decoded from its PNG file when the program was built);
// shown at its natural size. It draws straight from the embedded pixels: nothing is copied, but
// for a picture resampled to another size, which holds its own.
class TPicture {
public:
    TPicture();
    ~TPicture();
    TPicture(TPicture&&) noexcept;
    TPicture& operator=(TPicture&&) noexcept;

    // The embedded picture of that file name ("schematic.png"); throws Exception when absent.
    static TPicture FromResource(std::string_view name);

    // The same picture resampled smoothly to `width` × `height` (an empty one stays empty).
    TPicture Scaled(int width, int height) const;

    bool Empty() const { return !image_; }
    int Width() const;
    int Height() const;
    const std::string& Name() const { return name_; }
    Fl_RGB_Image* Image() const { return image_.get(); }

private:
    std::string name_;
    std::vector<unsigned char> pixels_;  // a resampled picture's; empty for an embedded one
    std::unique_ptr<Fl_RGB_Image> image_;
};
