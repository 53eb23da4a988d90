#pragma once
// Which profile the foreground program asks for. Taking a linked program to
// the foreground makes its profile current; leaving the linked programs
// brings back the profile that was current before the first automatic
// switch. The program's own windows change nothing, and nothing switches
// while a question, dialog or recording is open (`blocked`). A change the
// user makes (list, Fn + digit, command line) ends the automatic episode:
// that choice stays until the foreground changes again.
//
// User-interface thread only.
#include <functional>
#include <optional>
#include <string>

class CAutoSwitch {
public:
    // The existing profile linked to a program (file name), or nullopt.
    using LinkedProfile = std::function<std::optional<std::u16string>(const std::u16string& program)>;

    // The profile to make current now, or nullopt for no change.
    std::optional<std::u16string> OnForeground(const std::u16string& program, bool ownWindow, bool blocked,
                                               const std::u16string& current, const LinkedProfile& linked);
    void OnUserChange() { before_.reset(); }
    // The profile to come back to follows a rename, and is forgotten when
    // it is deleted.
    void RenameProfile(const std::u16string& from, const std::u16string& to);
    void RemoveProfile(const std::u16string& name);

private:
    std::optional<std::u16string> before_;
};
