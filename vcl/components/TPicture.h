#pragma once

#include <memory>
#include <string>
#include <string_view>

class Fl_RGB_Image;

// A picture embedded in the program (decoded from its PNG file when the program was built);
// shown at its natural size. It draws straight from the embedded pixels: nothing is copied.
class TPicture {
public:
    TPicture();
    ~TPicture();
    TPicture(TPicture&&) noexcept;
    TPicture& operator=(TPicture&&) noexcept;

    // The embedded picture of that file name ("schematic.png"); throws Exception when absent.
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
