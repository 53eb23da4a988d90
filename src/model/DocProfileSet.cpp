#include "model/DocProfileSet.h"

#include <utility>

#include "model/Archive.h"
#include "model/NamingRules.h"
#include "platform/IUserPrompt.h"

namespace {
constexpr char16_t kFirstProfileName[] = u"Profile1";
}

std::u16string ReplaceQuestion(const std::u16string& name) {
    return u"'" + name + u"' is existed, are you sure to replace it?";
}

void CDocProfileSet::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteU16(leadWord);
        ar.WriteString(currentName);
        ar.WriteU32(static_cast<uint32_t>(profiles.size()));
        for (auto& entry : profiles) entry.second.Serialize(ar);
    } else {
        // The file's leading word is not kept, not even when the load fails
        // later: the set always writes 0.
        (void)ar.ReadU16();
        currentName = ar.ReadString();
        const uint32_t count = ar.ReadU32();
        // Every profile is read in full; an empty or repeated name is dropped.
        for (uint32_t i = 0; i < count; ++i) {
            CDocProfile scratch;
            scratch.Serialize(ar);
            if (!scratch.name.empty()) Insert(std::move(scratch));
        }
    }
    leadWord = 0;
}

void CDocProfileSet::DeleteContents() { profiles.clear(); }

bool CDocProfileSet::OnOpenDocument(const std::u16string& path, const DocumentIo& io) {
    (void)CDocument::OnOpenDocument(path, io);  // failures are reported there; defaults follow
    if (profiles.empty()) {
        currentName = kFirstProfileName;
        AddDefaultProfile(kFirstProfileName);
    }
    if (!profiles.contains(currentName)) currentName = profiles.begin()->first;
    return true;
}

CDocProfile* CDocProfileSet::Find(const std::u16string& profileName) {
    auto it = profiles.find(profileName);
    return it == profiles.end() ? nullptr : &it->second;
}

bool CDocProfileSet::Insert(CDocProfile profile) {
    std::u16string key = profile.name;
    return profiles.try_emplace(std::move(key), std::move(profile)).second;
}

void CDocProfileSet::AddDefaultProfile(const std::u16string& profileName) {
    if (profiles.contains(profileName)) return;
    CDocProfile profile;
    profile.ResetToDefaults();
    profile.name = profileName;
    Insert(std::move(profile));
}

void CDocProfileSet::RemoveProfile(const std::u16string& profileName) { profiles.erase(profileName); }

std::u16string CDocProfileSet::NextProfileName() const {
    return NextFreeName(u"Profile", [this](const std::u16string& n) { return profiles.contains(n); });
}

std::u16string CDocProfileSet::CopyName(std::u16string_view base) const {
    return ::CopyName(base, [this](const std::u16string& n) { return profiles.contains(n); });
}

CDocProfile& CDocProfileSet::NewProfile() {
    currentName = NextProfileName();
    AddDefaultProfile(currentName);
    return profiles.at(currentName);
}

CDocProfile* CDocProfileSet::CopyCurrent() {
    const CDocProfile* source = Current();
    if (!source) return nullptr;
    CDocProfile copy(*source);
    copy.name = CopyName(source->name);
    copy.accelerator = 0;
    currentName = copy.name;
    Insert(std::move(copy));
    return Current();
}

bool CDocProfileSet::ExportProfile(const std::u16string& profileName, const std::u16string& path,
                                   const DocumentIo& io) {
    CDocProfile* profile = Find(profileName);
    return profile && profile->OnSaveDocument(path, io);
}

bool CDocProfileSet::Import(const std::u16string& path, const DocumentIo& io) {
    CDocProfile imported;
    if (!imported.OnOpenDocument(path, io)) return false;
    if (imported.name.empty()) {
        io.prompt.Warn(kUnexpectedFileFormat);
        return false;
    }
    CDocProfile* existing = Find(imported.name);
    if (!existing) {
        currentName = imported.name;
        return Insert(std::move(imported));
    }
    if (!io.prompt.AskYesNo(ReplaceQuestion(imported.name))) return false;
    existing->CopyFrom(imported);
    currentName = imported.name;
    return true;
}
