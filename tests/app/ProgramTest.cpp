// The built program as a person uses it: started as its own process in a real X server, driven
// with xdotool (keys and mouse through the server) and read back from the pixels of its window.
// Every wait is a bounded loop on a condition that the failure message names.
#include <gtest/gtest.h>

// After gtest: Xlib's macros (None, Bool) would break its headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::string kTitle = "Quarvel";

// Positions in the window, from the main window's layout: controls sit in client coordinates
// below the 20-pixel menu bar.
constexpr int kMenuBarHeight = 20;
constexpr int kClientWidth = 668;
constexpr int kClientHeight = 348;
constexpr int kResultLeft = 208;
constexpr std::array<int, 7> kResultTops = {80, 112, 144, 176, 208, 240, 272};  // Label9..Label15
constexpr int kResultHeight = 13;
constexpr int kEmptyResultWidth = 5;
constexpr int kResultRightLimit = 333;  // the schematic's frame; results never reach it
constexpr int kWarningLeft = 14, kWarningTop = 34, kWarningWidth = 508, kWarningHeight = 24;
constexpr int kLabel1Left = 16, kLabel1Top = 16;
// The error box's OK button: 75 × 23, centred, 12 pixels above the box's bottom edge.
constexpr int kBoxMargin = 12, kBoxButtonHeight = 23;

constexpr std::uint32_t kNavy = 0x000080, kLime = 0x00ff00, kRed = 0xff0000;

// Waits until `done` holds, for at most `limit`; true if it did.
bool WaitUntil(const std::function<bool()>& done, milliseconds limit = milliseconds(10000)) {
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
    bool Running() const { return Started() && !status_; }

    // The raw wait status once the process has ended within `limit`.
    std::optional<int> WaitForExit(milliseconds limit) {
        WaitUntil(
            [this] {
                int status = 0;
                if (!status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
                return status_.has_value();
            },
            limit);
        return status_;
    }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// The command that starts the program: the program itself, or, in a cross build, the emulator
// that runs it.
std::vector<std::string> ProgramCommand() {
    const std::string launcher = QUARVEL_LAUNCHER;
    if (launcher.empty()) return {QUARVEL_EXECUTABLE};
    return {launcher, QUARVEL_EXECUTABLE};
}

std::vector<std::string> Environment() {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    return env;
}

std::vector<std::string> EnvironmentWithDisplay(const std::optional<std::string>& display) {
    std::vector<std::string> env;
    for (auto& e : Environment())
        if (e.rfind("DISPLAY=", 0) != 0) env.push_back(e);
    if (display) env.push_back("DISPLAY=" + *display);
    return env;
}

// Runs one xdotool command line to its end; true when it succeeded.
bool Xdotool(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    Child tool(argv, Environment());
    if (!tool.Started()) return false;
    const auto status = tool.WaitForExit(milliseconds(15000));
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

// A rectangle of a window's pixels as 0xRRGGBB (the test server is 24-bit TrueColor).
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(const Pixels&) const = default;
};

// The test's own connection to the X server: finds the program's windows and reads their pixels.
class Screen {
public:
    Screen() : display_(XOpenDisplay(nullptr)) {}
    ~Screen() {
        if (display_) XCloseDisplay(display_);
    }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    bool Open() const { return display_ != nullptr; }
    Display* X() const { return display_; }

    // The mapped top-level windows titled `title`, in stacking order.
    std::vector<Window> WindowsTitled(const std::string& title) {
        XSync(display_, False);
        std::vector<Window> found;
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) return found;
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(display_, children[i], &attributes) && attributes.map_state == IsViewable &&
                Title(children[i]) == title)
                found.push_back(children[i]);
        }
        if (children) XFree(children);
        return found;
    }

    std::pair<int, int> Size(Window window) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window, &attributes);
        return {attributes.width, attributes.height};
    }

    Pixels Read(Window window, int x, int y, int width, int height) {
        Pixels pixels;
        XImage* image = XGetImage(display_, window, x, y, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
        if (!image) return pixels;
        pixels.width = width;
        pixels.height = height;
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                pixels.rgb.push_back(static_cast<std::uint32_t>(XGetPixel(image, column, row) & 0xffffff));
        XDestroyImage(image);
        return pixels;
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

private:
    // The UTF-8 title the window manager would show, else the legacy name.
    std::string Title(Window window) {
        std::string title;
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, left = 0;
        unsigned char* data = nullptr;
        const Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
        const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
        if (XGetWindowProperty(display_, window, netName, 0, 1024, False, utf8, &type, &format, &items, &left,
                               &data) == Success &&
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

// The running program, its main window and the x of each menu bar item's centre.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(screen_.Open()) << "the test has no X display";
        ASSERT_TRUE(screen_.WindowsTitled(kTitle).empty()) << "a window titled Quarvel is left from before";
        program_.emplace(ProgramCommand(), Environment());
        ASSERT_TRUE(program_->Started()) << "quarvel did not start";
        ASSERT_TRUE(WaitUntil([this] {
            const auto windows = screen_.WindowsTitled(kTitle);
            if (windows.size() == 1) window_ = windows.front();
            return windows.size() == 1;
        })) << "no window titled Quarvel appeared";
        // Label1's lime ground shows once the window has drawn itself.
        ASSERT_TRUE(WaitUntil([this] { return ClientPixel(kLabel1Left, kLabel1Top) == kLime; }))
            << "the window did not draw Label1's lime ground";
        FindMenuItems();
        ASSERT_EQ(menuItemCentres_.size(), 3u) << "the menu bar should show three items";
    }

    void TearDown() override {
        if (!screen_.Open()) return;
        program_.reset();
        EXPECT_TRUE(WaitUntil([this] { return screen_.WindowsTitled(kTitle).empty(); }))
            << "the program's windows outlived it";
    }

    std::uint32_t ClientPixel(int x, int y) {
        const Pixels p = screen_.Read(window_, x, kMenuBarHeight + y, 1, 1);
        return p.rgb.empty() ? 0x1000000 : p.rgb.front();
    }

    // The menu bar draws each item's glyph and caption on the bar's ground, items 16 pixels apart
    // at least, words within an item a few pixels apart; runs of drawn columns separated by 10 or
    // more ground columns are the items.
    void FindMenuItems() {
        const Pixels bar = screen_.Read(window_, 0, 0, kClientWidth, kMenuBarHeight);
        ASSERT_FALSE(bar.rgb.empty()) << "the menu bar could not be read";
        const std::uint32_t ground = bar.At(2, kMenuBarHeight / 2);
        int runStart = -1, lastInk = -100;
        auto closeRun = [&] {
            if (runStart >= 0) menuItemCentres_.push_back((runStart + lastInk) / 2);
        };
        for (int x = 0; x < bar.width; ++x) {
            bool ink = false;
            for (int y = 1; y < bar.height - 1; ++y) ink = ink || bar.At(x, y) != ground;
            if (!ink) continue;
            if (x - lastInk > 10) {
                closeRun();
                runStart = x;
            }
            lastInk = x;
        }
        closeRun();
    }

    // Selects the entry box's text and types `text` over it; the entry box holds the focus.
    void Type(const std::string& text) {
        ASSERT_TRUE(Xdotool({"windowfocus", "--sync", std::to_string(window_), "key", "--clearmodifiers", "ctrl+a",
                             "type", "--delay", "20", text}))
            << "xdotool could not type " << text;
    }

    void ClickMenuItem(std::size_t item) {
        ASSERT_TRUE(Xdotool({"mousemove", "--window", std::to_string(window_),
                             std::to_string(menuItemCentres_.at(item)), std::to_string(kMenuBarHeight / 2),
                             "click", "1"}))
            << "xdotool could not click menu item " << item;
    }
    void Calculate() { ClickMenuItem(0); }

    // Width of result label `row`: the columns from its left edge up to the first all-navy one.
    int ResultWidth(std::size_t row) {
        const int width = kResultRightLimit - kResultLeft;
        const Pixels p = screen_.Read(window_, kResultLeft, kMenuBarHeight + kResultTops.at(row), width, kResultHeight);
        if (p.rgb.empty()) return -1;
        for (int x = 0; x < width; ++x) {
            bool navy = true;
            for (int y = 0; y < kResultHeight; ++y) navy = navy && p.At(x, y) == kNavy;
            if (navy) return x;
        }
        return width;
    }
    bool AllResultsWiderThan(int width) {
        for (std::size_t row = 0; row < kResultTops.size(); ++row)
            if (ResultWidth(row) <= width) return false;
        return true;
    }
    // The band of the seven result labels, to compare before and after.
    Pixels Results() {
        return screen_.Read(window_, kResultLeft, kMenuBarHeight + kResultTops.front(), kResultRightLimit - kResultLeft,
                            kResultTops.back() - kResultTops.front() + kResultHeight);
    }

    // Share of the warning's area that is red: most of it when shown, none when hidden.
    double WarningRedShare() {
        const Pixels p = screen_.Read(window_, kWarningLeft, kMenuBarHeight + kWarningTop, kWarningWidth, kWarningHeight);
        if (p.rgb.empty()) return -1;
        std::size_t red = 0;
        for (std::uint32_t c : p.rgb) red += c == kRed;
        return static_cast<double>(red) / static_cast<double>(p.rgb.size());
    }
    bool WarningShown() { return WarningRedShare() > 0.5; }
    bool WarningHidden() { return WarningRedShare() == 0.0; }

    // The error box: the second window titled Quarvel.
    std::optional<Window> ErrorBox() {
        for (Window w : screen_.WindowsTitled(kTitle))
            if (w != window_) return w;
        return std::nullopt;
    }

    Screen screen_;
    std::optional<Child> program_;
    Window window_ = 0;
    std::vector<int> menuItemCentres_;
};

TEST_F(ProgramTest, OpensWithEmptyResultsAndNoWarning) {
    const auto [width, height] = screen_.Size(window_);
    EXPECT_EQ(width, kClientWidth);
    EXPECT_EQ(height, kClientHeight);
    for (std::size_t row = 0; row < kResultTops.size(); ++row)
        EXPECT_EQ(ResultWidth(row), kEmptyResultWidth) << "result label " << row << " should be an empty aqua block";
    EXPECT_TRUE(WarningHidden()) << "no warning should show at start-up";
}

TEST_F(ProgramTest, CalculateFillsEveryResultLabel) {
    Type("47");
    Calculate();
    ASSERT_TRUE(WaitUntil([this] { return AllResultsWiderThan(kEmptyResultWidth); }))
        << "after 47 and Рассчитать! every result label should have grown";
    // 4.70 has four characters, 0.0319 (C2) six: the labels grow with their own texts.
    EXPECT_GT(ResultWidth(4), ResultWidth(0));
    EXPECT_TRUE(WarningHidden()) << "47 is in range: no warning";
}

// The initial 0 is out of range, 100 is in range, 15000 is out again: the warning follows.
TEST_F(ProgramTest, WarningFollowsTheRangeTest) {
    Calculate();
    ASSERT_TRUE(WaitUntil([this] { return WarningShown(); })) << "0 should show the red warning";
    Type("100");
    Calculate();
    ASSERT_TRUE(WaitUntil([this] { return WarningHidden() && AllResultsWiderThan(kEmptyResultWidth); }))
        << "100 should hide the warning and fill the results";
    Type("15000");
    Calculate();
    EXPECT_TRUE(WaitUntil([this] { return WarningShown(); })) << "15000 should show the warning again";
}

// Text that is no number and a number beyond single precision both end in the error box; OK
// closes it, the results stay as they were, and the next calculation works.
class ProgramErrorTest : public ProgramTest, public testing::WithParamInterface<const char*> {};

TEST_P(ProgramErrorTest, ShowsTheErrorBoxAndGoesOn) {
    Type("47");
    Calculate();
    ASSERT_TRUE(WaitUntil([this] { return AllResultsWiderThan(kEmptyResultWidth); })) << "47 should fill the results";
    const Pixels before = Results();

    Type(GetParam());
    Calculate();
    std::optional<Window> box;
    ASSERT_TRUE(WaitUntil([&] { return (box = ErrorBox()).has_value(); }))
        << "a second window titled Quarvel (the error box) should open for " << GetParam();
    EXPECT_EQ(Results(), before) << "a failed calculation must leave the results as they were";
    EXPECT_TRUE(WarningHidden());

    const auto [width, height] = screen_.Size(*box);
    ASSERT_TRUE(Xdotool({"mousemove", "--window", std::to_string(*box), std::to_string(width / 2),
                         std::to_string(height - kBoxMargin - kBoxButtonHeight / 2), "click", "1"}))
        << "xdotool could not click OK";
    ASSERT_TRUE(WaitUntil([this] { return !ErrorBox(); })) << "OK should close the error box";
    EXPECT_TRUE(program_->Running()) << "the program should go on after the error";

    Type("100");
    Calculate();
    EXPECT_TRUE(WaitUntil([&] { return Results() != before; })) << "after the error 100 should be calculated";
}

INSTANTIATE_TEST_SUITE_P(Entries, ProgramErrorTest, testing::Values("abc", "1e39"), [](const auto& test) {
    return std::string(test.param[0] == 'a' ? "Letters" : "Overflow");
});

// Exit from the menu and the frame's close request both end the process at once, with code 0.
enum class CloseWay { ExitMenuItem, DeleteWindowRequest };

class ProgramCloseTest : public ProgramTest, public testing::WithParamInterface<CloseWay> {};

TEST_P(ProgramCloseTest, EndsWithCodeZeroWithinTwoSeconds) {
    if (GetParam() == CloseWay::ExitMenuItem)
        ClickMenuItem(1);
    else
        screen_.SendDeleteRequest(window_);
    const auto status = program_->WaitForExit(milliseconds(2000));
    ASSERT_TRUE(status.has_value()) << "the program should end within 2 s";
    ASSERT_TRUE(WIFEXITED(*status)) << "the program should exit, not be killed";
    EXPECT_EQ(WEXITSTATUS(*status), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramCloseTest,
                         testing::Values(CloseWay::ExitMenuItem, CloseWay::DeleteWindowRequest),
                         [](const auto& test) {
                             return std::string(test.param == CloseWay::ExitMenuItem ? "ExitMenuItem"
                                                                                     : "DeleteWindowRequest");
                         });

// Without a display to open the program says so on standard error, naming the display, and
// exits with code 1.
struct NoDisplayCase {
    const char* name;
    std::optional<std::string> display;
    const char* named;  // what the message must name
};

class ProgramWithoutDisplay : public testing::TestWithParam<NoDisplayCase> {};

TEST_P(ProgramWithoutDisplay, ExitsWithOneAndAMessage) {
    char path[] = "/tmp/quarvel-stderr-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    std::optional<int> status;
    {
        Child program(ProgramCommand(), EnvironmentWithDisplay(GetParam().display), path);
        ASSERT_TRUE(program.Started());
        status = program.WaitForExit(milliseconds(10000));
    }
    std::ifstream in(path);
    const std::string message((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    unlink(path);
    ASSERT_TRUE(status.has_value()) << "the program should end by itself";
    ASSERT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 1);
    EXPECT_NE(message.find("quarvel: Не удаётся открыть дисплей X"), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().named), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramWithoutDisplay,
                         testing::Values(NoDisplayCase{"Unset", std::nullopt, "DISPLAY"},
                                         NoDisplayCase{"Unreachable", ":9871", "«:9871»"}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
