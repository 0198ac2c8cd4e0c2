#include "LayoutParser.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "LayoutError.h"
#include "LayoutTokenizer.h"
#include "LayoutUtf8.h"

namespace {

using Kind = LayoutToken::Kind;

// Deeper nesting than any real form; the limit keeps the recursion, and the stack, small.
constexpr int kMaxNesting = 64;
constexpr std::string_view kEndOfLine = "конец строки";

class Parser {
public:
    explicit Parser(std::string_view text) : tokens_(text) { Advance(); }

    LayoutObject ParseDocument() {
        LayoutObject root = ParseObject(1);
        if (current_.kind != Kind::EndOfText) Fail("лишний текст после корневого объекта");
        return root;
    }

private:
    // object Name: TClass, its properties and nested objects, then end.
    LayoutObject ParseObject(int depth) {
        if (!IsKeyword("object")) Fail("ожидалось «object» вместо");
        if (depth > kMaxNesting) Fail("слишком глубокая вложенность");
        LayoutObject object;
        object.line = current_.line;
        Advance();

        // The header stays on one line, so that a missing class name is not taken from the next one.
        ExpectOnLine(object.line, Kind::Word, "ожидалось имя объекта вместо");
        if (!IsPlainName()) Fail("ожидалось имя объекта вместо");
        object.name = current_.source;
        Advance();
        ExpectOnLine(object.line, Kind::Colon, "ожидалось «:» вместо");
        Advance();
        ExpectOnLine(object.line, Kind::Word, "ожидалось имя класса вместо");
        if (!IsPlainName()) Fail("ожидалось имя класса вместо");
        object.className = current_.source;
        Advance();

        for (;;) {
            if (current_.kind == Kind::EndOfText) Fail("ожидалось «end» вместо");
            if (current_.kind != Kind::Word) Fail("ожидалось имя свойства вместо");
            if (IsKeyword("end")) {
                Advance();
                return object;
            }
            if (IsKeyword("object")) {
                object.children.push_back(ParseObject(depth + 1));
            } else {
                object.properties.push_back(ParseProperty());
            }
        }
    }

    LayoutProperty ParseProperty() {
        LayoutProperty property;
        property.name = current_.source;
        property.line = current_.line;
        Advance();
        if (current_.kind != Kind::Equals) Fail("ожидалось «=» вместо");
        Advance();
        property.value = ParseValue();
        return property;
    }

    LayoutValue ParseValue() {
        switch (current_.kind) {
            case Kind::String: return ParseString();
            case Kind::Number:
            case Kind::Plus:
            case Kind::Minus: return ParseInteger();
            case Kind::OpenBracket: return ParseSet();
            case Kind::Word:
                if (IsPlainName()) {
                    LayoutValue value;
                    value.kind = LayoutValue::Kind::Identifier;
                    value.text = current_.source;
                    Advance();
                    return value;
                }
                break;
            default: break;
        }
        Fail("ожидалось значение вместо");
    }

    // 'first ' + 'second': the pieces may stand on following lines.
    LayoutValue ParseString() {
        LayoutValue value;
        value.kind = LayoutValue::Kind::String;
        value.text = std::move(current_.text);
        Advance();
        while (current_.kind == Kind::Plus) {
            Advance();
            if (current_.kind != Kind::String) Fail("ожидалась строка вместо");
            value.text += current_.text;
            Advance();
        }
        return value;
    }

    LayoutValue ParseInteger() {
        std::string word;
        bool negative = false;
        if (current_.kind == Kind::Plus || current_.kind == Kind::Minus) {
            negative = current_.kind == Kind::Minus;
            word = current_.source;
            Advance();
            if (current_.kind != Kind::Number) Fail("ожидалось число вместо");
        }
        word += current_.source;

        const std::string_view digits = current_.source;
        std::uint64_t magnitude = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
        constexpr auto kMaxPositive = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
        const std::uint64_t limit = negative ? kMaxPositive + 1 : kMaxPositive;
        if (error != std::errc{} || end != digits.data() + digits.size() || magnitude > limit) {
            throw ELayoutError(current_.line, Abbreviated(word), "число вне допустимого диапазона");
        }

        LayoutValue value;
        value.kind = LayoutValue::Kind::Integer;
        // Negated through magnitude - 1 so that the most negative value does not overflow.
        value.number = negative && magnitude > 0 ? -static_cast<std::int64_t>(magnitude - 1) - 1
                                                 : static_cast<std::int64_t>(magnitude);
        Advance();
        return value;
    }

    // [fsBold, fsItalic], or [] for the empty set.
    LayoutValue ParseSet() {
        LayoutValue value;
        value.kind = LayoutValue::Kind::Set;
        Advance();
        if (current_.kind == Kind::CloseBracket) {
            Advance();
            return value;
        }
        for (;;) {
            if (!IsPlainName()) Fail("ожидалось имя в наборе вместо");
            value.members.emplace_back(current_.source);
            Advance();
            if (current_.kind == Kind::CloseBracket) {
                Advance();
                return value;
            }
            if (current_.kind != Kind::Comma) Fail("ожидалось «,» или «]» вместо");
            Advance();
        }
    }

    bool IsKeyword(std::string_view keyword) const {
        return current_.kind == Kind::Word && current_.source == keyword;
    }

    // A name that is neither dotted nor one of the two keywords.
    bool IsPlainName() const {
        return current_.kind == Kind::Word && current_.source.find('.') == std::string_view::npos &&
               !IsKeyword("object") && !IsKeyword("end");
    }

    void ExpectOnLine(int line, Kind kind, const char* problem) const {
        if (current_.kind != Kind::EndOfText && current_.line != line) {
            throw ELayoutError(line, std::string(kEndOfLine), problem);
        }
        if (current_.kind != kind) Fail(problem);
    }

    void Advance() { current_ = tokens_.Next(); }

    [[noreturn]] void Fail(const char* problem) const {
        throw ELayoutError(current_.line, Abbreviated(current_.source), problem);
    }

    LayoutTokenizer tokens_;
    LayoutToken current_;
};

}  // namespace

LayoutObject ParseLayout(std::string_view text) { return Parser(text).ParseDocument(); }
