#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

#include "LayoutTree.h"
#include "TComponent.h"

class TReader;

// What a layout may say of the objects of one component class, beyond what its ancestor allows:
// whether the reader may make one (a form is read into, never made), the properties it sets, and
// for a form class the handler methods its event properties name and the fields that observe its
// components. Each class fills its own table, in its own file, and registers it as the program
// starts (RegisterClass).
class TComponentClass {
public:
    using Factory = std::function<std::unique_ptr<TComponent>(TComponent& owner)>;
    // Sets one property from its layout value; throws ELayoutError on a value it cannot take.
    using Setter = std::function<void(TComponent& component, const LayoutProperty& property, TReader& reader)>;
    // A handler method, bound to the object it is to be called on.
    using Method = std::function<TNotifyEvent(TComponent& self)>;
    // Points a field of `self` at a component; false, changing nothing, when the component is not
    // of the field's class.
    using Field = std::function<bool(TComponent& self, TComponent& component)>;

    TComponentClass(std::string name, std::type_index type, std::type_index parent)
        : name_(std::move(name)), type_(type), parent_(parent) {}

    const std::string& Name() const { return name_; }
    std::type_index Type() const { return type_; }
    // The class this one derives from; null when that one is not registered (TComponent).
    const TComponentClass* Parent() const;

    bool Creatable() const { return static_cast<bool>(create_); }
    std::unique_ptr<TComponent> Create(TComponent& owner) const { return create_(owner); }

    // Looked up in this class, then in its ancestors; null when none has it. Field names compare
    // as component names do, without case.
    const Setter* FindProperty(std::string_view name) const;
    const Method* FindMethod(std::string_view name) const;
    const Field* FindField(std::string_view name) const;
    // The fields of this class and of its ancestors.
    std::vector<std::string> FieldNames() const;

    void SetFactory(Factory create) { create_ = std::move(create); }
    void AddProperty(std::string name, Setter set) { properties_[std::move(name)] = std::move(set); }
    void AddMethod(std::string name, Method method) { methods_[std::move(name)] = std::move(method); }
    void AddField(std::string name, Field field) { fields_.emplace_back(std::move(name), std::move(field)); }

private:
    std::string name_;
    std::type_index type_, parent_;
    Factory create_;
    std::map<std::string, Setter, std::less<>> properties_;
    std::map<std::string, Method, std::less<>> methods_;
    std::vector<std::pair<std::string, Field>> fields_;
};

// Fills the table of class C, derived from Base, in C's terms:
//     ClassOf<TLabel, TControl>("TLabel").Creatable().Property("Caption", &TLabel::SetCaption, StringValue)
template <class C, class Base>
class ClassOf {
    static_assert(std::is_base_of_v<TComponent, Base> && std::is_base_of_v<Base, C>);

public:
    explicit ClassOf(std::string name) : class_(std::move(name), typeid(C), typeid(Base)) {}

    // The reader may make objects of the class, owned by the component it reads into.
    ClassOf& Creatable() {
        class_.SetFactory([](TComponent& owner) -> std::unique_ptr<TComponent> { return std::make_unique<C>(&owner); });
        return *this;
    }

    // A property whose value is read one way and handed to one setter.
    template <class Owner, class Argument, class Value>
    ClassOf& Property(std::string name, void (Owner::*set)(Argument), Value (*read)(const LayoutProperty&)) {
        static_assert(std::is_base_of_v<Owner, C>);
        return Property(std::move(name), [set, read](C& c, const LayoutProperty& p, TReader&) { (c.*set)(read(p)); });
    }

    // A property that needs more: apply(C&, const LayoutProperty&, TReader&).
    template <class Apply>
    ClassOf& Property(std::string name, Apply apply) {
        class_.AddProperty(std::move(name), [apply](TComponent& c, const LayoutProperty& p, TReader& reader) {
            apply(static_cast<C&>(c), p, reader);  // a class's setters are given only objects of that class
        });
        return *this;
    }

    // A handler an event property may name (OnClick = N1Click).
    template <class Owner>
    ClassOf& Method(std::string name, void (Owner::*method)(TObject*)) {
        static_assert(std::is_base_of_v<Owner, C>);
        class_.AddMethod(std::move(name), [method](TComponent& self) -> TNotifyEvent {
            C* object = &static_cast<C&>(self);
            return [object, method](TObject* sender) { (object->*method)(sender); };
        });
        return *this;
    }

    // A field the reader points at the component of its name, which must be of the field's class.
    template <class Owner, class T>
    ClassOf& Field(std::string name, T* Owner::*field) {
        static_assert(std::is_base_of_v<Owner, C>);
        class_.AddField(std::move(name), [field](TComponent& self, TComponent& component) {
            T* typed = dynamic_cast<T*>(&component);
            if (typed) static_cast<C&>(self).*field = typed;
            return typed != nullptr;
        });
        return *this;
    }

    TComponentClass& Class() { return class_; }

private:
    TComponentClass class_;
};

// Registers a class for the layouts to name. Two classes of one name, or one class registered
// twice, are a fault of the program: std::logic_error, which at start-up ends it at once.
const TComponentClass& RegisterClass(TComponentClass cls);
template <class C, class Base>
const TComponentClass& RegisterClass(ClassOf<C, Base> cls) {
    return RegisterClass(std::move(cls.Class()));
}

// The registered class of that name ("TLabel"), or of that type; null when there is none.
const TComponentClass* FindClass(std::string_view name);
const TComponentClass* FindClass(std::type_index type);
