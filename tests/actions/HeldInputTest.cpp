#include "actions/HeldInput.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/VirtualClock.h"
#include "support/ActionRig.h"

namespace {
InputRecord Mouse(uint32_t flags, uint32_t data = 0) {
    InputRecord r;
    r.SetType(kInputMouse);
    r.SetMouseFlags(flags);
    r.SetMouseData(data);
    return r;
}

std::vector<std::string> Whats(const RecordingInput& input) {
    std::vector<std::string> whats;
    for (const HostEvent& e : input.Events()) whats.push_back(e.what);
    return whats;
}

struct Rig {
    CVirtualClock clock;
    RecordingInput system{clock};
    CHeldInput held{system};
};
}  // namespace

// What ReleaseAll sends after a run of sends: the releases of what is still
// held, newest first; a second call sends nothing.
TEST(HeldInput, ReleaseAllLetsGoOfWhatIsHeldNewestFirstAndOnce) {
    const struct {
        const char* name;
        std::function<void(CHeldInput&)> sends;
        std::vector<std::string> releases;
    } cases[] = {
        {"keys, buttons and taps",
         [](CHeldInput& h) {
             h.Send(Key('A', false));
             h.Send(Key('B', false));
             h.Send(Mouse(kMouseLeftDown));
             h.Tap(0xAF, false);
         },
         {"tap-up 0xAF", "mouse 0x04", "up 0x42", "up 0x41"}},
        {"what was let go stays let go",
         [](CHeldInput& h) {
             h.Send(Key('A', false));
             h.Send(Mouse(kMouseRightDown));
             h.Send(Key('A', true));
             h.Send(Mouse(kMouseRightUp));
             h.Tap(0xAD, false);
             h.Tap(0xAD, true);
             h.Send(Key('B', false));
         },
         {"up 0x42"}},
        {"a repeated down is held once, in its first place",
         [](CHeldInput& h) {
             h.Send(Key('A', false));
             h.Send(Key('B', false));
             h.Send(Key('A', false));
         },
         {"up 0x42", "up 0x41"}},
        {"a click in one record holds nothing; X buttons are told apart",
         [](CHeldInput& h) {
             h.Send(Mouse(kMouseLeftDown | kMouseLeftUp));
             h.Send(Mouse(kMouseXDown, 1));
             h.Send(Mouse(kMouseXDown, 2));
             h.Send(Mouse(kMouseXUp, 1));
         },
         {"mouse 0x100"}},
    };
    for (const auto& c : cases) {
        Rig rig;
        c.sends(rig.held);
        rig.system.Clear();
        EXPECT_TRUE(rig.held.ReleaseAll()) << c.name;
        EXPECT_EQ(Whats(rig.system), c.releases) << c.name;
        EXPECT_TRUE(rig.system.KeysDown().empty()) << c.name;
        rig.system.Clear();
        EXPECT_TRUE(rig.held.ReleaseAll());
        EXPECT_TRUE(rig.system.Events().empty()) << c.name << ": nothing is released twice";
    }
}

// Only what the system took counts: a refused down holds nothing, a refused
// release (the locked desktop) stays held until a later ReleaseAll gets it out.
TEST(HeldInput, RefusedReleaseIsSentAgainByTheNextReleaseAll) {
    Rig rig;
    rig.system.accepting = false;
    EXPECT_FALSE(rig.held.Send(Key('C', false)));
    rig.system.accepting = true;
    rig.held.Send(Key('A', false));
    rig.held.Send(Key('B', false));
    rig.system.accepting = false;
    EXPECT_FALSE(rig.held.Send(Key('B', true)));
    EXPECT_FALSE(rig.held.ReleaseAll());
    EXPECT_EQ(rig.held.Held(), 2u);
    rig.system.accepting = true;
    EXPECT_TRUE(rig.held.ReleaseAll());
    EXPECT_EQ(Whats(rig.system), (std::vector<std::string>{"down 0x41", "down 0x42", "up 0x42", "up 0x41"}));
}

// After the crash release nothing more goes down; releases still go out.
TEST(HeldInput, SealedLedgerPassesReleasesOnly) {
    Rig rig;
    rig.held.Send(Key('A', false));
    rig.held.ReleaseAndSeal();
    EXPECT_FALSE(rig.held.Send(Key('B', false)));
    rig.held.Tap(0xAF, false);
    EXPECT_TRUE(rig.held.Send(Key('B', true)));
    EXPECT_EQ(Whats(rig.system), (std::vector<std::string>{"down 0x41", "up 0x41", "up 0x42"}));
}
