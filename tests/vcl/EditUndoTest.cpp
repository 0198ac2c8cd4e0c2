#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "EditUndo.h"

namespace {
// A text that takes the changes a user makes, and shows what undoing selects.
struct Box {
    std::string text;
    EditUndo undo;

    void Apply(const TextEdit& edit) {
        text.replace(edit.at, edit.removed.size(), edit.inserted);
        undo.Record(edit);
    }
    // The selection undoing leaves: the text it put back.
    std::pair<std::size_t, std::size_t> Undo() {
        const auto edit = undo.Undo(text);
        if (!edit) return {0, 0};
        text.replace(edit->at, edit->removed.size(), edit->inserted);
        return {edit->at, edit->at + edit->inserted.size()};
    }
};

struct UndoCase {
    const char* name;
    std::string text;
    std::vector<TextEdit> edits;
    std::string undone;  // the text after one undo
    std::pair<std::size_t, std::size_t> undoneSelection;
    std::pair<std::size_t, std::size_t> redoneSelection;  // after the second undo, which redoes
};
void PrintTo(const UndoCase& c, std::ostream* os) { *os << c.name; }

class EditUndoTest : public testing::TestWithParam<UndoCase> {};

TEST_P(EditUndoTest, UndoesTheLastChangeAndThenRedoesIt) {
    const UndoCase& c = GetParam();
    Box box{c.text, {}};
    for (const TextEdit& e : c.edits) box.Apply(e);
    const std::string changed = box.text;
    ASSERT_TRUE(box.undo.CanUndo());

    EXPECT_EQ(box.Undo(), c.undoneSelection);
    EXPECT_EQ(box.text, c.undone);
    EXPECT_TRUE(box.undo.CanUndo()) << "undoing again redoes";
    EXPECT_EQ(box.Undo(), c.redoneSelection);
    EXPECT_EQ(box.text, changed);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EditUndoTest,
    testing::Values(
        UndoCase{"TypingRun", "", {{0, "", "4"}, {1, "", "7"}}, "", {0, 0}, {0, 2}},
        UndoCase{"TypingOverTheSelection", "0", {{0, "0", "4"}, {1, "", "7"}}, "0", {0, 1}, {0, 2}},
        UndoCase{"BackspaceRun", "1234", {{3, "4", ""}, {2, "3", ""}}, "1234", {2, 4}, {2, 2}},
        UndoCase{"DeleteRun", "1234", {{0, "1", ""}, {0, "2", ""}}, "1234", {0, 2}, {0, 0}},
        UndoCase{"TypingThenTypingElsewhere", "ab", {{2, "", "c"}, {0, "", "x"}}, "abc", {0, 0}, {0, 1}},
        UndoCase{"TypingThenBackspace", "", {{0, "", "a"}, {1, "", "b"}, {2, "", "c"}, {2, "c", ""}}, "abc", {2, 3},
                 {2, 2}},
        UndoCase{"DeleteThenTypingThere", "1234", {{1, "2", ""}, {1, "", "9"}}, "1234", {1, 2}, {1, 2}},
        UndoCase{"PasteThenTypingOnAfterIt", "12", {{2, "", "xyz"}, {5, "", "w"}}, "12", {2, 2}, {2, 6}},
        UndoCase{"CyrillicCut", "47 кОм", {{2, " кОм", ""}}, "47 кОм", {2, 9}, {2, 2}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(EditUndo, NothingToUndoAtFirstAndAfterClear) {
    Box box;
    EXPECT_FALSE(box.undo.CanUndo());
    EXPECT_FALSE(box.undo.Undo("").has_value());
    box.Apply({0, "", "47"});
    box.undo.Clear();
    EXPECT_FALSE(box.undo.CanUndo());
    EXPECT_FALSE(box.undo.Undo(box.text).has_value());
    EXPECT_EQ(box.text, "47");
}

// A record that no longer fits the text it is asked to undo in does nothing and is dropped.
TEST(EditUndo, ARecordBeyondTheTextUndoesNothing) {
    Box box{"12345", {}};
    box.Apply({5, "", "6"});
    EXPECT_FALSE(box.undo.Undo("12").has_value());
    EXPECT_FALSE(box.undo.CanUndo());
}
}  // namespace
