#pragma once
// One key's assignment: the key's identity, the action kind and the
// parameters of every kind side by side, so switching kinds and back keeps
// what was entered. Synthesized input is held as ready-to-send records.
//
// Threads: `released` and `pressCount` are shared between the user-interface
// thread and the worker threads of execution, hence atomic. Every other field
// changes on the user-interface thread only.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/CopyableAtomic.h"
#include "model/InputRecord.h"

class CArchive;
struct ExecutionContext;

enum KeyActionKind : uint32_t {
    kKindDefault = 0,
    kKindKeyboard = 1,
    kKindMouse = 2,
    kKindMacro = 3,
    kKindShortcut = 4,
    kKindLaunch = 5,
    kKindMedia = 6,
    kKindDisable = 7,
};

enum KeyType : uint32_t { kKeyTypeNormal = 0, kKeyTypeModifier = 1 };

enum MacroPlayMode : uint32_t {
    kPlayOnce = 0,
    kPlayMultiTimes = 1,
    kPlayToggle = 2,
    kPlayWhilePressed = 3,
};

enum LaunchType : uint32_t { kLaunchProgram = 0, kLaunchWeb = 1 };

class CKeyAction {
public:
    static constexpr std::size_t kShortcutCapacity = 32;

    CKeyAction();
    CKeyAction(std::u16string keyName, uint32_t deviceCode, uint32_t type);
    // Copies every field, the runtime fields included.
    CKeyAction(const CKeyAction& other) = default;
    CKeyAction& operator=(const CKeyAction& other) = default;
    virtual ~CKeyAction() = default;

    // Stores or loads the archived fields in file order. Loading leaves
    // `released` and `pressCount` alone.
    virtual void Serialize(CArchive& ar);

    // Carries out the assigned action on the calling (worker) thread and
    // returns when it is done; a looping macro keeps the thread until its
    // loop ends. Of overlapping activations of one key only the first acts.
    void Execute(const ExecutionContext& context);

    // What a key of a sending kind (keyboard, mouse, media, shortcut) sends,
    // in order, one record every 30 ms; empty for the other kinds.
    std::span<const InputRecord> SentRecords() const;

    std::u16string name;
    uint32_t reserved1 = 0;
    uint32_t kind = kKindDefault;
    uint32_t keyType = kKeyTypeNormal;
    uint32_t code = 0;
    uint32_t reserved2 = 0;
    CopyableAtomic<uint32_t> released{1};
    std::array<InputRecord, 2> keyboardInputs{};
    std::array<InputRecord, 2> mouseInputs{};
    uint32_t launchType = kLaunchProgram;
    std::u16string programPath;
    std::u16string webAddress;
    std::u16string macroName;
    uint32_t playMode = kPlayOnce;
    uint32_t playCount = 2;
    CopyableAtomic<uint32_t> pressCount{0};
    std::array<InputRecord, 2> mediaInputs{};
    uint32_t shortcutCount = 0;
    std::array<InputRecord, kShortcutCapacity> shortcutInputs{};
};
