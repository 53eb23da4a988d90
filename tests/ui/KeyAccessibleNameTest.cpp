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

TEST(KeyAccessibleName, KeyNameKindAndDetailPerKind) {
    const FakeKeyNames names;
    const ShortcutTable shortcuts(names);
    const struct {
        const char* what;
        std::function<void(CKeyAction&)> assign;
        std::u16string expected;
    } cases[] = {
        {"default", [](CKeyAction&) {}, u"A, Default"},
        {"disabled", [](CKeyAction& a) { a.kind = kKindDisable; }, u"A, Disable"},
        {"another key",
         [](CKeyAction& a) {
             a.kind = kKindKeyboard;
             a.keyboardInputs[0].SetScan(0x2D);
         },
         u"A, Keyboard: X"},
        {"an extended key",
         [](CKeyAction& a) {
             a.kind = kKindKeyboard;
             a.keyboardInputs[0].SetScan(0x1D);
             a.keyboardInputs[0].SetKeyFlags(kKeyEventExtendedKey);
         },
         u"A, Keyboard: Ext-\x11"},
        {"a key without a name", [](CKeyAction& a) { a.kind = kKindKeyboard; }, u"A, Keyboard"},
        {"macro",
         [](CKeyAction& a) {
             a.kind = kKindMacro;
             a.macroName = u"Raid";
         },
         u"A, Macro: Raid"},
        {"mouse",
         [](CKeyAction& a) {
             a.kind = kKindMouse;
             WriteMouseFunction(a, MouseFunction::ScrollUp);
         },
         u"A, Mouse: " + std::u16string(kMouseFunctions[5].english)},
        {"media",
         [](CKeyAction& a) {
             a.kind = kKindMedia;
             WriteMediaFunction(a, 2);
         },
         u"A, Media: " + std::u16string(kMediaFunctions[2].english)},
        {"shortcut",
         [&](CKeyAction& a) {
             a.kind = kKindShortcut;
             shortcuts.Write(a, 4);
         },
         u"A, Windows Shortcuts: " + std::u16string(kShortcutFunctions[4].english)},
        {"unknown shortcut", [](CKeyAction& a) { a.kind = kKindShortcut; }, u"A, Windows Shortcuts"},
        {"program",
         [](CKeyAction& a) {
             a.kind = kKindLaunch;
             a.programPath = u"C:\\Games\\run.exe";
             a.webAddress = u"https://x.example";
         },
         u"A, Launch App: C:\\Games\\run.exe"},
        {"web page",
         [](CKeyAction& a) {
             a.kind = kKindLaunch;
             a.launchType = kLaunchWeb;
             a.webAddress = u"https://x.example";
         },
         u"A, Launch App: https://x.example"},
        {"a kind outside the list", [](CKeyAction& a) { a.kind = 9; }, u"A"},
    };
    for (const auto& c : cases) {
        CKeyAction action(u"A", 4, kKeyTypeNormal);
        c.assign(action);
        EXPECT_EQ(KeyAccessibleName(action, names, shortcuts), c.expected) << c.what;
    }
}

TEST(KeyAccessibleName, FollowsTheLanguage) {
    const FakeKeyNames names;
    const ShortcutTable shortcuts(names);
    CKeyAction action(u"F5", 0x3E, kKeyTypeNormal);
    action.kind = kKindMacro;
    action.macroName = u"Raid";
    CMultiLanguage::texts = {{u"KEY_ACTION_MACRO", u"宏"}};
    EXPECT_EQ(KeyAccessibleName(action, names, shortcuts), u"F5, 宏: Raid");
    CMultiLanguage::texts.clear();
}
