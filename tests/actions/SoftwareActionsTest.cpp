#include "actions/SoftwareActions.h"

#include <gtest/gtest.h>

#include "actions/MediaControl.h"
#include "support/ActionRig.h"

TEST(RepeatSchedule, PausesHalveDownToTenMs) {
    RepeatSchedule schedule;
    std::vector<uint32_t> pauses;
    for (int i = 0; i < 9; ++i) {
        pauses.push_back(schedule.Interval());
        schedule.Advance();
    }
    EXPECT_EQ(pauses, (std::vector<uint32_t>{600, 300, 150, 75, 37, 18, 10, 10, 10}));
}

TEST(SoftwareActions, HeldVolumeKeyPressesFasterAndFaster) {
    ActionRig rig;
    CKeyAction f3;
    f3.released = 0;
    rig.runner.Start(f3, [&](const std::atomic<bool>& stop) { RepeatVolume(f3, true, rig.services, stop); });
    rig.RunUntil(1500);
    rig.Release(f3);
    rig.RunUntil(2000);
    const std::vector<uint64_t> presses = rig.input.TimesOf("tap-down 0xAF");
    ASSERT_GE(presses.size(), 8u);
    EXPECT_EQ(std::vector<uint64_t>(presses.begin(), presses.begin() + 4), (std::vector<uint64_t>{10, 630, 950, 1120}));
    // The fastest rate, one step every 30 ms, comes after six steps.
    EXPECT_EQ(presses[presses.size() - 1] - presses[presses.size() - 2], 30u);
    EXPECT_TRUE(rig.input.KeysDown().empty());
    EXPECT_EQ(rig.runner.Running(), 0u);
}

TEST(SoftwareActions, VolumeRepeatOfAReleasedKeyDoesNothing) {
    ActionRig rig;
    CKeyAction f2;
    rig.runner.Start(f2, [&](const std::atomic<bool>& stop) { RepeatVolume(f2, false, rig.services, stop); });
    rig.RunUntil(100);
    EXPECT_TRUE(rig.input.Events().empty());
}

TEST(SoftwareActions, MediaTapTakesAboutAHundredMs) {
    ActionRig rig;
    MediaControl::get_const_instance().PlayPause(rig.services);
    MediaControl::get_const_instance().Mute(rig.services);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{50, "tap-down 0xB3"},
                                                           {100, "tap-up 0xB3"},
                                                           {150, "tap-down 0xAD"},
                                                           {200, "tap-up 0xAD"}}));
}

TEST(SoftwareActions, LaunchOfAnEmptyTargetDoesNothing) {
    ActionRig rig;
    EXPECT_FALSE(LaunchTarget(u"", rig.input));
    rig.input.launchSucceeds = false;
    EXPECT_FALSE(LaunchTarget(u"C:\\missing.exe", rig.input));
    rig.input.launchSucceeds = true;
    EXPECT_TRUE(LaunchTarget(u"http://example.org/", rig.input));
    EXPECT_EQ(rig.input.Events().size(), 2u);
}
