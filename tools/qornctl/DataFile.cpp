#include "qornctl/DataFile.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "platform/Utf.h"

std::optional<DataKind> KindOfPath(const std::string& path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos) return std::nullopt;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "pfs") return DataKind::ProfileSet;
    if (ext == "pf") return DataKind::Profile;
    if (ext == "mcs") return DataKind::MacroSet;
    if (ext == "mc") return DataKind::Macro;
    return std::nullopt;
}

const char* KindName(DataKind kind) {
    switch (kind) {
    case DataKind::ProfileSet: return "profileSet";
    case DataKind::Profile: return "profile";
    case DataKind::MacroSet: return "macroSet";
    case DataKind::Macro: return "macro";
    }
    return "";
}

bool RecordingPrompt::Report(std::ostream& err) const {
    for (const std::u16string& w : warnings) err << ToUtf8(w) << "\n";
    return !warnings.empty();
}
