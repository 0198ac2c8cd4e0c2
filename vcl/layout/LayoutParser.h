#pragma once

#include <string_view>

#include "LayoutTree.h"

// Reads a form description (UTF-8 text in the toolkit's form-file style) into its tree.
// Throws ELayoutError naming the line and the word where the text breaks the grammar.
LayoutObject ParseLayout(std::string_view text);
