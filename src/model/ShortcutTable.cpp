#include "model/ShortcutTable.h"

#include <algorithm>
#include <initializer_list>

#include "model/KeyAction.h"
#include "platform/IKeyNames.h"

namespace {
struct Step {
    uint16_t vk;
    bool up;
};

constexpr uint16_t kLWin = 0x5B, kAlt = 0x12, kCtrl = 0x11, kSpace = 0x20, kF4 = 0x73;

// Press the keys in order, release them in reverse.
std::vector<Step> Chord(std::initializer_list<uint16_t> keys) {
    std::vector<Step> steps;
    for (uint16_t k : keys) steps.push_back({k, false});
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) steps.push_back({*it, true});
    return steps;
}

std::array<std::vector<Step>, kShortcutFunctionCount> Chords() {
    return {Chord({kLWin, 'D'}), Chord({kAlt, kF4}),  Chord({kAlt, kSpace, 'X'}),
            Chord({kAlt, kSpace, 'N'}), Chord({kCtrl, 'C'}), Chord({kCtrl, 'X'}),
            Chord({kCtrl, 'V'}), Chord({kCtrl, 'Z'})};
}
}  // namespace

const std::array<ShortcutInfo, kShortcutFunctionCount> kShortcutFunctions = {{
    {"ID_SHORTCUT_SHOW_DESKTOP", u"Show Desktop"},
    {"ID_SHORTCUT_CLOSE_APP", u"Close Window"},
    {"ID_SHORTCUT_MAXIMIZE", u"Maximize"},
    {"ID_SHORTCUT_MINIMIZE", u"Minimize"},
    {"ID_SHORTCUT_COPY", u"Copy"},
    {"ID_SHORTCUT_CUT", u"Cut"},
    {"ID_SHORTCUT_PASTE", u"Paste"},
    {"ID_SHORTCUT_UNDO", u"Undo"},
}};

ShortcutTable::ShortcutTable(const IKeyNames& keyNames) {
    const auto chords = Chords();
    for (std::size_t i = 0; i < chords.size(); ++i)
        for (const Step& s : chords[i])
            sequences_[i].push_back(InputRecord::Keyboard(s.vk, keyNames.ScanCodeOfVirtualKey(s.vk),
                                                          s.up ? kKeyEventKeyUp : 0));
}

void ShortcutTable::Write(CKeyAction& action, std::size_t index) const {
    const auto& seq = sequences_.at(index);
    action.shortcutCount = static_cast<uint32_t>(seq.size());
    std::copy(seq.begin(), seq.end(), action.shortcutInputs.begin());
}

std::optional<std::size_t> ShortcutTable::Read(const CKeyAction& action) const {
    for (std::size_t i = 0; i < sequences_.size(); ++i) {
        const auto& seq = sequences_[i];
        if (action.shortcutCount == seq.size() &&
            std::equal(seq.begin(), seq.end(), action.shortcutInputs.begin()))
            return i;
    }
    return std::nullopt;
}
