#pragma once

#include <memory>
#include <string>

#include "Font.h"
#include "ScreenPlacement.h"

class Fl_Window;

// The small window a hint shows in: the text on the tooltip colour in a thin black frame, on one
// line unless that line is wider than the screen. It takes no focus and no clicks; the window
// manager leaves it alone. Needs a display to measure and show.
class THintWindow {
public:
    THintWindow();
    ~THintWindow();
    THintWindow(const THintWindow&) = delete;
    THintWindow& operator=(const THintWindow&) = delete;

    // The size the window takes for `text` in `font`, wrapped only where it is wider than
    // `maxWidth`; its place is left at 0, 0.
    ScreenRect CalcHintRect(int maxWidth, const std::string& text, const TFont& font) const;
    // Shows `text` in `font` in the rectangle of the screen CalcHintRect gave, moved.
    void ActivateHint(const ScreenRect& rect, const std::string& text, const TFont& font);
    void Hide();

    bool Showing() const;
    const std::string& Caption() const { return caption_; }
    // Where it stands on the screen while it shows.
    ScreenRect BoundsRect() const;
    Fl_Window* Window() const;

private:
    class Box;
    std::unique_ptr<Box> window_;
    std::string caption_;
    TFont font_;
};
