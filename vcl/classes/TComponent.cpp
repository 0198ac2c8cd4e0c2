#include "TComponent.h"

#include <algorithm>
#include <cctype>
#include <typeinfo>

#include "ComponentClass.h"

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

TComponent::~TComponent() { DestroyComponents(); }

std::string_view TComponent::ClassName() const {
    const TComponentClass* cls = FindClass(typeid(*this));
    return cls ? std::string_view(cls->Name()) : std::string_view();
}

void TComponent::AdoptComponent(std::unique_ptr<TComponent> component) {
    component->owner_ = this;
    components_.push_back(std::move(component));
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (const auto& c : components_)
        if (SameName(c->Name(), name)) return c.get();
    return nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) components_.pop_back();
}
