// The entry box of the built program as a person uses it with the desktop's clipboard: its context
// menu opened with the right button or from the keyboard, and text carried to and from another
// program. The other program is xclip, an independent X client: it holds what it is told on the
// clipboard, and prints what the clipboard holds. What the entry holds is read that way too: select
// all, copy, and ask xclip.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// After gtest: Xlib's macros (None, Bool) would break its headers.
#include "MenuRows.h"
#include "RunningProgram.h"
#include "Xclip.h"

namespace {

using namespace running_program;

// Edit1, in client coordinates.
constexpr int kEditLeft = 359, kEditTop = 10, kEditWidth = 113, kEditHeight = 21;
enum Row : std::size_t { UndoRow, CutRow, CopyRow, PasteRow, DeleteRow, SelectAllRow };

class ProgramEntryMenu : public RunningProgram {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(RunningProgram::SetUp());
        XSetSelectionOwner(screen_.X(), Clipboard(), 0, CurrentTime);
        XSync(screen_.X(), False);
    }
    void TearDown() override {
        clipboardOwner_.reset();
        RunningProgram::TearDown();
    }

    // A point of the entry box on the screen, `dx` from its left edge, on its middle line.
    std::pair<int, int> InEntry(int dx) {
        const x_screen::Rect w = screen_.Bounds(window_);
        return {w.x + kEditLeft + dx, w.y + kMenuBarHeight + kEditTop + kEditHeight / 2};
    }

    bool Keys(const std::vector<std::string>& keys) {
        std::vector<std::string> args = {"windowfocus", "--sync", std::to_string(window_), "key", "--clearmodifiers"};
        args.insert(args.end(), keys.begin(), keys.end());
        return Xdotool(args);
    }

    // The open menu, once it has drawn its six rows; none if it did not open.
    std::optional<std::pair<Window, menu_rows::Menu>> OpenMenu() {
        std::optional<std::pair<Window, menu_rows::Menu>> found;
        WaitUntil([&] {
            const std::vector<Window> menus = screen_.UnmanagedWindowsOfType("_NET_WM_WINDOW_TYPE_MENU");
            if (menus.size() != 1) return false;
            const auto [width, height] = screen_.Size(menus.front());
            const menu_rows::Menu seen = menu_rows::Read(screen_.Read(menus.front(), 0, 0, width, height));
            if (seen.rows.size() != 6) return false;
            found.emplace(menus.front(), seen);
            return true;
        });
        return found;
    }
    bool MenuGone() {
        return WaitUntil([this] { return screen_.UnmanagedWindowsOfType("_NET_WM_WINDOW_TYPE_MENU").empty(); });
    }

    // Right-clicks the entry box and chooses a row of its menu with the left button.
    void Choose(Row row) {
        const auto [x, y] = InEntry(kEditWidth - 4);
        ASSERT_TRUE(Xdotool({"mousemove", std::to_string(x), std::to_string(y), "click", "3"}));
        const auto menu = OpenMenu();
        ASSERT_TRUE(menu.has_value()) << "no menu opened";
        const x_screen::Rect at = screen_.Bounds(menu->first);
        ASSERT_TRUE(Xdotool({"mousemove", std::to_string(at.x + at.w / 2),
                             std::to_string(at.y + menu->second.rows.at(row).CentreY()), "click", "1"}));
        ASSERT_TRUE(MenuGone()) << "the menu stayed open";
    }

    // The entry box as drawn: a paste shows there once the clipboard's owner has sent the text.
    Pixels EntryPixels() {
        return screen_.Read(window_, kEditLeft, kMenuBarHeight + kEditTop, kEditWidth, kEditHeight);
    }
    bool EntryRedrawn(const Pixels& before) {
        return WaitUntil([&] { return EntryPixels() != before; });
    }

    // ---- The desktop's clipboard, through xclip ----
    Atom Clipboard() { return XInternAtom(screen_.X(), "CLIPBOARD", False); }
    void Offer(const std::string& text) {
        clipboardOwner_.emplace(text);
        ASSERT_TRUE(WaitUntil([this] { return XGetSelectionOwner(screen_.X(), Clipboard()) != 0; }))
            << "xclip did not take the clipboard";
    }
    // What the entry box holds: selected whole and copied with the keys, then pasted by xclip.
    std::string EntryText() {
        EXPECT_TRUE(Keys({"ctrl+a", "ctrl+c"}));
        std::string text;
        WaitUntil([&] { return !(text = xclip::Pasted()).empty(); });
        return text;
    }

    std::optional<xclip::Holder> clipboardOwner_;
};

// The opening "0" with the caret after it: "Выделить все" selects it, and what is typed replaces
// it (were it not selected, 47 would make "047").
TEST_F(ProgramEntryMenu, SelectAllThenTypingReplacesTheEntry) {
    ASSERT_TRUE(Keys({"End"}));
    Choose(SelectAllRow);
    TypeAsItStands("47");
    EXPECT_EQ(EntryText(), "47");
    Calculate();
    EXPECT_TRUE(WaitUntil([this] { return AllResultsWiderThan(kEmptyResultWidth); })) << "47 should calculate";
    EXPECT_TRUE(WarningHidden());
}

// From the keyboard alone: Shift+F10 or the Menu key opens the menu at the middle of the box, Up
// comes round to its last item, "Выделить все", and Enter chooses it.
class ProgramEntryMenuKey : public ProgramEntryMenu, public testing::WithParamInterface<const char*> {};

TEST_P(ProgramEntryMenuKey, OpensTheMenuAndChoosesWithTheKeys) {
    ASSERT_TRUE(Keys({"End", GetParam()}));
    const auto menu = OpenMenu();
    ASSERT_TRUE(menu.has_value()) << "no menu opened";
    const x_screen::Rect at = screen_.Bounds(menu->first);
    const auto [middleX, middleY] = InEntry(kEditWidth / 2);
    EXPECT_EQ(at.x, middleX);
    EXPECT_EQ(at.y, middleY);
    EXPECT_EQ(menu->second.shape, "g|gggg|A");
    ASSERT_TRUE(Xdotool({"key", "Up", "Return"}));
    ASSERT_TRUE(MenuGone());
    TypeAsItStands("15000");
    EXPECT_EQ(EntryText(), "15000");
}

INSTANTIATE_TEST_SUITE_P(Keys, ProgramEntryMenuKey, testing::Values("shift+F10", "Menu"),
                         [](const auto& test) { return std::string(test.param[0] == 's' ? "ShiftF10" : "MenuKey"); });

// Text copied in another program pastes into the entry, over its selection, and calculates.
TEST_F(ProgramEntryMenu, TextCopiedElsewherePastesIntoTheEntry) {
    Offer("47");
    const Pixels before = EntryPixels();
    Choose(PasteRow);
    ASSERT_TRUE(EntryRedrawn(before)) << "nothing was pasted";
    Calculate();
    EXPECT_TRUE(WaitUntil([this] { return AllResultsWiderThan(kEmptyResultWidth); })) << "the pasted 47 should calculate";
    EXPECT_TRUE(WarningHidden()) << "the 0 was calculated: nothing was pasted";
}

// Text copied from the entry pastes into another program, Cyrillic letters and all; the way in
// carries them too.
TEST_F(ProgramEntryMenu, TextCopiedFromTheEntryPastesElsewhere) {
    Offer("12,5 кОм");
    const Pixels before = EntryPixels();
    ASSERT_TRUE(Keys({"ctrl+v"}));
    ASSERT_TRUE(EntryRedrawn(before)) << "nothing was pasted";
    ASSERT_TRUE(Keys({"shift+Home"}));
    Choose(CopyRow);
    // xclip leaves once another program has taken the clipboard from it.
    EXPECT_TRUE(WaitUntil([this] { return !clipboardOwner_->Running(); })) << "Quarvel did not copy";
    EXPECT_EQ(xclip::Pasted(), "12,5 кОм");
}

}  // namespace
