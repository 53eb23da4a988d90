#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "actions/Dispatcher.h"
#include "actions/IDispatcherHost.h"
#include "actions/SoftwareActions.h"
#include "model/DocProfileSet.h"
#include "platform/SteadyClock.h"
#include "support/ActionRig.h"
#include "support/DispatchRig.h"

namespace {
using namespace code;

// The user-interface thread's exclusivity: whoever holds `ui` acts as that
// thread. The listener holds it while a report is dispatched (its
// SendMessageW), a brightness repeat while its step is handled.
class StressHost final : public IDispatcherHost {
public:
    explicit StressHost(CDocProfileSet& profiles) : profiles_(profiles) {}
    void SelectProfile(const std::u16string& name) override { profiles_.currentName = name; }
    bool IsRecording() const override { return false; }
    void NewMacro() override {}
    void ToggleRecording() override {}
    void ApplyGaming(const CDocProfile&) override {}
    void ApplyBacklight(const CDocProfile&) override {}
    void StepBrightness(int step) override {
        std::lock_guard lock(ui);
        OnBrightnessStep(profiles_, step, *this);
    }
    std::mutex ui;

private:
    CDocProfileSet& profiles_;
};

void Assign(CDocProfile& profile) {
    for (CKeyAction& key : profile.keys) {
        if (key.code == kA) {
            key.kind = kKindKeyboard;
            key.keyboardInputs = {Key('A', false), Key('A', true)};
        } else if (key.code == kB || key.code == kC) {
            key.kind = kKindMacro;
            key.macroName = u"Loop";
            key.playMode = key.code == kB ? kPlayWhilePressed : kPlayToggle;
        }
    }
}

std::array<uint8_t, 12> RandomReport(std::mt19937& random) {
    static const uint8_t codes[] = {kA, kB, kC, kF3, kF12, kFn, 0};
    std::array<uint8_t, 12> report{};
    for (int slot = 2; slot < 6; ++slot) report[static_cast<std::size_t>(slot)] = codes[random() % std::size(codes)];
    return report;
}
}  // namespace

TEST(DispatcherStress, PressesStreamWhileProfilesAreDeletedAndTheApplicationShutsDown) {
    CSteadyClock clock;
    RecordingInput input(clock);
    const ActionServices services{input, clock, input};
    CDocProfileSet profiles;
    StressHost host(profiles);
    const MacroSnapshot loop = Events({Key('L', false, 1), Key('L', true, 1)});
    auto dispatcher = std::make_unique<CDispatcher>(profiles, host, services, [&](const std::u16string&) { return loop; });
    // Waiting for activations lets the repeats' brightness steps through,
    // as the window's message handling does.
    dispatcher->Runner().SetWaitStep([&] {
        host.ui.unlock();
        clock.SleepMs(1);
        host.ui.lock();
    });
    {
        std::lock_guard lock(host.ui);
        profiles.AddDefaultProfile(u"P0");
        profiles.currentName = u"P0";
        Assign(*profiles.Current());
    }

    std::atomic<bool> streaming{true};
    // The listener hands each report to the press lane first, outside the
    // window's exclusivity; the lane outlives the dispatcher.
    std::thread listener([&, lane = dispatcher->Lane()] {
        std::mt19937 random(7);
        while (streaming) {
            const auto report = RandomReport(random);
            lane->OnReport(report);
            {
                std::lock_guard lock(host.ui);
                if (!streaming) return;  // the window is gone
                dispatcher->OnDeviceReport(report.data(), report.size());
            }
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
    });

    for (int round = 1; round <= 12; ++round) {
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
        std::lock_guard lock(host.ui);
        const std::u16string old = profiles.currentName;
        const std::u16string next = u"P" + std::u16string(1, static_cast<char16_t>(u'0' + round % 10)) + u"x" +
                                    std::u16string(1, static_cast<char16_t>(u'a' + round));
        profiles.AddDefaultProfile(next);
        Assign(*profiles.Find(next));
        profiles.currentName = next;
        dispatcher->EndActivations(profiles.Find(old)->keys);
        profiles.RemoveProfile(old);
        if (round % 4 == 0) {
            EXPECT_TRUE(dispatcher->ReleaseAll());  // the session is locked: Stop all macros
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(15));
    {
        // Shutdown: the window stops taking reports, then the dispatcher goes.
        std::lock_guard lock(host.ui);
        streaming = false;
        EXPECT_TRUE(dispatcher->ReleaseAll());
        EXPECT_TRUE(input.KeysDown().empty()) << "nothing stays held after ReleaseAll";
        dispatcher.reset();
    }
    listener.join();
    EXPECT_TRUE(input.KeysDown().empty());
    EXPECT_FALSE(input.Events().empty());
}
