#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "LayoutError.h"
#include "LayoutTree.h"

// Typed readings of a layout property's value. Each one throws ELayoutError naming the
// property's line and the offending word when the value is of the wrong kind or not allowed.

// The value as the file writes it, for error messages.
std::string ValueWord(const LayoutValue& value);

std::string StringValue(const LayoutProperty& property);
int IntegerValue(const LayoutProperty& property);
bool BooleanValue(const LayoutProperty& property);
// An identifier: its word, unchecked (component and handler names).
std::string IdentifierValue(const LayoutProperty& property);
// A set ([fsBold]): the identifiers between its brackets.
const std::vector<std::string>& SetValue(const LayoutProperty& property);

// One of a fixed set of identifiers.
template <class T>
T EnumValue(const LayoutProperty& property, std::initializer_list<std::pair<std::string_view, T>> allowed) {
    const std::string word = IdentifierValue(property);
    for (const auto& [name, value] : allowed)
        if (name == word) return value;
    throw ELayoutError(property.line, word, "недопустимое значение");
}
