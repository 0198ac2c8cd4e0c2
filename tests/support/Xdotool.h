#pragma once

// xdotool in a child process, so that the test's X server is driven as a person drives it while
// this process goes on answering FLTK's events.

#include <FL/Fl.H>
#include <FL/x.H>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

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

}  // namespace real_input
