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

template <std::size_t N>
Json Records(const std::array<InputRecord, N>& records) {
    Json list = Json::array();
    for (const InputRecord& r : records) list.push_back(InputRecordJson(r));
    return list;
}

// The JSON of each value of a document's map, in the map's order.
template <class Map, class Form>
Json ValuesJson(const Map& map, Form form) {
    Json list = Json::array();
    for (const auto& entry : map) list.push_back(form(entry.second));
    return list;
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
    Json j;
    j["name"] = ToUtf8(k.name);
    j["reserved1"] = k.reserved1;
    j["kind"] = k.kind;
    j["keyType"] = k.keyType;
    j["code"] = k.code;
    j["reserved2"] = k.reserved2;
    j["launchType"] = k.launchType;
    j["programPath"] = ToUtf8(k.programPath);
    j["webAddress"] = ToUtf8(k.webAddress);
    j["macroName"] = ToUtf8(k.macroName);
    j["playMode"] = k.playMode;
    j["playCount"] = k.playCount;
    j["keyboardInputs"] = Records(k.keyboardInputs);
    j["mouseInputs"] = Records(k.mouseInputs);
    j["mediaInputs"] = Records(k.mediaInputs);
    j["shortcutCount"] = k.shortcutCount;
    j["shortcutInputs"] = Records(k.shortcutInputs);
    return j;
}

Json ProfileJson(const CDocProfile& p) {
    Json j;
    j["leadWord"] = p.leadWord;
    j["name"] = ToUtf8(p.name);
    j["accelerator"] = p.accelerator;
    j["reservedFlag"] = p.reservedFlag;
    j["backlightOn"] = p.backlightOn;
    j["backlightEffect"] = p.backlightEffect;
    j["brightnessLevel"] = p.brightnessLevel;
    j["gamingMode"] = p.gamingMode;
    j["disableWinKey"] = p.disableWinKey;
    j["disableAltTab"] = p.disableAltTab;
    j["disableAltF4"] = p.disableAltF4;
    Json keys = Json::array();
    for (const CKeyAction& k : p.keys) keys.push_back(KeyActionJson(k));
    j["keys"] = std::move(keys);
    return j;
}

Json MacroJson(const CDocMacro& m) {
    Json j;
    j["leadWord"] = m.leadWord;
    j["name"] = ToUtf8(m.name);
    Json events = Json::array();
    for (const MacroEvent& e : m.events)
        events.push_back(
            {{"type", e.Type()}, {"vk", e.Vk()}, {"scan", e.Scan()}, {"flags", e.KeyFlags()}, {"delay", e.Delay()}});
    j["events"] = std::move(events);
    return j;
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
