#pragma once
// The user-prompt seam on Windows: the framework's message boxes, owned by
// the active window of the calling (user-interface) thread.
#include "platform/IUserPrompt.h"

class Win32UserPrompt final : public IUserPrompt {
public:
    void Warn(std::u16string_view text) override;
    bool AskYesNo(std::u16string_view text) override;
};
