#pragma once

#include <string>

#include "TControl.h"

// A single-line entry box; the only kind of control that takes the keyboard focus. It edits as the
// platform's edit control does, context menu and editing keys included (EntryInput).
class TEdit : public TControl {
public:
    explicit TEdit(TComponent* owner);

    // What the box holds now, the user's typing included.
    std::string Text() const;
    void SetText(const std::string& text);

    // Selects the whole text, the caret after it: what typing then replaces.
    void SelectAll();

    // The edit commands, each as its key does it (Ctrl+Z, Ctrl+X, Ctrl+C, Ctrl+V, Delete): one
    // change deep undo, where undoing again redoes; cut, copy and paste through the desktop's
    // clipboard (a paste comes once the clipboard's owner sends the text); delete of the selection.
    bool CanUndo() const;
    void Undo();
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void ClearSelection();

    bool IsWindowed() const override { return true; }
    // The entry box selects its whole text when the form gives it the focus (on opening, on Tab),
    // so that what the user types replaces it. The focus coming back to it (after an error box,
    // from another window) leaves the text and selection as they were.
    void SetFocus() override;

protected:
    void FontChanged() override;
    void ColorChanged() override;
};
