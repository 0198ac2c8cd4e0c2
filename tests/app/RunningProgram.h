#pragma once

// The built program as a person uses it: started as its own process in a real X server, driven
// with xdotool (keys and mouse through the server) and read back from the pixels of its window.
// Include it after gtest: Xlib's macros (None, Bool) would break gtest's headers.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "MenuGeometry.h"
#include "XScreen.h"

namespace running_program {

using child_process::Child;
using child_process::WaitUntil;
using child_process::Xdotool;
using std::chrono::milliseconds;
using x_screen::Pixels;

const std::string kTitle = "Quarvel";

// Positions in the window, from the main window's layout: controls sit in client coordinates
// below the 20-pixel menu bar.
constexpr int kMenuBarHeight = 20;
constexpr int kClientWidth = 668;
constexpr int kClientHeight = 348;
constexpr int kResultLeft = 208;
constexpr std::array<int, 7> kResultTops = {80, 112, 144, 176, 208, 240, 272};  // Label9..Label15
constexpr int kResultHeight = 13;
constexpr int kEmptyResultWidth = 5;
constexpr int kResultRightLimit = 333;  // the schematic's frame; results never reach it
constexpr int kWarningLeft = 14, kWarningTop = 34, kWarningWidth = 508, kWarningHeight = 24;
constexpr int kLabel1Left = 16, kLabel1Top = 16;
// The error box's OK button: 75 × 23, centred, 12 pixels above the box's bottom edge.
constexpr int kBoxMargin = 12, kBoxButtonHeight = 23;

constexpr std::uint32_t kNavy = 0x000080, kLime = 0x00ff00, kRed = 0xff0000;

// The command that starts the program: the program itself, or, in a cross build, the emulator
// that runs it.
inline std::vector<std::string> ProgramCommand() {
    const std::string launcher = QUARVEL_LAUNCHER;
    if (launcher.empty()) return {QUARVEL_EXECUTABLE};
    return {launcher, QUARVEL_EXECUTABLE};
}

// The running program, its main window and the x of each menu bar item's centre.
class RunningProgram : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(screen_.Open()) << "the test has no X display";
        ASSERT_TRUE(screen_.WindowsTitled(kTitle).empty()) << "a window titled Quarvel is left from before";
        program_.emplace(ProgramCommand(), child_process::Environment());
        ASSERT_TRUE(program_->Started()) << "quarvel did not start";
        ASSERT_TRUE(WaitUntil([this] {
            const auto windows = screen_.WindowsTitled(kTitle);
            if (windows.size() == 1) window_ = windows.front();
            return windows.size() == 1;
        })) << "no window titled Quarvel appeared";
        // Label1's lime ground shows once the window has drawn itself.
        ASSERT_TRUE(WaitUntil([this] { return ClientPixel(kLabel1Left, kLabel1Top) == kLime; }))
            << "the window did not draw Label1's lime ground";
        FindMenuItems();
        ASSERT_EQ(menuItemCentres_.size(), 3u) << "the menu bar should show three items";
    }

    void TearDown() override {
        if (!screen_.Open()) return;
        program_.reset();
        EXPECT_TRUE(WaitUntil([this] { return screen_.WindowsTitled(kTitle).empty(); }))
            << "the program's windows outlived it";
    }

    std::uint32_t ClientPixel(int x, int y) {
        const Pixels p = screen_.Read(window_, x, kMenuBarHeight + y, 1, 1);
        return p.rgb.empty() ? 0x1000000 : p.rgb.front();
    }

    // The menu bar draws each item's glyph and caption on the bar's ground, the items' labels the
    // bar's padding apart at least, words within an item a few pixels apart; runs of drawn columns
    // separated by more ground columns than that are the items.
    void FindMenuItems() {
        constexpr int kItemGap = menu_geometry::kBarItemPadding - 6;
        const Pixels bar = screen_.Read(window_, 0, 0, kClientWidth, kMenuBarHeight);
        ASSERT_FALSE(bar.rgb.empty()) << "the menu bar could not be read";
        const std::uint32_t ground = bar.At(2, kMenuBarHeight / 2);
        int runStart = -1, lastInk = -100;
        auto closeRun = [&] {
            if (runStart >= 0) menuItemCentres_.push_back((runStart + lastInk) / 2);
        };
        for (int x = 0; x < bar.width; ++x) {
            bool ink = false;
            for (int y = 1; y < bar.height - 1; ++y) ink = ink || bar.At(x, y) != ground;
            if (!ink) continue;
            if (x - lastInk > kItemGap) {
                closeRun();
                runStart = x;
            }
            lastInk = x;
        }
        closeRun();
    }

    // Types `text` into the window as it stands: the entry box holds the focus.
    void TypeAsItStands(const std::string& text) {
        ASSERT_TRUE(Xdotool({"windowfocus", "--sync", std::to_string(window_), "type", "--delay", "20", "--", text}))
            << "xdotool could not type " << text;
    }

    // Selects the entry box's text and types `text` over it.
    void Type(const std::string& text) {
        ASSERT_TRUE(Xdotool({"windowfocus", "--sync", std::to_string(window_), "key", "--clearmodifiers", "ctrl+a",
                             "type", "--delay", "20", "--", text}))
            << "xdotool could not type " << text;
    }

    void ClickMenuItem(std::size_t item) {
        ASSERT_TRUE(Xdotool({"mousemove", "--window", std::to_string(window_),
                             std::to_string(menuItemCentres_.at(item)), std::to_string(kMenuBarHeight / 2), "click",
                             "1"}))
            << "xdotool could not click menu item " << item;
    }
    void Calculate() { ClickMenuItem(0); }

    // Width of result label `row`: the columns from its left edge up to the first all-navy one.
    int ResultWidth(std::size_t row) {
        const int width = kResultRightLimit - kResultLeft;
        const Pixels p = screen_.Read(window_, kResultLeft, kMenuBarHeight + kResultTops.at(row), width, kResultHeight);
        if (p.rgb.empty()) return -1;
        for (int x = 0; x < width; ++x) {
            bool navy = true;
            for (int y = 0; y < kResultHeight; ++y) navy = navy && p.At(x, y) == kNavy;
            if (navy) return x;
        }
        return width;
    }
    bool AllResultsWiderThan(int width) {
        for (std::size_t row = 0; row < kResultTops.size(); ++row)
            if (ResultWidth(row) <= width) return false;
        return true;
    }
    // The band of the seven result labels, to compare before and after.
    Pixels Results() {
        return screen_.Read(window_, kResultLeft, kMenuBarHeight + kResultTops.front(), kResultRightLimit - kResultLeft,
                            kResultTops.back() - kResultTops.front() + kResultHeight);
    }

    // Share of the warning's area that is red: most of it when shown, none when hidden.
    double WarningRedShare() {
        const Pixels p = screen_.Read(window_, kWarningLeft, kMenuBarHeight + kWarningTop, kWarningWidth, kWarningHeight);
        if (p.rgb.empty()) return -1;
        std::size_t red = 0;
        for (std::uint32_t c : p.rgb) red += c == kRed;
        return static_cast<double>(red) / static_cast<double>(p.rgb.size());
    }
    bool WarningShown() { return WarningRedShare() > 0.5; }
    bool WarningHidden() { return WarningRedShare() == 0.0; }

    // The error box: the second window titled Quarvel.
    std::optional<Window> ErrorBox() {
        for (Window w : screen_.WindowsTitled(kTitle))
            if (w != window_) return w;
        return std::nullopt;
    }

    // Clicks the error box's OK button.
    void ClickOk(Window box) {
        const auto [width, height] = screen_.Size(box);
        ASSERT_TRUE(Xdotool({"mousemove", "--window", std::to_string(box), std::to_string(width / 2),
                             std::to_string(height - kBoxMargin - kBoxButtonHeight / 2), "click", "1"}))
            << "xdotool could not click OK";
    }

    x_screen::Screen screen_;
    std::optional<Child> program_;
    Window window_ = 0;
    std::vector<int> menuItemCentres_;
};

}  // namespace running_program
