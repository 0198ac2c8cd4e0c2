#include "Reader.h"

#include <algorithm>
#include <typeinfo>

void ReadComponent(TComponent& root, const LayoutObject& tree) {
    const TComponentClass* cls = FindClass(typeid(root));
    if (!cls || tree.className != cls->Name()) throw ELayoutError(tree.line, tree.className, "неизвестный класс");
    TReader(root, *cls).Read(tree);
}

void TReader::Read(const LayoutObject& tree) {
    root_.SetName(tree.name);
    ReadProperties(rootClass_, root_, tree);
    for (const LayoutObject& child : tree.children) ReadObject(child, root_);
    for (const auto& settle : fixups_) settle();
    for (const std::string& field : rootClass_.FieldNames()) {
        const bool bound = std::any_of(boundFields_.begin(), boundFields_.end(),
                                       [&field](const std::string& name) { return SameName(name, field); });
        if (!bound) throw ELayoutError(tree.line, field, "нет компонента для поля");
    }
}

// parent: the component whose block the object stands in; the root for its own children.
void TReader::ReadObject(const LayoutObject& object, TComponent& parent) {
    const TComponentClass* cls = FindClass(object.className);
    if (!cls || !cls->Creatable()) throw ELayoutError(object.line, object.className, "неизвестный класс");
    TComponent& component = *root_.InsertComponent(cls->Create(root_));
    if (!component.SetParentComponent(parent))
        throw ELayoutError(object.line, object.className, "объект не может стоять здесь");
    if (object.name.empty()) throw ELayoutError(object.line, object.className, "у объекта нет имени");
    if (root_.FindComponent(object.name) || SameName(object.name, root_.Name()))
        throw ELayoutError(object.line, object.name, "имя уже занято");
    component.SetName(object.name);
    BindField(object, component);

    ReadProperties(*cls, component, object);
    for (const LayoutObject& child : object.children) ReadObject(child, component);
}

void TReader::ReadProperties(const TComponentClass& cls, TComponent& component, const LayoutObject& object) {
    for (const LayoutProperty& property : object.properties) {
        const TComponentClass::Setter* set = cls.FindProperty(property.name);
        if (!set) throw ELayoutError(property.line, property.name, "неизвестное свойство");
        (*set)(component, property, *this);
    }
}

void TReader::BindField(const LayoutObject& object, TComponent& component) {
    const TComponentClass::Field* field = rootClass_.FindField(object.name);
    if (!field) return;
    if (!(*field)(root_, component)) throw ELayoutError(object.line, object.name, "компонент другого класса");
    boundFields_.push_back(object.name);
}

TNotifyEvent TReader::Handler(const LayoutProperty& property) const {
    const std::string name = IdentifierValue(property);
    const TComponentClass::Method* method = rootClass_.FindMethod(name);
    if (!method) throw ELayoutError(property.line, name, "неизвестный обработчик");
    return (*method)(root_);
}
