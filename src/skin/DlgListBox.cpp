#include "skin/DlgListBox.h"

#include "skin/BtnListBox.h"
#include "skin/SkinResources.h"

CDlgListBox::CDlgListBox() : CDialogEx(IDD_DLG_LISTBOX) {}

// A dialog window is not destroyed with its object by the framework.
CDlgListBox::~CDlgListBox() { DestroyWindow(); }

bool CDlgListBox::Create(CBtnListBox& owner) {
    owner_ = &owner;
    return CDialogEx::Create(owner.GetSafeHwnd());
}

BOOL CDlgListBox::OnInitDialog() {
    CDialogEx::OnInitDialog();
    list_.SubclassDlgItem(IDC_DLG_LISTBOX_LIST, *this);
    return TRUE;
}

// The focus goes back to the button when the list had it, so that the
// keyboard goes on from where the choice was made; before the hide, or the
// system activates a window of its choice.
void CDlgListBox::Close() {
    if (owner_) owner_->Enable(true);
    if (owner_ && list_.GetSafeHwnd() && GetFocus() == list_.GetSafeHwnd()) SetFocus(owner_->GetSafeHwnd());
    Show(SW_HIDE);
}

// Arrows, Home, End, Page Up and Page Down move the selection without
// choosing; Enter chooses.
bool CDlgListBox::PreTranslateMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.hwnd != list_.GetSafeHwnd()) return CDialogEx::PreTranslateMessage(msg);
    movingByKey_ = true;
    const bool consumed = CDialogEx::PreTranslateMessage(msg);
    movingByKey_ = false;
    return consumed;
}

LRESULT CDlgListBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_WINDOWPOSCHANGED) {
        const LRESULT result = CDialogEx::WindowProc(msg, wp, lp);
        OnPlaced();
        return result;
    }
    return CDialogEx::WindowProc(msg, wp, lp);
}

bool CDlgListBox::OnCommand(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) != IDC_DLG_LISTBOX_LIST) return CDialogEx::OnCommand(wp, lp);
    switch (HIWORD(wp)) {
    case LBN_SELCHANGE:
        if (!movingByKey_) Pick();
        break;
    case LBN_KILLFOCUS:
        Close();
        break;
    }
    return true;
}

// The same text again (or another row with that text) changes nothing, and
// the drop-down stays open until it loses the focus.
void CDlgListBox::Pick() {
    if (owner_ && owner_->Choose(list_.GetCurSel())) Close();
}

void CDlgListBox::OnPlaced() {
    if (!list_.GetSafeHwnd() || !owner_) return;
    const std::wstring shown = owner_->Text();
    // An empty text begins every row: it names no row.
    if (list_.GetCurSel() < 0 && !shown.empty()) {
        const int match = list_.FindString(-1, shown.c_str());
        if (match >= 0) list_.SetCurSel(match);
    }
    const RECT client = ClientRect();
    list_.Move(0, 0, client.right, client.bottom);
}
