#include "WindowManager.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {
Atom Intern(const char* name) { return XInternAtom(fl_display, name, False); }

void SetAtoms(unsigned long xid, const char* property, Atom value) {
    XChangeProperty(fl_display, xid, Intern(property), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&value), 1);
}

// The Motif hints, which the window managers read for the functions and buttons a frame offers.
constexpr long kMwmHintsFunctions = 1, kMwmHintsDecorations = 2;
constexpr long kMwmFuncMove = 4, kMwmFuncClose = 32;
constexpr long kMwmDecorBorder = 2, kMwmDecorTitle = 8, kMwmDecorMenu = 16;

// Lets the other clients go on even where `describe` throws.
class ServerHold {
public:
    ServerHold() { XGrabServer(fl_display); }
    ~ServerHold() {
        XUngrabServer(fl_display);
        XFlush(fl_display);
    }
    ServerHold(const ServerHold&) = delete;
    ServerHold& operator=(const ServerHold&) = delete;
};
}  // namespace

FrameExtents FrameExtentsOf(Fl_Window& window) {
    FrameExtents extents;
    if (!window.shown()) return extents;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(fl_display, fl_xid(&window), Intern("_NET_FRAME_EXTENTS"), 0, 4, False, XA_CARDINAL,
                           &type, &format, &count, &after, &data) == Success &&
        data && format == 32 && count == 4) {
        const auto* values = reinterpret_cast<const long*>(data);
        extents = {static_cast<int>(values[0]), static_cast<int>(values[1]), static_cast<int>(values[2]),
                   static_cast<int>(values[3])};
    }
    if (data) XFree(data);
    return extents;
}

void ShowDescribed(Fl_Window& window, const std::function<void(unsigned long xid)>& describe) {
    if (window.shown()) {
        window.show();
        return;
    }
    fl_open_display();
    ServerHold hold;
    window.show();
    describe(fl_xid(&window));
}

void RequestFramePosition(unsigned long xid, int x, int y) {
    XSizeHints* hints = XAllocSizeHints();
    long supplied = 0;
    XGetWMNormalHints(fl_display, xid, hints, &supplied);
    hints->flags |= USPosition | PWinGravity;
    hints->x = x;
    hints->y = y;
    hints->win_gravity = NorthWestGravity;
    XSetWMNormalHints(fl_display, xid, hints);
    XFree(hints);
}

void DescribeDialog(unsigned long xid, unsigned long owner) {
    if (owner) XSetTransientForHint(fl_display, xid, owner);
    SetAtoms(xid, "_NET_WM_WINDOW_TYPE", Intern("_NET_WM_WINDOW_TYPE_DIALOG"));
    SetAtoms(xid, "_NET_WM_STATE", Intern("_NET_WM_STATE_MODAL"));
    const long motif[5] = {kMwmHintsFunctions | kMwmHintsDecorations, kMwmFuncMove | kMwmFuncClose,
                           kMwmDecorBorder | kMwmDecorTitle | kMwmDecorMenu, 0, 0};
    const Atom motifHints = Intern("_MOTIF_WM_HINTS");
    XChangeProperty(fl_display, xid, motifHints, motifHints, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motif), 5);
}

void DescribeTooltip(unsigned long xid) { SetAtoms(xid, "_NET_WM_WINDOW_TYPE", Intern("_NET_WM_WINDOW_TYPE_TOOLTIP")); }
