#include "THintWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "FlColor.h"
#include "FlFont.h"
#include "TScreen.h"
#include "WindowManager.h"

namespace {
// The frame, and the room between it and the text, as the classic toolkit draws a hint at the
// design density; at the screen's they are as much wider as everything else.
constexpr int kFrame = 1;
constexpr int kPaddingX = 2, kPaddingY = 1;
int Frame() { return TheScreen->Scaled(kFrame); }
int InsetX() { return TheScreen->Scaled(kFrame + kPaddingX); }
int InsetY() { return TheScreen->Scaled(kFrame + kPaddingY); }
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
        fl_rectf(0, 0, w(), h());
        fl_color(FlColorOf(kInfoBackground));
        fl_rectf(Frame(), Frame(), w() - 2 * Frame(), h() - 2 * Frame());
        fl_font(ToFlFont(owner_.font_), ToFlFontSize(owner_.font_));
        fl_color(FlColorOf(kInfoText));
        fl_draw(owner_.caption_.c_str(), InsetX(), InsetY(), w() - 2 * InsetX(), h() - 2 * InsetY(),
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
    int width = maxWidth - 2 * InsetX(), height = 0;
    fl_measure(text.c_str(), width, height, 0);
    // A line drawn in a box exactly as wide as it measures may still have its last word wrapped.
    constexpr int kWrapSlack = 2;
    width = std::min(width + kWrapSlack, maxWidth - 2 * InsetX());
    return {0, 0, width + 2 * InsetX(), height + 2 * InsetY()};
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
