#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// One replacement in a text: at byte `at`, `removed` gave way to `inserted`.
struct TextEdit {
    std::size_t at = 0;
    std::string removed;
    std::string inserted;
    friend bool operator==(const TextEdit&, const TextEdit&) = default;
};

// The replacement that turned `before`, whose selection was [selStart, selEnd), into `after`, with
// the caret at `caretAfter`; none where the text is the same. An entry box replaces its selection,
// or the characters next to the caret, and leaves the caret after what it put in: that places the
// change exactly even where the text repeats itself ("00" with one of its zeros deleted). A change
// made otherwise is taken as the least replacement that explains it.
std::optional<TextEdit> ChangeBetween(std::string_view before, std::size_t selStart, std::size_t selEnd,
                                      std::string_view after, std::size_t caretAfter);
