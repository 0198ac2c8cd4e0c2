#include "THintWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "FlColor.h"
#include "FlFont.h"
#include "WindowManager.h"

namespace {
// The frame, and the room between it and the text, as the classic toolkit draws a hint.
constexpr int kFrame = 1;
constexpr int kPaddingX = 2, kPaddingY = 1;
constexpr int kAlign = FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP;

// The tooltip colours of the classic desktop scheme.
constexpr TRGB kInfoBackground{255, 255, 225};
constexpr TRGB kInfoText{0, 0, 0};

Fl_Color FlColorOf(TRGB rgb) { return fl_rgb_color(rgb.r, rgb.g, rgb.b); }
}  // namespace

class THintWindow::Box : public Fl_Window {
public:
    explicit Box(const THintWindow& owner) : Fl_Window(0, 0, 1, 1), owner_(owner) {
        end();
        set_override();  // no frame, and no window manager between it and the screen
        clear_visible_focus();
    }

    void draw() override {
        fl_color(FL_BLACK);
        fl_rect(0, 0, w(), h());
        fl_color(FlColorOf(kInfoBackground));
        fl_rectf(kFrame, kFrame, w() - 2 * kFrame, h() - 2 * kFrame);
        fl_font(ToFlFont(owner_.font_), ToFlFontSize(owner_.font_));
        fl_color(FlColorOf(kInfoText));
        const int inset = kFrame + kPaddingX;
        fl_draw(owner_.caption_.c_str(), inset, kFrame + kPaddingY, w() - 2 * inset, h() - 2 * (kFrame + kPaddingY),
                static_cast<Fl_Align>(kAlign), nullptr, 0);
    }

private:
    const THintWindow& owner_;
};

THintWindow::THintWindow() = default;
THintWindow::~THintWindow() = default;

ScreenRect THintWindow::CalcHintRect(int maxWidth, const std::string& text, const TFont& font) const {
    fl_open_display();
    fl_font(ToFlFont(font), ToFlFontSize(font));
    const int inset = kFrame + kPaddingX;
    int width = maxWidth - 2 * inset, height = 0;
    fl_measure(text.c_str(), width, height, 0);
    // A line drawn in a box exactly as wide as it measures may still have its last word wrapped.
    constexpr int kWrapSlack = 2;
    width = std::min(width + kWrapSlack, maxWidth - 2 * inset);
    return {0, 0, width + 2 * inset, height + 2 * (kFrame + kPaddingY)};
}

void THintWindow::ActivateHint(const ScreenRect& rect, const std::string& text, const TFont& font) {
    caption_ = text;
    font_ = font;
    if (!window_) window_ = std::make_unique<Box>(*this);
    window_->resize(rect.x, rect.y, rect.w, rect.h);
    window_->redraw();
    ShowDescribed(*window_, [](unsigned long xid) { DescribeTooltip(xid); });
}

void THintWindow::Hide() {
    if (window_) window_->hide();
}

bool THintWindow::Showing() const { return window_ && window_->shown(); }

ScreenRect THintWindow::BoundsRect() const {
    if (!Showing()) return {};
    return {window_->x(), window_->y(), window_->w(), window_->h()};
}

Fl_Window* THintWindow::Window() const { return window_.get(); }
