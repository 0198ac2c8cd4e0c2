#include "LayoutValues.h"

#include <cstdint>

namespace {
const char* KindName(LayoutValue::Kind kind) {
    switch (kind) {
    case LayoutValue::Kind::String: return "ожидается строка";
    case LayoutValue::Kind::Integer: return "ожидается число";
    case LayoutValue::Kind::Identifier: return "ожидается имя";
    case LayoutValue::Kind::Set: return "ожидается множество";
    }
    return "недопустимое значение";
}

void Expect(const LayoutProperty& property, LayoutValue::Kind kind) {
    if (property.value.kind != kind) throw ELayoutError(property.line, ValueWord(property.value), KindName(kind));
}
}  // namespace

std::string ValueWord(const LayoutValue& value) {
    switch (value.kind) {
    case LayoutValue::Kind::String: return "'" + value.text + "'";
    case LayoutValue::Kind::Integer: return std::to_string(value.number);
    case LayoutValue::Kind::Identifier: return value.text;
    case LayoutValue::Kind::Set: {
        std::string word = "[";
        for (std::size_t i = 0; i < value.members.size(); ++i) word += (i ? ", " : "") + value.members[i];
        return word + "]";
    }
    }
    return value.text;
}

std::string StringValue(const LayoutProperty& property) {
    Expect(property, LayoutValue::Kind::String);
    return property.value.text;
}

int IntegerValue(const LayoutProperty& property) {
    Expect(property, LayoutValue::Kind::Integer);
    // Pixel sizes and font heights: anything beyond a few thousand is a typing error.
    constexpr std::int64_t limit = 1'000'000;
    if (property.value.number < -limit || property.value.number > limit)
        throw ELayoutError(property.line, ValueWord(property.value), "число вне допустимых пределов");
    return static_cast<int>(property.value.number);
}

std::string IdentifierValue(const LayoutProperty& property) {
    Expect(property, LayoutValue::Kind::Identifier);
    return property.value.text;
}

bool BooleanValue(const LayoutProperty& property) {
    return EnumValue<bool>(property, {{"True", true}, {"False", false}});
}

const std::vector<std::string>& SetValue(const LayoutProperty& property) {
    Expect(property, LayoutValue::Kind::Set);
    return property.value.members;
}
