#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "TextEdit.h"

// An entry box's undo, kept as the platform's edit control keeps it: one change deep. Typing on
// where the last typing ended, deleting on where the last deletion ended (forwards or backwards),
// and typing where the last deletion was, all extend that change; anything else starts a new
// one. Undoing puts back what the change took away and becomes a change itself, so that undoing
// again redoes.
class EditUndo {
public:
    bool CanUndo() const { return insertedLength_ > 0 || !removed_.empty(); }
    // Nothing to undo: the program set the text.
    void Clear();

    // A change the user made.
    void Record(const TextEdit& edit);

    // The replacement that undoes the last change in `text` (which shows it), or none. It is
    // recorded as the change to undo next.
    std::optional<TextEdit> Undo(std::string_view text);

private:
    std::size_t at_ = 0;              // where the change stands in the text
    std::size_t insertedLength_ = 0;  // what it put in, from at_ on
    std::string removed_;             // what it took away
};
