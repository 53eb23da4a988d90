#pragma once
// What a profile change asks of the windows around it, and why it runs.
// The coordinator (CProfileChange) calls these in its fixed order; the
// main window implements them, tests fake them.
//
// User-interface thread only.
#include <cstdint>
#include <span>
#include <string>

class CDocProfile;
class CKeyAction;

// Why a profile became current; later shown to the user.
enum class ProfileReason : uint8_t { Window, FnDigit, Automatic, CommandLine, KeyboardArrival, StartUp };

// The user changed the profile in the window or with Fn + digit: a name
// typed but not confirmed is confirmed first and a modified profile is
// asked about. Every other change must never put a box over a game: it
// drops such a name and keeps the profile's changes, as Yes would.
constexpr bool IsUsersChoice(ProfileReason reason) {
    return reason == ProfileReason::Window || reason == ProfileReason::FnDigit;
}

class IProfilePages {
public:
    virtual ~IProfilePages() = default;
    // Yes to the save question: what the pages hold goes into `left`, the
    // profile being left, never into the one becoming current.
    virtual void StoreInto(CDocProfile& left) = 0;
    // `current` became current: the pages and the profile controls show it.
    // Nothing is sent to the keyboard here. A value a damaged file holds
    // out of range may be written back as shown.
    virtual void ShowProfile(CDocProfile& current, ProfileReason reason) = 0;
};

class IProfileKeyboard {
public:
    virtual ~IProfileKeyboard() = default;
    // Ends the actions that read these keys and waits for them: before a
    // profile's keys are overwritten or deleted.
    virtual void EndActivations(std::span<CKeyAction> keys) = 0;
    // `current` goes to the keyboard, through the route every tool shares.
    virtual void Apply(const CDocProfile& current, ProfileReason reason) = 0;
};

// What follows a profile's name (program links, the automatic switch).
class IProfileNames {
public:
    virtual ~IProfileNames() = default;
    virtual void Renamed(const std::u16string& from, const std::u16string& to) = 0;
    virtual void Removed(const std::u16string& name) = 0;
};
