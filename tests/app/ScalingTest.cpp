// The built program on screens of other densities, as a person's desktop sets them: Xft.dpi
// written on the root window, where desktops and xrdb put it, and QUARVEL_SCALE in the program's
// environment. The window is measured and read back from the server; it is driven with xdotool.
// The X server's screen is large enough for the window at three times its designed size.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// After gtest: Xlib's macros (None, Bool) would break its headers.
#include "RunningProgram.h"

namespace {

using namespace running_program;

constexpr std::uint32_t kAqua = 0x00ffff, kWhite = 0xffffff, kShadow = 0x808080, kHighlight = 0xffffff;

// A length of the window's design at `pixelsPerInch`, to the nearest pixel, halves up.
int At(int designed, int pixelsPerInch) { return (designed * pixelsPerInch + 48) / 96; }

// What a person's desktop and environment tell the program; nothing: not set.
struct Settings {
    std::optional<std::string> xftDpi;  // the Xft.dpi resource
    std::optional<std::string> scale;   // QUARVEL_SCALE
};

// The program started under `settings`, its window drawn, and what it wrote on standard error.
class ScaledProgram {
public:
    ScaledProgram(x_screen::Screen& screen, const Settings& settings) : screen_(screen) {
        // The pointer rests away from where any window opens, so that no hint comes up meanwhile.
        EXPECT_TRUE(child_process::Xdotool({"mousemove", "2550", "1590"}));
        WriteResources(settings.xftDpi);
        std::vector<std::string> env;
        for (const std::string& e : child_process::Environment())
            if (e.rfind("QUARVEL_SCALE=", 0) != 0) env.push_back(e);
        if (settings.scale) env.push_back("QUARVEL_SCALE=" + *settings.scale);
        program_.emplace(ProgramCommand(), env, errors_);
        if (!program_->Started()) return;
        WaitUntil([this] {
            const auto windows = screen_.WindowsTitled(kTitle);
            if (windows.size() == 1) window_ = windows.front();
            return windows.size() == 1;
        });
    }
    ~ScaledProgram() {
        program_.reset();
        WaitUntil([this] { return screen_.WindowsTitled(kTitle).empty(); });
        unlink(errors_.c_str());
        WriteResources(std::nullopt);
    }
    ScaledProgram(const ScaledProgram&) = delete;
    ScaledProgram& operator=(const ScaledProgram&) = delete;

    Window window() const { return window_; }

    // The whole window once it has drawn itself: Label1's lime ground at its place at that density.
    std::optional<Pixels> Drawn(int pixelsPerInch) {
        if (!window_) return std::nullopt;
        const int x = At(16, pixelsPerInch) + 1, y = At(20, pixelsPerInch) + At(16, pixelsPerInch) + 1;
        if (!WaitUntil([&] { return Pixel(x, y) == kLime; })) return std::nullopt;
        const auto [width, height] = screen_.Size(window_);
        return screen_.Read(window_, 0, 0, width, height);
    }

    std::uint32_t Pixel(int x, int y) {
        const Pixels p = screen_.Read(window_, x, y, 1, 1);
        return p.rgb.empty() ? 0x1000000 : p.rgb.front();
    }

    // The program's own lines on standard error (a sanitizer's would not start so).
    std::vector<std::string> ErrorLines() const {
        std::ifstream in(errors_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            if (line.rfind("quarvel: ", 0) == 0) lines.push_back(line);
        return lines;
    }

private:
    // Xft.dpi as a desktop sets it: the resource database's text on the root window, which each
    // client reads when it connects.
    void WriteResources(const std::optional<std::string>& xftDpi) {
        Display* x = screen_.X();
        if (xftDpi) {
            const std::string text = "Xft.dpi:\t" + *xftDpi + "\n";
            XChangeProperty(x, screen_.Root(), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
        } else {
            XDeleteProperty(x, screen_.Root(), XA_RESOURCE_MANAGER);
        }
        XSync(x, False);
    }

    static std::string ErrorsPath() {
        char path[] = "/tmp/quarvel-scaling-XXXXXX";
        const int fd = mkstemp(path);
        if (fd >= 0) close(fd);
        return path;
    }

    x_screen::Screen& screen_;
    std::string errors_ = ErrorsPath();
    std::optional<Child> program_;
    Window window_ = 0;
};

class Scaling : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(screen_.Open()) << "the test has no X display"; }
    x_screen::Screen screen_;
};

// How many rows of the column at x, from y on, are `colour` without a break.
int RunDown(const Pixels& p, int x, int y, std::uint32_t colour) {
    int n = 0;
    while (y + n < p.height && p.At(x, y + n) == colour) ++n;
    return n;
}

// The window drawn at `ppi`: its client area; the empty result label Label9, an aqua block of the
// scaled size; the schematic resampled to fill its scaled place inside the raised frame Bevel1,
// whose lines are as much wider.
void ExpectDrawnAt(const Pixels& w, int ppi) {
    SCOPED_TRACE(std::to_string(ppi) + " dpi");
    EXPECT_EQ(w.width, At(668, ppi));
    EXPECT_EQ(w.height, At(348, ppi));
    if (w.width != At(668, ppi) || w.height != At(348, ppi)) return;
    const int top = At(20, ppi);  // the menu bar's height

    const int resultTop = top + At(80, ppi);
    EXPECT_EQ(RunDown(w, At(208, ppi), resultTop, kAqua), At(93, ppi) - At(80, ppi)) << "Label9's height";
    EXPECT_EQ(w.At(At(208, ppi), resultTop - 1), kNavy);
    EXPECT_EQ(w.At(At(213, ppi) - 1, resultTop), kAqua) << "Label9's width";
    EXPECT_EQ(w.At(At(213, ppi), resultTop), kNavy) << "Label9's width";

    // The schematic's edges are white: its last row and column stand at its scaled size, the
    // window's navy right after them, then the frame's shadow.
    const int left = At(336, ppi), right = left + At(315, ppi), pictureTop = top + At(64, ppi),
              bottom = pictureTop + At(242, ppi);
    int white = 0;
    for (int x = left; x < right; ++x) white += w.At(x, bottom - 1) == kWhite;
    for (int y = pictureTop; y < bottom; ++y) white += w.At(right - 1, y) == kWhite;
    EXPECT_EQ(white, At(315, ppi) + At(242, ppi)) << "the schematic's last row and column";
    EXPECT_EQ(w.At(left, pictureTop), kWhite);
    EXPECT_EQ(w.At(left - 1, pictureTop), kNavy);
    EXPECT_EQ(w.At(right, bottom - 1), kNavy);
    EXPECT_EQ(w.At(right - 1, bottom), kNavy);
    const int frameRight = At(333 + 321, ppi), frameBottom = top + At(61 + 249, ppi);
    const int line = At(1, ppi);
    for (int k = 1; k <= line; ++k) EXPECT_EQ(w.At(frameRight - k, bottom - 2), kShadow) << "frame line " << k;
    EXPECT_EQ(w.At(frameRight - line - 1, bottom - 2), kNavy) << "the frame's line is " << line << " wide";
    EXPECT_EQ(w.At(frameRight - 1, frameBottom - 1), kShadow);
    EXPECT_EQ(w.At(At(333, ppi), top + At(61, ppi)), kHighlight);
}

struct ScaleCase {
    const char* name;
    Settings settings;
    int pixelsPerInch;
    std::vector<std::string> named;  // the values the program's lines on standard error name
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class ScalingCases : public Scaling, public testing::WithParamInterface<ScaleCase> {};

TEST_P(ScalingCases, TheWindowOpensAtTheDensityTheSettingsGive) {
    const ScaleCase& c = GetParam();
    ScaledProgram program(screen_, c.settings);
    ASSERT_NE(program.window(), 0u) << "no window titled Quarvel appeared";
    const std::optional<Pixels> window = program.Drawn(c.pixelsPerInch);
    ASSERT_TRUE(window) << "the window was not drawn as at " << c.pixelsPerInch << " dpi";
    ExpectDrawnAt(*window, c.pixelsPerInch);
    // The icon the desktop shows for the window, resampled to the same scale.
    const std::vector<long> icon = screen_.Cardinals(program.window(), "_NET_WM_ICON");
    ASSERT_GE(icon.size(), 2u) << "the window has no icon";
    EXPECT_EQ(icon[0], At(32, c.pixelsPerInch));
    EXPECT_EQ(icon[1], At(32, c.pixelsPerInch));
    const std::vector<std::string> lines = program.ErrorLines();
    ASSERT_EQ(lines.size(), c.named.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_NE(lines[i].find("«" + c.named[i] + "»"), std::string::npos) << lines[i];
}

const std::optional<std::string> kUnset;

INSTANTIATE_TEST_SUITE_P(
    Settings, ScalingCases,
    testing::Values(
        ScaleCase{"Nothing", {kUnset, kUnset}, 96, {}},
        ScaleCase{"XftDpi96", {"96", kUnset}, 96, {}},
        ScaleCase{"XftDpi144", {"144", kUnset}, 144, {}},
        ScaleCase{"XftDpi192", {"192", kUnset}, 192, {}},
        ScaleCase{"XftDpi72DrawsTheDesign", {"72", kUnset}, 96, {}},
        ScaleCase{"XftDpi384DrawsThreeTimes", {"384", kUnset}, 288, {}},
        ScaleCase{"Scale2", {kUnset, "2"}, 192, {}},
        ScaleCase{"Scale1point5OverXftDpi192", {"192", "1.5"}, 144, {}},
        ScaleCase{"Scale1OverXftDpi192", {"192", "1"}, 96, {}},
        ScaleCase{"EmptyScaleIsUnset", {"144", ""}, 144, {}},
        ScaleCase{"ScaleText", {"144", "abc"}, 144, {"abc"}},
        ScaleCase{"ScaleZero", {"144", "0"}, 144, {"0"}},
        ScaleCase{"ScaleNegative", {"144", "-2"}, 144, {"-2"}},
        ScaleCase{"ScaleNaN", {"144", "nan"}, 144, {"nan"}},
        ScaleCase{"ScaleInfinite", {"144", "inf"}, 144, {"inf"}},
        ScaleCase{"ScaleHuge", {"144", "1e9"}, 144, {"1e9"}},
        ScaleCase{"ScaleBelowOne", {kUnset, "0.5"}, 96, {"0.5"}},
        ScaleCase{"ScaleAboveThree", {kUnset, "3.5"}, 96, {"3.5"}},
        ScaleCase{"XftDpiText", {"abc", kUnset}, 96, {"abc"}},
        ScaleCase{"XftDpiZero", {"0", kUnset}, 96, {"0"}},
        ScaleCase{"XftDpiNegative", {"-192", kUnset}, 96, {"-192"}},
        ScaleCase{"XftDpiHuge", {"1e9", kUnset}, 96, {"1e9"}},
        ScaleCase{"XftDpiWrongUnderAScale", {"nan", "2"}, 192, {}},  // not read: the scale decides
        ScaleCase{"BothWrong", {"inf", "x"}, 96, {"x", "inf"}}),
    [](const auto& test) { return std::string(test.param.name); });

// The same window however the density comes: QUARVEL_SCALE=2 draws what Xft.dpi 192 draws, and
// Xft.dpi 96, or a scale of 1 over any Xft.dpi, what no setting draws.
TEST_F(Scaling, EachWayToADensityDrawsTheSameWindow) {
    struct Pair {
        Settings one, other;
        int pixelsPerInch;
    };
    const Pair pairs[] = {
        {{"192", kUnset}, {kUnset, "2"}, 192},
        {{kUnset, kUnset}, {"96", kUnset}, 96},
        {{kUnset, kUnset}, {"144", "1"}, 96},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(std::to_string(p.pixelsPerInch) + " dpi");
        std::optional<Pixels> one, other;
        {
            ScaledProgram program(screen_, p.one);
            one = program.Drawn(p.pixelsPerInch);
        }
        {
            ScaledProgram program(screen_, p.other);
            other = program.Drawn(p.pixelsPerInch);
        }
        ASSERT_TRUE(one && other) << "a window was not drawn";
        EXPECT_TRUE(*one == *other) << "the two windows differ";
    }
}

// A person types 47 and clicks Рассчитать! on the scaled menu bar: the results come, each label
// as tall as a line of the scaled bold font and growing to the right from its scaled place.
class ScaledCalculation : public Scaling, public testing::WithParamInterface<int> {};

TEST_P(ScaledCalculation, FillsResultLabelsOfTheScaledHeight) {
    const int ppi = GetParam();
    ScaledProgram program(screen_, {std::to_string(ppi), kUnset});
    ASSERT_TRUE(program.Drawn(ppi)) << "the window was not drawn";
    const std::string window = std::to_string(program.window());
    ASSERT_TRUE(child_process::Xdotool({"windowfocus", "--sync", window, "type", "--delay", "20", "47"}));
    // "Рассчитать!" is the bar's first item: its glyph and text start at the left.
    ASSERT_TRUE(child_process::Xdotool({"mousemove", "--window", window, std::to_string(At(40, ppi)),
                                        std::to_string(At(10, ppi)), "click", "1", "mousemove", "2550", "1590"}));
    const int x = At(208, ppi), y = At(20, ppi) + At(80, ppi);
    ASSERT_TRUE(WaitUntil([&] { return program.Pixel(x + At(15, ppi), y + At(6, ppi)) != kNavy; }))
        << "Label9 did not grow with its result";
    const Pixels label = screen_.Read(program.window(), x, y - 2, 1, At(30, ppi));
    int height = 0;
    for (int row = 2; row < label.height && label.At(0, row) != kNavy; ++row) ++height;
    EXPECT_NEAR(height, At(13, ppi), 1) << "a line of the bold font, 13 px at 96 dpi";
    EXPECT_EQ(label.At(0, 1), kNavy) << "the label starts at its scaled top";
}

INSTANTIATE_TEST_SUITE_P(Densities, ScaledCalculation, testing::Values(96, 144, 192));

// The hint and the error box grow with the window: at 192 dpi they are twice the size they are at
// 96, within what the text's own measure makes of it.
TEST_F(Scaling, TheHintAndTheErrorBoxGrowWithTheWindow) {
    struct Sizes {
        std::pair<int, int> hint, box;
    };
    const auto measure = [this](int ppi) {
        Sizes s{};
        ScaledProgram program(screen_, {kUnset, ppi == 96 ? "1" : "2"});
        if (!program.Drawn(ppi)) {
            ADD_FAILURE() << "the window was not drawn at " << ppi << " dpi";
            return s;
        }
        const std::string window = std::to_string(program.window());
        // Resting on Label2's caption brings its hint.
        child_process::Xdotool({"mousemove", "--window", window, std::to_string(At(100, ppi)),
                                std::to_string(At(20 + 85, ppi))});
        std::vector<Window> hints;
        if (WaitUntil([&] { return !(hints = screen_.UnmanagedWindowsOfType("_NET_WM_WINDOW_TYPE_TOOLTIP")).empty(); }))
            s.hint = screen_.Size(hints.front());
        // Text that is no number brings the error box.
        child_process::Xdotool({"mousemove", "2550", "1590"});
        child_process::Xdotool({"windowfocus", "--sync", window, "type", "abc"});
        child_process::Xdotool({"mousemove", "--window", window, std::to_string(At(40, ppi)), std::to_string(At(10, ppi)),
                                "click", "1", "mousemove", "2550", "1590"});
        std::vector<Window> windows;
        if (WaitUntil([&] { return (windows = screen_.WindowsTitled(kTitle)).size() == 2; }))
            for (Window w : windows)
                if (w != program.window()) s.box = screen_.Size(w);
        return s;
    };
    const Sizes design = measure(96), twice = measure(192);
    ASSERT_GT(design.hint.second, 0) << "no hint at 96 dpi";
    ASSERT_GT(twice.hint.second, 0) << "no hint at 192 dpi";
    ASSERT_GT(design.box.second, 0) << "no error box at 96 dpi";
    ASSERT_GT(twice.box.second, 0) << "no error box at 192 dpi";
    EXPECT_NEAR(twice.hint.first, 2 * design.hint.first, 8) << "the hint's width";
    EXPECT_NEAR(twice.hint.second, 2 * design.hint.second, 2) << "the hint's height";
    EXPECT_NEAR(twice.box.first, 2 * design.box.first, 8) << "the error box's width";
    EXPECT_EQ(twice.box.second, 2 * design.box.second) << "the error box's height: margins, icon and button";
}

}  // namespace
