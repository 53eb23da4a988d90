// The language files we ship: every language holds a text for each text
// identifier the user interface asks for.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "lang/LanguageLoader.h"
#include "platform/Windows1252CodePage.h"

namespace {
const std::filesystem::path kMainFile =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "lan" / "Orvik.ini";

const char16_t* const kIdentifiers[] = {
    u"IDC_BTN_ENGLISH", u"IDC_BTN_CHINESE", u"IDC_BTN_KOREAN", u"IDC_BTN_SETTINGS", u"IDC_BTN_MACRO",
    u"IDC_BTN_BLACKLIGHT", u"IDC_BTN_GAMING_MODE", u"IDC_STATIC_PROFILE", u"IDC_STATIC_PROFILE_NAME",
    u"IDC_STATIC_ACCELERATOR", u"ID_TRAY_TIP", u"ID_EXIT_APP", u"IDC_STATIC_KEYASSIGN", u"IDC_BTN_SAVE",
    u"IDC_BTN_CANCEL", u"KEY_ACTION_DEFAULT", u"KEY_ACTION_KEYBOARD", u"KEY_ACTION_MOUSE", u"KEY_ACTION_MACRO",
    u"KEY_ACTION_WINDOWS_SHORTCUTS", u"KEY_ACTION_LAUNCH_APP", u"KEY_ACTION_MEDIA", u"KEY_ACTION_DISABLE",
    u"IDC_STATIC_REBINDKEY", u"IDC_STATIC_MOUSEFUN", u"ID_MOUSE_LEFT_BUTTON", u"ID_MOUSE_RIGHT_BUTTON",
    u"ID_MOUSE_MIDDLE_BUTTON", u"ID_MOUSE_BUTTON4", u"ID_MOUSE_BUTTON5", u"ID_MOUSE_SCROLL_UP",
    u"ID_MOUSE_SCROLL_DOWN", u"IDC_STATIC_ASSIGNED_MACRO", u"IDC_STATIC_MACRO_PLAY_OPTION",
    u"IDC_EDIT_MACRO_PLAY_TIMES", u"MACRO_PLAY_ONCE", u"MACRO_PLAY_MULTI_TIMES", u"MACRO_PLAY_TOGGLE",
    u"MACRO_PLAY_PRESSED", u"IDC_STATIC_MULTIMEDIA", u"ID_MEDIA_VOL_DOWN", u"ID_MEDIA_VOL_UP", u"ID_MEDIA_MUTE",
    u"ID_MEDIA_PLAY_PAUSE", u"ID_MEDIA_STOP", u"ID_MEDIA_PREV_TRACK", u"ID_MEDIA_NEXT_TRACK",
    u"IDC_STATIC_SHORTCUTS", u"ID_SHORTCUT_SHOW_DESKTOP", u"ID_SHORTCUT_CLOSE_APP", u"ID_SHORTCUT_MAXIMIZE",
    u"ID_SHORTCUT_MINIMIZE", u"ID_SHORTCUT_COPY", u"ID_SHORTCUT_CUT", u"ID_SHORTCUT_PASTE", u"ID_SHORTCUT_UNDO",
    u"IDC_STATIC_LAUNCH1", u"IDC_STATIC_LAUNCH2", u"IDC_STATIC_MACRO", u"IDC_STATIC_MACRO_NAME",
    u"IDC_BTN_RECORD_MACRO", u"IDC_BTN_START_RECORD", u"IDC_BTN_STOP_RECORD", u"IDC_CHK_MACRO_RECORD_TIME",
    u"IDC_STATIC_BLACKLIGHT", u"IDC_STATIC_BRIGHTNESS", u"IDC_STATIC_EFFECT", u"IDC_RADIO_EFFECT_STATIC",
    u"IDC_RADIO_EFFECT_BLINK", u"IDC_RADIO_EFFECT_BREATH", u"IDC_STATIC_GAMINGMODE", u"IDC_STATIC_DISABLEKEY",
    u"IDC_CHK_DISABLE", u"ID_PROFILE_NAME_EMPTY", u"ID_PROFILE_NAME_TAKEN", u"ID_DAMAGED_FILE_KEPT",
    u"ID_DAMAGED_FILE_NOT_KEPT", u"ID_BALLOON_PROFILE", u"IDC_STATIC_PROGRAM", u"ID_STOP_ALL_MACROS",
    // The Activity window and programs that run as administrator.
    u"ID_ACTIVITY", u"ID_RESTART_ADMIN", u"ID_BALLOON_ADMIN", u"ID_ACTIVITY_COPY", u"ID_ACTIVITY_TIME",
    u"ID_ACTIVITY_KEY", u"ID_ACTIVITY_PROFILE", u"ID_ACTIVITY_WHAT", u"ID_ACT_SENT", u"ID_ACT_DISABLED",
    u"ID_ACT_PLAYED_ONCE", u"ID_ACT_PLAYED_TIMES", u"ID_ACT_MACRO_STOPPED", u"ID_ACT_MACRO_MISSING",
    u"ID_ACT_MACRO_EMPTY", u"ID_ACT_LOOP_STARTED", u"ID_ACT_LOOP_STOPPED", u"ID_ACT_LAUNCHED",
    u"ID_ACT_LAUNCH_FAILED", u"ID_ACT_GAMING_ON", u"ID_ACT_GAMING_OFF", u"ID_ACT_PROFILE", u"ID_ACT_BLOCKED",
    u"ID_ACT_KEYBOARD", u"ID_REASON_WINDOW", u"ID_REASON_FN", u"ID_REASON_LINKED", u"ID_REASON_COMMAND_LINE",
    u"ID_REASON_ARRIVAL", u"ID_REASON_START_UP", u"ID_KB_CONNECTED", u"ID_KB_NO_DRIVER", u"ID_KB_NO_HANDSHAKE",
    u"ID_KB_UNPLUGGED", u"ID_KB_UNKNOWN", u"ID_HEAD_KEYBOARD", u"ID_HEAD_PROFILE", u"ID_HEAD_NO_PROFILE",
    u"ID_HEAD_NO_FOREGROUND", u"ID_HEAD_ELEVATED", u"ID_HEAD_LINKED", u"ID_HEAD_FOREGROUND",
    // Tooltips and accessible names of the buttons that show no text.
    u"ID_TIP_NEW_PROFILE", u"ID_TIP_DELETE_PROFILE", u"ID_TIP_COPY_PROFILE", u"ID_TIP_EXPORT_PROFILE",
    u"ID_TIP_IMPORT_PROFILE", u"ID_TIP_NEW_MACRO", u"ID_TIP_DELETE_MACRO", u"ID_TIP_COPY_MACRO",
    u"ID_TIP_EXPORT_MACRO", u"ID_TIP_IMPORT_MACRO", u"ID_TIP_EDIT_EVENT", u"ID_TIP_DELETE_EVENT",
    u"ID_TIP_EVENT_UP", u"ID_TIP_EVENT_DOWN", u"ID_TIP_BROWSE_PROGRAM", u"ID_TIP_CLEAR_PROGRAM",
    u"ID_TIP_MINIMIZE", u"ID_TIP_CLOSE"};

TextTable Load(std::u16string language) {
    TextTable texts;
    LoadLanguage(kMainFile.u16string(), language, texts, Windows1252CodePage::Instance());
    return texts;
}

// True when some character of `text` lies in [first, last].
bool Uses(const std::u16string& text, char16_t first, char16_t last) {
    return std::ranges::any_of(text, [&](char16_t c) { return c >= first && c <= last; });
}
}  // namespace

TEST(LanguageFile, EveryLanguageTranslatesEveryIdentifier) {
    ASSERT_EQ(std::size(kIdentifiers), 140u);
    std::u16string byDefault;
    TextTable defaultTexts;
    LoadLanguage(kMainFile.u16string(), byDefault, defaultTexts, Windows1252CodePage::Instance());
    EXPECT_EQ(byDefault, u"English");
    EXPECT_EQ(defaultTexts, Load(u"English"));
    for (const char16_t* language : {u"English", u"Chinese", u"Korean"}) {
        const TextTable texts = Load(language);
        EXPECT_EQ(texts.size(), std::size(kIdentifiers));
        for (const char16_t* id : kIdentifiers) EXPECT_TRUE(texts.contains(id)) << "missing identifier";
    }
}

TEST(LanguageFile, TextsAreInTheirLanguagesScript) {
    const TextTable chinese = Load(u"Chinese"), korean = Load(u"Korean");
    // The save button in each script; the language buttons name themselves.
    EXPECT_TRUE(Uses(chinese.at(u"IDC_BTN_SAVE"), 0x4E00, 0x9FFF));
    EXPECT_TRUE(Uses(korean.at(u"IDC_BTN_SAVE"), 0xAC00, 0xD7A3));
    EXPECT_EQ(chinese.at(u"IDC_BTN_KOREAN"), korean.at(u"IDC_BTN_KOREAN"));
    EXPECT_TRUE(Uses(chinese.at(u"IDC_BTN_KOREAN"), 0xAC00, 0xD7A3));
    std::size_t hangul = 0;
    for (const auto& [id, text] : korean) hangul += Uses(text, 0xAC00, 0xD7A3);
    EXPECT_GE(hangul, 70u);  // all but "English", "中文" and the like
}
