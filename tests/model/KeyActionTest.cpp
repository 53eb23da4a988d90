#include <gtest/gtest.h>

#include "model/KeyAction.h"
#include "model/MediaFunction.h"
#include "model/MouseFunction.h"
#include "model/ShortcutTable.h"
#include "support/ArchiveBytes.h"
#include "support/FakeKeyNames.h"

namespace {
Bytes Store(CKeyAction& a) {
    return StoreToBytes([&](CArchive& ar) { a.Serialize(ar); });
}

void Append(Bytes& b, std::initializer_list<uint8_t> more) { b.insert(b.end(), more); }

void AppendU32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// 56 bytes with type 1 in both records.
Bytes TwoKeyboardRecords() {
    Bytes b(56, 0);
    b[0] = b[28] = 1;
    return b;
}
}  // namespace

TEST(KeyAction, EscRecordStoresByteForByte) {
    CKeyAction esc(u"Esc", 0x29, 0);
    Bytes want;
    Append(want, {0xFF, 0xFE, 0xFF, 0x03, 'E', 0, 's', 0, 'c', 0});
    for (uint32_t v : {0u, 0u, 0u, 0x29u, 0u, 0u}) AppendU32(want, v);
    for (int i = 0; i < 3; ++i) Append(want, {0xFF, 0xFE, 0xFF, 0x00});
    AppendU32(want, 0);
    AppendU32(want, 2);
    Bytes kb = TwoKeyboardRecords();
    want.insert(want.end(), kb.begin(), kb.end());
    want.insert(want.end(), 56, 0);
    want.insert(want.end(), kb.begin(), kb.end());
    AppendU32(want, 0);
    Bytes shortcuts(896, 0);
    for (std::size_t i = 0; i < shortcuts.size(); i += 28) shortcuts[i] = 1;
    want.insert(want.end(), shortcuts.begin(), shortcuts.end());

    EXPECT_EQ(Store(esc), want);
    EXPECT_EQ(want.size(), 1100u + 10 + 3 * 4);
}

TEST(KeyAction, RoundTripKeepsArchivedFieldsAndLoaderRuntimeState) {
    CKeyAction a(u"Page Up", 0x4B, 0);
    a.kind = kKindMacro;
    a.reserved1 = 7;
    a.reserved2 = 9;
    a.macroName = u"Combo \u00e9";
    a.playMode = kPlayToggle;
    a.playCount = 5;
    a.programPath = u"C:\\Games\\x.exe";
    a.webAddress = u"https://example.org";
    a.launchType = kLaunchWeb;
    WriteMouseFunction(a, MouseFunction::Button5);
    WriteMediaFunction(a, 3);
    a.shortcutInputs[31] = InputRecord::Keyboard(0x41, 0x1E, kKeyEventKeyUp);
    a.keyboardInputs[0] = InputRecord::Keyboard(0x0D, 0x1C, 0);
    const Bytes stored = Store(a);

    CKeyAction b;
    b.released = 0;
    b.pressCount = 3;
    LoadFromBytes(stored, [&](CArchive& ar) { b.Serialize(ar); });
    EXPECT_EQ(Store(b), stored);
    EXPECT_EQ(b.macroName, a.macroName);
    EXPECT_EQ(b.shortcutInputs[31], a.shortcutInputs[31]);
    EXPECT_EQ(b.released.load(), 0u);
    EXPECT_EQ(b.pressCount.load(), 3u);
}

TEST(KeyAction, KindDefaultStillKeepsEveryOtherKindsParameters) {
    ShortcutTable shortcuts{FakeKeyNames()};
    CKeyAction a(u"A", 0x04, 0);
    a.kind = kKindMouse;
    WriteMouseFunction(a, MouseFunction::RightClick);
    WriteMediaFunction(a, 0);
    shortcuts.Write(a, 4);
    a.programPath = u"notepad.exe";
    a.kind = kKindDefault;

    CKeyAction loaded;
    LoadFromBytes(Store(a), [&](CArchive& ar) { loaded.Serialize(ar); });
    loaded.kind = kKindMouse;
    EXPECT_EQ(ReadMouseFunction(loaded), MouseFunction::RightClick);
    EXPECT_EQ(ReadMediaFunction(loaded), 0u);
    EXPECT_EQ(shortcuts.Read(loaded), 4u);
    EXPECT_EQ(loaded.programPath, u"notepad.exe");
}

TEST(KeyAction, CopyTakesRuntimeFieldsAndSelfAssignmentIsHarmless) {
    CKeyAction a(u"M1", 0xF4, 0);
    a.released = 0;
    a.pressCount = 2;
    CKeyAction b(a);
    EXPECT_EQ(b.released.load(), 0u);
    EXPECT_EQ(b.pressCount.load(), 2u);
    EXPECT_EQ(b.name, u"M1");
    CKeyAction& alias = b;
    b = alias;
    EXPECT_EQ(Store(b), Store(a));
}

TEST(KeyAction, LoadingAKindAboveSevenKeepsIt) {
    CKeyAction a(u"X", 0x1B, 0);
    a.kind = 42;
    CKeyAction b;
    LoadFromBytes(Store(a), [&](CArchive& ar) { b.Serialize(ar); });
    EXPECT_EQ(b.kind, 42u);
}

TEST(KeyAction, TruncatedRecordFailsButShortLastBlockDoesNot) {
    CKeyAction a(u"Esc", 0x29, 0);
    Bytes full = Store(a);
    // Cut inside the strings: an archive error.
    Bytes cut(full.begin(), full.begin() + 20);
    CKeyAction b;
    EXPECT_THROW(LoadFromBytes(cut, [&](CArchive& ar) { b.Serialize(ar); }), CArchiveException);
    // Cut inside the final shortcut block: no error, the tail keeps b's old records.
    Bytes shortTail(full.begin(), full.end() - 28);
    CKeyAction c;
    c.shortcutInputs[31] = InputRecord::Keyboard(0x41, 0, 0);
    LoadFromBytes(shortTail, [&](CArchive& ar) { c.Serialize(ar); });
    EXPECT_EQ(c.shortcutInputs[31].Vk(), 0x41);
    EXPECT_EQ(c.name, u"Esc");
}
