// The real program letting go of what its macros hold when the profile
// changes or the user goes away, and giving the keyboard its profile back when both come back. Read
// at a low-level hook: a macro holding L-Shift for 3 s (on A) and a toggled
// loop of Z taps (on B) run when the event comes.
#include <gtest/gtest.h>

#include <windows.h>
#include <wtsapi32.h>

#include <functional>

#include "e2e/support/KbSimRun.h"
#include "e2e/support/ProgramFixture.h"
#include "macro/DocMacroSet.h"
#include "win/support/KeyboardHookRecorder.h"

namespace {

struct AwayCase {
    const char* name;
    std::function<bool(HWND window, ProgramRun& run)> leave;
    std::function<bool(HWND window)> comeBack;  // null: nothing to come back to
};

void PrintTo(const AwayCase& c, std::ostream* os) { *os << c.name; }

bool Post(HWND window, UINT msg, WPARAM wp) { return PostMessageW(window, msg, wp, 0) != 0; }
bool Plug(HWND) { return Kbsim("plug").exitCode == 0; }

const AwayCase kCases[] = {
    // Fn + 2: a profile where neither key is assigned, so nothing there could stop the loop.
    {"FnDigit", [](HWND, ProgramRun&) {
         return Kbsim("press Fn").exitCode == 0 && Kbsim("press 2").exitCode == 0 && Kbsim("release 2 Fn").exitCode == 0;
     }, nullptr},
    {"Lock", [](HWND w, ProgramRun&) { return Post(w, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK); }, nullptr},
    // The keyboard loses its settings with the power while asleep.
    {"Suspend", [](HWND w, ProgramRun&) { return Post(w, WM_POWERBROADCAST, PBT_APMSUSPEND); },
     [](HWND w) { return !KbSimClient().Unplug(false) && Post(w, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC); }},
    // Resume, and the keyboard comes back by itself as well: one apply.
    {"SuspendWithReplug", [](HWND w, ProgramRun&) { return Post(w, WM_POWERBROADCAST, PBT_APMSUSPEND); },
     [](HWND w) { return Kbsim("unplug").exitCode == 0 && Post(w, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC) && Plug(w); }},
    {"Unplug", [](HWND, ProgramRun&) { return Kbsim("unplug").exitCode == 0; }, Plug},
    {"UnplugBreakingTheLink", [](HWND, ProgramRun&) { return Kbsim("unplug fail").exitCode == 0; }, Plug},
    {"Exit", [](HWND, ProgramRun& run) { return run.Exit(kProgramTimeoutMs); }, nullptr},
    // "Stop all macros" in the tray menu and in the system menu.
    {"TrayStop", [](HWND w, ProgramRun&) { return Post(w, WM_COMMAND, 0x4250); }, nullptr},
    {"SystemMenuStop", [](HWND w, ProgramRun&) { return Post(w, WM_SYSCOMMAND, 0x4250); }, nullptr},
};

// Whether the last event of `vk` at the hook is its release (or none came),
// and how many downs of it came from `from` on.
bool Released(const std::vector<HookedKey>& keys, DWORD vk) {
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        if (it->vk == vk) return it->flags & LLKHF_UP;
    return true;
}
std::size_t Downs(const std::vector<HookedKey>& keys, DWORD vk, std::size_t from = 0) {
    return std::count_if(keys.begin() + static_cast<std::ptrdiff_t>(from), keys.end(),
                         [vk](const HookedKey& k) { return k.vk == vk && !(k.flags & LLKHF_UP); });
}

// The hook's keys once `done` holds for them, or at the timeout.
std::vector<HookedKey> KeysWhen(KeyboardHookRecorder& hook, const std::function<bool(const std::vector<HookedKey>&)>& done,
                                DWORD timeoutMs) {
    std::vector<HookedKey> keys = hook.WaitFor(0, std::chrono::milliseconds(0));
    for (const DWORD start = GetTickCount(); !done(keys) && GetTickCount() - start < timeoutMs; Sleep(20))
        keys = hook.WaitFor(0, std::chrono::milliseconds(0));
    return keys;
}

class ProgramLetsGo : public ProgramFixture, public ::testing::WithParamInterface<AwayCase> {
protected:
    void TearDown() override {
        if (std::string(GetParam().name) != "Exit") {
            EXPECT_TRUE(run_.Exit(kProgramTimeoutMs)) << "the program did not end on Exit";
        }
        watch_.Hold({});
    }
};

TEST_P(ProgramLetsGo, ReleasesHeldKeysStopsLoopsAndGetsTheProfileBack) {
    CDocMacroSet macros;
    CDocMacro shift, loop;
    shift.name = u"Shift";
    shift.events = {MacroEvent::Key(VK_LSHIFT, 0x2A, 0, 0), MacroEvent::Key(VK_LSHIFT, 0x2A, kKeyEventKeyUp, 3000)};
    loop.name = u"Z";
    loop.events = {MacroEvent::Key('Z', 0x2C, 0, 0), MacroEvent::Key('Z', 0x2C, kKeyEventKeyUp, 20)};
    macros.Insert(shift);
    macros.Insert(loop);
    run_.WriteMacros(macros);
    CDocProfileSet profiles = DefaultProfiles();
    for (auto [vk, macro, mode] : {std::tuple{0x41, u"Shift", kPlayOnce}, std::tuple{0x42, u"Z", kPlayToggle}}) {
        CKeyAction& key = profiles.Current()->keys[static_cast<std::size_t>(vk)];
        key.kind = kKindMacro;
        key.macroName = macro;
        key.playMode = mode;
    }
    profiles.AddDefaultProfile(u"Quiet");
    profiles.Find(u"Quiet")->accelerator = 2;
    ASSERT_TRUE(ProfileApplied(StartWith(std::move(profiles), ProfileApplied)));
    HWND main = WaitForMainWindow(std::chrono::milliseconds(kProgramTimeoutMs));
    KeyboardHookRecorder hook;
    for (uint8_t key : {kUsageA, kUsageB}) {
        watch_.Hold({key});
        watch_.Hold({});
    }
    const auto playing = KeysWhen(hook, [](const auto& k) { return !Released(k, VK_LSHIFT) && Downs(k, 'Z') >= 3; }, 5000);
    ASSERT_TRUE(!Released(playing, VK_LSHIFT) && Downs(playing, 'Z') >= 3) << "both macros run";

    ASSERT_TRUE(GetParam().leave(main, run_));
    // Well before the macro's own release 3 s after its press.
    const auto released = KeysWhen(hook, [](const auto& k) { return Released(k, VK_LSHIFT); }, 1000);
    EXPECT_TRUE(Released(released, VK_LSHIFT)) << "L-Shift is let go at once";
    Sleep(1000);
    const auto later = hook.WaitFor(0, std::chrono::milliseconds(0));
    EXPECT_EQ(Downs(later, 'Z', released.size()), 0u) << "no Z within a second";
    EXPECT_TRUE(Released(later, 'Z') && Released(later, VK_LSHIFT));

    if (!GetParam().comeBack) return;
    watch_.Mark();
    ASSERT_TRUE(GetParam().comeBack(main));
    ASSERT_NE(FindCommand(watch_.WaitUntil([](const KeyboardLog& l) { return FindCommand(l, 7, 1) != kNotFound; }, 10000), 7, 1),
              kNotFound) << "the profile goes to the keyboard again";
    KbSimState s = watch_.State();
    for (const DWORD start = GetTickCount(); !s.gaming && GetTickCount() - start < 5000; s = watch_.State()) Sleep(20);
    EXPECT_TRUE(s.table[kUsageA] && s.table[kUsageB] && s.gaming && s.backlight && s.brightness == 56) << "kbsim state holds it";
    const KeyboardLog log = watch_.WaitUntil([](const KeyboardLog&) { return false; }, 2000);
    EXPECT_EQ(UploadsBetween(log, 0, log.size()), 1u) << "in one upload, and only once";
}

INSTANTIATE_TEST_SUITE_P(AwayEvents, ProgramLetsGo, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<AwayCase>& info) { return std::string(info.param.name); });
}  // namespace
