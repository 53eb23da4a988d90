#include "pages/DlgKAKeyboard.h"

#include "pages/KeyPageResource.h"
#include "platform/IKeyNames.h"

CDlgKAKeyboard::CDlgKAKeyboard(const IKeyNames& keyNames)
    : CDlgKA(IDD_DLG_KA_KEYBOARD, u"ActionKeyboard", {SkinState::Normal, SkinState::Over}),
      keyNames_(keyNames),
      controls_({
          {title_, IDC_STATIC_REBINDKEY, 47, 16, 113, 13, {u"IDC_STATIC_REBINDKEY", u"REBIND KEY TO"}},
          {capture_, IDC_EDIT_KEYCAPTURE, 98, 46, 188, 25},
      }) {}

BOOL CDlgKAKeyboard::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    controls_.Place(*this);
    ApplyLanguage();
    return TRUE;
}

void CDlgKAKeyboard::ApplyLanguage() { controls_.ApplyLanguage(); }

void CDlgKAKeyboard::SaveTo(CKeyAction& action) { action.keyboardInputs = capture_.Keys(); }

void CDlgKAKeyboard::LoadFrom(const CKeyAction& action) {
    capture_.SetKeys(action.keyboardInputs);
    const InputRecord& press = action.keyboardInputs[0];
    const std::u16string name = keyNames_.NameOfScanCode(press.Scan(), press.KeyFlags() & kKeyEventExtendedKey);
    capture_.SetText(std::wstring(name.begin(), name.end()));
}
