// Shows the error box in a real X server and closes it the ways a person would: Enter, Escape,
// a click on OK and the window frame's close request. xdotool presses the keys and the mouse from a
// child process while the box runs its own modal loop in this one.
#include "ErrorBox.h"

#include <gtest/gtest.h>

// After gtest: Xlib's macros (None, Bool) would break its headers.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <sys/wait.h>

#include <functional>
#include <string>
#include <vector>

#include "Xdotool.h"


namespace {

const std::string kTitle = "Quarvel";
const std::string kLongMessage =
    "Значение «1e40» выходит за пределы чисел одинарной точности; введите сопротивление "
    "потенциометров в килоомах, например 47 или 4,7, и повторите расчёт.";

// What a test sees of the box while it is open.
struct BoxVisit {
    std::string seenTitle;
    std::string seenMessage;
    int boxWidth = 0;
    int messageHeight = 0;
    bool okButtonFound = false;
    int okX = 0;  // centre of the OK button, in box coordinates
    int okY = 0;
    bool timedOut = false;
    pid_t driver = -1;  // the xdotool child that closes the box, if one was started
};

using CloseAction = std::function<void(BoxVisit&, Fl_Window&)>;

struct OpenBox {
    BoxVisit visit;
    CloseAction close;
};

void Inspect(BoxVisit& visit, Fl_Window& box) {
    visit.seenTitle = box.label() ? box.label() : "";
    visit.boxWidth = box.w();
    for (int i = 0; i < box.children(); ++i) {
        Fl_Widget* child = box.child(i);
        auto* button = dynamic_cast<Fl_Button*>(child);
        if (button && button->label() && std::string(button->label()) == "OK") {
            visit.okButtonFound = true;
            visit.okX = button->x() + button->w() / 2;
            visit.okY = button->y() + button->h() / 2;
        } else if (!button && child->label()) {
            visit.seenMessage = child->label();
            visit.messageHeight = child->h();
        }
    }
}

void OnBoxOpen(void* data) {
    auto& open = *static_cast<OpenBox*>(data);
    Fl_Window* box = Fl::modal();
    if (!box || !box->shown()) {
        Fl::repeat_timeout(0.01, OnBoxOpen, data);
        return;
    }
    Inspect(open.visit, *box);
    open.close(open.visit, *box);
}

// A box that nothing closes would hang the test; this ends it and marks the failure.
void OnWatchdog(void* data) {
    static_cast<OpenBox*>(data)->visit.timedOut = true;
    if (Fl_Window* box = Fl::modal()) box->hide();
}

// Shows the box, lets `close` act on it once it is up, and returns once the box has closed.
BoxVisit ShowAndClose(const std::string& message, CloseAction close) {
    OpenBox open{{}, std::move(close)};
    Fl::add_timeout(0.0, OnBoxOpen, &open);
    Fl::add_timeout(20.0, OnWatchdog, &open);
    ShowErrorBox(kTitle, message);
    Fl::remove_timeout(OnBoxOpen, &open);
    Fl::remove_timeout(OnWatchdog, &open);
    if (open.visit.driver > 0) {
        int status = 0;
        waitpid(open.visit.driver, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "xdotool could not act on the box";
    }
    return open.visit;
}

// The colour the X server shows at (x, y) in `box`, as 0xRRGGBB (the test server is 24-bit TrueColor).
unsigned long PixelAt(Fl_Window& box, int x, int y) {
    XImage* image = XGetImage(fl_display, fl_xid(&box), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0x1000000;  // no colour can be this
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel & 0xffffff;
}

// Pumps events until the box shows its ground colour: it has been mapped (under a window manager,
// once the manager has framed it) and drawn.
void WaitUntilDrawn(Fl_Window& box) {
    for (int i = 0; i < 500 && PixelAt(box, 2, 2) != 0xd4d0c8; ++i) Fl::wait(0.01);
}

// Acts on the box with xdotool `commands` (%1 stands for the box) once it is on the screen: under a
// window manager, once the manager has framed it and given it the focus.
void Xdotool(BoxVisit& visit, Fl_Window& box, std::vector<std::string> commands) {
    WaitUntilDrawn(box);
    for (std::string& c : commands)
        if (c == "%1") c = std::to_string(fl_xid(&box));
    visit.driver = real_input::StartXdotool(commands);
    ASSERT_GT(visit.driver, 0) << "xdotool did not start";
}

CloseAction PressKey(const std::string& key) {
    return [key](BoxVisit& visit, Fl_Window& box) { Xdotool(visit, box, {"windowfocus", "--sync", "%1", "key", key}); };
}

void ClickOk(BoxVisit& visit, Fl_Window& box) {
    Xdotool(visit, box, {"mousemove", "--window", "%1", std::to_string(visit.okX), std::to_string(visit.okY), "click", "1"});
}

// The frame's close control reaches the program as the window manager's delete request.
void SendDeleteRequest(BoxVisit&, Fl_Window& box) {
    Fl::flush();
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = fl_xid(&box);
    request.xclient.message_type = XInternAtom(fl_display, "WM_PROTOCOLS", False);
    request.xclient.format = 32;
    request.xclient.data.l[0] = static_cast<long>(XInternAtom(fl_display, "WM_DELETE_WINDOW", False));
    request.xclient.data.l[1] = CurrentTime;
    XSendEvent(fl_display, request.xclient.window, False, NoEventMask, &request);
    XFlush(fl_display);
}

struct CloseCase {
    const char* name;
    CloseAction close;
};

class ErrorBoxCloses : public testing::TestWithParam<CloseCase> {};

TEST_P(ErrorBoxCloses, AndShowsTitleMessageAndOk) {
    const BoxVisit visit = ShowAndClose("Ошибка преобразования", GetParam().close);
    EXPECT_FALSE(visit.timedOut) << "the box stayed open";
    EXPECT_EQ(visit.seenTitle, kTitle);
    EXPECT_EQ(visit.seenMessage, "Ошибка преобразования");
    EXPECT_TRUE(visit.okButtonFound);
}

INSTANTIATE_TEST_SUITE_P(Ways, ErrorBoxCloses,
                         testing::Values(CloseCase{"Enter", PressKey("Return")},
                                         CloseCase{"Escape", PressKey("Escape")},
                                         CloseCase{"ClickOnOK", ClickOk},
                                         CloseCase{"FrameClose", SendDeleteRequest}),
                         [](const auto& test) { return std::string(test.param.name); });

// Other keys leave the box open: once xdotool has typed one and exited, its key has reached the
// server, and a round trip brings it here before the box is looked at again.
TEST(ErrorBox, StaysOpenOnOtherKeys) {
    bool stillOpen = false;
    const BoxVisit visit = ShowAndClose("Ошибка", [&stillOpen](BoxVisit& v, Fl_Window& box) {
        PressKey("a")(v, box);
        int status = 0;
        waitpid(v.driver, &status, 0);
        v.driver = -1;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "xdotool could not act on the box";
        XSync(fl_display, False);
        Fl::check();
        stillOpen = box.shown();
        box.hide();
    });
    EXPECT_FALSE(visit.timedOut);
    EXPECT_TRUE(stillOpen);
}

// A long message wraps onto several lines instead of widening the box past the screen.
TEST(ErrorBox, WrapsALongMessage) {
    const BoxVisit visit = ShowAndClose(kLongMessage, PressKey("Return"));
    EXPECT_FALSE(visit.timedOut);
    EXPECT_EQ(visit.seenMessage, kLongMessage);
    EXPECT_LE(visit.boxWidth, 480);
    fl_font(FL_HELVETICA, 12);
    EXPECT_GE(visit.messageHeight, 3 * fl_height());
}

// The message's place in the box: 12 px from the top, right of the 32-px icon.
constexpr int kMessageTop = 12, kMessageLeft = 12 + 32 + 12;

// A message is drawn as written, even one that starts with '@': FLTK would read "@circle" at the
// start of a label as a drawn symbol, a dot much narrower than the word.
TEST(ErrorBox, DrawsAtSignsAsWritten) {
    const std::string message = "@circle";
    int inkWidth = 0;
    const BoxVisit visit = ShowAndClose(message, [&inkWidth](BoxVisit& v, Fl_Window& box) {
        const auto dark = [&box](int x, int y) {
            const unsigned long c = PixelAt(box, x, y);
            return (c >> 16 & 0xff) < 0x60 && (c >> 8 & 0xff) < 0x60 && (c & 0xff) < 0x60;
        };
        WaitUntilDrawn(box);
        int first = -1, last = -1;
        for (int x = kMessageLeft; x < box.w(); ++x)
            for (int y = kMessageTop; y < kMessageTop + 32; ++y)
                if (dark(x, y)) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        inkWidth = first < 0 ? 0 : last - first + 1;
        PressKey("Return")(v, box);
    });
    EXPECT_FALSE(visit.timedOut);
    fl_font(FL_HELVETICA, 12);
    EXPECT_GE(inkWidth, 0.8 * fl_width(message.c_str())) << "the message left " << inkWidth << " px of ink";
}

// An error with no message (what the program shows for a non-toolkit error) still gets a box.
TEST(ErrorBox, ShowsAnEmptyMessage) {
    const BoxVisit visit = ShowAndClose("", PressKey("Return"));
    EXPECT_FALSE(visit.timedOut);
    EXPECT_EQ(visit.seenTitle, kTitle);
    EXPECT_TRUE(visit.okButtonFound);
}

// The icon is drawn: a red disc around a white cross.
TEST(ErrorBox, DrawsTheErrorIcon) {
    unsigned long rim = 0;
    unsigned long centre = 0;
    const BoxVisit visit = ShowAndClose("Ошибка", [&](BoxVisit& v, Fl_Window& box) {
        WaitUntilDrawn(box);
        // The icon sits at the top left, inside the margin; its centre is where the bars cross.
        const int left = 12, top = 12, size = 32;
        rim = PixelAt(box, left + size / 2, top + 3);
        centre = PixelAt(box, left + size / 2, top + size / 2);
        PressKey("Escape")(v, box);
    });
    EXPECT_FALSE(visit.timedOut);
    EXPECT_EQ(rim, 0xc80000u) << std::hex << rim;
    EXPECT_EQ(centre, 0xffffffu) << std::hex << centre;
}

}  // namespace
