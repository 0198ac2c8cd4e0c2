#include "HintController.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "FormWindow.h"
#include "PointerCursor.h"
#include "TControl.h"
#include "TForm.h"

namespace {
// The control whose hint the pointer would show in that window, or null.
const TControl* HintedControlAt(Fl_Window* window) {
    const auto* formWindow = dynamic_cast<FormWindow*>(window);
    if (!formWindow) return nullptr;
    const TForm& form = formWindow->Form();
    const int y = Fl::event_y() - form.ClientOrigin();
    const TControl* control = y >= 0 ? form.ControlAt(Fl::event_x(), y) : nullptr;
    return control && control->HintShown() ? control : nullptr;
}
}  // namespace

HintController::~HintController() { Hide(); }

void HintController::Observe(int event, Fl_Window* window) {
    switch (event) {
    case FL_ENTER:
    case FL_MOVE:
        // The pointer coming onto the hint itself sends it away.
        PointerAt(window && window == window_.Window() ? nullptr : HintedControlAt(window), Fl::event_x_root(),
                  Fl::event_y_root());
        break;
    case FL_LEAVE: PointerAt(nullptr, 0, 0); break;
    case FL_PUSH:
    case FL_KEYDOWN:
    case FL_MOUSEWHEEL:
        Hide();
        spent_ = true;
        break;
    case FL_HIDE:
        if (window != window_.Window()) Hide();
        break;
    default: break;
    }
}

void HintController::PointerAt(const TControl* control, int x, int y) {
    x_ = x;
    y_ = y;
    if (control != control_) {
        Hide();
        control_ = control;
        spent_ = false;
        if (control) {
            text_ = control->Hint();
            font_ = control->Parent() ? control->Parent()->Font() : control->Font();
        }
    }
    if (!control_ || spent_ || window_.Showing()) return;
    // The pause counts from the pointer's last move.
    Fl::remove_timeout(PauseElapsed, this);
    Fl::add_timeout(HintPause, PauseElapsed, this);
}

void HintController::Show() {
    int sx = 0, sy = 0, sw = 0, sh = 0;
    Fl::screen_xywh(sx, sy, sw, sh, x_, y_);
    ScreenRect rect = window_.CalcHintRect(sw, text_, font_);
    rect.x = std::max(sx, std::min(x_, sx + sw - rect.w));
    // Below the cursor; above the pointer where the screen ends first.
    const int below = y_ + PointerCursorDepth();
    rect.y = below + rect.h <= sy + sh ? below : y_ - rect.h;
    window_.ActivateHint(rect, text_, font_);
    spent_ = true;
    Fl::add_timeout(HintHidePause, HidePauseElapsed, this);
}

void HintController::Hide() {
    Fl::remove_timeout(PauseElapsed, this);
    Fl::remove_timeout(HidePauseElapsed, this);
    window_.Hide();
}

void HintController::PauseElapsed(void* self) { static_cast<HintController*>(self)->Show(); }

void HintController::HidePauseElapsed(void* self) { static_cast<HintController*>(self)->window_.Hide(); }
