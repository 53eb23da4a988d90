#include "model/DocProfile.h"

#include <algorithm>
#include <span>

#include "model/Archive.h"
#include "model/KeyTable.h"

CDocProfile::CDocProfile() : keys(kSlotCount) {}

void CDocProfile::ResetToDefaults() {
    using D = DefaultProfileSettings;
    name.clear();
    accelerator = D::accelerator;
    reservedFlag = D::reservedFlag;
    backlightOn = D::backlightOn;
    backlightEffect = static_cast<uint8_t>(D::backlightEffect);
    brightnessLevel = static_cast<uint8_t>(D::brightnessLevel);
    gamingMode = D::gamingMode;
    disableWinKey = D::disableWinKey;
    disableAltF4 = D::disableAltF4;
    disableAltTab = D::disableAltTab;
    keys.resize(kSlotCount);
    ResetKeysToDefaults(std::span<CKeyAction>(keys));
}

void CDocProfile::Serialize(CArchive& ar) {
    ar.Transfer(leadWord);
    ar.Transfer(name);
    ar.Transfer(accelerator);
    ar.Transfer(reservedFlag);
    ar.Transfer(backlightOn);
    if (ar.IsStoring()) {
        ar.WriteU8(backlightEffect);
        ar.WriteU8(brightnessLevel);
    } else {
        backlightEffect = ar.ReadU8();
        brightnessLevel = ar.ReadU8();
    }
    ar.Transfer(gamingMode);
    ar.Transfer(disableWinKey);
    // The file has Alt+Tab before Alt+F4.
    ar.Transfer(disableAltTab);
    ar.Transfer(disableAltF4);
    SerializeKeys(ar);
}

void CDocProfile::SerializeKeys(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteU32(static_cast<uint32_t>(keys.size()));
        for (CKeyAction& key : keys) key.Serialize(ar);
        return;
    }
    // Each record needs at least its name's bytes, so a count larger than
    // the data ends in an archive error, never in a runaway allocation.
    const uint32_t count = ar.ReadU32();
    keys.clear();
    keys.reserve(kSlotCount);
    for (uint32_t i = 0; i < count; ++i) {
        if (i < kSlotCount) {
            keys.emplace_back().Serialize(ar);
        } else {
            CKeyAction surplus;
            surplus.Serialize(ar);
        }
    }
    keys.resize(kSlotCount);
}

void CDocProfile::DeleteContents() { keys.clear(); }

bool CDocProfile::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    ResetToDefaults();
    return true;
}

bool CDocProfile::OnOpenDocument(const std::u16string& path, const DocumentIo& io) {
    const bool opened = CDocument::OnOpenDocument(path, io);
    keys.resize(kSlotCount);
    return opened;
}
