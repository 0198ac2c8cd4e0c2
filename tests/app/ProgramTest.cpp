// The built program as a person uses it: started as its own process in a real X server, on a
// bare server and under a window manager, driven with xdotool (keys and mouse through the server)
// and read back from the pixels of its window. Every wait is a bounded loop on a condition that the
// failure message names.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

// After gtest: Xlib's macros (None, Bool) would break its headers.
#include "RunningProgram.h"

namespace {

using namespace running_program;
using ProgramTest = RunningProgram;

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
    ClickOk(*box);
    ASSERT_TRUE(WaitUntil([this] { return !ErrorBox(); })) << "OK should close the error box";
    EXPECT_TRUE(program_->Running()) << "the program should go on after the error";
    // The box lay over the window; once it has gone, the results show as they were.
    EXPECT_TRUE(WaitUntil([&] { return Results() == before; })) << "a failed calculation must leave the results as they were";
    EXPECT_TRUE(WarningHidden());

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
        Child program(ProgramCommand(), child_process::EnvironmentWithDisplay(GetParam().display), path);
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
