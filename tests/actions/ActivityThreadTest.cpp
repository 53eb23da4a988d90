// The activity ring: several writers and a reader at once never give a torn
// event, and the keys, their macros, Fn+F10 and a program run as
// administrator write what the user later reads. Run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <thread>

#include "support/DispatchRig.h"

using namespace code;

namespace {
std::vector<ActivityKind> Kinds(const CActivityRing& ring) {
    std::vector<ActivityKind> kinds;
    for (const ActivityEvent& e : ring.Latest().events) kinds.insert(kinds.begin(), e.kind);  // oldest first
    return kinds;
}
}  // namespace

TEST(ActivityThread, WritersOnSeveralThreadsNeverTearAnEventNorWaitForTheReader) {
    CActivityRing ring;
    constexpr int kWriters = 4, kEach = 20000;
    std::atomic<bool> done{false};
    std::thread reader([&] {
        while (!done) {
            const CActivityRing::Snapshot s = ring.Latest();
            int last[kWriters] = {kEach, kEach, kEach, kEach};
            for (const ActivityEvent& e : s.events) {
                const auto text = std::u16string(e.text.View());
                ASSERT_EQ(text, std::u16string(static_cast<std::size_t>(e.number % 50), u'x')) << "torn";
                ASSERT_LT(e.number, last[e.key]) << "newest first";
                last[e.key] = e.number;
            }
        }
    });
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&ring, w] {
            for (int i = 0; i < kEach; ++i)
                NoteActivity(&ring, {static_cast<uint16_t>(w), {}}, ActivityKind::Sent, 0, i,
                             std::u16string(static_cast<std::size_t>(i % 50), u'x'));
        });
    for (std::thread& t : writers) t.join();
    done = true;
    reader.join();
    EXPECT_EQ(ring.Written(), uint64_t{kWriters * kEach});
    // A writer that finds its slot still taken by one a whole ring behind
    // drops its event: rare, and at most one per stalled writer.
    EXPECT_GE(ring.Latest().events.size(), CActivityRing::kShown - kWriters);
}

TEST(ActivityThread, KeysNoteWhatTheyDidOnTheirWorkerThreads) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kA), 0x0D);
    CKeyAction& b = rig.Key(kB);
    b.kind = kKindMacro;
    b.macroName = u"Gone";
    CKeyAction& f1 = rig.Key(kF1);
    f1.kind = kKindMacro;
    f1.macroName = u"Farm";
    f1.playMode = kPlayToggle;
    rig.macros[u"Farm"] = Events({Key('Z', false), Key('Z', true, 20)});
    for (const uint8_t key : {kA, kB, kF1}) {
        rig.Report({key});
        rig.Report({});
    }
    rig.RunUntil(100);
    rig.Report({kF1});  // the press that ends the loop
    rig.Report({});
    rig.RunUntil(150);
    rig.Report({kFn});
    rig.Report({kFn, kF10});
    rig.RunUntil(250);
    using K = ActivityKind;
    EXPECT_EQ(Kinds(rig.activity), (std::vector<K>{K::Sent, K::MacroMissing, K::LoopStarted, K::LoopStopped, K::GamingMode}));
    const ActivityEvent missing = rig.activity.Latest().events[3];
    EXPECT_EQ(missing.key, kB);
    EXPECT_EQ(std::u16string(missing.text.View()), u"Gone");
    EXPECT_EQ(rig.activity.Latest().events[4].number, 0x0D) << "Enter was sent";
}

TEST(ActivityThread, InFrontOfAProgramRunAsAdministratorWhatSendsInputIsBlocked) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kA), 0x0D);
    rig.Key(kB).kind = kKindLaunch;
    rig.Key(kB).programPath = u"C:\\Tools\\app.exe";
    rig.activity.SetBlockedProgram(7);
    for (const uint8_t key : {kA, kB}) {
        rig.Report({key});
        rig.Report({});
    }
    rig.RunUntil(100);
    const auto events = rig.activity.Latest().events;
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].kind, ActivityKind::Blocked);
    EXPECT_EQ(events[1].number, 7);
    EXPECT_EQ(events[0].kind, ActivityKind::Launched) << "the shell still starts programs";
    EXPECT_EQ(rig.input.TimesOf("down 0x0D").size(), 1u) << "the input is still sent: Windows drops it";
}
