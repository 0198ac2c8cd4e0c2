#include "EditUndo.h"

void EditUndo::Clear() {
    at_ = 0;
    insertedLength_ = 0;
    removed_.clear();
}

void EditUndo::Record(const TextEdit& edit) {
    if (!edit.removed.empty()) {
        const bool deleting = insertedLength_ == 0 && !removed_.empty();
        if (deleting && edit.at == at_) {
            removed_ += edit.removed;  // Delete after Delete
        } else if (deleting && edit.at + edit.removed.size() == at_) {
            removed_.insert(0, edit.removed);  // Backspace after Backspace
            at_ = edit.at;
        } else {
            removed_ = edit.removed;
            at_ = edit.at;
        }
        insertedLength_ = 0;
    }
    if (!edit.inserted.empty()) {
        if (edit.at == at_ || (insertedLength_ > 0 && edit.at == at_ + insertedLength_)) {
            insertedLength_ += edit.inserted.size();
        } else {
            at_ = edit.at;
            insertedLength_ = edit.inserted.size();
            removed_.clear();
        }
    }
}

std::optional<TextEdit> EditUndo::Undo(std::string_view text) {
    // A record that no longer fits the text (changed behind the record's back) undoes nothing.
    if (!CanUndo() || at_ + insertedLength_ > text.size()) {
        Clear();
        return std::nullopt;
    }
    TextEdit undo{at_, std::string(text.substr(at_, insertedLength_)), removed_};
    Clear();
    Record(undo);
    return undo;
}
