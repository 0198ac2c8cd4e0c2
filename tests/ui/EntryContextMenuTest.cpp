// The entry box's context menu and editing keys on the main window in a real X server, driven as a
// person drives them: right clicks, Shift+F10 and the Menu key, Ctrl+Z, Ctrl+X, Ctrl+C, Ctrl+V,
// Delete and Ctrl+A, all through xdotool. What the menu shows is read from its pixels. The other
// program on the desktop's clipboard is xclip: it holds what it is given, in the kind it is told,
// and prints what the clipboard holds.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "EntryInput.h"
#include "FormDisplay.h"
#include "QuarvelUnit1.h"
#include "TApplication.h"
// Last: Xlib's macros (None, Bool) would break the headers above.
#include "MenuRows.h"
#include "RealInput.h"
#include "XScreen.h"
#include "Xclip.h"

namespace {
const std::vector<std::string> kMenuTexts = {"Отменить", "Вырезать", "Копировать",
                                             "Вставить", "Удалить",  "Выделить все"};
// The rows of the menu, in its order.
enum Row : std::size_t { UndoRow, CutRow, CopyRow, PasteRow, DeleteRow, SelectAllRow };

// The menu while it is open: a popup of this process that FLTK has drawn.
Fl_Window* OpenMenu() {
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
        if (w->menu_window() && w->shown() && w->visible()) return w;
    return nullptr;
}

// A visit to the menu. While the menu runs its own loop, a timer waits until it is drawn, reads it
// and does `act`, which starts an xdotool and returns it; a menu still open after fifteen seconds
// is closed with Escape, and the test fails.
struct MenuVisit {
    std::function<pid_t(const Fl_Window& menu, const menu_rows::Menu& seen)> act;
    x_screen::Screen* screen = nullptr;
    std::optional<menu_rows::Menu> seen;
    int x = 0, y = 0;  // where its top-left corner stood on the screen
    pid_t tool = -1;
    bool gaveUp = false;
};

void LookAtTheMenu(void* data) {
    auto& visit = *static_cast<MenuVisit*>(data);
    Fl_Window* menu = OpenMenu();
    if (menu && !menu->damage()) {
        XSync(fl_display, False);
        const menu_rows::Menu seen = menu_rows::Read(visit.screen->Read(fl_xid(menu), 0, 0, menu->w(), menu->h()));
        if (!seen.rows.empty()) {
            visit.seen = seen;
            visit.x = menu->x_root();
            visit.y = menu->y_root();
            visit.tool = visit.act(*menu, seen);
            return;
        }
    }
    Fl::repeat_timeout(0.01, LookAtTheMenu, data);
}

void GiveUp(void* data) {
    static_cast<MenuVisit*>(data)->gaveUp = true;
    real_input::StartXdotool({"key", "Escape"});
}

pid_t PressEscape(const Fl_Window&, const menu_rows::Menu&) { return real_input::StartXdotool({"key", "Escape"}); }

// Clicks the middle of one of the menu's rows.
auto ClickRow(std::size_t row) {
    return [row](const Fl_Window& menu, const menu_rows::Menu& seen) -> pid_t {
        if (seen.rows.size() <= row) return real_input::StartXdotool({"key", "Escape"});
        return real_input::StartXdotool({"mousemove", std::to_string(menu.x_root() + menu.w() / 2),
                                         std::to_string(menu.y_root() + seen.rows[row].CentreY()), "click", "1"});
    };
}

// The entry box as a test looks at it.
struct EntryState {
    std::string text;
    int position = 0, mark = 0;
    friend bool operator==(const EntryState&, const EntryState&) = default;
    friend std::ostream& operator<<(std::ostream& os, const EntryState& s) {
        return os << '"' << s.text << "\" caret " << s.position << " mark " << s.mark;
    }
};

class EntryContextMenu : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(screen_.Open());
        // The keyboard as a desktop without a window manager leaves it, following the pointer: the
        // focus an xdotool gave an earlier test's window went to the root with that window.
        XSetInputFocus(screen_.X(), PointerRoot, RevertToPointerRoot, CurrentTime);
        XSync(screen_.X(), False);
        Application->Initialize();
        Application->OnException = [this](const Exception& e) { errors_.push_back(e.Message()); };
        form = std::make_unique<TQuarvel>(nullptr);
        form_display::ShowAndSettle(*form);
        ClearClipboard();
    }
    void TearDown() override {
        clipboardOwner_.reset();
        if (form) form->Close();
        form_display::Settle();
        Application->OnException = nullptr;
        EXPECT_TRUE(errors_.empty());
    }

    EntryInput& Entry() const { return *static_cast<EntryInput*>(form->Edit1->Widget()); }
    EntryState State() const { return {form->Edit1->Text(), Entry().position(), Entry().mark()}; }
    void SetState(const EntryState& s) {
        form->Edit1->SetText(s.text);
        Entry().position(s.position, s.mark);
    }

    // A point on the entry box's middle line, `dx` pixels from its left edge (from its right edge
    // where negative).
    real_input::ScreenPoint InEntry(int dx) const {
        const TEdit& e = *form->Edit1;
        return real_input::OnScreen(*form, e.Left() + (dx >= 0 ? dx : e.Width() + dx), e.Top() + e.Height() / 2);
    }

    bool Keys(std::vector<std::string> keys) {
        keys.insert(keys.begin(), {"windowfocus", "--sync", std::to_string(fl_xid(form->Window())), "key",
                                   "--clearmodifiers"});
        return real_input::Xdotool(keys);
    }
    bool Type(const std::string& text) {
        return real_input::Xdotool(
            {"windowfocus", "--sync", std::to_string(fl_xid(form->Window())), "type", "--delay", "20", "--", text});
    }

    // Opens the menu with `open` (an xdotool run), lets `act` do what a person does in it, and
    // returns what the menu showed, once it has closed and its command has run.
    MenuVisit Visit(const std::function<bool()>& open,
                    std::function<pid_t(const Fl_Window&, const menu_rows::Menu&)> act = PressEscape) {
        MenuVisit visit;
        visit.act = std::move(act);
        visit.screen = &screen_;
        Fl::add_timeout(0.01, LookAtTheMenu, &visit);
        Fl::add_timeout(15.0, GiveUp, &visit);
        EXPECT_TRUE(open()) << "xdotool could not open the menu";
        EXPECT_TRUE(real_input::WaitUntil([&] { return visit.tool > 0 && !OpenMenu(); })) << "the menu did not close";
        Fl::remove_timeout(LookAtTheMenu, &visit);
        Fl::remove_timeout(GiveUp, &visit);
        if (visit.tool > 0) {
            EXPECT_TRUE(real_input::Finished(visit.tool)) << "xdotool failed in the menu";
        }
        EXPECT_FALSE(visit.gaveUp) << "the menu stayed open";
        return visit;
    }
    MenuVisit RightClick(real_input::ScreenPoint at,
                         std::function<pid_t(const Fl_Window&, const menu_rows::Menu&)> act = PressEscape) {
        return Visit(
            [at] {
                return real_input::Xdotool(
                    {"mousemove", std::to_string(at.x), std::to_string(at.y), "click", "3"});
            },
            std::move(act));
    }
    MenuVisit MenuKey(const std::string& key,
                      std::function<pid_t(const Fl_Window&, const menu_rows::Menu&)> act = PressEscape) {
        return Visit([this, key] { return Keys({key}); }, std::move(act));
    }

    // ---- The desktop's clipboard ----
    Atom Clipboard() { return XInternAtom(screen_.X(), "CLIPBOARD", False); }
    void ClearClipboard() {
        clipboardOwner_.reset();
        XSetSelectionOwner(screen_.X(), Clipboard(), 0, CurrentTime);
        XSync(screen_.X(), False);
    }
    // Another program, xclip, holds `content` on the clipboard as data of `kind`.
    void OfferOnClipboard(const std::string& content, const std::string& kind = "UTF8_STRING") {
        ClearClipboard();
        clipboardOwner_.emplace(content, kind);
        ASSERT_TRUE(real_input::WaitUntil([this] { return XGetSelectionOwner(screen_.X(), Clipboard()) != 0; }))
            << "xclip did not take the clipboard";
    }
    // What another program, xclip, pastes from the clipboard; FLTK answers meanwhile.
    std::string ClipboardText() { return xclip::Pasted(real_input::AnswerEvents); }

    x_screen::Screen screen_;
    std::unique_ptr<TQuarvel> form;
    std::vector<std::string> errors_;
    std::optional<xclip::Holder> clipboardOwner_;
};

TEST_F(EntryContextMenu, ARightClickOpensTheMenuAtThePointerWithItsTexts) {
    const real_input::ScreenPoint at = InEntry(20);
    const MenuVisit visit = RightClick(at);
    ASSERT_TRUE(visit.seen.has_value());
    EXPECT_EQ(visit.x, at.x);
    EXPECT_EQ(visit.y, at.y);
    // Six entries, a line below the first and the fifth.
    const std::vector<Fl_Menu_Item>& entries = Entry().ContextMenu().Entries();
    ASSERT_EQ(entries.size(), kMenuTexts.size() + 1);
    for (std::size_t i = 0; i < kMenuTexts.size(); ++i) {
        EXPECT_EQ(entries[i].label(), kMenuTexts[i]);
        EXPECT_EQ((entries[i].flags & FL_MENU_DIVIDER) != 0, i == UndoRow || i == DeleteRow) << kMenuTexts[i];
    }
    EXPECT_EQ(visit.seen->rows.size(), kMenuTexts.size());
    EXPECT_EQ(Fl::focus(), form->Edit1->Widget());
}

// Shift+F10 and the Menu key open it with its corner at the middle of the box, as the platform's
// edit control opens it from the keyboard.
class EntryMenuKey : public EntryContextMenu, public testing::WithParamInterface<const char*> {};

TEST_P(EntryMenuKey, OpensTheMenuAtTheMiddleOfTheBox) {
    const MenuVisit visit = MenuKey(GetParam());
    ASSERT_TRUE(visit.seen.has_value());
    const TEdit& e = *form->Edit1;
    const real_input::ScreenPoint middle = real_input::OnScreen(*form, e.Left() + e.Width() / 2, e.Top() + e.Height() / 2);
    EXPECT_EQ(visit.x, middle.x);
    EXPECT_EQ(visit.y, middle.y);
    EXPECT_EQ(visit.seen->shape, "g|AAgA|g");
}

INSTANTIATE_TEST_SUITE_P(Keys, EntryMenuKey, testing::Values("shift+F10", "Menu"),
                         [](const auto& test) { return std::string(test.param[0] == 's' ? "ShiftF10" : "MenuKey"); });

// What is greyed follows the box and the clipboard: 'A' acts, 'g' is greyed, '|' a line, in the
// menu's order (undo | cut copy paste delete | select all).
struct GreyCase {
    const char* name;
    std::string typed;         // typed first, which leaves a change to undo
    EntryState state;          // then the text and the selection
    const char* clipboard;     // text another program holds, or none
    const char* clipboardKind;
    const char* shape;
};
void PrintTo(const GreyCase& c, std::ostream* os) { *os << c.name; }

class EntryMenuGreys : public EntryContextMenu, public testing::WithParamInterface<GreyCase> {};

TEST_P(EntryMenuGreys, WhatCannotAct) {
    const GreyCase& c = GetParam();
    if (!c.typed.empty()) {
        ASSERT_TRUE(Type(c.typed));
        ASSERT_TRUE(real_input::WaitUntil([&] { return form->Edit1->Text() == c.typed; }));
        Entry().position(c.state.position, c.state.mark);
    } else {
        SetState(c.state);
    }
    if (c.clipboard) OfferOnClipboard(c.clipboard, c.clipboardKind);
    const EntryState before = State();
    const MenuVisit visit = RightClick(InEntry(-4));
    ASSERT_TRUE(visit.seen.has_value());
    EXPECT_EQ(visit.seen->shape, c.shape);
    for (std::size_t i = 0; i < kMenuTexts.size(); ++i)
        EXPECT_EQ((Entry().ContextMenu().Entries()[i].flags & FL_MENU_INACTIVE) != 0, c.shape[i + (i > 0) + (i > 4)] == 'g')
            << kMenuTexts[i];
    EXPECT_EQ(State(), before);
}

INSTANTIATE_TEST_SUITE_P(
    States, EntryMenuGreys,
    testing::Values(
        // Undo, and the select all of a text selected whole, cannot act; nor a paste from nothing.
        GreyCase{"TheOpeningZero", "", {"0", 1, 0}, nullptr, nullptr, "g|AAgA|g"},
        GreyCase{"ACaretAndTextOnTheClipboard", "", {"47", 1, 1}, "12,5", "UTF8_STRING", "g|ggAg|A"},
        GreyCase{"PartSelectedAfterTyping", "1500", {"1500", 3, 1}, nullptr, nullptr, "A|AAgA|A"},
        // A picture is nothing an entry box can paste; an empty box has nothing to select.
        GreyCase{"AnEmptyBoxAndAPictureOnTheClipboard", "", {"", 0, 0}, "\x89PNG", "image/png", "g|gggg|g"}),
    [](const auto& test) { return std::string(test.param.name); });

// A right click moves neither the caret nor the selection, inside the selection or outside it.
class EntryRightClick : public EntryContextMenu, public testing::WithParamInterface<int> {};

TEST_P(EntryRightClick, KeepsTheCaretAndTheSelection) {
    SetState({"1234567890", 8, 2});
    const MenuVisit visit = RightClick(InEntry(GetParam()));
    ASSERT_TRUE(visit.seen.has_value());
    EXPECT_EQ(State(), (EntryState{"1234567890", 8, 2}));
    EXPECT_EQ(Fl::focus(), form->Edit1->Widget());
}

// On the first digit, in the middle of the selection, and past the end of the text.
INSTANTIATE_TEST_SUITE_P(Places, EntryRightClick, testing::Values(5, 30, -4), [](const auto& test) {
    return std::string(test.param == 5 ? "BeforeTheSelection" : test.param == 30 ? "InTheSelection" : "PastTheText");
});

// Escape, or a click anywhere off the menu, closes it with nothing done: the entry keeps the focus,
// its text and its selection, and the click does not reach what it lands on.
struct CloseCase {
    const char* name;
    std::function<real_input::ScreenPoint(const TQuarvel&)> click;  // none: Escape
};
void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class EntryMenuClose : public EntryContextMenu, public testing::WithParamInterface<CloseCase> {};

TEST_P(EntryMenuClose, DoesNothing) {
    SetState({"1234", 3, 1});
    const auto close = GetParam().click;
    const MenuVisit visit = RightClick(InEntry(40), [&](const Fl_Window&, const menu_rows::Menu&) -> pid_t {
        if (!close) return real_input::StartXdotool({"key", "Escape"});
        const real_input::ScreenPoint p = close(*form);
        return real_input::StartXdotool({"mousemove", std::to_string(p.x), std::to_string(p.y), "click", "1"});
    });
    ASSERT_TRUE(visit.seen.has_value());
    form_display::Settle();  // a click that went on to what it landed on would have acted by now
    EXPECT_EQ(State(), (EntryState{"1234", 3, 1}));
    EXPECT_EQ(Fl::focus(), form->Edit1->Widget());
    EXPECT_EQ(form->Label9->Caption(), "") << "the click reached the menu bar and calculated";
    EXPECT_TRUE(form->Showing());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EntryMenuClose,
    testing::Values(CloseCase{"Escape", nullptr},
                    CloseCase{"ClickOnTheEntry",
                              [](const TQuarvel& f) {
                                  return real_input::OnScreen(f, f.Edit1->Left() + 3, f.Edit1->Top() + 3);
                              }},
                    CloseCase{"ClickOnTheWindow", [](const TQuarvel& f) { return real_input::OnScreen(f, 200, 320); }},
                    CloseCase{"ClickOnCalculate",
                              [](const TQuarvel& f) {
                                  return real_input::ScreenPoint{f.Window()->x_root() + 40, f.Window()->y_root() + 10};
                              }}),
    [](const auto& test) { return std::string(test.param.name); });

// Each item does exactly what its key does. From the same start (12345 typed, 45 selected), the
// key and then the item: the box, its selection and the clipboard end the same, and as expected.
struct CommandCase {
    const char* name;
    Row row;
    std::string key;
    EntryState after;
    std::string clipboard;  // what another program then pastes
};
void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class EntryCommand : public EntryContextMenu, public testing::WithParamInterface<CommandCase> {
protected:
    // 12345 typed (a change to undo), 45 selected, the caret before it; "кОм" on the clipboard.
    void Start() {
        form->Edit1->SetText("");
        ASSERT_TRUE(Type("12345"));
        ASSERT_TRUE(real_input::WaitUntil([&] { return form->Edit1->Text() == "12345"; }));
        ASSERT_TRUE(Keys({"shift+Left", "shift+Left"}));
        ASSERT_TRUE(real_input::WaitUntil([&] { return State() == EntryState{"12345", 3, 5}; })) << State();
        OfferOnClipboard("кОм");
    }
    // The box once it is still: a paste comes after the command.
    EntryState Settled(const EntryState& expected) {
        real_input::WaitUntil([&] { return State() == expected; });
        return State();
    }
};

TEST_P(EntryCommand, DoesWhatItsKeyDoes) {
    const CommandCase& c = GetParam();
    Start();
    ASSERT_TRUE(Keys({c.key}));
    const EntryState byKey = Settled(c.after);
    const std::string keyClipboard = ClipboardText();

    Start();
    const MenuVisit visit = RightClick(InEntry(-4), ClickRow(c.row));
    ASSERT_TRUE(visit.seen.has_value());
    ASSERT_EQ(visit.seen->shape, "A|AAAA|A");
    const EntryState byMenu = Settled(c.after);
    EXPECT_EQ(byMenu, byKey);
    EXPECT_EQ(ClipboardText(), keyClipboard);
    EXPECT_EQ(byMenu, c.after);
    EXPECT_EQ(keyClipboard, c.clipboard);
    EXPECT_EQ(Fl::focus(), form->Edit1->Widget());
}

INSTANTIATE_TEST_SUITE_P(
    Items, EntryCommand,
    testing::Values(CommandCase{"Undo", UndoRow, "ctrl+z", {"", 0, 0}, "кОм"},
                    CommandCase{"Cut", CutRow, "ctrl+x", {"123", 3, 3}, "45"},
                    CommandCase{"Copy", CopyRow, "ctrl+c", {"12345", 3, 5}, "45"},
                    CommandCase{"Paste", PasteRow, "ctrl+v", {"123кОм", 9, 9}, "кОм"},
                    CommandCase{"Delete", DeleteRow, "Delete", {"123", 3, 3}, "кОм"},
                    CommandCase{"SelectAll", SelectAllRow, "ctrl+a", {"12345", 5, 0}, "кОм"}),
    [](const auto& test) { return std::string(test.param.name); });

// A change made through the menu is undone as typing is, and undoing again redoes it; Ctrl+Z and
// Alt+Backspace undo alike. Undoing selects what it put back.
TEST_F(EntryContextMenu, MenuChangesUndoAsTypingDoes) {
    ASSERT_TRUE(Type("47"));  // over the selected opening 0
    ASSERT_TRUE(real_input::WaitUntil([&] { return form->Edit1->Text() == "47"; }));
    RightClick(InEntry(-4), ClickRow(UndoRow));
    EXPECT_EQ(State(), (EntryState{"0", 1, 0}));
    ASSERT_TRUE(Keys({"ctrl+z"}));
    EXPECT_TRUE(real_input::WaitUntil([&] { return State() == EntryState{"47", 2, 0}; })) << State();

    Entry().position(2, 1);  // the 7
    RightClick(InEntry(-4), ClickRow(DeleteRow));
    EXPECT_EQ(State(), (EntryState{"4", 1, 1}));
    ASSERT_TRUE(Keys({"alt+BackSpace"}));
    EXPECT_TRUE(real_input::WaitUntil([&] { return State() == EntryState{"47", 2, 1}; })) << State();
    ASSERT_TRUE(Keys({"alt+BackSpace"}));
    EXPECT_TRUE(real_input::WaitUntil([&] { return State() == EntryState{"4", 1, 1}; })) << State();
}

// The issue's own case: choosing "Выделить все" and typing replaces the whole entry.
TEST_F(EntryContextMenu, SelectAllThenTypingReplacesTheEntry) {
    SetState({"1500", 2, 2});
    RightClick(InEntry(-4), ClickRow(SelectAllRow));
    EXPECT_EQ(State(), (EntryState{"1500", 4, 0}));
    ASSERT_TRUE(Type("47"));
    EXPECT_TRUE(real_input::WaitUntil([&] { return form->Edit1->Text() == "47"; })) << form->Edit1->Text();
}

// A single-line box takes the first line of a text of several, blanks and all.
TEST_F(EntryContextMenu, APasteTakesTheFirstLine) {
    OfferOnClipboard(" 12,5 \r\nR2 = 1,25\n");
    ASSERT_TRUE(Keys({"ctrl+v"}));
    EXPECT_TRUE(real_input::WaitUntil([&] { return form->Edit1->Text() == " 12,5 "; })) << form->Edit1->Text();
}

// The menu is drawn in the box's font: twice the font, rows of text about twice as tall.
TEST_F(EntryContextMenu, TheMenuTakesTheBoxsFont) {
    auto tallestRow = [](const menu_rows::Menu& menu) {
        int tallest = 0;
        for (const menu_rows::Row& r : menu.rows) tallest = std::max(tallest, r.Height());
        return tallest;
    };
    const MenuVisit small = RightClick(InEntry(-4));
    TFont font = form->Edit1->Font();
    font.Height *= 2;
    form->Edit1->SetFont(font);
    const MenuVisit large = RightClick(InEntry(-4));
    ASSERT_TRUE(small.seen && large.seen);
    EXPECT_EQ(large.seen->shape, small.seen->shape);
    EXPECT_NEAR(static_cast<double>(tallestRow(*large.seen)) / tallestRow(*small.seen), 2.0, 0.35);
    EXPECT_GT(large.seen->width, small.seen->width * 3 / 2);
}
}  // namespace
