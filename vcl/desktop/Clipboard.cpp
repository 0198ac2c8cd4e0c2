#include "Clipboard.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <poll.h>

#include <algorithm>
#include <array>
#include <chrono>

namespace {
using std::chrono::milliseconds;
using std::chrono::steady_clock;

// A live program answers at once; a hung one must not hang the menu that asks.
constexpr milliseconds kAnswerLimit(1000);

// The kinds of data that FLTK pastes as text: file names copied in a file manager among them.
constexpr std::array kTextKinds = {"UTF8_STRING", "text/plain;charset=utf-8", "text/plain;charset=UTF-8",
                                   "text/plain",  "STRING",                   "TEXT",
                                   "COMPOUND_TEXT", "text/uri-list"};

// Asks the clipboard's owner for the kinds of data it offers. The question goes on a connection
// of its own, with a window of its own for the answer: on FLTK's connection FLTK would take the
// answer for the start of a paste of its own, and paste.
class KindsQuestion {
public:
    KindsQuestion() : display_(XOpenDisplay(DisplayString(fl_display))) {
        if (!display_) return;
        window_ = XCreateWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, CopyFromParent, InputOnly,
                                CopyFromParent, 0, nullptr);
        clipboard_ = XInternAtom(display_, "CLIPBOARD", False);
        targets_ = XInternAtom(display_, "TARGETS", False);
        property_ = XInternAtom(display_, "QUARVEL_CLIPBOARD_KINDS", False);
        std::array<char*, kTextKinds.size()> names{};
        for (std::size_t i = 0; i < names.size(); ++i) names[i] = const_cast<char*>(kTextKinds[i]);
        XInternAtoms(display_, names.data(), static_cast<int>(names.size()), False, textKinds_.data());
    }
    ~KindsQuestion() {
        if (display_) XCloseDisplay(display_);
    }
    KindsQuestion(const KindsQuestion&) = delete;
    KindsQuestion& operator=(const KindsQuestion&) = delete;

    bool OffersText() {
        if (!display_) return false;
        // An answer that came too late for an earlier question is no answer to this one.
        XEvent event;
        while (XPending(display_)) XNextEvent(display_, &event);
        XConvertSelection(display_, clipboard_, targets_, property_, window_, CurrentTime);
        XFlush(display_);
        const auto deadline = steady_clock::now() + kAnswerLimit;
        for (;;) {
            AnswerRequestsToThisProgram();
            while (XPending(display_)) {
                XNextEvent(display_, &event);
                if (event.type == SelectionNotify && event.xselection.requestor == window_)
                    return event.xselection.property != None && KindsIncludeText();
            }
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - steady_clock::now()).count();
            if (left <= 0) return false;
            std::array<pollfd, 2> connections{
                {{ConnectionNumber(display_), POLLIN, 0}, {ConnectionNumber(fl_display), POLLIN, 0}}};
            poll(connections.data(), connections.size(), static_cast<int>(left));
        }
    }

private:
    // The clipboard's owner may be this program: FLTK answers it as it answers any other, and the
    // rest of FLTK's events wait for its loop.
    static void AnswerRequestsToThisProgram() {
        XEvent request;
        while (XCheckTypedEvent(fl_display, SelectionRequest, &request)) fl_handle(request);
        XFlush(fl_display);
    }

    bool KindsIncludeText() {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        bool text = false;
        if (XGetWindowProperty(display_, window_, property_, 0, 1024, True, AnyPropertyType, &type, &format, &count,
                               &after, &data) == Success &&
            data && format == 32) {
            const auto* kinds = reinterpret_cast<const Atom*>(data);
            for (unsigned long i = 0; i < count && !text; ++i)
                text = std::find(textKinds_.begin(), textKinds_.end(), kinds[i]) != textKinds_.end();
        }
        if (data) XFree(data);
        return text;
    }

    Display* display_;
    Window window_ = 0;
    Atom clipboard_ = 0, targets_ = 0, property_ = 0;
    std::array<Atom, kTextKinds.size()> textKinds_{};
};
}  // namespace

bool ClipboardOffersText() {
    fl_open_display();
    if (XGetSelectionOwner(fl_display, XInternAtom(fl_display, "CLIPBOARD", False)) == None) return false;
    static KindsQuestion question;
    return question.OffersText();
}
