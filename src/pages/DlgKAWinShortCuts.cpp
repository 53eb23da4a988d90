#include "pages/DlgKAWinShortCuts.h"

#include "pages/KeyPageResource.h"

CDlgKAWinShortCuts::CDlgKAWinShortCuts(const IKeyNames& keyNames)
    : CDlgKAChoice({IDD_DLG_KA_SHORTCUT, u"ActionShortcut", IDC_STATIC_SHORTCUTS, {20, 15, 140, 20},
                    u"IDC_STATIC_SHORTCUTS", u"WINDOWS SHORTCUTS", IDC_LIST_SHORTCUT, {95, 41, 190, 29}}),
      keyNames_(keyNames) {}

void CDlgKAWinShortCuts::FillRows() {
    table_.emplace(keyNames_);
    FillChoices(choices_, kShortcutFunctions);
}

void CDlgKAWinShortCuts::SaveTo(CKeyAction& action) {
    const int chosen = Chosen(choices_);
    if (chosen >= 0 && table_) table_->Write(action, static_cast<std::size_t>(chosen));
}

void CDlgKAWinShortCuts::LoadFrom(const CKeyAction& action) {
    if (!table_) return;
    if (const std::optional<std::size_t> shortcut = table_->Read(action)) choices_.SelectItem(static_cast<int>(*shortcut));
}
