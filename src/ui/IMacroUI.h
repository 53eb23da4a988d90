#pragma once
// The macro event list as the macro page moves events between a macro and
// its rows.
#include <vector>

#include "macro/MacroEvent.h"

class IMacroUI {
public:
    virtual ~IMacroUI() = default;
    // Every row is replaced by the rows of `events`.
    virtual void SetEvents(const std::vector<MacroEvent>& events) = 0;
    // The events of the rows, each with the delay of the delay row above it.
    virtual std::vector<MacroEvent> GetEvents() const = 0;
};
