#pragma once
// What one of our drawn controls tells a screen reader about itself. The
// system's proxy for the window supplies the rest (place, parent, focus and
// availability); these facts replace what the proxy would guess from a
// window text the control never shows and a class that says "button".
#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>

struct AccessibleFacts {
    std::wstring name{};
    LONG role = ROLE_SYSTEM_PUSHBUTTON;
    bool checked = false;  // ticked box, chosen radio, switch on
    std::wstring value{};  // empty: the control has no value
};

// A window object that describes itself. Asked afresh on every call, on the
// user-interface thread, so what it tells is always current.
class IAccessibleSource {
public:
    // None: the system's own proxy describes the control.
    virtual std::optional<AccessibleFacts> Accessible() const = 0;

protected:
    ~IAccessibleSource() = default;
};
