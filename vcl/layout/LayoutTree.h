#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A form's text description, read into a tree: objects with their properties and nested objects,
// as written in the layout file. Nothing here knows what the classes or properties mean; the
// builder gives them meaning.

struct LayoutValue {
    enum class Kind { String, Integer, Identifier, Set };

    Kind kind = Kind::Integer;
    std::string text;                  // String: the decoded UTF-8 text; Identifier: the word
    std::int64_t number = 0;           // Integer
    std::vector<std::string> members;  // Set: the identifiers between the brackets
};

struct LayoutProperty {
    std::string name;  // dotted where the file writes it so: "Font.Height"
    LayoutValue value;
    int line = 0;      // where the property starts, counted from 1
};

struct LayoutObject {
    std::string name;       // "Label1"
    std::string className;  // "TLabel"
    int line = 0;
    std::vector<LayoutProperty> properties;  // in file order
    std::vector<LayoutObject> children;      // in file order, which is creation order
};
