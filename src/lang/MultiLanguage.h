#pragma once
// The process-wide text table of the user interface and the base of every
// window that shows localized text.
//
// Contract for windows: a window deriving from CMultiLanguage overrides
// ApplyLanguage to set the text of each of its controls to
// GetText(identifier, English default) and to refill lists whose items are
// texts. The main window's ApplyLanguage also calls SetLanguage(languageName)
// on each of its pages; windows created later call their own ApplyLanguage
// at the end of their initialisation. The window framework implements this
// on Windows; the table itself is portable.
//
// Used on the user-interface thread only; nothing here is locked.
#include <string>
#include <string_view>

#include "lang/LanguageLoader.h"

class ICodePage;

class CMultiLanguage {
public:
    virtual void ApplyLanguage() = 0;
    virtual ~CMultiLanguage() = default;

    // When `name` differs from languageName, or both are empty: reloads the
    // table from languageFile (an empty name takes the file's "Default") and
    // writes the language back as "Default" of section "Language". Then, in
    // every case, ApplyLanguage. A failed write is silent; the choice then
    // does not persist.
    void SetLanguage(const std::u16string& name);

    // Merges `path` (languageFile when none is given) and its includes into
    // texts; see LanguageLoader.h.
    static void Load();
    static void Load(const std::u16string& path);

    // The text stored for `id`, else `englishDefault`. Identifiers match
    // exactly, case included.
    static std::u16string GetText(std::u16string_view id, std::u16string_view englishDefault);
    // GetText with its first "%s" replaced by `value`; other format marks of
    // a translation stay as they are.
    static std::u16string GetTextWith(std::u16string_view id, std::u16string_view englishDefault,
                                      const std::u16string& value);

    // The current language, also the section name in the file; empty until
    // the first load.
    static std::u16string languageName;
    // The main language file, set once by the main window.
    static std::u16string languageFile;
    // Identifier -> text of the current language.
    static TextTable texts;
    // The code page of ANSI language files; the Windows program sets the
    // system's own before the first load.
    static const ICodePage* codePage;

protected:
    CMultiLanguage() = default;
    CMultiLanguage(const CMultiLanguage&) = default;
    CMultiLanguage& operator=(const CMultiLanguage&) = default;
};
