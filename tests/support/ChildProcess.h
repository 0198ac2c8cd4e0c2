#pragma once

// Other programs as the tests and benchmarks run them: the program under test, xdotool, each in a
// child process that cannot outlive a broken test. The one place that starts, waits for and ends
// them; every wait is a bounded loop on a condition.

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
#include <utility>
#include <vector>

extern char** environ;

namespace child_process {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// What a test that has nothing else to do meanwhile does between looks at a condition.
inline void Sleep() { std::this_thread::sleep_for(milliseconds(10)); }

// Waits until `done` holds, for at most `limit`, calling `pause` between looks (a test with
// windows of its own lets FLTK answer their events there); true if it did.
template <class Pause = void (*)()>
bool WaitUntil(const std::function<bool()>& done, milliseconds limit = milliseconds(10000), Pause pause = Sleep) {
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        pause();
    }
    return true;
}

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

// Starts argv[0], searched on PATH, with `env`, its standard error going to `stderrPath` when one
// is given; -1 when it could not start.
inline pid_t Spawn(std::vector<std::string> argv, std::vector<std::string> env = Environment(),
                   const std::string& stderrPath = "") {
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
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &files, nullptr, args.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&files);
    return pid;
}

// The command line that runs argv under `timeout`, which ends it after `lifetime`.
inline std::vector<std::string> UnderTimeout(std::vector<std::string> argv, std::chrono::seconds lifetime) {
    argv.insert(argv.begin(), {"timeout", std::to_string(lifetime.count())});
    return argv;
}

// A child process: `argv` started under `timeout`, so that nothing outlives a broken test; one
// still running when the Child goes is ended then.
class Child {
public:
    Child(std::vector<std::string> argv, std::vector<std::string> env, const std::string& stderrPath = "",
          std::chrono::seconds lifetime = std::chrono::seconds(120))
        : pid_(Spawn(UnderTimeout(std::move(argv), lifetime), std::move(env), stderrPath)) {}
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
    template <class Pause = void (*)()>
    std::optional<int> WaitForExit(milliseconds limit, Pause pause = Sleep) {
        WaitUntil([this] { return !Running(); }, limit, pause);
        return status_;
    }

    // Ended by itself, with exit code 0.
    bool Succeeded() const { return status_ && WIFEXITED(*status_) && WEXITSTATUS(*status_) == 0; }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Runs one xdotool command line to its end, pausing between looks; true when it succeeded.
template <class Pause = void (*)()>
bool Xdotool(const std::vector<std::string>& args, Pause pause = Sleep) {
    std::vector<std::string> argv = {"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    Child tool(argv, Environment());
    if (!tool.Started()) return false;
    tool.WaitForExit(milliseconds(15000), pause);
    return tool.Succeeded();
}

}  // namespace child_process
