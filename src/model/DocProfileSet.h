#pragma once
// Every profile of the user, keyed by name in ordinal UTF-16 order (the
// order of the profile data file), and the name of the current profile.
//
// After OnOpenDocument the set is never empty and `currentName` names one of
// its profiles. Users look the current profile up afresh each time; map
// nodes never move, so a profile's address stays valid until it is removed.
// User-interface thread only.
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "model/DocProfile.h"
#include "model/NamedDocuments.h"

class CDocProfileSet : public CDocument {
public:
    using ProfileMap = NamedDocuments<CDocProfile>;

    void Serialize(CArchive& ar) override;
    // Empties `profiles`; `currentName` stays.
    void DeleteContents() override;
    // Profiles read whole before a damaged part of a file stay.
    bool KeepsWhatWasRead() const override { return true; }
    // Reports a failure like any document, then makes sure the set holds a
    // profile ("Profile1" only when nothing could be read) and that
    // `currentName` names one (the first, when the stored name is not among
    // them). Always succeeds.
    bool OnOpenDocument(const std::u16string& path, const DocumentIo& io) override;

    CDocProfile* Find(const std::u16string& profileName);
    CDocProfile* Current() { return Find(currentName); }
    // Inserts under the profile's own name unless that name is present;
    // returns whether it was inserted.
    bool Insert(CDocProfile profile);
    // A default profile under `profileName`, unless that name is present.
    void AddDefaultProfile(const std::u16string& profileName);
    void RemoveProfile(const std::u16string& profileName);

    std::u16string NextProfileName() const;
    std::u16string CopyName(std::u16string_view base) const;

    // The main window's commands. Each new profile becomes current.
    CDocProfile& NewProfile();
    // Null when there is no current profile.
    CDocProfile* CopyCurrent();
    // Saves the named profile to a profile export file.
    bool ExportProfile(const std::u16string& profileName, const std::u16string& path, const DocumentIo& io);
    // Reads a profile export file. A new name is added with its accelerator;
    // an existing one is replaced only when the user says so, after
    // `beforeReplace` has run on it. A profile without a name is refused as
    // a malformed file. True when the set changed; the imported profile is
    // then current.
    bool Import(const std::u16string& path, const DocumentIo& io,
                const std::function<void(CDocProfile& replaced)>& beforeReplace = {});

    ProfileMap profiles;
    std::u16string currentName;
    uint16_t leadWord = 0;
    // How many profiles the last open read from its file.
    std::size_t loadedCount = 0;
};
