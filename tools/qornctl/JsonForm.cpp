#include "qornctl/JsonForm.h"

#include <cstdio>
#include <string>

#include "macro/DocMacroSet.h"
#include "model/DocProfileSet.h"
#include "platform/Utf.h"

namespace {
std::string Hex(const InputRecord& record) {
    std::string text;
    for (uint8_t b : record.Bytes()) {
        char two[3];
        std::snprintf(two, sizeof two, "%02x", b);
        text += two;
    }
    return text;
}

// The JSON of each element, in order.
template <class Range, class Form>
Json ListJson(const Range& items, Form form) {
    Json list = Json::array();
    for (const auto& item : items) list.push_back(form(item));
    return list;
}

// The same for the documents of a set's map, in the map's order.
template <class Map, class Form>
Json ValuesJson(const Map& map, Form form) {
    return ListJson(map, [&form](const auto& entry) { return form(entry.second); });
}

Json MacroEventJson(const MacroEvent& e) {
    return {{"type", e.Type()}, {"vk", e.Vk()}, {"scan", e.Scan()}, {"flags", e.KeyFlags()}, {"delay", e.Delay()}};
}

// A whole file: its "kind" first, then the document's fields.
Json FileJson(const char* kind, const Json& fields) {
    Json j = {{"kind", kind}};
    j.update(fields);
    return j;
}
}  // namespace

// Types other than keyboard and mouse have no named fields; their bytes are
// shown whole so nothing archived is hidden.
Json InputRecordJson(const InputRecord& r) {
    switch (r.Type()) {
    case kInputKeyboard:
        return {{"type", r.Type()}, {"vk", r.Vk()},        {"scan", r.Scan()},
                {"flags", r.KeyFlags()}, {"time", r.KeyTime()}, {"extra", r.KeyExtra()}};
    case kInputMouse:
        return {{"type", r.Type()},        {"dx", r.Dx()},           {"dy", r.Dy()},
                {"mouseData", r.MouseData()}, {"flags", r.MouseFlags()}, {"time", r.MouseTime()},
                {"extra", r.MouseExtra()}};
    default: return {{"type", r.Type()}, {"bytes", Hex(r)}};
    }
}

Json KeyActionJson(const CKeyAction& k) {
    return {{"name", ToUtf8(k.name)},
            {"reserved1", k.reserved1},
            {"kind", k.kind},
            {"keyType", k.keyType},
            {"code", k.code},
            {"reserved2", k.reserved2},
            {"launchType", k.launchType},
            {"programPath", ToUtf8(k.programPath)},
            {"webAddress", ToUtf8(k.webAddress)},
            {"macroName", ToUtf8(k.macroName)},
            {"playMode", k.playMode},
            {"playCount", k.playCount},
            {"keyboardInputs", ListJson(k.keyboardInputs, InputRecordJson)},
            {"mouseInputs", ListJson(k.mouseInputs, InputRecordJson)},
            {"mediaInputs", ListJson(k.mediaInputs, InputRecordJson)},
            {"shortcutCount", k.shortcutCount},
            {"shortcutInputs", ListJson(k.shortcutInputs, InputRecordJson)}};
}

Json ProfileJson(const CDocProfile& p) {
    return {{"leadWord", p.leadWord},
            {"name", ToUtf8(p.name)},
            {"accelerator", p.accelerator},
            {"reservedFlag", p.reservedFlag},
            {"backlightOn", p.backlightOn},
            {"backlightEffect", p.backlightEffect},
            {"brightnessLevel", p.brightnessLevel},
            {"gamingMode", p.gamingMode},
            {"disableWinKey", p.disableWinKey},
            {"disableAltTab", p.disableAltTab},
            {"disableAltF4", p.disableAltF4},
            {"keys", ListJson(p.keys, KeyActionJson)}};
}

Json MacroJson(const CDocMacro& m) {
    return {{"leadWord", m.leadWord}, {"name", ToUtf8(m.name)}, {"events", ListJson(m.events, MacroEventJson)}};
}

Json ProfileSetFileJson(const CDocProfileSet& set) {
    return FileJson("profileSet", {{"leadWord", set.leadWord},
                                   {"currentName", ToUtf8(set.currentName)},
                                   {"profiles", ValuesJson(set.profiles, ProfileJson)}});
}

Json ProfileFileJson(const CDocProfile& profile) { return FileJson("profile", ProfileJson(profile)); }

Json MacroSetFileJson(const CDocMacroSet& set) {
    return FileJson("macroSet", {{"leadWord", set.leadWord},
                                 {"macros", ValuesJson(set.macros, MacroJson)},
                                 {"currentName", ToUtf8(set.currentName)}});
}

Json MacroFileJson(const CDocMacro& macro) { return FileJson("macro", MacroJson(macro)); }
