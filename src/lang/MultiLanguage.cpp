#include "lang/MultiLanguage.h"

#include "lang/ProfileFile.h"
#include "platform/Windows1252CodePage.h"

std::u16string CMultiLanguage::languageName;
std::u16string CMultiLanguage::languageFile;
TextTable CMultiLanguage::texts;
const ICodePage* CMultiLanguage::codePage = &Windows1252CodePage::Instance();

void CMultiLanguage::SetLanguage(const std::u16string& name) {
    if (name != languageName || (name.empty() && languageName.empty())) {
        languageName = name;
        texts.clear();
        Load();
        // Failure is allowed: the language then applies for this run only.
        (void)WriteProfileValue(ProfilePath(languageFile), u"Language", u"Default", languageName, *codePage);
    }
    ApplyLanguage();
}

void CMultiLanguage::Load() { Load(languageFile); }

void CMultiLanguage::Load(const std::u16string& path) { LoadLanguage(path, languageName, texts, *codePage); }

std::u16string CMultiLanguage::GetText(std::u16string_view id, std::u16string_view englishDefault) {
    const auto it = texts.find(std::u16string(id));
    return std::u16string(it == texts.end() ? englishDefault : it->second);
}

std::u16string CMultiLanguage::GetTextWith(std::u16string_view id, std::u16string_view englishDefault,
                                           const std::u16string& value) {
    std::u16string text = GetText(id, englishDefault);
    if (const auto at = text.find(u"%s"); at != std::u16string::npos) text.replace(at, 2, value);
    return text;
}
