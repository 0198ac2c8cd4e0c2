#pragma once

#include <FL/Fl_Input.H>

#include "EditContextMenu.h"
#include "EditUndo.h"

// An entry box's FLTK widget, editing as the platform's edit control does. A right click (which
// moves neither the caret nor the selection), Shift+F10 or the Menu key opens the context menu;
// Ctrl+Z and Alt+Backspace undo, one change deep, and undoing again redoes; Ctrl+A selects the
// whole text with the caret after it; a paste brings the first line of the clipboard's text.
// Ctrl+X, Ctrl+C, Ctrl+V and Delete (and Shift+Delete, Ctrl+Insert and Shift+Insert on a
// selection) are FLTK's own, which act as the platform's; copy and paste use the desktop's
// clipboard. Every change the user makes is recorded for undo by comparing the text before and
// after the event that made it.
class EntryInput : public Fl_Input {
public:
    EntryInput();

    // The text as the program sets it: there is nothing to undo then.
    void SetText(const char* text);

    // What the context menu's items do, each as its key does.
    bool CanUndo() const { return undo_.CanUndo(); }
    void Undo();
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void ClearSelection();
    void SelectAll();

    // Opens the context menu with its corner at x, y of the window, and does what is chosen.
    void ShowContextMenu(int x, int y);
    const EditContextMenu& ContextMenu() const { return menu_; }

    int handle(int event) override;

private:
    int HandleEvent(int event);
    bool HandleKey();
    void Perform(EditCommand command);
    int Paste();
    // Runs `change` and records for undo what it did to the text, unless it recorded that itself.
    template <class Change>
    void Edit(Change&& change);

    EditUndo undo_;
    EditContextMenu menu_;
    unsigned records_ = 0;  // counts the changes recorded (and the texts the program set)
    bool rightButtonDown_ = false;
};
