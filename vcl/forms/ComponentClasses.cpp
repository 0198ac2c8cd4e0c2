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

TPicture PictureValue(const LayoutProperty& p) {
    const std::string name = StringValue(p);
    const auto bytes = FindResource(name);
    if (bytes.empty()) throw ELayoutError(p.line, name, "нет такой картинки");
    try {
        return TPicture::FromPNG(name, bytes);
    } catch (const Exception&) {
        throw ELayoutError(p.line, name, "картинка не читается");
    }
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
    t["Left"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetLeft(IntegerValue(p)); });
    t["Top"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetTop(IntegerValue(p)); });
    t["Width"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetWidth(IntegerValue(p)); });
    t["Height"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetHeight(IntegerValue(p)); });
    t["Visible"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetVisible(BooleanValue(p)); });
    t["Color"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetColor(ColorValue(p)); });
    t["Cursor"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetCursor(CursorValue(p)); });
    t["Hint"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetHint(StringValue(p)); });
    t["ShowHint"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetShowHint(BooleanValue(p)); });
    t["ParentShowHint"] = For<TControl>(
        [](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetParentShowHint(BooleanValue(p)); });
    t["ParentFont"] = For<TControl>([](TControl& c, const LayoutProperty& p, LayoutContext&) { c.SetParentFont(BooleanValue(p)); });
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
    label.properties["Caption"] = For<TLabel>([](TLabel& c, const LayoutProperty& p, LayoutContext&) { c.SetCaption(StringValue(p)); });
    label.properties["AutoSize"] = For<TLabel>([](TLabel& c, const LayoutProperty& p, LayoutContext&) { c.SetAutoSize(BooleanValue(p)); });
    label.properties["Transparent"] =
        For<TLabel>([](TLabel& c, const LayoutProperty& p, LayoutContext&) { c.SetTransparent(BooleanValue(p)); });
    classes.push_back(std::move(label));

    ComponentClass edit{"TEdit", Placement::Control, Factory<TEdit>(), ControlProperties()};
    edit.properties["Text"] = For<TEdit>([](TEdit& c, const LayoutProperty& p, LayoutContext&) { c.SetText(StringValue(p)); });
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
    image.properties["Picture"] = For<TImage>([](TImage& c, const LayoutProperty& p, LayoutContext&) { c.SetPicture(PictureValue(p)); });
    classes.push_back(std::move(image));

    classes.push_back({"TMainMenu", Placement::Menu, Factory<TMainMenu>(), {}});

    ComponentClass item{"TMenuItem", Placement::MenuItem, Factory<TMenuItem>(), {}};
    item.properties["Caption"] = For<TMenuItem>([](TMenuItem& c, const LayoutProperty& p, LayoutContext&) { c.SetCaption(StringValue(p)); });
    item.properties["Bitmap"] = For<TMenuItem>([](TMenuItem& c, const LayoutProperty& p, LayoutContext&) { c.SetBitmap(PictureValue(p)); });
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
    t["Left"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetLeft(IntegerValue(p)); });
    t["Top"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetTop(IntegerValue(p)); });
    t["Width"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetWidth(IntegerValue(p)); });
    t["Height"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetHeight(IntegerValue(p)); });
    t["ClientWidth"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetClientWidth(IntegerValue(p)); });
    t["ClientHeight"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetClientHeight(IntegerValue(p)); });
    t["Caption"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetCaption(StringValue(p)); });
    t["Color"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetColor(ColorValue(p)); });
    t["ShowHint"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetShowHint(BooleanValue(p)); });
    t["Icon"] = For<TForm>([](TForm& f, const LayoutProperty& p, LayoutContext&) { f.SetIcon(PictureValue(p)); });
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
