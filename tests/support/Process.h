#pragma once

// Child processes and bounded waits, for the tests and benchmarks that run programs: the one
// place that starts, waits for and ends them.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace test_support {

using std::chrono::milliseconds;

// The pause of a test that has nothing else to do meanwhile.
inline void Sleep() { std::this_thread::sleep_for(milliseconds(10)); }

// Looks at `done()` until it holds, calling `pause()` between looks, for at most `limit`; says
// whether it holds. The pause is where a test lets its own process go on (FLTK's events).
template <class Done, class Pause = void (*)()>
bool WaitUntil(Done done, Pause pause = Sleep, milliseconds limit = milliseconds(10000)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        pause();
    }
    return true;
}

// This process's environment, as NAME=value.
inline std::vector<std::string> Environment() {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
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

// A child process that `timeout` ends after `lifetime`, so that none outlives a broken test;
// one still running when the Child goes is ended then.
class Child {
public:
    Child(std::vector<std::string> argv, std::chrono::seconds lifetime, std::vector<std::string> env = Environment(),
          const std::string& stderrPath = "") {
        pid_ = Spawn(UnderTimeout(std::move(argv), lifetime), std::move(env), stderrPath);
    }
    ~Child() {
        if (!Running()) return;
        kill(pid_, SIGTERM);
        if (!WaitForExit(milliseconds(5000))) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid_ > 0; }
    bool Running() { return Started() && !Ended(); }

    // Whether it has ended; does not wait.
    bool Ended() {
        int status = 0;
        if (Started() && !status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
        return status_.has_value();
    }

    // The raw wait status once it has ended within `limit`, pausing between looks.
    template <class Pause = void (*)()>
    std::optional<int> WaitForExit(milliseconds limit, Pause pause = Sleep) {
        if (Started()) WaitUntil([this] { return Ended(); }, pause, limit);
        return status_;
    }

    // Ended by itself with exit code 0.
    bool Succeeded() const { return status_ && WIFEXITED(*status_) && WEXITSTATUS(*status_) == 0; }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Runs xdotool to its end, pausing between looks; true when it succeeded.
template <class Pause = void (*)()>
bool Xdotool(std::vector<std::string> args, Pause pause = Sleep) {
    args.insert(args.begin(), "xdotool");
    Child tool(std::move(args), std::chrono::seconds(10));
    tool.WaitForExit(milliseconds(15000), pause);
    return tool.Succeeded();
}

}  // namespace test_support
