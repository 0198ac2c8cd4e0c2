#pragma once

#include <string>

#include "Font.h"
#include "THintWindow.h"

class Fl_Window;
class TControl;

// When a control's hint shows and when it goes, timed as the toolkit times hints. The hint of the
// control the pointer rests on shows after HintPause, just below the pointer's cursor, and goes by
// itself after HintHidePause. It goes at once when the pointer moves to another control, leaves
// the program's windows or comes onto the hint, and on a click or a key; a hint that has gone
// shows again once the pointer has been elsewhere.
class HintController {
public:
    static constexpr double HintPause = 0.5;      // seconds of rest before a hint shows
    static constexpr double HintHidePause = 2.5;  // seconds a hint stays

    HintController() = default;
    ~HintController();
    HintController(const HintController&) = delete;
    HintController& operator=(const HintController&) = delete;

    // Every event passes here on its way to its window.
    void Observe(int event, Fl_Window* window);

    const THintWindow& Window() const { return window_; }

private:
    // The pointer is at x, y of the screen, over `control` (null: over nothing with a hint).
    void PointerAt(const TControl* control, int x, int y);
    void Show();
    void Hide();
    static void PauseElapsed(void* self);
    static void HidePauseElapsed(void* self);

    THintWindow window_;
    const TControl* control_ = nullptr;  // compared only: the hint's text and font are kept below
    std::string text_;
    TFont font_;
    bool spent_ = false;  // the control's hint has shown, or a click or key sent it away
    int x_ = 0, y_ = 0;
};
