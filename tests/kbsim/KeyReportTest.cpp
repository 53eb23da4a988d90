// Key names and report building of kbsim.
#include <gtest/gtest.h>

#include "kbsim/KeyReport.h"

namespace {

ReportKey Key(std::string_view name) {
    const auto key = FindReportKey(name);
    EXPECT_TRUE(key.has_value()) << name;
    return key.value_or(ReportKey{0, false});
}

TEST(KeyReport, NamesFindDeviceCodesAndModifierBits) {
    EXPECT_EQ(Key("A").code, 0x04);
    EXPECT_FALSE(Key("a").modifier);
    EXPECT_EQ(Key("F10").code, 0x43);
    EXPECT_EQ(Key("pageup").code, 0x4B) << "case and spaces do not matter";
    EXPECT_EQ(Key("Page Up").code, 0x4B);
    EXPECT_EQ(Key("M1").code, 0xF4);
    EXPECT_EQ(Key("Fn").code, 0x73);
    EXPECT_EQ(Key("0x2c").code, 0x2C);

    const ReportKey shift = Key("R-Shift");
    EXPECT_TRUE(shift.modifier);
    EXPECT_EQ(shift.code, 0x20);
}

TEST(KeyReport, SharedNamesPreferTheMainBlockAndKPGivesTheKeypad) {
    EXPECT_EQ(Key("1").code, 0x1E);
    EXPECT_EQ(Key("KP1").code, 0x59);
    EXPECT_EQ(Key("Enter").code, 0x28);
    EXPECT_EQ(Key("KPEnter").code, 0x58);
    EXPECT_EQ(Key("kp/").code, 0x54);
    EXPECT_EQ(Key("KP*").code, 0x55) << "keypad-only names work with the prefix too";
}

TEST(KeyReport, UnknownNamesAndBadCodesAreRefused) {
    for (std::string_view bad : {"", "Bogus", "0x", "0x0", "0x100", "0xZZ", "KP", "KPQQ", "F13"})
        EXPECT_FALSE(FindReportKey(bad).has_value()) << bad;
}

TEST(KeyReport, PressAndReleaseKeepTheWholeState) {
    KeyReport r{};
    ASSERT_TRUE(PressKey(r, Key("L-Shift")));
    ASSERT_TRUE(PressKey(r, Key("A")));
    ASSERT_TRUE(PressKey(r, Key("Fn")));
    ASSERT_TRUE(PressKey(r, Key("A"))) << "pressing a held key is no change";
    EXPECT_EQ(r, (KeyReport{0, 0x02, 0x04, 0x73, 0, 0, 0, 0, 0, 0, 0, 0}));

    ReleaseKey(r, Key("A"));
    ReleaseKey(r, Key("B"));  // not held: nothing happens
    EXPECT_EQ(r, (KeyReport{0, 0x02, 0, 0x73, 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(PressKey(r, Key("C")));
    EXPECT_EQ(r[2], 0x06) << "a free slot is reused";
    ReleaseKey(r, Key("L-Shift"));
    EXPECT_EQ(r[1], 0);
}

TEST(KeyReport, AtMostTenOrdinaryKeysAreHeld) {
    KeyReport r{};
    for (uint8_t code = 0x04; code < 0x04 + 10; ++code) ASSERT_TRUE(PressKey(r, ReportKey{code, false}));
    const KeyReport full = r;
    EXPECT_FALSE(PressKey(r, Key("Z")));
    EXPECT_EQ(r, full);
    EXPECT_TRUE(PressKey(r, Key("L-Ctrl"))) << "modifiers do not use a slot";
}

TEST(KeyReport, HexReportsParseWithSeparators) {
    EXPECT_EQ(ParseKeyReport("000204000000000000000000"), (KeyReport{0, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ParseKeyReport("00 02 04 00 00 00 00 00 00 00 00 FF"), (KeyReport{0, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF}));
    EXPECT_EQ(ParseKeyReport("00:01:73:00-00-00 00 00 00 00 00 00"),
              (KeyReport{0, 1, 0x73, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    for (std::string_view bad : {"", "00", "0002040000000000000000", "00020400000000000000000000", "0 0020400000000000000000",
                                 "00020400000000000000000g", "000204000000000000000000 0"})
        EXPECT_FALSE(ParseKeyReport(bad).has_value()) << bad;
}

}  // namespace
