#include "pages/DlgKAMacro.h"

#include <algorithm>

#include "macro/DocMacroSet.h"
#include "pages/KeyPageResource.h"
#include "ui/MacroChoice.h"

CDlgKAMacro::CDlgKAMacro(const CDocMacroSet& macros)
    : CDlgKA(IDD_DLG_KA_MACRO, u"ActionMacro",
             {SkinState::Normal, SkinState::Over, SkinState::Selected, SkinState::Disable}),
      macros_(macros),
      controls_({
          {macroTitle_, IDC_STATIC_ASSIGNED_MACRO, 23, 11, 93, 18, {u"IDC_STATIC_ASSIGNED_MACRO", u"ASSIGN MACRO"}},
          {macroList_, IDC_LIST_MACRO, 98, 31, 185, 29, {}, kKeepTextFlags, {}, {u"IDC_STATIC_ASSIGNED_MACRO", u"ASSIGN MACRO"}},
          {optionTitle_, IDC_STATIC_MACRO_PLAY_OPTION, 23, 67, 130, 21,
           {u"IDC_STATIC_MACRO_PLAY_OPTION", u"PLAYBACK OPTION"}},
          {options_, IDC_LIST_PLAY_OPTION, 98, 83, 185, 29, {}, kKeepTextFlags, {},
           {u"IDC_STATIC_MACRO_PLAY_OPTION", u"PLAYBACK OPTION"}},
          {countLabel_, IDC_STATIC_PLAY_TIMES, 23, 125, 93, 18, {u"IDC_EDIT_MACRO_PLAY_TIMES", u"Number of times"}},
          {count_, IDC_EDIT_PLAY_TIMES, 227, 126, 50, 23},
      }) {}

BOOL CDlgKAMacro::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    controls_.Place(*this);
    for (const auto& [name, macro] : macros_.macros) {
        names_.push_back(name);
        macroList_.AddItem(std::wstring(name.begin(), name.end()));
    }
    ApplyLanguage();
    return TRUE;
}

void CDlgKAMacro::ApplyLanguage() {
    controls_.ApplyLanguage();
    FillChoices(options_, kPlayOptions);
}

void CDlgKAMacro::ShowPlayCount() {
    const int show = ShowsPlayCount(Chosen(options_)) ? SW_SHOW : SW_HIDE;
    countLabel_.Show(show);
    count_.Show(show);
}

// A macro the user did not pick leaves the stored name, even one that no
// macro has any more.
void CDlgKAMacro::SaveTo(CKeyAction& action) {
    const int macro = Chosen(macroList_);
    if (macro >= 0 && static_cast<std::size_t>(macro) < names_.size())
        action.macroName = names_[static_cast<std::size_t>(macro)];
    action.playMode = static_cast<uint32_t>(std::max(Chosen(options_), 0));
    const std::wstring text = count_.Text();
    action.playCount = ParsePlayCount(std::u16string(text.begin(), text.end()), action.playCount);
}

void CDlgKAMacro::LoadFrom(const CKeyAction& action) {
    macroList_.SelectItem(MacroPosition(names_, action.macroName));
    options_.SelectItem(action.playMode < kPlayOptions.size() ? static_cast<int>(action.playMode) : -1);
    const std::u16string count = PlayCountText(action.playCount);
    count_.SetText(std::wstring(count.begin(), count.end()));
    ShowPlayCount();
}

bool CDlgKAMacro::OnCommand(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == IDC_LIST_PLAY_OPTION && HIWORD(wp) == CBtnListBox::kSelChange) {
        ShowPlayCount();
        return true;
    }
    return CDlgKA::OnCommand(wp, lp);
}
