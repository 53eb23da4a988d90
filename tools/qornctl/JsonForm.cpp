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

void AddKind(Json& json, const char* kind) { json["kind"] = kind; }
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
    Json j;
    AddKind(j, "profileSet");
    j["leadWord"] = set.leadWord;
    j["currentName"] = ToUtf8(set.currentName);
    Json profiles = Json::array();
    for (const auto& entry : set.profiles) profiles.push_back(ProfileJson(entry.second));
    j["profiles"] = std::move(profiles);
    return j;
}

Json ProfileFileJson(const CDocProfile& profile) {
    Json j;
    AddKind(j, "profile");
    j.update(ProfileJson(profile));
    return j;
}

Json MacroSetFileJson(const CDocMacroSet& set) {
    Json j;
    AddKind(j, "macroSet");
    j["leadWord"] = set.leadWord;
    Json macros = Json::array();
    for (const auto& entry : set.macros) macros.push_back(MacroJson(entry.second));
    j["macros"] = std::move(macros);
    j["currentName"] = ToUtf8(set.currentName);
    return j;
}

Json MacroFileJson(const CDocMacro& macro) {
    Json j;
    AddKind(j, "macro");
    j.update(MacroJson(macro));
    return j;
}
