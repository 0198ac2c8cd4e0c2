#include "LayoutBuilder.h"

#include "ComponentClasses.h"
#include "LayoutError.h"
#include "TControl.h"
#include "TForm.h"
#include "TMainMenu.h"
#include "TMenuItem.h"

namespace {
void ApplyProperties(const ComponentClass& cls, TComponent& component, const LayoutObject& object, LayoutContext& ctx) {
    for (const LayoutProperty& property : object.properties) {
        const auto setter = cls.properties.find(property.name);
        if (setter == cls.properties.end()) throw ELayoutError(property.line, property.name, "неизвестное свойство");
        setter->second(component, property, ctx);
    }
}

bool MayStand(Placement placement, const TComponent* container) {
    if (!container) return placement == Placement::Control || placement == Placement::Menu;
    const bool inMenu = dynamic_cast<const TMainMenu*>(container) || dynamic_cast<const TMenuItem*>(container);
    return inMenu && placement == Placement::MenuItem;
}

// container: the menu or menu item the object is nested in; null for the form's own children.
void BuildObject(const LayoutObject& object, TComponent* container, LayoutContext& ctx) {
    const ComponentClass* cls = FindComponentClass(object.className);
    if (!cls) throw ELayoutError(object.line, object.className, "неизвестный класс");
    if (!MayStand(cls->placement, container)) throw ELayoutError(object.line, object.className, "объект не может стоять здесь");
    TForm& form = ctx.form;
    if (object.name.empty()) throw ELayoutError(object.line, object.className, "у объекта нет имени");
    if (form.FindComponent(object.name) || object.name == form.Name())
        throw ELayoutError(object.line, object.name, "имя уже занято");

    TComponent* component = form.InsertComponent(cls->create(form));
    component->SetName(object.name);
    form.NoteLayoutLine(object.name, object.line);
    if (auto* control = dynamic_cast<TControl*>(component)) control->SetParent(&form);
    if (auto* item = dynamic_cast<TMenuItem*>(component)) {
        if (auto* menu = dynamic_cast<TMainMenu*>(container)) menu->Add(*item);
        else static_cast<TMenuItem*>(container)->Add(*item);
    }

    ApplyProperties(*cls, *component, object, ctx);
    for (const LayoutObject& child : object.children) BuildObject(child, component, ctx);
}
}  // namespace

void BuildLayout(TForm& form, const LayoutObject& root) {
    if (root.className != form.ClassName()) throw ELayoutError(root.line, root.className, "неизвестный класс");
    form.SetName(root.name);
    form.NoteLayoutLine(root.name, root.line);
    LayoutContext ctx{form, {}};
    ApplyProperties(FormClass(), form, root, ctx);
    for (const LayoutObject& child : root.children) BuildObject(child, nullptr, ctx);
    for (const auto& settle : ctx.pending) settle();
}
