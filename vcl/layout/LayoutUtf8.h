#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Length of the well-formed UTF-8 sequence that starts text, or 0 where there is none
// (a stray continuation byte, an overlong form, a surrogate, a code point past U+10FFFF,
// a sequence cut short).
std::size_t Utf8SequenceLength(std::string_view text);

// Appends the UTF-8 form of a code point that is known to be a valid scalar value.
void AppendUtf8(std::string& out, std::uint32_t codePoint);

// The word an error message shows: at most maxCharacters characters of valid UTF-8 text, cut
// with "…" where it is longer, so that a runaway string does not fill the error box.
std::string Abbreviated(std::string_view text, std::size_t maxCharacters = 40);
