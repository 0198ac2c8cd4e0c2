// THROWAWAY: a minimal form-file reader linked into the ui tests only while
// vcl/layout/LayoutParser.cpp is the stand-in that throws. tests/ui/CMakeLists.txt stops linking
// it as soon as the real parser is in place; then delete this file.
#include <cctype>
#include <sstream>

#include "LayoutError.h"
#include "LayoutParser.h"

namespace {
std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    const auto e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

LayoutValue ReadValue(const std::string& text, int line) {
    LayoutValue v;
    if (text.empty()) throw ELayoutError(line, text, "нет значения");
    if (text.front() == '\'') {
        v.kind = LayoutValue::Kind::String;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (text[i] != '\'') v.text += text[i];
            else if (i + 1 < text.size() && text[i + 1] == '\'') v.text += '\'', ++i;
            else break;
        }
    } else if (text.front() == '[') {
        v.kind = LayoutValue::Kind::Set;
        std::stringstream members(text.substr(1, text.size() - 2));
        for (std::string m; std::getline(members, m, ',');)
            if (!Trim(m).empty()) v.members.push_back(Trim(m));
    } else if (text.front() == '-' || std::isdigit(static_cast<unsigned char>(text.front()))) {
        v.kind = LayoutValue::Kind::Integer;
        v.number = std::stoll(text);
    } else {
        v.kind = LayoutValue::Kind::Identifier;
        v.text = text;
    }
    return v;
}
}  // namespace

LayoutObject ParseLayout(std::string_view text) {
    std::stringstream in{std::string(text)};
    std::vector<LayoutObject> open;
    LayoutObject root;
    int lineNo = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++lineNo;
        const std::string line = Trim(raw);
        if (line.empty()) continue;
        if (line.rfind("object ", 0) == 0) {
            LayoutObject o;
            const auto colon = line.find(':');
            o.name = Trim(line.substr(7, colon - 7));
            o.className = Trim(line.substr(colon + 1));
            o.line = lineNo;
            open.push_back(std::move(o));
        } else if (line == "end") {
            LayoutObject done = std::move(open.back());
            open.pop_back();
            if (open.empty()) root = std::move(done);
            else open.back().children.push_back(std::move(done));
        } else {
            const auto eq = line.find('=');
            if (eq == std::string::npos || open.empty()) throw ELayoutError(lineNo, line, "непонятная строка");
            open.back().properties.push_back({Trim(line.substr(0, eq)), ReadValue(Trim(line.substr(eq + 1)), lineNo), lineNo});
        }
    }
    return root;
}
