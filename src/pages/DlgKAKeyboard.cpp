#include "pages/DlgKAKeyboard.h"

#include "framework/ControlPlace.h"
#include "lang/win32/LocalText.h"
#include "pages/KeyPageResource.h"
#include "platform/IKeyNames.h"

CDlgKAKeyboard::CDlgKAKeyboard(const IKeyNames& keyNames)
    : CDlgKA(IDD_DLG_KA_KEYBOARD, u"ActionKeyboard", {SkinState::Normal, SkinState::Over}), keyNames_(keyNames) {}

BOOL CDlgKAKeyboard::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    PlaceControls(*this, {
        {title_, IDC_STATIC_REBINDKEY, 47, 16, 113, 13},
        {capture_, IDC_EDIT_KEYCAPTURE, 98, 46, 188, 25},
    });
    ApplyLanguage();
    return TRUE;
}

void CDlgKAKeyboard::ApplyLanguage() { title_.SetText(LocalText(u"IDC_STATIC_REBINDKEY", u"REBIND KEY TO")); }

void CDlgKAKeyboard::SaveTo(CKeyAction& action) { action.keyboardInputs = capture_.Keys(); }

void CDlgKAKeyboard::LoadFrom(const CKeyAction& action) {
    capture_.SetKeys(action.keyboardInputs);
    const InputRecord& press = action.keyboardInputs[0];
    const std::u16string name = keyNames_.NameOfScanCode(press.Scan(), press.KeyFlags() & kKeyEventExtendedKey);
    capture_.SetText(std::wstring(name.begin(), name.end()));
}
