#pragma once
// The two ways the core talks to the user: a warning the user acknowledges,
// and a yes/no question. Documents report file errors through it; the
// import operations ask their replace question through it.
//
// The Windows side shows a modal message box owned by the main window
// (exclamation icon with OK; question icon with Yes and No) and returns when
// the user has answered. Called on the user-interface thread only. Texts are
// complete, already formatted and in the user's language.
#include <string_view>

class IUserPrompt {
public:
    virtual ~IUserPrompt() = default;
    virtual void Warn(std::u16string_view text) = 0;
    // True when the user answered Yes.
    virtual bool AskYesNo(std::u16string_view text) = 0;
};
