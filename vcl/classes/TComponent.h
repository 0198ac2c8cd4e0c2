#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "TObject.h"

// A named thing that belongs to an owner. The owner holds its components for its whole life,
// in creation order, and destroys them (the last created first) when it goes.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner) : owner_(owner) {}
    ~TComponent() override;

    // The name its class is registered under for the layout ("TLabel"); empty for a class that
    // is not registered.
    std::string_view ClassName() const;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TComponent* Owner() const { return owner_; }

    // Takes ownership of a component; returns it for the caller to observe.
    template <class T>
    T* InsertComponent(std::unique_ptr<T> component) {
        T* raw = component.get();
        AdoptComponent(std::unique_ptr<TComponent>(std::move(component)));
        return raw;
    }

    // The owned component with this name (the toolkit's names are case-insensitive), or null.
    TComponent* FindComponent(std::string_view name) const;
    std::size_t ComponentCount() const { return components_.size(); }
    TComponent* Components(std::size_t index) const { return components_.at(index).get(); }

    // The reader calls this for an object it made from a layout, with the component whose block
    // the object stands in. False when the object may not stand there. A component with no
    // place of its own stands only directly in its owner's block.
    virtual bool SetParentComponent(TComponent& parent) { return &parent == owner_; }

protected:
    // Destroys the owned components, the last created first.
    void DestroyComponents();

private:
    void AdoptComponent(std::unique_ptr<TComponent> component);

    std::string name_;
    TComponent* owner_;
    std::vector<std::unique_ptr<TComponent>> components_;
};

// Whether two component names are the same name (letters compare without case).
bool SameName(std::string_view a, std::string_view b);
