#pragma once
// Records into a macro of the set: every event is appended to the macro of
// the given name. The macro is looked up again for every event, so erasing
// or renaming it while recording loses the later events but never touches
// a macro that is gone. User-interface thread only.
#include <string>
#include <utility>

#include "macro/IMacroRecordTarget.h"

class CDocMacroSet;

class CMacroAppendTarget final : public IMacroRecordTarget {
public:
    // `macros` must outlive this object.
    CMacroAppendTarget(CDocMacroSet& macros, std::u16string name) : macros_(macros), name_(std::move(name)) {}

    void OnRecordedEvent(const MacroEvent& event) override;

private:
    CDocMacroSet& macros_;
    std::u16string name_;
};
