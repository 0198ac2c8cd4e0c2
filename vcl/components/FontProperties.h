#pragma once

#include "ComponentClass.h"
#include "ControlValues.h"
#include "LayoutValues.h"

// Font.Name, Font.Height, ... of a form or of a control that draws text: each sets one field of
// its font (from then on a control keeps a font of its own).
template <class C, class Base>
void AddFontProperties(ClassOf<C, Base>& cls) {
    auto field = [&cls](const char* name, auto apply) {
        cls.Property(name, [apply](C& c, const LayoutProperty& p, TReader&) {
            TFont font = c.Font();
            apply(font, p);
            c.SetFont(font);
        });
    };
    field("Font.Name", [](TFont& f, const LayoutProperty& p) { f.Name = StringValue(p); });
    field("Font.Height", [](TFont& f, const LayoutProperty& p) { f.Height = IntegerValue(p); });
    field("Font.Color", [](TFont& f, const LayoutProperty& p) { f.Color = ColorValue(p); });
    field("Font.Style", [](TFont& f, const LayoutProperty& p) { f.Style = FontStyleValue(p); });
    // Text is UTF-8 and drawn as written: the default character set is the only one there is.
    field("Font.Charset", [](TFont&, const LayoutProperty& p) { EnumValue<bool>(p, {{"DEFAULT_CHARSET", true}}); });
}

// What a control that draws its text on its own ground reads (labels, entry boxes; frames and
// pictures draw neither).
template <class C, class Base>
void AddTextProperties(ClassOf<C, Base>& cls) {
    cls.Property("Color", &C::SetColor, ColorValue).Property("ParentFont", &C::SetParentFont, BooleanValue);
    AddFontProperties(cls);
}
