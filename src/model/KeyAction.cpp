#include "model/KeyAction.h"

#include <algorithm>
#include <utility>

#include "model/Archive.h"

CKeyAction::CKeyAction() {
    for (auto& r : keyboardInputs) r.SetType(kInputKeyboard);
    for (auto& r : mouseInputs) r.SetType(kInputMouse);
    for (auto& r : mediaInputs) r.SetType(kInputKeyboard);
    for (auto& r : shortcutInputs) r.SetType(kInputKeyboard);
}

CKeyAction::CKeyAction(std::u16string keyName, uint32_t deviceCode, uint32_t type) : CKeyAction() {
    name = std::move(keyName);
    code = deviceCode;
    keyType = type;
}

void CKeyAction::Serialize(CArchive& ar) {
    ar.Transfer(name);
    ar.Transfer(reserved1);
    ar.Transfer(kind);
    ar.Transfer(keyType);
    ar.Transfer(code);
    ar.Transfer(reserved2);
    ar.Transfer(launchType);
    ar.Transfer(programPath);
    ar.Transfer(webAddress);
    ar.Transfer(macroName);
    ar.Transfer(playMode);
    ar.Transfer(playCount);
    ar.TransferBlock(keyboardInputs.data(), sizeof keyboardInputs);
    ar.TransferBlock(mouseInputs.data(), sizeof mouseInputs);
    ar.TransferBlock(mediaInputs.data(), sizeof mediaInputs);
    ar.Transfer(shortcutCount);
    ar.TransferBlock(shortcutInputs.data(), sizeof shortcutInputs);
}

std::span<const InputRecord> CKeyAction::SentRecords() const {
    switch (kind) {
    case kKindKeyboard: return keyboardInputs;
    case kKindMouse: return mouseInputs;
    case kKindMedia: return mediaInputs;
    case kKindShortcut: {
        const auto count = static_cast<int32_t>(shortcutCount);
        return std::span(shortcutInputs).first(std::min<std::size_t>(count > 0 ? static_cast<std::size_t>(count) : 0, kShortcutCapacity));
    }
    default: return {};
    }
}
