// Start-up benchmark: for each program given, the time from exec to its window mapped and first
// drawn, and the process's peak memory, over alternating rounds in one X server.
//
//   quarvel_startup_bench [--rounds N] [--resources TEXT] [--also PROGRAM]... PROGRAM BASELINE [BASELINE...]
//
// The first baseline is the one the goal is set against; the others are reported beside it.
// Each --also program is measured in the same rounds and compared with PROGRAM and the first
// baseline. A program may be preceded by environment settings, in one argument:
// "QUARVEL_SCALE=2 build/bin/quarvel". --resources puts TEXT on the root window as the resource
// database a desktop sets there (Xft.dpi and the like), which each program reads as it connects.
// The harness watches the root window for new top-level windows (CreateNotify, MapNotify) and
// keeps one Damage monitor on the root window, made before any program starts: the first drawing
// the client does inside its window after mapping it is reported by the server itself
// (DamageNotify); nothing is polled or slept. (A monitor put on the window when it is created
// comes too late for a program that creates and maps its window while holding the server, as
// Quarvel does: made on a window already on the screen, it reports the whole window damaged at
// once, before the program has drawn anything.) Once drawn, the child is ended and its peak resident size read from wait4's rusage. Rounds
// alternate the programs, each round starting one program further on, so a drift in the
// machine's load falls on all alike.
#include <X11/Xatom.h>
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
#include <sstream>
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

// A program to start: its path, the environment it gets, and the name it is reported by.
struct Program {
    std::string path;
    std::vector<std::string> environment;
    std::string name;
};

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
        // Drawing in a top-level window shows on the root window too: one monitor there, made
        // before any program starts, sees each window's first drawing however soon it comes.
        screenDamage_ = XDamageCreate(display_, root_, XDamageReportNonEmpty);
        XSync(display_, False);
    }
    ~Harness() { XCloseDisplay(display_); }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // The root window's resource database, as a desktop sets it.
    void SetResources(const std::string& text) {
        XChangeProperty(display_, root_, XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
        XSync(display_, False);
    }

    Sample Run(const Program& program) {
        Discard();
        const double start = NowMs();
        const pid_t child = child_process::Spawn({program.path}, program.environment);
        if (child <= 0) throw std::runtime_error("cannot start " + program.path);
        Sample sample;
        std::map<Window, XRectangle> created;  // the program's top-level windows, where they stand
        Window mapped = None;
        while (sample.drawnMs == 0) {
            XEvent event;
            if (!NextEvent(event, child, program.name)) continue;
            if (event.type == CreateNotify && event.xcreatewindow.parent == root_ &&
                !event.xcreatewindow.override_redirect) {
                const XCreateWindowEvent& c = event.xcreatewindow;
                created[c.window] = {static_cast<short>(c.x), static_cast<short>(c.y),
                                     static_cast<unsigned short>(c.width), static_cast<unsigned short>(c.height)};
            } else if (event.type == MapNotify && created.count(event.xmap.window) && mapped == None) {
                mapped = event.xmap.window;
                sample.mappedMs = NowMs() - start;
            } else if (event.type == damageEventBase_ + XDamageNotify) {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                if (mapped != None && Overlap(damage.area, created[mapped])) sample.drawnMs = NowMs() - start;
                XDamageSubtract(display_, screenDamage_, None, None);
            }
        }
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

    // Forgets what came before, the root's repainting where the last window was among it.
    void Discard() {
        for (int pass = 0; pass < 2; ++pass) {
            XSync(display_, False);
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
            }
            XDamageSubtract(display_, screenDamage_, None, None);
        }
    }

    static bool Overlap(const XRectangle& a, const XRectangle& b) {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
    }

    Display* display_;
    Window root_ = None;
    Damage screenDamage_ = None;
    int damageEventBase_ = 0;
};

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : static_cast<T>((values[n / 2 - 1] + values[n / 2]) / 2);
}

std::string BaseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// "NAME=VALUE ... PATH": the program at PATH with those settings added to this environment.
Program ProgramOf(const std::string& spec) {
    Program program;
    program.environment = child_process::Environment();
    std::istringstream words(spec);
    std::vector<std::string> settings;
    for (std::string word; words >> word;) {
        if (word.find('=') == std::string::npos) {
            program.path = word;
            break;
        }
        settings.push_back(word);
    }
    program.name = BaseName(program.path);
    for (const std::string& setting : settings) {
        const std::string prefix = setting.substr(0, setting.find('=') + 1);
        std::erase_if(program.environment, [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
        program.environment.push_back(setting);
        program.name += " " + setting;
    }
    return program;
}

struct Results {
    std::vector<double> mapped, drawn, peakKb;
};

void PrintRatio(const std::string& what, const Results& program, const Results& baseline, bool goal) {
    const double timeRatio = Median(program.drawn) / Median(baseline.drawn);
    const double memoryRatio = Median(program.peakKb) / Median(baseline.peakKb);
    std::printf("%s: time %.2fx, peak memory %.2fx", what.c_str(), timeRatio, memoryRatio);
    if (goal)
        std::printf(" (goal <= 1.30x: time %s, memory %s)", timeRatio <= 1.3 ? "met" : "MISSED",
                    memoryRatio <= 1.3 ? "met" : "MISSED");
    std::printf("\n");
}

int Main(int argc, char** argv) {
    int rounds = 30;
    std::string resources;
    std::vector<Program> programs, also;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc) {
            rounds = std::atoi(argv[++i]);
        } else if (arg == "--resources" && i + 1 < argc) {
            resources = argv[++i];
        } else if (arg == "--also" && i + 1 < argc) {
            also.push_back(ProgramOf(argv[++i]));
        } else {
            programs.push_back(ProgramOf(arg));
        }
    }
    if (programs.size() < 2 || rounds < 1) {
        std::fprintf(stderr, "usage: %s [--rounds N] [--resources TEXT] [--also PROGRAM]... PROGRAM BASELINE [BASELINE...]\n",
                     argv[0]);
        return 2;
    }
    // Reported in this order: the program, those measured beside it, the baselines.
    const std::size_t alsoCount = also.size();
    programs.insert(programs.begin() + 1, also.begin(), also.end());

    Harness harness;
    if (!resources.empty()) harness.SetResources(resources);
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
    std::printf("%-26s %12s %12s %18s %12s\n", "program", "mapped ms", "drawn ms", "drawn min..max", "peak KiB");
    for (std::size_t k = 0; k < count; ++k) {
        const Results& r = results[k];
        const auto [lo, hi] = std::minmax_element(r.drawn.begin(), r.drawn.end());
        std::printf("%-26s %12.2f %12.2f %8.2f..%-8.2f %12.0f\n", programs[k].name.c_str(), Median(r.mapped),
                    Median(r.drawn), *lo, *hi, Median(r.peakKb));
    }
    const std::size_t goal = 1 + alsoCount;  // the first baseline
    for (std::size_t k = goal; k < count; ++k)
        PrintRatio(programs[0].name + " / " + programs[k].name, results[0], results[k], k == goal);
    for (std::size_t k = 1; k < goal; ++k) {
        PrintRatio(programs[k].name + " / " + programs[goal].name, results[k], results[goal], false);
        PrintRatio(programs[k].name + " / " + programs[0].name, results[k], results[0], false);
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
