#pragma once

// xdotool in a child process, so that the test's X server is driven as a person drives it while
// this process goes on answering FLTK's events.

#include <FL/Fl.H>
#include <FL/x.H>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace real_input {

// What the test does between looks at a condition: FLTK answers the events meanwhile.
inline void AnswerEvents() { Fl::wait(0.01); }

// Answers FLTK's events until `done()` holds or ten seconds have passed; says whether it holds.
inline bool WaitUntil(const std::function<bool()>& done) {
    return child_process::WaitUntil(done, std::chrono::milliseconds(10000), AnswerEvents);
}

// Starts `xdotool args...` in a child process, which gives up after ten seconds; -1 if it did not
// start. What this process asked of the server is done before xdotool acts.
inline pid_t StartXdotool(std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    XSync(fl_display, False);
    return child_process::Spawn(child_process::UnderTimeout(std::move(args), std::chrono::seconds(10)));
}

// Waits for an xdotool that StartXdotool started to end (timeout ends it within ten seconds);
// true when it succeeded.
inline bool Finished(pid_t xdotool) {
    int status = 0;
    return waitpid(xdotool, &status, 0) == xdotool && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs xdotool to its end while FLTK answers the events it causes; true when it succeeded.
inline bool Xdotool(std::vector<std::string> args) {
    XSync(fl_display, False);
    return child_process::Xdotool(std::move(args), AnswerEvents);
}

}  // namespace real_input
