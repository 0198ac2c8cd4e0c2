#pragma once

#include <FL/Enumerations.H>
#include <FL/Fl_Menu_Item.H>

#include <memory>
#include <optional>
#include <vector>

class Fl_Menu_Button;

// The commands of an entry box's context menu, in the menu's order.
enum class EditCommand { Undo, Cut, Copy, Paste, Delete, SelectAll };

// What the menu is told of the entry box and the clipboard when it opens.
struct EditState {
    bool canUndo = false;
    bool hasSelection = false;
    bool wholeTextSelected = false;  // an empty text is wholly selected
    bool clipboardHasText = false;
};

// Whether a command would act, as the platform's edit control decides it: undo with a change to
// undo; cut, copy and delete with a selection; paste with text on the clipboard; select all unless
// the whole text is selected already (an empty text among them).
bool CanAct(EditCommand command, const EditState& state);

// An entry box's context menu as the platform's edit control has it: "Отменить"; "Вырезать",
// "Копировать", "Вставить", "Удалить"; "Выделить все", the groups parted by lines and what cannot
// act greyed. It is drawn in the box's font with FLTK's menu spacing, so it scales with the box.
class EditContextMenu {
public:
    EditContextMenu();
    ~EditContextMenu();
    EditContextMenu(const EditContextMenu&) = delete;
    EditContextMenu& operator=(const EditContextMenu&) = delete;

    // Opens the menu with its top-left corner at x, y of the window the current event came to, and
    // returns the command chosen; none where it was closed without one (Escape, a click elsewhere).
    std::optional<EditCommand> Choose(int x, int y, const EditState& state, Fl_Font font,
                                      Fl_Fontsize size);

    // The entries as last shown, for tests that look at the menu.
    const std::vector<Fl_Menu_Item>& Entries() const { return entries_; }

private:
    std::unique_ptr<Fl_Menu_Button> look_;  // lends the menu its font, colours and frame
    std::vector<Fl_Menu_Item> entries_;
};
