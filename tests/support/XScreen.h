#pragma once

// The test's own connection to the X server: finds the program's windows, as a window manager
// leaves them or on a bare server, reads their pixels and the properties the window manager and
// the program set, and sends what a window manager or task bar would send.
// Include it after gtest: Xlib's macros (None, Bool) would break gtest's headers.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace x_screen {

// A rectangle of a window's pixels as 0xRRGGBB (the test server is 24-bit TrueColor).
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(const Pixels&) const = default;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int CentreX() const { return x + w / 2; }
    int CentreY() const { return y + h / 2; }
};

class Screen {
public:
    // A request on a window that went away or is not on the screen (reading a minimised window's
    // pixels) fails and says so in its result; it must not end the test, as Xlib's default does.
    Screen() : display_(XOpenDisplay(nullptr)) {
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~Screen() {
        if (display_) XCloseDisplay(display_);
    }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    bool Open() const { return display_ != nullptr; }
    Display* X() const { return display_; }
    Window Root() const { return DefaultRootWindow(display_); }

    // The viewable windows titled `title` that the program made, in stacking order: the root's
    // children on a bare server, the windows inside their frames under a window manager.
    std::vector<Window> WindowsTitled(const std::string& title) {
        XSync(display_, False);
        std::vector<Window> found;
        Collect(Root(), title, found, 0);
        return found;
    }

    // Whether a window the program made is on the screen now (mapped, and so are its frame's).
    bool Viewable(Window window) {
        XWindowAttributes attributes{};
        return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
    }

    std::pair<int, int> Size(Window window) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window, &attributes);
        return {attributes.width, attributes.height};
    }

    // The window's own area, in screen coordinates.
    Rect Bounds(Window window) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window, &attributes);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window, Root(), 0, 0, &x, &y, &child);
        return {x, y, attributes.width, attributes.height};
    }

    // The window and the frame the window manager drew round it (_NET_FRAME_EXTENTS), in
    // screen coordinates; the window alone where there is no frame.
    Rect FrameBounds(Window window) {
        Rect r = Bounds(window);
        const std::vector<long> extents = Cardinals(window, "_NET_FRAME_EXTENTS");
        if (extents.size() == 4) {
            r.x -= static_cast<int>(extents[0]);
            r.y -= static_cast<int>(extents[2]);
            r.w += static_cast<int>(extents[0] + extents[1]);
            r.h += static_cast<int>(extents[2] + extents[3]);
        }
        return r;
    }

    Pixels Read(Window window, int x, int y, int width, int height) {
        Pixels pixels;
        XImage* image = XGetImage(display_, window, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height),
                                  AllPlanes, ZPixmap);
        if (!image) return pixels;
        pixels.width = width;
        pixels.height = height;
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                pixels.rgb.push_back(static_cast<std::uint32_t>(XGetPixel(image, column, row) & 0xffffff));
        XDestroyImage(image);
        return pixels;
    }

    // The names of the atoms in a property of type ATOM (a window type, a state, allowed actions).
    std::vector<std::string> AtomNames(Window window, const char* property) {
        std::vector<std::string> names;
        for (long atom : Longs(window, property, XA_ATOM)) {
            char* name = XGetAtomName(display_, static_cast<Atom>(atom));
            if (name) names.emplace_back(name);
            if (name) XFree(name);
        }
        return names;
    }
    std::vector<long> Cardinals(Window window, const char* property) { return Longs(window, property, XA_CARDINAL); }
    // A property of any type read as 32-bit values (the Motif hints, WM_STATE).
    std::vector<long> Longs(Window window, const char* property, Atom type = AnyPropertyType) {
        std::vector<long> values;
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display_, window, XInternAtom(display_, property, False), 0, 64, False, type, &actual,
                               &format, &count, &after, &data) == Success &&
            data && format == 32)
            values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
        if (data) XFree(data);
        return values;
    }

    std::optional<Window> TransientFor(Window window) {
        Window owner = 0;
        if (!XGetTransientForHint(display_, window, &owner)) return std::nullopt;
        return owner;
    }

    // The window's ICCCM state as the window manager keeps it: NormalState, IconicState, or
    // WithdrawnState where it keeps none.
    long WmState(Window window) {
        const std::vector<long> state = Longs(window, "WM_STATE");
        return state.empty() ? WithdrawnState : state.front();
    }

    // What the frame's close control sends: the window manager's delete request.
    void SendDeleteRequest(Window window) {
        XEvent request{};
        request.xclient.type = ClientMessage;
        request.xclient.window = window;
        request.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        request.xclient.format = 32;
        request.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        request.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, window, False, NoEventMask, &request);
        XFlush(display_);
    }

    // The viewable override-redirect windows on the screen (tooltips and menus, which no window
    // manager frames) whose window type is `type`.
    std::vector<Window> UnmanagedWindowsOfType(const std::string& type) {
        XSync(display_, False);
        std::vector<Window> found;
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, Root(), &root, &parent, &children, &count)) return found;
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(display_, children[i], &attributes) && attributes.override_redirect &&
                attributes.map_state == IsViewable && AtomNames(children[i], "_NET_WM_WINDOW_TYPE") == std::vector{type})
                found.push_back(children[i]);
        }
        if (children) XFree(children);
        return found;
    }

    // The window the window manager has made active (_NET_ACTIVE_WINDOW), or 0.
    Window ActiveWindow() {
        const std::vector<long> active = Longs(Root(), "_NET_ACTIVE_WINDOW", XA_WINDOW);
        return active.empty() ? 0 : static_cast<Window>(active.front());
    }

    // The pointer's position on the screen.
    std::pair<int, int> Pointer() {
        Window root = 0, child = 0;
        int x = 0, y = 0, wx = 0, wy = 0;
        unsigned mask = 0;
        XQueryPointer(display_, Root(), &root, &child, &x, &y, &wx, &wy, &mask);
        return {x, y};
    }

private:
    void Collect(Window parent, const std::string& title, std::vector<Window>& found, int depth) {
        Window root = 0, up = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, parent, &root, &up, &children, &count)) return;
        for (unsigned i = 0; i < count; ++i) {
            if (Viewable(children[i]) && Title(children[i]) == title)
                found.push_back(children[i]);
            else if (depth < 3)  // a frame holds its window a level or two down
                Collect(children[i], title, found, depth + 1);
        }
        if (children) XFree(children);
    }

    // The UTF-8 title the window manager would show, else the legacy name.
    std::string Title(Window window) {
        std::string title;
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, left = 0;
        unsigned char* data = nullptr;
        const Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
        const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
        if (XGetWindowProperty(display_, window, netName, 0, 1024, False, utf8, &type, &format, &items, &left, &data) ==
                Success &&
            data) {
            title.assign(reinterpret_cast<char*>(data), items);
            XFree(data);
            return title;
        }
        char* name = nullptr;
        if (XFetchName(display_, window, &name) && name) {
            title = name;
            XFree(name);
        }
        return title;
    }

    Display* display_;
};

}  // namespace x_screen
