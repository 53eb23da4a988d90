#include "pages/DlgKeyAction.h"

#include "pages/KeyPageResource.h"

CDlgKeyAction::CDlgKeyAction(CWnd* owner, const CDocMacroSet& macros, const IKeyNames& keyNames)
    : CSkinDialog(IDD_DLG_KEYACTION, owner),
      keyboard_(keyNames),
      macro_(macros),
      shortcuts_(keyNames),
      kinds_({nullptr, &keyboard_, &mouse_, &macro_, &shortcuts_, &launch_, &media_, nullptr}),
      controls_({
          {keyName_, IDC_STATIC_ACTION_KEYNAME, 42, 24, 63, 36, {}, kTextCentre | kTextMiddle},
          {title_, IDC_STATIC_KEYASSIGN, 140, 11, 108, 18, {u"IDC_STATIC_KEYASSIGN", u"KEY ASSIGNMENT"}},
          {save_, IDC_BTN_ACTION_SAVE, 195, 254, 77, 29, {u"IDC_BTN_SAVE", u"Save"}},
          {cancel_, IDCANCEL, 293, 254, 77, 29, {u"IDC_BTN_CANCEL", u"Cancel"}},
          {close_, IDC_BTN_ACTION_CLOSE, 365, 8, 23, 23, {}, kKeepTextFlags, {u"IDC_BTN_CANCEL", u"Cancel"}},
          {kindList_, IDC_LIST_ACTION_KIND, 132, 27, 187, 28, {}, kKeepTextFlags, {}, {u"IDC_STATIC_KEYASSIGN", u"KEY ASSIGNMENT"}},
      }) {
    LoadImages(u"ActionMain", {SkinState::Normal, SkinState::Over, SkinState::Selected, SkinState::Disable});
    SetMaskOf(u"ActionMain");
}

BOOL CDlgKeyAction::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    controls_.Place(*this);
    // A sub-page that cannot be made leaves the dialog without kinds: Save
    // then keeps the stored kind and no sub-page writes.
    if (CreatePages()) {
        ApplyLanguage();
        const std::u16string& name = Working().name;
        keyName_.SetText(std::wstring(name.begin(), name.end()));
        kindList_.SelectItem(KindPosition(Working().kind));
        kinds_.Change(Chosen(kindList_));
    }
    SetDragAnywhere(true);
    return TRUE;
}

// Created hidden, as their templates are. In the tab order each comes
// right after the kind list, before Save.
bool CDlgKeyAction::CreatePages() {
    for (CDlgKA* page : std::initializer_list<CDlgKA*>{&keyboard_, &mouse_, &macro_, &media_, &launch_, &shortcuts_}) {
        if (!page->Create(GetSafeHwnd())) return false;
        Place(*page, {10, 90, 0, 0});
        SetWindowPos(page->GetSafeHwnd(), kindList_.GetSafeHwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return true;
}

void CDlgKeyAction::ApplyLanguage() {
    controls_.ApplyLanguage();
    FillChoices(kindList_, kKindTexts);
}

void CDlgKeyAction::Save() {
    kinds_.Save(Chosen(kindList_));
    CSkinDialog::OnOK();
}

bool CDlgKeyAction::OnCommand(WPARAM wp, LPARAM lp) {
    switch (LOWORD(wp)) {
    case IDC_LIST_ACTION_KIND:
        if (HIWORD(wp) == CBtnListBox::kSelChange) kinds_.Change(Chosen(kindList_));
        return true;
    case IDC_BTN_ACTION_SAVE:
        Save();
        return true;
    case IDC_BTN_ACTION_CLOSE:
        OnCancel();
        return true;
    }
    return CSkinDialog::OnCommand(wp, lp);
}
