#pragma once

#include <functional>
#include <string_view>

// The root of everything that sends events: handlers receive the sender as a TObject*.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class name as the layout writes it ("TLabel"); the builder checks it when binding fields.
    virtual std::string_view ClassName() const { return "TObject"; }
};

// An event handler: a form's method bound to the form, called with the component that fired.
using TNotifyEvent = std::function<void(TObject* Sender)>;
