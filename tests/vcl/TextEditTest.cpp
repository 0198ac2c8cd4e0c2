#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "TextEdit.h"

namespace {
struct ChangeCase {
    const char* name;
    std::string before;
    std::size_t selStart, selEnd;
    std::string after;
    std::size_t caretAfter;
    std::optional<TextEdit> change;
};
void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class ChangeBetweenTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeBetweenTest, FindsTheReplacement) {
    const ChangeCase& c = GetParam();
    EXPECT_EQ(ChangeBetween(c.before, c.selStart, c.selEnd, c.after, c.caretAfter), c.change);
}

// Where the text repeats itself the caret tells which of the equal characters changed.
INSTANTIATE_TEST_SUITE_P(
    Edits, ChangeBetweenTest,
    testing::Values(ChangeCase{"Nothing", "47", 0, 2, "47", 2, std::nullopt},
                    ChangeCase{"TypingBetweenEqualCharacters", "00", 1, 1, "000", 2, TextEdit{1, "", "0"}},
                    ChangeCase{"BackspaceBetweenEqualCharacters", "00", 1, 1, "0", 0, TextEdit{0, "0", ""}},
                    ChangeCase{"DeleteBeforeEqualCharacters", "000", 0, 0, "00", 0, TextEdit{0, "0", ""}},
                    ChangeCase{"PasteOverASelectionItRepeats", "abc", 1, 2, "abcc", 3, TextEdit{1, "b", "bc"}},
                    ChangeCase{"TypingOverASelectionItBegins", "12", 0, 2, "1", 1, TextEdit{0, "12", "1"}},
                    ChangeCase{"SelectionMarkedBackwards", "1234", 3, 1, "14", 1, TextEdit{1, "23", ""}},
                    ChangeCase{"WordDeletedLeft", "ab cd", 5, 5, "ab ", 3, TextEdit{3, "cd", ""}},
                    ChangeCase{"CyrillicLetterRetyped", "кОм", 2, 4, "ком", 4, TextEdit{2, "О", "о"}},
                    // A change the caret does not explain is the least replacement, in whole characters.
                    ChangeCase{"UnexplainedChange", "abc", 0, 0, "xbc", 0, TextEdit{0, "a", "x"}},
                    ChangeCase{"UnexplainedChangeWithinALetter", "да", 0, 0, "де", 0, TextEdit{2, "а", "е"}}),
    [](const auto& test) { return std::string(test.param.name); });
}  // namespace
