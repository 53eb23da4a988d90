// kbsim's JSON forms of the keyboard's state and log, and its fault names.
#include <gtest/gtest.h>

#include "kbsim/KbSimText.h"

namespace {

TEST(KbSimText, StateShowsNullForSettingsNeverTold) {
    KbSimState s{};
    s.told = KBSIM_TOLD_PRESENT | KBSIM_TOLD_BRIGHTNESS;
    s.present = 1;
    s.brightness = 56;
    s.held[1] = 0x02;
    s.held[2] = 0x04;
    const auto j = StateJson(s);
    EXPECT_EQ(j.dump(),
              R"({"event":"state","present":true,"backlight":null,"effect":null,"brightness":56,"gaming":null,)"
              R"("recording":null,"gamingFlags":null,"intercept":null,"modifierMask":null,)"
              R"("held":"00 02 04 00 00 00 00 00 00 00 00 00","queuedReports":0,"fault":"off"})");
}

TEST(KbSimText, StateListsTheTableAndTheFault) {
    KbSimState s{};
    s.told = KBSIM_TOLD_TABLE | KBSIM_TOLD_GAMING | KBSIM_TOLD_BACKLIGHT | KBSIM_TOLD_EFFECT | KBSIM_TOLD_RECORDING;
    s.gaming = 1;
    s.effect = 2;
    s.gamingFlags = 3;
    s.table[0x04] = 1;
    s.table[0xF8] = 1;
    s.table[255] = 0xFB;
    s.faultMode = KBSIM_FAULT_BUSY;
    s.faultCount = KBSIM_FAULT_ALWAYS;
    const auto j = StateJson(s);
    EXPECT_EQ(j["gaming"], true);
    EXPECT_EQ(j["backlight"], false);
    EXPECT_EQ(j["recording"], false);
    EXPECT_EQ(j["effect"], 2);
    EXPECT_EQ(j["gamingFlags"], 3);
    EXPECT_EQ(j["intercept"].dump(), "[4,248]") << "entry 255 is the mask, not a key";
    EXPECT_EQ(j["modifierMask"], 0xFB);
    EXPECT_EQ(j["fault"], "busy");
    EXPECT_EQ(j["faultCount"], "always");
}

TEST(KbSimText, LogEntriesUseTheApplyFieldNames) {
    KbSimLogEntry command{};
    command.timeMs = 120;
    command.kind = KBSIM_LOG_COMMAND;
    command.command = 11;
    command.value = 56;
    EXPECT_EQ(LogEntryJson(command).dump(), R"({"t":120,"event":"command","command":11,"value":56})");

    KbSimLogEntry upload{};
    upload.timeMs = 7;
    upload.kind = KBSIM_LOG_UPLOAD;
    upload.gamingFlags = 1;
    upload.modifierMask = 0xFF;
    upload.intercept[0] = 0x10;   // 4
    upload.intercept[31] = 0x40;  // 254
    EXPECT_EQ(LogEntryJson(upload).dump(),
              R"({"t":7,"event":"upload","gamingFlags":1,"intercept":[4,254],"modifierMask":255})");
}

TEST(KbSimText, FaultNamesAndCountsParse) {
    EXPECT_EQ(ParseFaultMode("wrong-echo"), uint32_t(KBSIM_FAULT_WRONG_ECHO));
    EXPECT_EQ(ParseFaultMode("off"), uint32_t(KBSIM_FAULT_NONE));
    EXPECT_FALSE(ParseFaultMode("Busy").has_value());
    for (uint32_t mode = KBSIM_FAULT_NONE; mode <= KBSIM_FAULT_FAIL; ++mode)
        EXPECT_EQ(ParseFaultMode(FaultModeName(mode)), mode);
    EXPECT_EQ(ParseFaultCount("3"), 3u);
    EXPECT_EQ(ParseFaultCount("always"), KBSIM_FAULT_ALWAYS);
    for (std::string_view bad : {"", "0", "-1", "2x", "4294967295", "99999999999"})
        EXPECT_FALSE(ParseFaultCount(bad).has_value()) << bad;
}

}  // namespace
