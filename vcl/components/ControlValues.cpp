#include "ControlValues.h"

#include <cstdint>
#include <string>

#include "LayoutValues.h"
#include "Resources.h"

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
    TFontStyles styles;
    for (const std::string& member : SetValue(property)) {
        if (member == "fsBold") styles.Include(fsBold);
        else if (member == "fsItalic") styles.Include(fsItalic);
        else throw ELayoutError(property.line, member, "недопустимое значение");
    }
    return styles;
}

TPicture PictureValue(const LayoutProperty& property) {
    const std::string name = StringValue(property);
    if (!FindPicture(name)) throw ELayoutError(property.line, name, "нет такой картинки");
    return TPicture::FromResource(name);
}
