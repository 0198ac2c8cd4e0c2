#include "ComponentClasses.h"

#include "Exception.h"
#include "LayoutValues.h"
#include "Resources.h"
#include "TBevel.h"
#include "TEdit.h"
#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TMainMenu.h"
#include "TMenuItem.h"

namespace {
using Properties = std::map<std::string, PropertySetter, std::less<>>;

// A setter for a property of class C; the table it goes into belongs to C, so the cast holds.
template <class C, class F>
PropertySetter For(F set) {
    return [set](TComponent& c, const LayoutProperty& p, LayoutContext& ctx) { set(static_cast<C&>(c), p, ctx); };
}

// The common case: read the value one way and hand it to one setter of class C.
template <class C, class Argument, class Value>
PropertySetter Set(void (C::*setter)(Argument), Value (*read)(const LayoutProperty&)) {
    return For<C>([setter, read](C& c, const LayoutProperty& p, LayoutContext&) { (c.*setter)(read(p)); });
}

TPicture PictureValue(const LayoutProperty& p) {
    const std::string name = StringValue(p);
    if (!FindPicture(name)) throw ELayoutError(p.line, name, "нет такой картинки");
    return TPicture::FromResource(name);
}

// Font.Name, Font.Height... of a control or a form: each changes one field of its font.
template <class C>
void AddFontProperties(Properties& table) {
    auto field = [&table](const char* name, auto apply) {
        table[name] = For<C>([apply](C& c, const LayoutProperty& p, LayoutContext&) {
            TFont font = c.Font();
            apply(font, p);
            c.SetFont(font);
        });
    };
    field("Font.Charset", [](TFont& f, const LayoutProperty& p) { f.Charset = CharsetValue(p); });
    field("Font.Color", [](TFont& f, const LayoutProperty& p) { f.Color = ColorValue(p); });
    field("Font.Height", [](TFont& f, const LayoutProperty& p) { f.Height = IntegerValue(p); });
    field("Font.Name", [](TFont& f, const LayoutProperty& p) { f.Name = StringValue(p); });
    field("Font.Style", [](TFont& f, const LayoutProperty& p) { f.Style = FontStyleValue(p); });
}

Properties ControlProperties() {
    Properties t;
    t["Left"] = Set(&TControl::SetLeft, IntegerValue);
    t["Top"] = Set(&TControl::SetTop, IntegerValue);
    t["Width"] = Set(&TControl::SetWidth, IntegerValue);
    t["Height"] = Set(&TControl::SetHeight, IntegerValue);
    t["Visible"] = Set(&TControl::SetVisible, BooleanValue);
    t["Color"] = Set(&TControl::SetColor, ColorValue);
    t["Cursor"] = Set(&TControl::SetCursor, CursorValue);
    t["Hint"] = Set(&TControl::SetHint, StringValue);
    t["ShowHint"] = Set(&TControl::SetShowHint, BooleanValue);
    t["ParentShowHint"] = Set(&TControl::SetParentShowHint, BooleanValue);
    t["ParentFont"] = Set(&TControl::SetParentFont, BooleanValue);
    AddFontProperties<TControl>(t);
    return t;
}

template <class C>
std::function<std::unique_ptr<TComponent>(TComponent&)> Factory() {
    return [](TComponent& owner) -> std::unique_ptr<TComponent> { return std::make_unique<C>(&owner); };
}

std::vector<ComponentClass> MakeClasses() {
    std::vector<ComponentClass> classes;

    ComponentClass label{"TLabel", Placement::Control, Factory<TLabel>(), ControlProperties()};
    label.properties["Caption"] = Set(&TLabel::SetCaption, StringValue);
    label.properties["AutoSize"] = Set(&TLabel::SetAutoSize, BooleanValue);
    label.properties["Transparent"] = Set(&TLabel::SetTransparent, BooleanValue);
    classes.push_back(std::move(label));

    ComponentClass edit{"TEdit", Placement::Control, Factory<TEdit>(), ControlProperties()};
    edit.properties["Text"] = Set(&TEdit::SetText, StringValue);
    classes.push_back(std::move(edit));

    ComponentClass bevel{"TBevel", Placement::Control, Factory<TBevel>(), ControlProperties()};
    bevel.properties["Shape"] = For<TBevel>([](TBevel& c, const LayoutProperty& p, LayoutContext&) {
        c.SetShape(EnumValue<TBevelShape>(p, {{"bsBox", bsBox},
                                              {"bsFrame", bsFrame},
                                              {"bsTopLine", bsTopLine},
                                              {"bsBottomLine", bsBottomLine},
                                              {"bsLeftLine", bsLeftLine},
                                              {"bsRightLine", bsRightLine},
                                              {"bsSpacer", bsSpacer}}));
    });
    bevel.properties["Style"] = For<TBevel>([](TBevel& c, const LayoutProperty& p, LayoutContext&) {
        c.SetStyle(EnumValue<TBevelStyle>(p, {{"bsLowered", bsLowered}, {"bsRaised", bsRaised}}));
    });
    classes.push_back(std::move(bevel));

    ComponentClass image{"TImage", Placement::Control, Factory<TImage>(), ControlProperties()};
    image.properties["Picture"] = Set(&TImage::SetPicture, PictureValue);
    classes.push_back(std::move(image));

    classes.push_back({"TMainMenu", Placement::Menu, Factory<TMainMenu>(), {}});

    ComponentClass item{"TMenuItem", Placement::MenuItem, Factory<TMenuItem>(), {}};
    item.properties["Caption"] = Set(&TMenuItem::SetCaption, StringValue);
    item.properties["Bitmap"] = Set(&TMenuItem::SetBitmap, PictureValue);
    item.properties["OnClick"] = For<TMenuItem>([](TMenuItem& c, const LayoutProperty& p, LayoutContext& ctx) {
        const std::string name = IdentifierValue(p);
        const TNotifyEvent* handler = ctx.form.FindHandler(name);
        if (!handler) throw ELayoutError(p.line, name, "неизвестный обработчик");
        c.SetOnClick(*handler);
    });
    classes.push_back(std::move(item));
    return classes;
}

ComponentClass MakeFormClass() {
    ComponentClass form{"TForm", Placement::Control, nullptr, {}};
    auto& t = form.properties;
    t["Left"] = Set(&TForm::SetLeft, IntegerValue);
    t["Top"] = Set(&TForm::SetTop, IntegerValue);
    t["Width"] = Set(&TForm::SetWidth, IntegerValue);
    t["Height"] = Set(&TForm::SetHeight, IntegerValue);
    t["ClientWidth"] = Set(&TForm::SetClientWidth, IntegerValue);
    t["ClientHeight"] = Set(&TForm::SetClientHeight, IntegerValue);
    t["Caption"] = Set(&TForm::SetCaption, StringValue);
    t["Color"] = Set(&TForm::SetColor, ColorValue);
    t["ShowHint"] = Set(&TForm::SetShowHint, BooleanValue);
    t["Icon"] = Set(&TForm::SetIcon, PictureValue);
    // Read and kept by the designer; they change nothing here (the layout is laid out at 96 dpi).
    for (const char* ignored : {"PixelsPerInch", "TextHeight"})
        t[ignored] = For<TForm>([](TForm&, const LayoutProperty& p, LayoutContext&) { IntegerValue(p); });
    t["OldCreateOrder"] = For<TForm>([](TForm&, const LayoutProperty& p, LayoutContext&) { BooleanValue(p); });
    t["Menu"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext& ctx) {
        const std::string name = IdentifierValue(p);
        const int line = p.line;
        ctx.pending.push_back([&f, name, line] {
            auto* menu = dynamic_cast<TMainMenu*>(f.FindComponent(name));
            if (!menu) throw ELayoutError(line, name, "нет такого меню");
            f.SetMenu(menu);
        });
    });
    AddFontProperties<TForm>(t);
    return form;
}
}  // namespace

const ComponentClass* FindComponentClass(std::string_view name) {
    static const std::vector<ComponentClass> classes = MakeClasses();
    for (const ComponentClass& c : classes)
        if (c.name == name) return &c;
    return nullptr;
}

const ComponentClass& FormClass() {
    static const ComponentClass form = MakeFormClass();
    return form;
}
