#include "ui/KeyAccessibleName.h"

#include "lang/MultiLanguage.h"
#include "model/KeyAction.h"
#include "model/MediaFunction.h"
#include "model/MouseFunction.h"
#include "model/ShortcutTable.h"
#include "platform/IKeyNames.h"
#include "ui/KindSwitch.h"

namespace {
// The tables keep their identifiers as narrow ASCII.
std::u16string TextOf(std::string_view id, std::u16string_view english) {
    return CMultiLanguage::GetText(std::u16string(id.begin(), id.end()), english);
}

std::u16string DetailOf(const CKeyAction& action, const IKeyNames& keyNames, const ShortcutTable& shortcuts) {
    switch (action.kind) {
    case kKindKeyboard: {
        const InputRecord& press = action.keyboardInputs[0];
        return keyNames.NameOfScanCode(press.Scan(), (press.KeyFlags() & kKeyEventExtendedKey) != 0);
    }
    case kKindMouse:
        if (const auto function = ReadMouseFunction(action)) {
            const MouseFunctionInfo& info = kMouseFunctions[static_cast<std::size_t>(*function)];
            return TextOf(info.id, info.english);
        }
        return {};
    case kKindMacro:
        return action.macroName;
    case kKindShortcut:
        if (const auto index = shortcuts.Read(action))
            return TextOf(kShortcutFunctions[*index].id, kShortcutFunctions[*index].english);
        return {};
    case kKindLaunch:
        return action.launchType == kLaunchWeb ? action.webAddress : action.programPath;
    case kKindMedia:
        if (const auto index = ReadMediaFunction(action))
            return TextOf(kMediaFunctions[*index].id, kMediaFunctions[*index].english);
        return {};
    }
    return {};
}
}  // namespace

std::u16string KeyAccessibleName(const CKeyAction& action, const IKeyNames& keyNames, const ShortcutTable& shortcuts) {
    const int position = KindPosition(action.kind);
    if (position < 0) return action.name;
    const KindText& kind = kKindTexts[static_cast<std::size_t>(position)];
    std::u16string name = action.name + u", " + CMultiLanguage::GetText(kind.id, kind.english);
    const std::u16string detail = DetailOf(action, keyNames, shortcuts);
    if (!detail.empty()) name += u": " + detail;
    return name;
}
