#include "macro/MacroAppendTarget.h"

#include "macro/DocMacroSet.h"

void CMacroAppendTarget::OnRecordedEvent(const MacroEvent& event) {
    if (CDocMacro* macro = macros_.Find(name_)) macro->events.push_back(event);
}
