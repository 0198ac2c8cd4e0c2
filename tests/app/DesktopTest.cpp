// The built program under a real window manager (openbox), as a desktop user meets it: minimised
// and restored, sent to another desktop and back, its frame where the window was designed, its
// error box a modal dialog in the middle of it, its hints timed and placed as the toolkit's, and
// its entry box ready for typing. Driven with xdotool; read from the server.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// After gtest: Xlib's macros (None, Bool) would break its headers.
#include "RunningProgram.h"

namespace {

using namespace running_program;
using DesktopTest = RunningProgram;
using child_process::Clock;

constexpr int kScreenWidth = 1280, kScreenHeight = 1024;
const std::string kTooltipType = "_NET_WM_WINDOW_TYPE_TOOLTIP";

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The program keeps running for `span`: it has not ended by then.
bool StillRunningAfter(Child& program, milliseconds span) { return !program.WaitForExit(span).has_value(); }

TEST_F(DesktopTest, MinimisedTheProgramGoesOnAndRestoredItShowsItsResultsAgain) {
    Type("47");
    Calculate();
    ASSERT_TRUE(WaitUntil([this] { return AllResultsWiderThan(kEmptyResultWidth); })) << "47 should fill the results";
    const Pixels before = Results();

    ASSERT_TRUE(Xdotool({"windowminimize", "--sync", std::to_string(window_)})) << "xdotool could not minimise";
    ASSERT_TRUE(WaitUntil([this] { return screen_.WmState(window_) == IconicState; })) << "the window should be minimised";
    EXPECT_TRUE(StillRunningAfter(*program_, milliseconds(1000))) << "minimising must not end the program";

    ASSERT_TRUE(Xdotool({"windowactivate", std::to_string(window_)})) << "xdotool could not restore";
    ASSERT_TRUE(WaitUntil([this] { return screen_.WmState(window_) == NormalState && screen_.Viewable(window_); }))
        << "the window should be back";
    EXPECT_TRUE(WaitUntil([&] { return Results() == before; })) << "restored, the window shows its results again";

    // And the program still ends the way it always does.
    ClickMenuItem(1);
    const auto status = program_->WaitForExit(milliseconds(2000));
    ASSERT_TRUE(status.has_value()) << "Exit should still end the program";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
}

TEST_F(DesktopTest, OnAnotherDesktopTheProgramGoesOnAndBackItShowsItsResultsAgain) {
    Type("100");
    Calculate();
    ASSERT_TRUE(WaitUntil([this] { return AllResultsWiderThan(kEmptyResultWidth); })) << "100 should fill the results";
    const Pixels before = Results();

    ASSERT_TRUE(Xdotool({"set_desktop", "1"}));
    ASSERT_TRUE(WaitUntil([this] { return !screen_.Viewable(window_); })) << "the window should leave the screen";
    EXPECT_TRUE(StillRunningAfter(*program_, milliseconds(1000))) << "another desktop must not end the program";

    ASSERT_TRUE(Xdotool({"set_desktop", "0"}));
    ASSERT_TRUE(WaitUntil([this] { return screen_.Viewable(window_); })) << "the window should be back";
    EXPECT_TRUE(WaitUntil([&] { return Results() == before; })) << "back, the window shows its results again";
}

// The designed Left 63, Top 122 is where the frame's outer corner stands; the window's own area
// lies inside the frame the window manager drew, with the size of the design.
TEST_F(DesktopTest, TheFrameStandsWhereTheWindowWasDesigned) {
    const x_screen::Rect frame = screen_.FrameBounds(window_);
    const x_screen::Rect client = screen_.Bounds(window_);
    EXPECT_EQ(frame.x, 63);
    EXPECT_EQ(frame.y, 122);
    EXPECT_GT(client.y, frame.y) << "the window manager should draw a title bar above the window";
    EXPECT_EQ(client.w, kClientWidth);
    EXPECT_EQ(client.h, kClientHeight);
}

// "-5" is out of range and shows the warning; had the "0" stayed, "0-5" would be no number at all.
TEST_F(DesktopTest, TypingAtOnceReplacesTheInitialZero) {
    TypeAsItStands("-5");
    Calculate();
    EXPECT_TRUE(WaitUntil([this] { return WarningShown(); })) << "what was typed should have replaced the 0";
    EXPECT_FALSE(ErrorBox().has_value());
}

TEST_F(DesktopTest, TheErrorBoxIsAModalDialogOfTheWindowInItsMiddle) {
    Type("abc");
    Calculate();
    std::optional<Window> box;
    ASSERT_TRUE(WaitUntil([&] { return (box = ErrorBox()).has_value(); })) << "abc should open the error box";

    EXPECT_EQ(screen_.AtomNames(*box, "_NET_WM_WINDOW_TYPE"), std::vector<std::string>{"_NET_WM_WINDOW_TYPE_DIALOG"});
    EXPECT_EQ(screen_.TransientFor(*box), window_);
    EXPECT_TRUE(Contains(screen_.AtomNames(*box, "_NET_WM_STATE"), "_NET_WM_STATE_MODAL"));
    // It asks for moving and closing alone (Motif hints: functions move 4 and close 32) ...
    const std::vector<long> motif = screen_.Longs(*box, "_MOTIF_WM_HINTS");
    ASSERT_GE(motif.size(), 2u);
    EXPECT_EQ(motif[1], 4 | 32);
    // ... and the window manager lets it be moved and closed, neither resized nor maximised.
    // (openbox keeps the minimise button of every dialog; it minimises the window with it.)
    const std::vector<std::string> allowed = screen_.AtomNames(*box, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_TRUE(Contains(allowed, "_NET_WM_ACTION_CLOSE"));
    EXPECT_TRUE(Contains(allowed, "_NET_WM_ACTION_MOVE"));
    EXPECT_FALSE(Contains(allowed, "_NET_WM_ACTION_RESIZE"));
    EXPECT_FALSE(Contains(allowed, "_NET_WM_ACTION_MAXIMIZE_HORZ"));
    EXPECT_FALSE(Contains(allowed, "_NET_WM_ACTION_MAXIMIZE_VERT"));

    // In the middle of the window, frame on frame (the box's frame has no resize handle: a few
    // pixels' difference).
    const x_screen::Rect window = screen_.FrameBounds(window_);
    const x_screen::Rect dialog = screen_.FrameBounds(*box);
    EXPECT_NEAR(dialog.CentreX(), window.CentreX(), 4);
    EXPECT_NEAR(dialog.CentreY(), window.CentreY(), 4);

    ASSERT_TRUE(Xdotool({"windowfocus", "--sync", std::to_string(*box), "key", "Escape"}));
    ASSERT_TRUE(WaitUntil([this] { return !ErrorBox(); })) << "Escape should close the box";
    Type("100");
    Calculate();
    EXPECT_TRUE(WaitUntil([this] { return AllResultsWiderThan(kEmptyResultWidth); }))
        << "after the box the entry takes keys again";
}

// With the window mostly off the screen's bottom-right corner, its error box stays whole on the
// screen.
TEST_F(DesktopTest, NearTheScreensEdgeTheErrorBoxStaysOnTheScreen) {
    ASSERT_TRUE(Xdotool({"windowmove", "--sync", std::to_string(window_), std::to_string(kScreenWidth - 300),
                         std::to_string(kScreenHeight - 150)}));
    ASSERT_TRUE(WaitUntil([this] { return screen_.FrameBounds(window_).x > kScreenWidth - 400; }))
        << "the window did not move";
    Type("abc");
    Calculate();
    std::optional<Window> box;
    ASSERT_TRUE(WaitUntil([&] { return (box = ErrorBox()).has_value(); })) << "abc should open the error box";
    const x_screen::Rect dialog = screen_.FrameBounds(*box);
    EXPECT_GE(dialog.x, 0);
    EXPECT_GE(dialog.y, 0);
    EXPECT_LE(dialog.x + dialog.w, kScreenWidth);
    EXPECT_LE(dialog.y + dialog.h, kScreenHeight);
    ClickOk(*box);
    EXPECT_TRUE(WaitUntil([this] { return !ErrorBox(); })) << "OK should close the box";
}

// Minimising the error box (openbox offers it) takes the window with it; restored, the box is
// still there to be answered, and the program goes on.
TEST_F(DesktopTest, MinimisingTheErrorBoxKeepsTheProgram) {
    Type("abc");
    Calculate();
    std::optional<Window> box;
    ASSERT_TRUE(WaitUntil([&] { return (box = ErrorBox()).has_value(); })) << "abc should open the error box";
    ASSERT_TRUE(Xdotool({"windowminimize", "--sync", std::to_string(*box)}));
    EXPECT_TRUE(StillRunningAfter(*program_, milliseconds(1000))) << "minimising the box must not end the program";
    // A task bar restores the window; the window manager hands the focus to its modal box.
    ASSERT_TRUE(Xdotool({"windowactivate", std::to_string(window_)}));
    ASSERT_TRUE(WaitUntil([&] {
        return screen_.Viewable(*box) && screen_.Viewable(window_) && screen_.ActiveWindow() == *box;
    })) << "restored, the window and its box should be back, the box in front";
    ClickOk(*box);
    ASSERT_TRUE(WaitUntil([this] { return !ErrorBox(); })) << "OK should close the box";
    EXPECT_TRUE(program_->Running());
}

// ---- Hints ----

class DesktopHintTest : public DesktopTest {
protected:
    // The point of the screen at client coordinates x, y of the main window.
    std::pair<int, int> OnScreen(int x, int y) {
        const x_screen::Rect client = screen_.Bounds(window_);
        return {client.x + x, client.y + kMenuBarHeight + y};
    }
    void MovePointer(std::pair<int, int> p) {
        ASSERT_TRUE(Xdotool({"mousemove", "--sync", std::to_string(p.first), std::to_string(p.second)}));
    }
    std::vector<Window> Tooltips() { return screen_.UnmanagedWindowsOfType(kTooltipType); }
};

// Label1's hint, its whole long caption: after half a second's rest it shows within a second,
// on one line, just below the pointer's cursor; it goes by itself within five.
TEST_F(DesktopHintTest, AHintShowsAfterAPauseBelowThePointerAndGoesByItself) {
    MovePointer({1200, 1000});
    ASSERT_TRUE(WaitUntil([this] { return Tooltips().empty(); }));
    const auto pointer = OnScreen(100, 20);
    MovePointer(pointer);
    const auto rested = Clock::now();
    std::vector<Window> shown;
    ASSERT_TRUE(WaitUntil([&] { return !(shown = Tooltips()).empty(); }, milliseconds(1000)))
        << "no hint within a second of rest";
    const auto delay = Clock::now() - rested;
    EXPECT_GE(delay, milliseconds(300)) << "a hint waits for the pointer to rest";

    const x_screen::Rect hint = screen_.Bounds(shown.front());
    EXPECT_EQ(hint.x, pointer.first);
    EXPECT_GT(hint.y, pointer.second) << "below the pointer";
    EXPECT_LE(hint.y, pointer.second + 40) << "just below the pointer's cursor";
    EXPECT_GT(hint.w, 300) << "Label1's whole caption, unwrapped";
    EXPECT_LT(hint.h, 24) << "one line of the window's 11-pixel font";

    EXPECT_TRUE(WaitUntil([&] { return Tooltips().empty(); }, milliseconds(5000))) << "the hint should go by itself";
    EXPECT_TRUE(WaitUntil([&] { return Tooltips().empty(); }, milliseconds(1000)));
}

TEST_F(DesktopHintTest, AHintNeverStaysStranded) {
    MovePointer({1200, 1000});
    const auto onLabel2 = OnScreen(60, 86);
    MovePointer(onLabel2);
    std::vector<Window> shown;
    ASSERT_TRUE(WaitUntil([&] { return !(shown = Tooltips()).empty(); }, milliseconds(2000))) << "no hint for Label2";
    const x_screen::Rect hint = screen_.Bounds(shown.front());

    // Straight down onto the hint: it goes.
    MovePointer({hint.x + 5, hint.y + hint.h / 2});
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto now = Tooltips();
            return now.empty() || screen_.Bounds(now.front()).y > hint.y + hint.h / 2;
        },
        milliseconds(1000)))
        << "the hint under the pointer should go";

    // On to another control: only that control's hint, below the pointer there.
    const auto onLabel4 = OnScreen(60, 150);
    MovePointer(onLabel4);
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto now = Tooltips();
            return now.size() == 1 && screen_.Bounds(now.front()).y > onLabel4.second;
        },
        milliseconds(2000)))
        << "the hint of the control under the pointer, and no other";
}

}  // namespace
