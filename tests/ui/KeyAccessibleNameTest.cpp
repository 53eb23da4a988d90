// What a screen reader hears for a key of the picture, per kind.
#include <gtest/gtest.h>

#include <functional>

#include "lang/MultiLanguage.h"
#include "model/KeyAction.h"
#include "model/MediaFunction.h"
#include "model/MouseFunction.h"
#include "model/ShortcutTable.h"
#include "support/FakeKeyNames.h"
#include "ui/KeyAccessibleName.h"

namespace {
const FakeKeyNames kNames;
const ShortcutTable kShortcuts(kNames);

std::u16string NameOfA(uint32_t kind, const std::function<void(CKeyAction&)>& assign) {
    CKeyAction action(u"A", 4, kKeyTypeNormal);
    action.kind = kind;
    assign(action);
    return KeyAccessibleName(action, kNames, kShortcuts);
}
}  // namespace

TEST(KeyAccessibleName, KeyNameKindAndDetailPerKind) {
    const auto none = [](CKeyAction&) {};
    EXPECT_EQ(NameOfA(kKindDefault, none), u"A, Default");
    EXPECT_EQ(NameOfA(kKindDisable, none), u"A, Disable");
    EXPECT_EQ(NameOfA(kKindKeyboard, [](CKeyAction& a) { a.keyboardInputs[0].SetScan(0x2D); }), u"A, Keyboard: X");
    EXPECT_EQ(NameOfA(kKindKeyboard, [](CKeyAction& a) {
                  a.keyboardInputs[0].SetScan(0x1D);
                  a.keyboardInputs[0].SetKeyFlags(kKeyEventExtendedKey);
              }),
              u"A, Keyboard: Ext-\x11");
    EXPECT_EQ(NameOfA(kKindKeyboard, none), u"A, Keyboard") << "a key without a name: no colon";
    EXPECT_EQ(NameOfA(kKindMacro, [](CKeyAction& a) { a.macroName = u"Raid"; }), u"A, Macro: Raid");
    EXPECT_EQ(NameOfA(kKindMouse, [](CKeyAction& a) { WriteMouseFunction(a, MouseFunction::ScrollUp); }),
              u"A, Mouse: " + std::u16string(kMouseFunctions[5].english));
    EXPECT_EQ(NameOfA(kKindMedia, [](CKeyAction& a) { WriteMediaFunction(a, 2); }),
              u"A, Media: " + std::u16string(kMediaFunctions[2].english));
    EXPECT_EQ(NameOfA(kKindShortcut, [](CKeyAction& a) { kShortcuts.Write(a, 4); }),
              u"A, Windows Shortcuts: " + std::u16string(kShortcutFunctions[4].english));
    EXPECT_EQ(NameOfA(kKindShortcut, none), u"A, Windows Shortcuts") << "records that match no shortcut";
    const auto both = [](CKeyAction& a) {
        a.programPath = u"C:\\Games\\run.exe";
        a.webAddress = u"https://x.example";
    };
    EXPECT_EQ(NameOfA(kKindLaunch, both), u"A, Launch App: C:\\Games\\run.exe");
    EXPECT_EQ(NameOfA(kKindLaunch, [&](CKeyAction& a) { both(a), a.launchType = kLaunchWeb; }),
              u"A, Launch App: https://x.example");
    EXPECT_EQ(NameOfA(9, none), u"A") << "a kind outside the list";
}

TEST(KeyAccessibleName, FollowsTheLanguage) {
    CMultiLanguage::texts = {{u"KEY_ACTION_MACRO", u"宏"}};
    EXPECT_EQ(NameOfA(kKindMacro, [](CKeyAction& a) { a.macroName = u"Raid"; }), u"A, 宏: Raid");
    CMultiLanguage::texts.clear();
}
