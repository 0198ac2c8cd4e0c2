#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ComponentClass.h"
#include "LayoutError.h"
#include "LayoutTree.h"
#include "LayoutValues.h"

// Reads a layout's tree into `root`, whose registered class the root object must name (object
// Quarvel: TQuarvel): sets root's properties; makes every nested object, in file order, a
// component of its class owned by root and placed where it stands; points root's fields at them;
// binds event properties to root's handler methods. Only the class registry and the classes'
// tables give the words their meaning. Throws ELayoutError naming the line and the word of any
// unknown class, property, value, handler or component, of an object standing where its class
// may not, and of a field of root's class left without its component.
void ReadComponent(TComponent& root, const LayoutObject& tree);

// What a property's setter may ask of the reader while it reads a layout.
class TReader {
public:
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;

    // The handler method of the root an event property names (OnClick = N1Click), bound to it.
    TNotifyEvent Handler(const LayoutProperty& property) const;

    // A property that names another component of the layout (Menu = MainMenu1), which may be
    // described further down: `set` gets it once every component exists. `problem` is the error
    // when the root owns no component of that name and class.
    template <class T, class Set>
    void Reference(const LayoutProperty& property, const char* problem, Set set) {
        std::string name = IdentifierValue(property);
        fixups_.push_back([this, name, line = property.line, problem, set] {
            T* found = dynamic_cast<T*>(root_.FindComponent(name));
            if (!found) throw ELayoutError(line, name, problem);
            set(*found);
        });
    }

private:
    friend void ReadComponent(TComponent& root, const LayoutObject& tree);
    TReader(TComponent& root, const TComponentClass& rootClass) : root_(root), rootClass_(rootClass) {}

    void Read(const LayoutObject& tree);
    void ReadObject(const LayoutObject& object, TComponent& parent);
    void ReadProperties(const TComponentClass& cls, TComponent& component, const LayoutObject& object);
    void BindField(const LayoutObject& object, TComponent& component);

    TComponent& root_;
    const TComponentClass& rootClass_;
    std::vector<std::string> boundFields_;
    std::vector<std::function<void()>> fixups_;
};
