#include "pages/DlgSettings.h"

#include "device/KeyboardCommands.h"
#include "model/DocProfileSet.h"
#include "model/KeyTable.h"
#include "pages/DlgKeyAction.h"
#include "pages/resource.h"
#include "skin/FocusMark.h"
#include "ui/KeyAccessibleName.h"

CDlgSettings::CDlgSettings(KeyAssignmentContext context, const CDocMacroSet& macros)
    : CSkinDialog(IDD_DLG_SETTINGS),
      context_(std::move(context)),
      macros_(macros),
      hint_(context_.profiles),
      keyButtons_(kSlotCount, nullptr) {
    LoadImages(u"Setting", {SkinState::Normal, SkinState::Disable, SkinState::Over, SkinState::Selected});
    SetMaskOf(u"Setting");
}

BOOL CDlgSettings::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    CreateKeys();
    hint_.Create(GetSafeHwnd());
    SetTimer(GetSafeHwnd(), kHoverTimer, kHoverPeriodMs, nullptr);
    return TRUE;
}

// The buttons come from the key table rather than the template: one table
// gives id, key code and place.
void CDlgSettings::CreateKeys() {
    for (std::size_t i = 0; i < kKeyButtonCount; ++i) {
        const KeyButtonPlace& place = kKeyButtons[i];
        CKeyButton& button = buttons_[i];
        const RECT rect{place.x, place.y, place.x + place.width, place.y + place.height};
        button.CreateEx(0, L"BUTTON", L" ", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rect, GetSafeHwnd(), place.id);
        Place(button, {place.x, place.y, place.width, place.height});
        button.keyCode = place.keyCode;
        button.describe = [this](int keyCode) { return Describe(keyCode); };
        keyButtons_[place.keyCode] = &button;
    }
}

std::u16string CDlgSettings::Describe(int keyCode) const {
    const CDocProfile* profile = context_.profiles.Current();
    if (profile == nullptr || static_cast<std::size_t>(keyCode) >= profile->keys.size()) return {};
    return KeyAccessibleName(profile->keys[static_cast<std::size_t>(keyCode)], keyNames_, shortcuts_);
}

void CDlgSettings::AnnounceKeyNames() const {
    for (const CKeyButton& key : buttons_) key.AnnounceNameChange();
}

CWnd* CDlgSettings::MainWindow() const { return CWnd::FromHandle(GetAncestor(GetSafeHwnd(), GA_ROOT)); }

// Run over the main window, so that it stays disabled and Fn + digit
// changes no profile while the dialog is open.
void CDlgSettings::OnKeyClicked(CKeyButton& key) {
    KillTimer(GetSafeHwnd(), kHoverTimer);
    hint_.Show(SW_HIDE);
    AssignKey(context_, static_cast<uint32_t>(key.keyCode), [this](CKeyAction& action) {
        CDlgKeyAction dialog(MainWindow(), macros_, keyNames_);
        dialog.Working() = action;
        if (dialog.DoModal() != IDOK) return false;
        action = dialog.Working();
        return true;
    });
    key.AnnounceNameChange();
    SetTimer(GetSafeHwnd(), kHoverTimer, kHoverPeriodMs, nullptr);
}

// The key the keyboard is on comes first, then the one under the pointer.
void CDlgSettings::OnHoverTick() {
    if (GetActiveWindow() != GetAncestor(GetSafeHwnd(), GA_ROOT) || !IsWindowVisible(GetSafeHwnd())) return;
    if (CKeyButton* focused = KeyOfId(GetDlgCtrlID(GetFocus())); focused && ShowsFocusMark(focused->GetSafeHwnd())) {
        hint_.ShowForKey(*focused);
        return;
    }
    POINT pointer{};
    GetCursorPos(&pointer);
    for (CKeyButton* button : keyButtons_) {
        if (button == nullptr) continue;
        const RECT r = button->WindowRect();
        if (PtInRect(&r, pointer)) {
            hint_.ShowForKey(*button);
            return;
        }
    }
    hint_.Forget();
}

LRESULT CDlgSettings::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp != kHoverTimer) break;
        OnHoverTick();
        return 0;
    case WM_DESTROY:
        KillTimer(GetSafeHwnd(), kHoverTimer);
        hint_.DestroyWindow();
        break;
    }
    return CSkinDialog::WindowProc(msg, wp, lp);
}

CKeyButton* CDlgSettings::KeyOfId(int id) {
    const std::optional<std::size_t> index = KeyButtonIndex(id);
    return index && buttons_[*index].GetSafeHwnd() == GetDlgItem(GetSafeHwnd(), id) ? &buttons_[*index] : nullptr;
}

bool CDlgSettings::OnCommand(WPARAM wp, LPARAM lp) {
    CKeyButton* key = KeyOfId(LOWORD(wp));
    if (key && HIWORD(wp) == BN_CLICKED) {
        OnKeyClicked(*key);
        return true;
    }
    if (key && HIWORD(wp) == BN_SETFOCUS) {
        // The hint follows the keyboard at once; the pointer, at the tick.
        if (ShowsFocusMark(key->GetSafeHwnd())) OnHoverTick();
        return true;
    }
    return CSkinDialog::OnCommand(wp, lp);
}
