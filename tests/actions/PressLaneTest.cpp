#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/DispatchRig.h"

namespace {
using namespace code;

std::array<uint8_t, CDispatcher::kReportSize> ReportOf(const std::vector<uint8_t>& codes) {
    std::array<uint8_t, CDispatcher::kReportSize> report{};
    std::copy(codes.begin(), codes.end(), report.begin() + 2);
    return report;
}

struct LaneCase {
    const char* rule;
    std::function<void(DispatchRig&)> before;  // after the lane was opened, before the press
    std::vector<uint8_t> press;
    std::vector<std::string> early;  // sent on the listener thread, before the window saw the report
    std::vector<HostEvent> all;
};
}  // namespace

// What goes out when the listener's lane sees the report first and the
// window then dispatches it, as the program does.
TEST(PressLane, ThePressesFirstRecordGoesEarlyOnceAndWhatNoPressClaimsIsLetGo) {
    const std::vector<LaneCase> cases = {
        {"a key that sends records: its first goes early, the worker goes on from the second",
         [](DispatchRig&) {}, {kA}, {"down 0x41"}, {{0, "down 0x41"}, {30, "up 0x41"}}},
        {"under Fn the window alone decides", [](DispatchRig&) {}, {kFn, kA}, {},
         {{0, "down 0x41"}, {30, "up 0x41"}}},
        {"an assignment changed behind the lane: the early record is let go, the new one acts",
         [](DispatchRig& rig) { DispatchRig::AssignKeyboard(rig.Key(kA), 'B'); }, {kA}, {"down 0x41"},
         {{0, "down 0x41"}, {0, "up 0x41"}, {0, "down 0x42"}, {30, "up 0x42"}}},
        {"after ReleaseAll nothing goes early until the window has seen a report",
         [](DispatchRig& rig) { (void)rig.dispatcher.ReleaseAll(); }, {kA}, {},
         {{0, "down 0x41"}, {30, "up 0x41"}}},
        {"while a macro is recorded nothing goes early and nothing acts",
         [](DispatchRig& rig) {
             rig.host.recording = true;
             rig.Report({});
         },
         {kA}, {}, {}},
        {"a first record the system refused is sent again by the worker",
         [](DispatchRig& rig) { rig.input.accepting = false; }, {kA}, {}, {{0, "down 0x41"}, {30, "up 0x41"}}},
    };
    for (const LaneCase& c : cases) {
        SCOPED_TRACE(c.rule);
        DispatchRig rig;
        DispatchRig::AssignKeyboard(rig.Key(kA), 'A');
        rig.Report({});  // the window opens the lane once it has seen a report
        c.before(rig);
        const auto report = ReportOf(c.press);
        rig.dispatcher.Lane()->OnReport(report);
        std::vector<std::string> early;
        for (const HostEvent& e : rig.input.Events()) early.push_back(e.what);
        EXPECT_EQ(early, c.early);
        rig.input.accepting = true;
        rig.dispatcher.OnDeviceReport(report.data(), report.size());
        rig.RunUntil(200);
        EXPECT_EQ(rig.input.Events(), c.all);
        EXPECT_TRUE(rig.input.KeysDown().empty());
    }
}
