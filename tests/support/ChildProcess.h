#pragma once

// Other programs as a test runs them: the program under test, xdotool, each in a child process
// that cannot outlive a broken test. Every wait is a bounded loop on a condition.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace child_process {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Waits until `done` holds, for at most `limit`; true if it did.
inline bool WaitUntil(const std::function<bool()>& done, milliseconds limit = milliseconds(10000)) {
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(milliseconds(10));
    }
    return true;
}

// A child process: `argv` started under `timeout`, so that nothing outlives a broken test.
class Child {
public:
    Child(std::vector<std::string> argv, std::vector<std::string> env, const std::string& stderrPath = "") {
        argv.insert(argv.begin(), {"timeout", "120"});
        std::vector<char*> args;
        for (auto& a : argv) args.push_back(a.data());
        args.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        if (!stderrPath.empty())
            posix_spawn_file_actions_addopen(&files, STDERR_FILENO, stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (posix_spawnp(&pid_, "timeout", &files, nullptr, args.data(), envp.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&files);
    }
    ~Child() {
        if (Running()) {
            kill(pid_, SIGTERM);
            if (!WaitForExit(milliseconds(5000))) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
            }
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid_ > 0; }
    // Still running: neither ended nor reaped. Looks without waiting.
    bool Running() {
        if (!Started() || status_) return false;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
        return !status_;
    }

    // The raw wait status once the process has ended within `limit`.
    std::optional<int> WaitForExit(milliseconds limit) {
        WaitUntil([this] { return !Running(); }, limit);
        return status_;
    }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

inline std::vector<std::string> Environment() {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    return env;
}

// This process's environment with DISPLAY replaced (or removed, without a display).
inline std::vector<std::string> EnvironmentWithDisplay(const std::optional<std::string>& display) {
    std::vector<std::string> env;
    for (auto& e : Environment())
        if (e.rfind("DISPLAY=", 0) != 0) env.push_back(e);
    if (display) env.push_back("DISPLAY=" + *display);
    return env;
}

// Runs one xdotool command line to its end; true when it succeeded.
inline bool Xdotool(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    Child tool(argv, Environment());
    if (!tool.Started()) return false;
    const auto status = tool.WaitForExit(milliseconds(15000));
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

}  // namespace child_process
