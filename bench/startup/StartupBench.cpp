// Start-up benchmark: for each program given, the time from exec to its window mapped and first
// drawn, and the process's peak memory, over alternating rounds in one X server.
//
//   quarvel_startup_bench [--rounds N] PROGRAM BASELINE [BASELINE...]
//
// The first baseline is the one the goal is set against; the others are reported beside it.
// The harness watches the root window for new top-level windows (CreateNotify, MapNotify) and
// puts a Damage monitor on each as soon as it is created, so the first drawing the client does
// after mapping is reported by the server itself (DamageNotify); nothing is polled or slept. Once
// drawn, the child is ended and its peak resident size read from wait4's rusage. Rounds
// alternate the programs, each round starting one program further on, so a drift in the
// machine's load falls on all alike.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace {

constexpr int kTimeoutMs = 10000;  // a program that shows nothing in this long has failed

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Windows die with their client while the harness still holds Damage monitors on them; the errors
// that follow are expected and harmless.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

struct Sample {
    double mappedMs = 0;
    double drawnMs = 0;
    long peakKb = 0;
};

class Harness {
public:
    Harness() : display_(XOpenDisplay(nullptr)) {
        if (!display_) throw std::runtime_error("cannot open the X display (run it through bench/startup/run)");
        int errorBase = 0;
        if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase)) {
            throw std::runtime_error("the X server has no DAMAGE extension");
        }
        XSetErrorHandler(IgnoreXError);
        root_ = DefaultRootWindow(display_);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~Harness() { XCloseDisplay(display_); }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    Sample Run(const std::string& program) {
        Discard();
        const double start = NowMs();
        const pid_t child = child_process::Spawn({program});
        if (child <= 0) throw std::runtime_error("cannot start " + program);
        Sample sample;
        std::map<Window, Damage> monitors;
        Window mapped = None;
        while (sample.drawnMs == 0) {
            XEvent event;
            if (!NextEvent(event, child, program)) continue;
            if (event.type == CreateNotify && event.xcreatewindow.parent == root_ &&
                !event.xcreatewindow.override_redirect) {
                const Window w = event.xcreatewindow.window;
                monitors[w] = XDamageCreate(display_, w, XDamageReportNonEmpty);
                XFlush(display_);
            } else if (event.type == MapNotify && monitors.count(event.xmap.window) && mapped == None) {
                mapped = event.xmap.window;
                sample.mappedMs = NowMs() - start;
            } else if (event.type == damageEventBase_ + XDamageNotify) {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                if (damage.drawable == mapped) sample.drawnMs = NowMs() - start;
                XDamageSubtract(display_, damage.damage, None, None);
            }
        }
        for (const auto& [window, monitor] : monitors) XDamageDestroy(display_, monitor);
        XSync(display_, False);
        kill(child, SIGTERM);
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        sample.peakKb = usage.ru_maxrss;
        AwaitDestroyed(mapped);
        return sample;
    }

private:
    // Waits for the next X event; false when none came yet. A child that exits or a wait that
    // outlasts the timeout is an error.
    bool NextEvent(XEvent& event, pid_t child, const std::string& program) {
        if (XPending(display_)) {
            XNextEvent(display_, &event);
            return true;
        }
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        if (poll(&fd, 1, kTimeoutMs) == 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            throw std::runtime_error(program + " showed no window within " + std::to_string(kTimeoutMs) + " ms");
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            throw std::runtime_error(program + " ended before its window was drawn");
        }
        return false;
    }

    // The next round starts only once the server has torn down the last window.
    void AwaitDestroyed(Window window) {
        const double deadline = NowMs() + kTimeoutMs;
        while (NowMs() < deadline) {
            XEvent event;
            if (XPending(display_)) {
                XNextEvent(display_, &event);
                if (event.type == DestroyNotify && event.xdestroywindow.window == window) return;
                continue;
            }
            pollfd fd{ConnectionNumber(display_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(deadline - NowMs()) + 1);
        }
    }

    void Discard() {
        XSync(display_, False);
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }

    Display* display_;
    Window root_ = None;
    int damageEventBase_ = 0;
};

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : static_cast<T>((values[n / 2 - 1] + values[n / 2]) / 2);
}

std::string BaseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

struct Results {
    std::vector<double> mapped, drawn, peakKb;
};

int Main(int argc, char** argv) {
    int rounds = 30;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc) {
            rounds = std::atoi(argv[++i]);
        } else {
            programs.push_back(arg);
        }
    }
    if (programs.size() < 2 || rounds < 1) {
        std::fprintf(stderr, "usage: %s [--rounds N] PROGRAM BASELINE [BASELINE...]\n", argv[0]);
        return 2;
    }

    Harness harness;
    const std::size_t count = programs.size();
    for (const auto& program : programs) harness.Run(program);  // warm-up: libraries and fonts into the page cache
    std::vector<Results> results(count);
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t which = (k + static_cast<std::size_t>(round)) % count;
            const Sample s = harness.Run(programs[which]);
            results[which].mapped.push_back(s.mappedMs);
            results[which].drawn.push_back(s.drawnMs);
            results[which].peakKb.push_back(static_cast<double>(s.peakKb));
        }
    }

    std::printf("start-up over %d alternating rounds (medians; min..max of exec to drawn)\n", rounds);
    std::printf("%-22s %12s %12s %18s %12s\n", "program", "mapped ms", "drawn ms", "drawn min..max", "peak KiB");
    for (std::size_t k = 0; k < count; ++k) {
        const Results& r = results[k];
        const auto [lo, hi] = std::minmax_element(r.drawn.begin(), r.drawn.end());
        std::printf("%-22s %12.2f %12.2f %8.2f..%-8.2f %12.0f\n", BaseName(programs[k]).c_str(),
                    Median(r.mapped), Median(r.drawn), *lo, *hi, Median(r.peakKb));
    }
    const std::string name = BaseName(programs[0]);
    for (std::size_t k = 1; k < count; ++k) {
        const double timeRatio = Median(results[0].drawn) / Median(results[k].drawn);
        const double memoryRatio = Median(results[0].peakKb) / Median(results[k].peakKb);
        std::printf("%s / %s: time %.2fx, peak memory %.2fx", name.c_str(), BaseName(programs[k]).c_str(),
                    timeRatio, memoryRatio);
        if (k == 1)
            std::printf(" (goal <= 1.30x: time %s, memory %s)", timeRatio <= 1.3 ? "met" : "MISSED",
                        memoryRatio <= 1.3 ? "met" : "MISSED");
        std::printf("\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Main(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quarvel_startup_bench: %s\n", e.what());
        return 1;
    }
}
