#pragma once

// Drives the test's X server as a person would: xdotool moves the real pointer, clicks and types
// from a child process while this process goes on answering FLTK's events. Also reads back the
// cursor the server shows (XFixes).

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/extensions/Xfixes.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "TForm.h"

extern char** environ;

namespace real_input {

// Pumps FLTK's events until `done()` holds or ten seconds have passed; says whether it holds.
template <class Condition>
bool WaitUntil(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Fl::wait(0.01);
    }
    return true;
}

// Starts `xdotool args...` in a child process, which gives up after ten seconds; -1 if it did not start.
inline pid_t StartXdotool(std::vector<std::string> args) {
    args.insert(args.begin(), {"timeout", "10", "xdotool"});
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    XSync(fl_display, False);  // what this process asked of the server is done before xdotool acts
    pid_t pid = 0;
    if (posix_spawnp(&pid, "timeout", nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return pid;
}

// Whether the child has ended well; does not wait.
inline bool Finished(pid_t pid, bool& ok) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid) return false;
    ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return true;
}

// Runs xdotool to its end while FLTK answers the events it causes; true when it succeeded.
inline bool Xdotool(std::vector<std::string> args) {
    const pid_t pid = StartXdotool(std::move(args));
    if (pid <= 0) return false;
    bool ok = false;
    if (!WaitUntil([&] { return Finished(pid, ok); })) {
        int status = 0;
        waitpid(pid, &status, 0);  // timeout ends it within ten seconds
        return false;
    }
    return ok;
}

// The screen position of a point in the form's client coordinates.
struct ScreenPoint {
    int x, y;
};
inline ScreenPoint OnScreen(const TForm& form, int clientX, int clientY) {
    return {form.Window()->x_root() + clientX, form.Window()->y_root() + form.ClientOrigin() + clientY};
}

// Moves the real pointer there and returns once the server has it there.
inline bool MovePointer(ScreenPoint p) {
    return Xdotool({"mousemove", "--sync", std::to_string(p.x), std::to_string(p.y)});
}

inline bool Click(ScreenPoint p) {
    return Xdotool({"mousemove", "--sync", std::to_string(p.x), std::to_string(p.y), "click", "1"});
}

// A cursor as the server shows it: size, hotspot and premultiplied ARGB pixels.
struct CursorImage {
    int width = 0, height = 0, xhot = 0, yhot = 0;
    std::vector<std::uint32_t> argb;
    friend bool operator==(const CursorImage&, const CursorImage&) = default;
};

inline CursorImage ShownCursor() {
    CursorImage c;
    XFixesCursorImage* image = XFixesGetCursorImage(fl_display);
    if (!image) return c;
    c.width = image->width;
    c.height = image->height;
    c.xhot = image->xhot;
    c.yhot = image->yhot;
    const std::size_t n = static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height);
    for (std::size_t i = 0; i < n; ++i) c.argb.push_back(static_cast<std::uint32_t>(image->pixels[i]));
    XFree(image);
    return c;
}

}  // namespace real_input
