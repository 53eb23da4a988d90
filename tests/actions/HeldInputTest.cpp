#include "actions/HeldInput.h"

#include <gtest/gtest.h>

#include "platform/VirtualClock.h"
#include "support/ActionRig.h"

namespace {
struct Op {
    char kind;  // 'k' key, 'm' mouse record with these flags, 't' tap
    uint32_t value;
    bool up = false;
};

struct Rig {
    CVirtualClock clock;
    RecordingInput system{clock};
    CHeldInput held{system};

    void Run(const std::vector<Op>& ops) {
        for (const Op& op : ops) {
            InputRecord mouse;
            mouse.SetType(kInputMouse);
            mouse.SetMouseFlags(op.value);
            if (op.kind == 'k') held.Send(Key(static_cast<uint16_t>(op.value), op.up));
            if (op.kind == 'm') held.Send(mouse);
            if (op.kind == 't') held.Tap(static_cast<uint16_t>(op.value), op.up);
        }
    }
    std::vector<std::string> Sent() const {
        std::vector<std::string> whats;
        for (const HostEvent& e : system.Events()) whats.push_back(e.what);
        return whats;
    }
};
}  // namespace

// ReleaseAll sends the releases of what is still held, newest first, and a
// second call sends nothing.
TEST(HeldInput, ReleaseAllLetsGoOfWhatIsHeldNewestFirstAndOnce) {
    const struct {
        std::vector<Op> ops;
        std::vector<std::string> releases;
    } cases[] = {
        {{{'k', 'A'}, {'k', 'B'}, {'m', kMouseLeftDown}, {'t', 0xAF}}, {"tap-up 0xAF", "mouse 0x04", "up 0x42", "up 0x41"}},
        // A repeated down keeps its place; what was let go stays let go.
        {{{'k', 'A'}, {'k', 'B'}, {'k', 'A'}, {'k', 'B', true}, {'m', kMouseLeftDown | kMouseLeftUp}, {'t', 0xAD},
          {'t', 0xAD, true}},
         {"up 0x41"}},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.Run(c.ops);
        rig.system.Clear();
        EXPECT_TRUE(rig.held.ReleaseAll());
        EXPECT_EQ(rig.Sent(), c.releases);
        rig.system.Clear();
        EXPECT_TRUE(rig.held.ReleaseAll());
        EXPECT_TRUE(rig.Sent().empty()) << "nothing is released twice";
    }
}

// Only what the system took counts: a refused down holds nothing, a refused
// release (the locked desktop) goes again with the next ReleaseAll. Once
// sealed after a crash, only releases go out.
TEST(HeldInput, RefusedReleaseGoesAgainAndSealedLedgerPassesReleasesOnly) {
    Rig rig;
    rig.system.accepting = false;
    rig.Run({{'k', 'C'}});
    rig.system.accepting = true;
    rig.Run({{'k', 'A'}, {'k', 'B'}});
    rig.system.accepting = false;
    rig.Run({{'k', 'B', true}});
    EXPECT_FALSE(rig.held.ReleaseAll());
    rig.system.accepting = true;
    rig.held.ReleaseAndSeal();
    rig.Run({{'k', 'D'}, {'t', 0xAF}, {'k', 'D', true}});
    EXPECT_EQ(rig.Sent(), (std::vector<std::string>{"down 0x41", "down 0x42", "up 0x42", "up 0x41", "up 0x44"}));
}
