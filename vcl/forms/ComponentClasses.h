#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "LayoutTree.h"

class TComponent;
class TForm;

// What the builder carries while it reads one form: the form, and the references to components
// that may be described further down (Menu = MainMenu1), settled once every component exists.
struct LayoutContext {
    TForm& form;
    std::vector<std::function<void()>> pending;
};

// Sets one property of a component from its layout value; throws ELayoutError on a bad value.
using PropertySetter = std::function<void(TComponent&, const LayoutProperty&, LayoutContext&)>;

// Where a class's objects may stand in a layout.
enum class Placement { Control, Menu, MenuItem };

// A class the layout can name: how to make one, where it may stand, and its properties.
struct ComponentClass {
    std::string name;
    Placement placement = Placement::Control;
    std::function<std::unique_ptr<TComponent>(TComponent& owner)> create;
    std::map<std::string, PropertySetter, std::less<>> properties;
};

// The class of that name ("TLabel"), or null.
const ComponentClass* FindComponentClass(std::string_view name);
// The properties a form's own object block may set.
const ComponentClass& FormClass();
