#include "TApplication.h"

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace {

// Reports errors to the test instead of the error box, and restores the application after.
class HandleException : public testing::Test {
protected:
    void SetUp() override {
        Application->OnException = [this](const Exception& e) { reported.push_back(e.Message()); };
    }
    void TearDown() override { Application->OnException = nullptr; }

    template <class E>
    void Raise(E error) {
        try {
            throw error;
        } catch (...) {
            Application->HandleException(std::current_exception());
        }
    }

    std::vector<std::string> reported;
};

TEST_F(HandleException, ReportsEveryKindOfErrorAsAnException) {
    Raise(EConvertError("«abc» не является правильным числом"));
    Raise(std::runtime_error("нет памяти"));
    Raise(42);
    EXPECT_EQ(reported, (std::vector<std::string>{"«abc» не является правильным числом", "нет памяти", ""}));
}

TEST(ShowException, WithoutADisplayWritesTheTitleAndMessageToStandardError) {
    ASSERT_FALSE(Application->DisplayOpen());
    const std::string title = Application->Title();
    Application->SetTitle("Quarvel");
    testing::internal::CaptureStderr();
    Application->ShowException(Exception("Переполнение"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Quarvel: Переполнение\n");
    Application->SetTitle(title);
}

}  // namespace
