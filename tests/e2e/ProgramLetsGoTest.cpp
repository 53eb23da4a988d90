// The real program letting go of what its macros hold when the user goes
// away (lock, suspend, the keyboard pulled out, Exit), and giving the
// keyboard its profile back when both come back (resume, plug in). Read at a
// low-level hook: a macro holding L-Shift for 3 s and a toggled loop of Z
// taps run when the event comes.
#include <gtest/gtest.h>

#include <windows.h>
#include <wtsapi32.h>

#include <functional>

#include "e2e/support/KbSimRun.h"
#include "e2e/support/ProgramFixture.h"
#include "macro/DocMacroSet.h"
#include "win/support/KeyboardHookRecorder.h"

namespace {

constexpr DWORD kShift = VK_LSHIFT;
constexpr DWORD kZ = 'Z';
constexpr uint8_t kA = 0x04, kB = 0x05;  // device codes of the keys that start them

struct AwayCase {
    const char* name;
    // The event; false when it could not be given.
    std::function<bool(HWND window, ProgramRun& run)> leave;
    // What brings the keyboard back, if anything.
    std::function<bool(HWND window)> comeBack;
};

bool Post(HWND window, UINT msg, WPARAM wp) { return PostMessageW(window, msg, wp, 0) != 0; }

const AwayCase kCases[] = {
    {"Lock", [](HWND w, ProgramRun&) { return Post(w, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK); }, nullptr},
    {"Suspend", [](HWND w, ProgramRun&) { return Post(w, WM_POWERBROADCAST, PBT_APMSUSPEND); },
     [](HWND w) {
         // The keyboard lost its settings with the power while asleep.
         return KbSimClient().Unplug(false) == ERROR_SUCCESS && Post(w, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
     }},
    {"Unplug", [](HWND, ProgramRun&) { return Kbsim("unplug").exitCode == 0; },
     [](HWND) { return Kbsim("plug").exitCode == 0; }},
    // The link breaks before the removal arrives; the arrival opens it again.
    {"UnplugBreakingTheLink", [](HWND, ProgramRun&) { return Kbsim("unplug fail").exitCode == 0; },
     [](HWND) { return Kbsim("plug").exitCode == 0; }},
    {"Exit", [](HWND, ProgramRun& run) { return run.Exit(kProgramTimeoutMs); }, nullptr},
};

// L-Shift held 3 s on A; Z tapped every 20 ms on B, until B again.
CDocProfileSet MacroProfiles(CDocMacroSet& macros) {
    CDocMacro shift, loop;
    shift.name = u"Shift";
    shift.events = {MacroEvent::Key(kShift, 0x2A, 0, 0), MacroEvent::Key(kShift, 0x2A, kKeyEventKeyUp, 3000)};
    loop.name = u"Z";
    loop.events = {MacroEvent::Key(kZ, 0x2C, 0, 0), MacroEvent::Key(kZ, 0x2C, kKeyEventKeyUp, 20)};
    macros.Insert(shift);
    macros.Insert(loop);
    CDocProfileSet profiles = DefaultProfiles();
    for (auto [vk, macro, mode] : {std::tuple{0x41, u"Shift", kPlayOnce}, std::tuple{0x42, u"Z", kPlayToggle}}) {
        CKeyAction& key = profiles.Current()->keys[static_cast<std::size_t>(vk)];
        key.kind = kKindMacro;
        key.macroName = macro;
        key.playMode = mode;
    }
    return profiles;
}

// The hook's keys once `done` holds for them, or at the timeout.
std::vector<HookedKey> WaitForKeys(KeyboardHookRecorder& hook, const std::function<bool(const std::vector<HookedKey>&)>& done,
                                   DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    std::vector<HookedKey> keys = hook.WaitFor(0, std::chrono::milliseconds(0));
    while (!done(keys) && GetTickCount() - start < timeoutMs) {
        Sleep(20);
        keys = hook.WaitFor(0, std::chrono::milliseconds(0));
    }
    return keys;
}

bool Up(const HookedKey& key) { return (key.flags & LLKHF_UP) != 0; }

// Whether the last event of `vk` is its release (or it never came).
bool Released(const std::vector<HookedKey>& keys, DWORD vk) {
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        if (it->vk == vk) return Up(*it);
    return true;
}

std::size_t Downs(const std::vector<HookedKey>& keys, DWORD vk, std::size_t from = 0) {
    std::size_t n = 0;
    for (std::size_t i = from; i < keys.size(); ++i) n += keys[i].vk == vk && !Up(keys[i]);
    return n;
}

class ProgramLetsGo : public ProgramFixture, public ::testing::WithParamInterface<AwayCase> {
protected:
    void TearDown() override {
        if (!exited_) {
            EXPECT_TRUE(run_.Exit(kProgramTimeoutMs)) << "the program did not end on Exit";
        }
        watch_.Hold({});
    }
    bool exited_ = false;
};

TEST_P(ProgramLetsGo, ReleasesHeldKeysStopsLoopsAndGetsTheProfileBack) {
    const AwayCase& c = GetParam();
    CDocMacroSet macros;
    CDocProfileSet profiles = MacroProfiles(macros);
    run_.WriteMacros(macros);
    ASSERT_TRUE(ProfileApplied(StartWith(std::move(profiles), ProfileApplied)));
    HWND main = WaitForMainWindow(std::chrono::milliseconds(kProgramTimeoutMs));
    ASSERT_NE(main, nullptr);

    KeyboardHookRecorder hook;
    for (uint8_t key : {kA, kB}) {
        watch_.Hold({key});
        watch_.Hold({});
    }
    const auto playing = WaitForKeys(hook, [](const auto& k) { return !Released(k, kShift) && Downs(k, kZ) >= 3; }, 5000);
    ASSERT_FALSE(Released(playing, kShift)) << "L-Shift is held by the macro";
    ASSERT_GE(Downs(playing, kZ), 3u) << "the Z loop runs";

    ASSERT_TRUE(c.leave(main, run_));
    exited_ = std::string(c.name) == "Exit";
    // Well before the macro's own release 3 s after its press.
    const auto released = WaitForKeys(hook, [](const auto& k) { return Released(k, kShift); }, 1000);
    EXPECT_TRUE(Released(released, kShift)) << "L-Shift is let go at once";
    Sleep(1000);
    const auto later = hook.WaitFor(0, std::chrono::milliseconds(0));
    EXPECT_EQ(Downs(later, kZ, released.size()), 0u) << "no Z within a second";
    EXPECT_TRUE(Released(later, kZ));
    EXPECT_TRUE(Released(later, kShift));

    if (!c.comeBack) return;
    watch_.Mark();
    ASSERT_TRUE(c.comeBack(main));
    const KeyboardLog log = watch_.WaitUntil([](const KeyboardLog& l) { return FindCommand(l, 7, 1) != kNotFound; }, 10000);
    EXPECT_NE(FindCommand(log, 7, 1), kNotFound) << "the profile goes to the keyboard again";
    EXPECT_EQ(UploadsBetween(log, 0, log.size()), 1u) << "in one upload";
    KbSimState s = watch_.State();
    for (const DWORD start = GetTickCount(); !s.gaming && GetTickCount() - start < 5000; s = watch_.State()) Sleep(20);
    EXPECT_TRUE(s.table[kA] && s.table[kB]) << "the keyboard intercepts the macro keys again";
    EXPECT_TRUE(s.gaming && s.backlight);
    EXPECT_EQ(s.brightness, 56);
}

INSTANTIATE_TEST_SUITE_P(AwayEvents, ProgramLetsGo, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<AwayCase>& info) { return std::string(info.param.name); });

}  // namespace
