// The entry box's editing that needs no display: undo, delete and select all on the real widget.
// The keys, the menu and the clipboard are the display tests' (EntryContextMenuTest).
#include <gtest/gtest.h>

#include <FL/Fl_Input.H>

#include <utility>

#include "TEdit.h"

namespace {
class EditWithoutDisplay : public testing::Test {
protected:
    Fl_Input& Input() { return *static_cast<Fl_Input*>(edit.Widget()); }
    // The caret, then the other end of the selection.
    std::pair<int, int> Selection() { return {Input().position(), Input().mark()}; }

    TEdit edit{nullptr};
};

// Delete takes the selection; undoing puts it back selected; undoing again deletes it again.
TEST_F(EditWithoutDisplay, DeleteUndoesAndRedoes) {
    edit.SetText("1234");
    EXPECT_FALSE(edit.CanUndo()) << "a text the program sets is nothing to undo";
    Input().position(3, 1);
    edit.ClearSelection();
    EXPECT_EQ(edit.Text(), "14");
    EXPECT_EQ(Selection(), std::make_pair(1, 1));
    ASSERT_TRUE(edit.CanUndo());
    edit.Undo();
    EXPECT_EQ(edit.Text(), "1234");
    EXPECT_EQ(Selection(), std::make_pair(3, 1));
    edit.Undo();
    EXPECT_EQ(edit.Text(), "14");
    EXPECT_EQ(Selection(), std::make_pair(1, 1));
}

// Without a selection, delete and undo leave the box alone; setting the text forgets the change.
TEST_F(EditWithoutDisplay, NothingToDeleteOrUndo) {
    edit.SetText("47");
    Input().position(1);
    edit.ClearSelection();
    edit.Undo();
    EXPECT_EQ(edit.Text(), "47");
    EXPECT_FALSE(edit.CanUndo());
    Input().position(2, 0);
    edit.ClearSelection();
    edit.SetText("100");
    edit.Undo();
    EXPECT_EQ(edit.Text(), "100");
}

TEST_F(EditWithoutDisplay, SelectAllPutsTheCaretAfterTheText) {
    edit.SetText("1500");
    Input().position(2);
    edit.SelectAll();
    EXPECT_EQ(Selection(), std::make_pair(4, 0));
}
}  // namespace
