#include "LayoutValues.h"

#include <climits>

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

TColor ColorValue(const LayoutProperty& property) {
    if (property.value.kind == LayoutValue::Kind::Integer) {
        const std::int64_t n = property.value.number;
        if (n < 0 || n > 0xFFFFFF) throw ELayoutError(property.line, ValueWord(property.value), "недопустимое значение");
        return static_cast<TColor>(n);
    }
    return EnumValue<TColor>(property, {{"clBlack", clBlack},     {"clMaroon", clMaroon},
                                        {"clGreen", clGreen},     {"clOlive", clOlive},
                                        {"clNavy", clNavy},       {"clPurple", clPurple},
                                        {"clTeal", clTeal},       {"clGray", clGray},
                                        {"clSilver", clSilver},   {"clRed", clRed},
                                        {"clLime", clLime},       {"clYellow", clYellow},
                                        {"clBlue", clBlue},       {"clFuchsia", clFuchsia},
                                        {"clAqua", clAqua},       {"clWhite", clWhite},
                                        {"clMenu", clMenu},       {"clWindow", clWindow},
                                        {"clWindowText", clWindowText}, {"clBtnFace", clBtnFace},
                                        {"clBtnShadow", clBtnShadow},   {"clBtnText", clBtnText},
                                        {"clBtnHighlight", clBtnHighlight}});
}

TCursor CursorValue(const LayoutProperty& property) {
    return EnumValue<TCursor>(property, {{"crDefault", crDefault},
                                         {"crArrow", crArrow},
                                         {"crCross", crCross},
                                         {"crIBeam", crIBeam},
                                         {"crDrag", crDrag},
                                         {"crHelp", crHelp}});
}

TFontStyles FontStyleValue(const LayoutProperty& property) {
    Expect(property, LayoutValue::Kind::Set);
    TFontStyles styles;
    for (const std::string& member : property.value.members) {
        if (member == "fsBold") styles.Include(fsBold);
        else if (member == "fsItalic") styles.Include(fsItalic);
        else if (member == "fsUnderline") styles.Include(fsUnderline);
        else if (member == "fsStrikeOut") styles.Include(fsStrikeOut);
        else throw ELayoutError(property.line, member, "недопустимое значение");
    }
    return styles;
}

int CharsetValue(const LayoutProperty& property) {
    return EnumValue<int>(property, {{"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"RUSSIAN_CHARSET", RUSSIAN_CHARSET}});
}
