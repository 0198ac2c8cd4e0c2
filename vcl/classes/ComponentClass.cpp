#include "ComponentClass.h"

#include <stdexcept>

namespace {
struct Registry {
    std::map<std::string, TComponentClass, std::less<>> byName;
    std::map<std::type_index, const TComponentClass*> byType;
};

// Made on first use: classes register themselves while the program starts, in no set order.
Registry& Classes() {
    static Registry registry;
    return registry;
}
}  // namespace

const TComponentClass& RegisterClass(TComponentClass cls) {
    Registry& r = Classes();
    if (r.byName.contains(cls.Name()) || r.byType.contains(cls.Type()))
        throw std::logic_error("class " + cls.Name() + " is registered twice");
    const std::string name = cls.Name();
    const TComponentClass& stored = r.byName.emplace(name, std::move(cls)).first->second;
    r.byType.emplace(stored.Type(), &stored);
    return stored;
}

const TComponentClass* FindClass(std::string_view name) {
    const Registry& r = Classes();
    const auto it = r.byName.find(name);
    return it == r.byName.end() ? nullptr : &it->second;
}

const TComponentClass* FindClass(std::type_index type) {
    const Registry& r = Classes();
    const auto it = r.byType.find(type);
    return it == r.byType.end() ? nullptr : it->second;
}

const TComponentClass* TComponentClass::Parent() const { return parent_ == type_ ? nullptr : FindClass(parent_); }

const TComponentClass::Setter* TComponentClass::FindProperty(std::string_view name) const {
    for (const TComponentClass* c = this; c; c = c->Parent())
        if (const auto it = c->properties_.find(name); it != c->properties_.end()) return &it->second;
    return nullptr;
}

const TComponentClass::Method* TComponentClass::FindMethod(std::string_view name) const {
    for (const TComponentClass* c = this; c; c = c->Parent())
        if (const auto it = c->methods_.find(name); it != c->methods_.end()) return &it->second;
    return nullptr;
}

const TComponentClass::Field* TComponentClass::FindField(std::string_view name) const {
    for (const TComponentClass* c = this; c; c = c->Parent())
        for (const auto& [fieldName, field] : c->fields_)
            if (SameName(fieldName, name)) return &field;
    return nullptr;
}

std::vector<std::string> TComponentClass::FieldNames() const {
    std::vector<std::string> names;
    for (const TComponentClass* c = this; c; c = c->Parent())
        for (const auto& entry : c->fields_) names.push_back(entry.first);
    return names;
}
