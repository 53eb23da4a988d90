#include "skin/BtnListBox.h"

#include "framework/FocusCueState.h"
#include "ui/DropDown.h"

CBtnListBox::CBtnListBox() { List().SetUseParentBackground(false); }

void CBtnListBox::OnSkinInit() {
    CSkinButton::OnSkinInit();
    // Loaded here rather than at construction: the images need GDI+, which
    // the program starts after its objects may have been built.
    List().LoadBackground();
    dropDown_.Create(*this);
}

int CBtnListBox::AddItem(const std::wstring& text) {
    const int row = List().AddString(text.c_str());
    FitDropDown();
    return row;
}

int CBtnListBox::DeleteItem(int position) {
    const int left = List().DeleteString(position);
    FitDropDown();
    return left;
}

int CBtnListBox::RowsHeight() {
    int height = 0;
    for (int i = 0, count = List().GetCount(); i < count; ++i) height += List().GetItemHeight(i);
    return height;
}

void CBtnListBox::FitDropDown() {
    const HWND dropDown = dropDown_.GetSafeHwnd();
    if (!dropDown) return;
    const RECT r = dropDown_.WindowRect();
    SetWindowPos(dropDown, HWND_TOPMOST, 0, 0, r.right - r.left, DropDownHeight(RowsHeight()),
                 SWP_NOMOVE | SWP_NOACTIVATE);
}

int CBtnListBox::SelectItem(int position) {
    const int selected = List().SetCurSel(position);
    // Some systems keep the old selection for a position that does not
    // exist; the list must not hold a choice the button does not show.
    if (selected < 0) List().SetCurSel(-1);
    SetText(selected >= 0 ? List().GetText(selected) : std::wstring());
    Invalidate();
    return selected;
}

bool CBtnListBox::Choose(int position) {
    if (position < 0) return false;
    const std::wstring chosen = List().GetText(position);
    if (chosen == Text()) return false;
    SetText(chosen);
    Invalidate();
    PostMessageW(Parent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(GetSafeHwnd()), kSelChange),
                 reinterpret_cast<LPARAM>(GetSafeHwnd()));
    return true;
}

void CBtnListBox::OnClicked() {
    if (!IsDroppedDown()) OpenDropDown();
}

void CBtnListBox::OpenDropDown() {
    const HWND dropDown = dropDown_.GetSafeHwnd();
    if (!dropDown) return;
    const RECT b = WindowRect();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    const PixelRect at = DropDownPlacement(PixelRect{b.left, b.top, b.right - b.left, b.bottom - b.top},
                                           DropDownHeight(RowsHeight()), monitor.rcWork.bottom);
    SetWindowPos(dropDown, HWND_TOPMOST, at.x, at.y, at.width, at.height, SWP_SHOWWINDOW);
    // Opened from the keyboard, the list shows its focus mark at once.
    ShowFocusCues(dropDown, FocusCuesShown(GetSafeHwnd()));
    SetFocus(List().GetSafeHwnd());
    // Enabled again when the drop-down closes.
    Enable(false);
}

bool CBtnListBox::OnKey(UINT msg, WPARAM vk) {
    if (IsDroppedDown()) return false;
    if ((msg == WM_KEYDOWN && vk == VK_F4) || (msg == WM_SYSKEYDOWN && (vk == VK_DOWN || vk == VK_UP))) {
        OpenDropDown();
        return true;
    }
    if (msg != WM_KEYDOWN) return false;
    const std::optional<int> row = ClosedDropDownStep(static_cast<uint32_t>(vk), List().GetCurSel(), List().GetCount());
    if (!row) return false;
    List().SetCurSel(*row);
    (void)Choose(*row);  // the same text again tells nobody
    return true;
}

LRESULT CBtnListBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_DESTROY:
        dropDown_.DestroyWindow();
        break;
    case WM_GETDLGCODE:
        // The arrows choose rows here instead of moving the focus.
        return CSkinButton::WindowProc(msg, wp, lp) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (OnKey(msg, wp)) return 0;
        break;
    }
    return CSkinButton::WindowProc(msg, wp, lp);
}
