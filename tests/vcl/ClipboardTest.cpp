// What the desktop's clipboard offers, asked as a paste would ask it, in a real X server: of
// another program (xclip, which holds what it is told in the kind it is told), of a program that
// never answers, and of this one.
#include <gtest/gtest.h>

#include <FL/Fl.H>

#include <cctype>
#include <optional>
#include <string>

#include "Clipboard.h"
// Last: Xlib's macros (None, Bool) would break the headers above.
#include "XScreen.h"
#include "Xclip.h"
#include <FL/x.H>

namespace {

class ClipboardTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(screen_.Open());
        fl_open_display();
        XSetSelectionOwner(screen_.X(), Clipboard(), 0, CurrentTime);
        XSync(screen_.X(), False);
    }

    Atom Clipboard() { return XInternAtom(screen_.X(), "CLIPBOARD", False); }
    bool Owned() { return XGetSelectionOwner(screen_.X(), Clipboard()) != 0; }

    void Offer(const std::string& content, const std::string& kind) {
        owner_.emplace(content, kind);
        ASSERT_TRUE(child_process::WaitUntil([this] { return Owned(); })) << "xclip did not take the clipboard";
    }

    x_screen::Screen screen_;
    std::optional<xclip::Holder> owner_;
};

TEST_F(ClipboardTest, AnEmptyClipboardOffersNoText) { EXPECT_FALSE(ClipboardOffersText()); }

// What another program holds is text in any of the kinds a paste takes as text, and nothing else.
struct KindCase {
    const char* kind;
    bool text;
};

class ClipboardKindTest : public ClipboardTest, public testing::WithParamInterface<KindCase> {};

TEST_P(ClipboardKindTest, IsTextOrNot) {
    Offer("47 кОм", GetParam().kind);
    EXPECT_EQ(ClipboardOffersText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ClipboardKindTest,
                         testing::Values(KindCase{"UTF8_STRING", true}, KindCase{"STRING", true},
                                         KindCase{"text/plain;charset=utf-8", true}, KindCase{"image/png", false},
                                         KindCase{"application/octet-stream", false}),
                         [](const auto& test) {
                             std::string name;
                             for (const char* c = test.param.kind; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

// A program that holds the clipboard and never answers costs the asker a second, not a hang.
TEST_F(ClipboardTest, AnOwnerThatNeverAnswersOffersNoText) {
    const Window silent = XCreateSimpleWindow(screen_.X(), screen_.Root(), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(screen_.X(), Clipboard(), silent, CurrentTime);
    XSync(screen_.X(), False);
    ASSERT_TRUE(Owned());
    EXPECT_FALSE(ClipboardOffersText());
    XDestroyWindow(screen_.X(), silent);
    XSync(screen_.X(), False);
}

// Text this program copied: FLTK answers the question while the asker waits.
TEST_F(ClipboardTest, TextThisProgramCopiedIsText) {
    Fl::copy("47", 2, 1);
    XFlush(fl_display);
    ASSERT_TRUE(child_process::WaitUntil([this] { return Owned(); }));
    EXPECT_TRUE(ClipboardOffersText());
}
}  // namespace
