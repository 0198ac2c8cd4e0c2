#include "EntryInput.h"

#include <FL/Fl.H>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "Clipboard.h"
#include "TextEdit.h"

EntryInput::EntryInput() : Fl_Input(0, 0, 0, 0) {}

void EntryInput::SetText(const char* text) {
    value(text);
    undo_.Clear();
    ++records_;
}

template <class Change>
void EntryInput::Edit(Change&& change) {
    const std::string before(value(), static_cast<std::size_t>(size()));
    const auto selStart = static_cast<std::size_t>(position()), selEnd = static_cast<std::size_t>(mark());
    const unsigned records = records_;
    change();
    if (records_ != records) return;  // an event within recorded its own change
    const std::string_view after(value(), static_cast<std::size_t>(size()));
    if (const auto edit = ChangeBetween(before, selStart, selEnd, after, static_cast<std::size_t>(position()))) {
        undo_.Record(*edit);
        ++records_;
    }
}

int EntryInput::handle(int event) {
    int handled = 0;
    Edit([&] { handled = HandleEvent(event); });
    return handled;
}

int EntryInput::HandleEvent(int event) {
    switch (event) {
    case FL_KEYBOARD:
        if (HandleKey()) return 1;
        break;
    case FL_PUSH:
        rightButtonDown_ = Fl::event_button() == FL_RIGHT_MOUSE;
        // The right button leaves the caret and the selection where they are.
        if (rightButtonDown_) {
            if (Fl::focus() != this) take_focus();
            return 1;
        }
        break;
    case FL_DRAG:
        if (rightButtonDown_) return 1;
        break;
    case FL_RELEASE:
        // The menu opens where the right button comes up, if that is still on the box.
        if (rightButtonDown_) {
            rightButtonDown_ = false;
            if (Fl::event_inside(this)) ShowContextMenu(Fl::event_x(), Fl::event_y());
            return 1;
        }
        break;
    case FL_PASTE: return Paste();
    default: break;
    }
    return Fl_Input::handle(event);
}

bool EntryInput::HandleKey() {
    const int key = Fl::event_key();
    const int modifiers = Fl::event_state() & (FL_CTRL | FL_ALT | FL_META);
    const bool shift = Fl::event_state(FL_SHIFT) != 0;
    if ((key == 'z' && modifiers == FL_CTRL) || (key == FL_BackSpace && modifiers == FL_ALT)) {
        Undo();
        return true;
    }
    if (key == 'a' && modifiers == FL_CTRL) {
        SelectAll();
        return true;
    }
    // From the keyboard the menu opens at the middle of the box, as the platform opens it.
    if ((key == FL_F + 10 && modifiers == 0 && shift) || (key == FL_Menu && modifiers == 0)) {
        ShowContextMenu(x() + w() / 2, y() + h() / 2);
        return true;
    }
    return false;
}

void EntryInput::ShowContextMenu(int x, int y) {
    const int start = std::min(position(), mark()), end = std::max(position(), mark());
    const EditState state{CanUndo(), start != end, start == 0 && end == size(), ClipboardOffersText()};
    if (Fl::focus() != this) take_focus();
    if (const auto command = menu_.Choose(x, y, state, textfont(), textsize())) Perform(*command);
}

void EntryInput::Perform(EditCommand command) {
    switch (command) {
    case EditCommand::Undo: Undo(); break;
    case EditCommand::Cut: CutToClipboard(); break;
    case EditCommand::Copy: CopyToClipboard(); break;
    case EditCommand::Paste: PasteFromClipboard(); break;
    case EditCommand::Delete: ClearSelection(); break;
    case EditCommand::SelectAll: SelectAll(); break;
    }
}

// Undoing selects what it put back, the caret after it.
void EntryInput::Undo() {
    const auto edit = undo_.Undo(std::string_view(value(), static_cast<std::size_t>(size())));
    if (!edit) return;
    const int at = static_cast<int>(edit->at);
    const int inserted = static_cast<int>(edit->inserted.size());
    replace(at, at + static_cast<int>(edit->removed.size()), inserted ? edit->inserted.c_str() : nullptr, inserted);
    position(at + inserted, at);
    ++records_;
}

void EntryInput::CutToClipboard() {
    Edit([this] {
        if (position() == mark()) return;
        copy(1);
        cut();
    });
}

void EntryInput::CopyToClipboard() { copy(1); }

// The text comes when the clipboard's owner sends it, as FL_PASTE.
void EntryInput::PasteFromClipboard() { Fl::paste(*this, 1); }

void EntryInput::ClearSelection() {
    Edit([this] {
        if (position() != mark()) cut();
    });
}

void EntryInput::SelectAll() { position(size(), 0); }

// A single line takes the clipboard's first line, as the platform's single-line box does, and
// keeps its blanks; it replaces the selection.
int EntryInput::Paste() {
    const char* kind = Fl::event_clipboard_type();
    if (kind && std::strcmp(kind, Fl::clipboard_image) == 0) return 0;  // FLTK frees the picture
    if (!Fl::event_text() || Fl::event_length() <= 0) return 1;
    std::string_view text(Fl::event_text(), static_cast<std::size_t>(Fl::event_length()));
    text = text.substr(0, text.find('\n'));
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (!text.empty()) replace(position(), mark(), text.data(), static_cast<int>(text.size()));
    return 1;
}
