#pragma once
// One profile: its name, the Fn + digit accelerator that selects it, the
// backlight and gaming-mode settings, and the 255 key slots indexed by key
// code. Also the whole content of a profile export file.
//
// `keys` holds kSlotCount records whenever the profile is in use: loading
// pads a short key list with empty records and reads but drops surplus
// records, so a key code always indexes a slot. Worker threads hold pointers
// into `keys` of the current profile; nothing here reallocates `keys` except
// loading and DeleteContents.
#include <cstdint>
#include <string>
#include <vector>

#include "model/Document.h"
#include "model/KeyAction.h"

class CDocProfile : public CDocument {
public:
    // kSlotCount empty records; the key table is built by ResetToDefaults.
    CDocProfile();
    // Copies every field and key record (runtime fields included), but not
    // the modified flag.
    CDocProfile(const CDocProfile& other) = default;
    CDocProfile& operator=(const CDocProfile& other) = default;
    CDocProfile(CDocProfile&&) = default;
    CDocProfile& operator=(CDocProfile&&) = default;

    // The default settings and a fresh record for each key of the key table;
    // `name` is emptied; `leadWord` and the slots outside the table are kept.
    void ResetToDefaults();

    void Serialize(CArchive& ar) override;
    void DeleteContents() override;
    bool OnNewDocument() override;
    // After any open the profile has its kSlotCount slots again.
    bool OnOpenDocument(const std::u16string& path, const DocumentIo& io) override;

    std::u16string name;
    uint32_t accelerator = 0;  // 0 none, 1..9 Fn + digit
    uint32_t reservedFlag = 1;
    uint32_t backlightOn = 1;
    uint8_t backlightEffect = 0;  // 0 static, 1 blink, 2 breath
    uint8_t brightnessLevel = 10;  // 1..20
    uint32_t gamingMode = 1;
    uint32_t disableWinKey = 1;
    uint32_t disableAltF4 = 0;
    uint32_t disableAltTab = 0;
    std::vector<CKeyAction> keys;
    uint16_t leadWord = 0;

private:
    void SerializeKeys(CArchive& ar);
};
