#include "model/DocProfileSet.h"

#include <utility>

#include "model/Archive.h"
#include "model/NamingRules.h"

namespace {
constexpr char16_t kFirstProfileName[] = u"Profile1";
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
    loadedCount = profiles.size();
    if (profiles.empty()) {
        currentName = kFirstProfileName;
        AddDefaultProfile(kFirstProfileName);
    }
    if (!profiles.contains(currentName)) currentName = profiles.begin()->first;
    return true;
}

CDocProfile* CDocProfileSet::Find(const std::u16string& profileName) { return FindNamed(profiles, profileName); }

bool CDocProfileSet::Insert(CDocProfile profile) { return InsertNamed(profiles, std::move(profile)); }

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
    return ExportNamed(profiles, profileName, path, io);
}

bool CDocProfileSet::Import(const std::u16string& path, const DocumentIo& io,
                           const std::function<void(CDocProfile& replaced)>& beforeReplace) {
    std::optional<std::u16string> name = ImportNamed(profiles, path, io, beforeReplace);
    if (name) currentName = std::move(*name);
    return name.has_value();
}
