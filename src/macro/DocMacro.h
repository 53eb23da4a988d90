#pragma once
// One macro: a name and its keystrokes in playback order. Also the whole
// content of a macro export file.
//
// Loading reads exactly the stored number of 28-byte events. An event list
// that ends before that number is a malformed file: the load fails with an
// archive error (the document then reports "Unexpected file format." and
// keeps no events), so a damaged count never repeats records or reads past
// the data.
#include <cstdint>
#include <string>
#include <vector>

#include "macro/MacroEvent.h"
#include "model/Document.h"

class CDocMacro : public CDocument {
public:
    CDocMacro() = default;
    // Copies `leadWord`, `name` and the events, but not the modified flag.
    CDocMacro(const CDocMacro& other) = default;
    CDocMacro& operator=(const CDocMacro& other) = default;
    CDocMacro(CDocMacro&&) = default;
    CDocMacro& operator=(CDocMacro&&) = default;

    void Serialize(CArchive& ar) override;
    // Empties `events`; `name` and `leadWord` stay.
    void DeleteContents() override;

    std::u16string name;
    std::vector<MacroEvent> events;
    uint16_t leadWord = 0;
};
