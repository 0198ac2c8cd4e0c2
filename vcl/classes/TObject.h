#pragma once

#include <functional>

// The root of everything that sends events: handlers receive the sender as a TObject*.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

// An event handler: a form's method bound to the form, called with the component that fired.
using TNotifyEvent = std::function<void(TObject* Sender)>;
