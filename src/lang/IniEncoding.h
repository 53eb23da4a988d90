#pragma once
// The byte forms of an INI file that the Windows profile-string functions
// accept. The form is told by the byte order mark alone: UTF-8 and UTF-16 in
// either byte order carry one, everything else is ANSI text of the system's
// code page. A file is written back in the form it was read in.
#include <string>
#include <string_view>

class ICodePage;

enum class IniEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

struct IniText {
    IniEncoding encoding = IniEncoding::Ansi;
    std::u16string text;  // without the byte order mark
};

IniText DecodeIni(std::string_view bytes, const ICodePage& codePage);
std::string EncodeIni(const IniText& ini, const ICodePage& codePage);
