#pragma once
// The documents as JSON: every archived field under its own name, in file
// order; strings in UTF-8, 32-bit fields as unsigned numbers, mouse moves
// signed.
#include <nlohmann/json.hpp>

class CDocProfile;
class CDocProfileSet;
class CDocMacro;
class CDocMacroSet;
class CKeyAction;
class InputRecord;

using Json = nlohmann::ordered_json;

Json InputRecordJson(const InputRecord& record);
Json KeyActionJson(const CKeyAction& key);
Json ProfileJson(const CDocProfile& profile);
Json MacroJson(const CDocMacro& macro);
// The whole files, each with its "kind".
Json ProfileSetFileJson(const CDocProfileSet& set);
Json ProfileFileJson(const CDocProfile& profile);
Json MacroSetFileJson(const CDocMacroSet& set);
Json MacroFileJson(const CDocMacro& macro);
