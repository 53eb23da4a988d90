#pragma once
// Programs linked to profiles, in "programs.ini" beside the data files so
// that users can also edit them by hand: section [Programs], one key per
// program file name ("game.exe", matched without regard to ASCII case),
// whose value names a profile. The profile files are not touched. A link to
// a profile that does not exist is kept in the file but never used; the
// caller checks the name against the set.
//
// User-interface thread only.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ICodePage;

class CProgramLinks {
public:
    // Both must outlive the links; nothing is read until Load.
    CProgramLinks(std::filesystem::path file, const ICodePage& codePage) : file_(std::move(file)), codePage_(codePage) {}

    // Reads the file; a missing or unreadable file holds no links.
    void Load();
    // The profile linked to a program, given by file name or full path.
    std::optional<std::u16string> ProfileFor(std::u16string_view program) const;
    // The first program linked to `profile`; empty when none is.
    std::u16string ProgramOf(const std::u16string& profile) const;

    // The file name of `program` becomes the one program of `profile`. Each
    // change is written at once; false when the file could not be written.
    bool Link(std::u16string_view program, const std::u16string& profile);
    // Removes every program linked to `profile`.
    bool Unlink(const std::u16string& profile);
    // Links to `from` follow the profile's new name.
    bool RenameProfile(const std::u16string& from, const std::u16string& to);

private:
    std::filesystem::path file_;
    const ICodePage& codePage_;
    std::vector<std::pair<std::u16string, std::u16string>> links_;  // program file name, profile
};

// "C:\Games\Game.exe" -> "Game.exe".
std::u16string ProgramFileName(std::u16string_view path);
