#include "TextEdit.h"

#include <algorithm>

namespace {
std::size_t CommonPrefix(std::string_view a, std::string_view b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

std::size_t CommonSuffix(std::string_view a, std::string_view b) {
    return static_cast<std::size_t>(std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first - a.rbegin());
}

bool ContinuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

TextEdit Replacement(std::string_view before, std::string_view after, std::size_t at, std::size_t removed,
                     std::size_t inserted) {
    return {at, std::string(before.substr(at, removed)), std::string(after.substr(at, inserted))};
}

// The least replacement, its ends moved out to whole UTF-8 characters.
TextEdit LeastReplacement(std::string_view before, std::string_view after) {
    std::size_t at = CommonPrefix(before, after);
    while (at > 0 && at < before.size() && ContinuesCharacter(before[at])) --at;
    std::size_t kept = CommonSuffix(before.substr(at), after.substr(at));
    while (kept > 0 && ContinuesCharacter(before[before.size() - kept])) --kept;
    return Replacement(before, after, at, before.size() - kept - at, after.size() - kept - at);
}
}  // namespace

std::optional<TextEdit> ChangeBetween(std::string_view before, std::size_t selStart, std::size_t selEnd,
                                      std::string_view after, std::size_t caretAfter) {
    if (before == after) return std::nullopt;
    // The change starts at the selection, or before it where the caret went back (a backspace).
    const std::size_t at = std::min({CommonPrefix(before, after), std::min(selStart, selEnd), caretAfter});
    const std::size_t inserted = caretAfter - at;
    if (before.size() + inserted >= after.size()) {
        const std::size_t removed = before.size() + inserted - after.size();
        if (at + removed <= before.size() && at + inserted <= after.size() &&
            before.substr(at + removed) == after.substr(at + inserted))
            return Replacement(before, after, at, removed, inserted);
    }
    return LeastReplacement(before, after);
}
