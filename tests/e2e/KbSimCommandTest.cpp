// kbsim.exe as a newcomer uses it: a separate process beside whatever holds
// the device, printing JSON and exiting with 0, or 2 for a usage error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "e2e/support/KbSimRun.h"
#include "e2e/support/OverlappedDevice.h"
#include "kbdriver/KbModel.h"
#include "kbsim/win32/KbSimClient.h"
#include "support/KbRequestBytes.h"

namespace {

nlohmann::json State() {
    const KbSimOutput o = Kbsim("state");
    EXPECT_EQ(o.exitCode, 0u);
    return nlohmann::json::parse(o.out, nullptr, false);
}

class KbSimCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(program_.OpenError(), DWORD(ERROR_SUCCESS)) << "driver not running in this prefix";
        ASSERT_EQ(DrainReports(program_), DWORD(ERROR_SUCCESS));
        ASSERT_EQ(Kbsim("release L-Shift A Fn").exitCode, 0u);
        ASSERT_EQ(DrainReports(program_), DWORD(ERROR_SUCCESS));
    }

    OverlappedDevice program_;
};

TEST_F(KbSimCommand, PressAndReleaseSendWholeReports) {
    ASSERT_EQ(Kbsim("press L-Shift A").exitCode, 0u);
    ASSERT_EQ(Kbsim("press fn").exitCode, 0u);
    ASSERT_EQ(Kbsim("release a").exitCode, 0u);
    EXPECT_EQ(State()["held"], "00 02 00 73 00 00 00 00 00 00 00 00");

    ByteVector events;
    ASSERT_EQ(program_.Call(IOCTL_KB_GET_EVENTS, {}, 772, &events), DWORD(ERROR_SUCCESS));
    ASSERT_EQ(events.size(), 4u + 3 * 24) << "one report per command, each the keyboard's whole state";
    EXPECT_EQ(ByteVector(events.begin() + 4 + 8, events.begin() + 4 + 12), (ByteVector{0, 0x02, 0x04, 0}));
    EXPECT_EQ(ByteVector(events.begin() + 28 + 8, events.begin() + 28 + 12), (ByteVector{0, 0x02, 0x04, 0x73}));
    EXPECT_EQ(ByteVector(events.begin() + 52 + 8, events.begin() + 52 + 12), (ByteVector{0, 0x02, 0, 0x73}));
}

TEST_F(KbSimCommand, BadInputIsAUsageErrorAndSendsNothing) {
    EXPECT_EQ(Kbsim("press Bogus").exitCode, 2u);
    EXPECT_EQ(Kbsim("report 00 02").exitCode, 2u);
    EXPECT_EQ(Kbsim("fault sometimes").exitCode, 2u);
    EXPECT_EQ(Kbsim("fault busy 0").exitCode, 2u);
    EXPECT_EQ(Kbsim("jump").exitCode, 2u);
    EXPECT_EQ(State()["queuedReports"], 0);
}

TEST_F(KbSimCommand, StateAndLogShowWhatTheProgramSent) {
    ASSERT_EQ(Kbsim("clear-log").exitCode, 0u);
    ASSERT_EQ(Kbsim("fault busy 2").exitCode, 0u);
    const nlohmann::json faulty = State();
    EXPECT_EQ(faulty["fault"], "busy");
    EXPECT_EQ(faulty["faultCount"], 2);
    ASSERT_EQ(Kbsim("fault off").exitCode, 0u);

    ByteVector reply;
    ASSERT_EQ(program_.Call(IOCTL_KB_SET_REPORT, kbbytes::Envelope(true, 10, 2), 48), DWORD(ERROR_SUCCESS));
    ASSERT_EQ(program_.Call(IOCTL_KB_GET_REPORT, kbbytes::Envelope(false, 10, 2), 48, &reply), DWORD(ERROR_SUCCESS));
    ASSERT_EQ(program_.Call(IOCTL_KB_SET_KEYTABLE, kbbytes::Upload(1, {0x04}, 0xFE), 0), DWORD(ERROR_SUCCESS));
    const nlohmann::json state = State();
    EXPECT_EQ(state["effect"], 2);
    EXPECT_EQ(state["gamingFlags"], 1);
    EXPECT_EQ(state["intercept"], nlohmann::json::array({4}));

    const KbSimOutput log = Kbsim("log");
    ASSERT_EQ(log.exitCode, 0u);
    const auto newline = log.out.find('\n');
    ASSERT_NE(newline, std::string::npos);
    const auto command = nlohmann::json::parse(log.out.substr(0, newline));
    const auto upload = nlohmann::json::parse(log.out.substr(newline + 1));
    EXPECT_EQ(command["event"], "command");
    EXPECT_EQ(command["command"], 10);
    EXPECT_EQ(command["value"], 2);
    EXPECT_EQ(upload["event"], "upload");
    EXPECT_EQ(upload["modifierMask"], 0xFE);
}

}  // namespace
