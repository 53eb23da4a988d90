#include "skin/SkinListBoxEdit.h"

#include "skin/SkinGdi.h"
#include "geometry/SkinGeometry.h"
#include "skin/SkinScale.h"

void CSkinListBoxEdit::OnSkinInit() {
    CSkinListBox::OnSkinInit();
    ModifyStyle(0, WS_CLIPCHILDREN);
    skinParent_ = Parent();
}

void CSkinListBoxEdit::LoadRowButtonImage() {
    const SharedBitmap image = LoadSkinImage(L".\\res\\MacroButton.bmp", SkinDpi(), {4, 4});
    if (!HasImage(image.get())) return;
    buttonWidth_ = static_cast<int>(image->GetWidth()) / 4;
    buttonHeight_ = static_cast<int>(image->GetHeight()) / 4;
    const UINT ids[] = {kCommandEdit, kCommandDelete, kCommandUp, kCommandDown};
    for (int i = 0; i < 4; ++i) {
        const RECT size{0, 0, buttonWidth_, buttonHeight_};
        if (!buttons_[i].GetSafeHwnd())
            buttons_[i].CreateEx(0, L"BUTTON", L"", WS_CHILD | BS_OWNERDRAW, size, GetSafeHwnd(), ids[i]);
        else
            SetWindowPos(buttons_[i].GetSafeHwnd(), nullptr, 0, 0, size.right, size.bottom,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        buttons_[i].SetImage(*image, buttonWidth_, buttonHeight_, i);
    }
}

void CSkinListBoxEdit::SetRowButtonTips(const std::array<std::wstring, 4>& tips) {
    for (std::size_t i = 0; i < tips.size(); ++i) {
        if (!buttons_[i].GetSafeHwnd()) continue;
        tips_.SetTip(GetSafeHwnd(), buttons_[i].GetSafeHwnd(), tips[i]);
        buttons_[i].SetAccessibleName(tips[i]);
    }
}

void CSkinListBoxEdit::LoadIndicatorImage() {
    indicators_ = LoadSkinImage(L".\\res\\MacroIndicator.bmp", SkinDpi(), {3, 3});
    if (!HasImage(indicators_.get())) return;
    indicatorWidth_ = static_cast<int>(indicators_->GetWidth()) / 3;
    indicatorHeight_ = static_cast<int>(indicators_->GetHeight()) / 3;
    SetTextOffset(indicatorWidth_ + 2 * Margin());
}

void CSkinListBoxEdit::OnDpiChanged() {
    CSkinListBox::OnDpiChanged();
    if (buttonWidth_ > 0) LoadRowButtonImage();
    if (indicators_) LoadIndicatorImage();
}

int CSkinListBoxEdit::AddRow(const std::wstring& text, int kind, int mask) {
    const int row = AddString(text.c_str());
    if (row >= 0) SetItemData(row, DataOf(kind, mask < 0 ? defaultMask_ : mask));
    return row;
}

int CSkinListBoxEdit::SetRowText(int row, const std::wstring& text) {
    if (row < 0 || row >= GetCount()) return -1;
    const LRESULT data = GetItemData(row);
    const int result = DeleteString(row);
    Send(LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.c_str()));
    SetItemData(row, data);
    return result;
}

int CSkinListBoxEdit::MoveRow(int from, int to, bool select) {
    if (from < 0 || from >= GetCount() || to < 0 || to >= GetCount()) return -1;
    const std::wstring text = GetText(from);
    const LRESULT data = GetItemData(from);
    DeleteString(from);
    const int row = static_cast<int>(Send(LB_INSERTSTRING, static_cast<WPARAM>(to), reinterpret_cast<LPARAM>(text.c_str())));
    if (row >= 0) SetItemData(row, data);
    if (select) SetCurSel(row);
    return row;
}

void CSkinListBoxEdit::ClearRows() {
    ResetContent();
    for (CSkinButton& b : buttons_) b.Show(SW_HIDE);
}

void CSkinListBoxEdit::SetButtonsHidden(bool hidden) {
    buttonsHidden_ = hidden;
    if (hidden)
        for (CSkinButton& b : buttons_) b.Show(SW_HIDE);
    Invalidate();
}

// Right to left: down, up, delete, edit; a missing button leaves no gap.
void CSkinListBoxEdit::PlaceButtons(const RECT& row, int mask, bool show) {
    const int y = row.top + (row.bottom - row.top - buttonHeight_) / 2;
    int x = row.right;
    for (int i = 3; i >= 0; --i) {
        if (!(mask & (1 << i)) || !buttons_[i].GetSafeHwnd()) {
            buttons_[i].Show(SW_HIDE);
            continue;
        }
        x -= Margin() + buttonWidth_;
        SetWindowPos(buttons_[i].GetSafeHwnd(), HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        buttons_[i].Show(show ? SW_SHOWNA : SW_HIDE);
    }
}

void CSkinListBoxEdit::DrawItem(const DRAWITEMSTRUCT& item) {
    CSkinListBox::DrawItem(item);
    const int row = static_cast<int>(item.itemID);
    if (row < 0 || item.itemData == 0) return;
    const int kind = KindOf(static_cast<LRESULT>(item.itemData));
    const RECT& r = item.rcItem;
    if (kind >= 0 && HasImage(indicators_.get())) {
        const int state = (item.itemState & ODS_DISABLED) ? 1 : row == HoverRow() ? 2 : 0;
        Gdiplus::Graphics graphics(item.hDC);
        graphics.DrawImage(indicators_.get(), r.left + Margin(), r.top + (r.bottom - r.top - indicatorHeight_) / 2,
                           kind * indicatorWidth_, state * indicatorHeight_, indicatorWidth_, indicatorHeight_,
                           Gdiplus::UnitPixel);
    }
    if (row == HoverRow() && !buttonsHidden_ && !IsEditing())
        PlaceButtons(r, MaskOf(static_cast<LRESULT>(item.itemData)), true);
}

void CSkinListBoxEdit::RefreshHover(const RECT& rect) {
    if (HoverRow() < 0)
        for (CSkinButton& b : buttons_) b.Show(SW_HIDE);
    CSkinListBox::RefreshHover(rect);
}

void CSkinListBoxEdit::RedrawPreviousHover(int previous) {
    if (HoverRow() < 0)
        for (CSkinButton& b : buttons_) b.Show(SW_HIDE);
    CSkinListBox::RedrawPreviousHover(previous);
}

// Moving onto a row button leaves the list's client area but not the list.
bool CSkinListBoxEdit::KeepsHoverOnLeave() const {
    POINT at{};
    GetCursorPos(&at);
    const RECT r = WindowRect();
    return PtInRect(&r, at) != 0;
}

void CSkinListBoxEdit::PointAtRow(int row) const {
    RECT r{};
    if (!GetItemRect(row, &r)) return;
    POINT at{};
    GetCursorPos(&at);
    POINT middle{0, (r.top + r.bottom) / 2};
    ClientToScreen(GetSafeHwnd(), &middle);
    SetCursorPos(at.x, middle.y);
}

void CSkinListBoxEdit::OnRowCommand(UINT command, int row) {
    switch (command) {
    case kCommandEdit:
        SetCurSel(row);
        BeginEdit();
        break;
    case kCommandDelete:
        if (DeleteString(row) != LB_ERR)
            for (CSkinButton& b : buttons_) b.Show(SW_HIDE);
        break;
    case kCommandUp:
        if (row >= 1 && MoveRow(row, row - 1, true) >= 0) PointAtRow(row - 1);
        break;
    case kCommandDown:
        if (MoveRow(row, row + 1, true) >= 0) PointAtRow(row + 1);
        break;
    }
}

void CSkinListBoxEdit::BeginEdit() {
    const int row = GetCurSel();
    RECT r{};
    if (row < 0 || !GetItemRect(row, &r)) return;
    EndEdit();
    r.top += 2;
    r.bottom -= 2;
    r.right -= 5 * Margin() + 4 * buttonWidth_;
    r.left += indicatorWidth_ + 2 * Margin();
    for (CSkinButton& b : buttons_) b.Show(SW_HIDE);
    edit_.SetMode(CSkinListBoxEdit_Edit::kPlain);
    if (!edit_.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", GetText(row).c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                        r, GetSafeHwnd(), 304))
        return;
    edit_.Send(WM_SETFONT, Send(WM_GETFONT), TRUE);
    edit_.SetSel(0, -1);
    editedRow_ = row;
    SetFocus(edit_.GetSafeHwnd());
}

void CSkinListBoxEdit::OnEditEnding(int row, const std::wstring& text) {
    if (text.empty() || text == GetText(row)) return;
    SetRowText(row, text);
    SetCurSel(row);
}

void CSkinListBoxEdit::EndEdit() {
    if (IsEditing()) CommitEdit();
}

void CSkinListBoxEdit::CommitEdit() {
    if (!IsEditing()) return;
    const int row = editedRow_;
    editedRow_ = -1;
    if (row >= 0) {
        const std::wstring text = edit_.Text();
        OnEditEnding(row, text);
        PostMessageW(skinParent_, WM_LISTEDIT_COMMIT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(GetSafeHwnd()));
    }
    edit_.DestroyWindow();
}

LRESULT CSkinListBoxEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) >= kCommandEdit && LOWORD(wp) <= kCommandDown) {
            if (HoverRow() >= 0) OnRowCommand(LOWORD(wp), HoverRow());
            return 0;
        }
        break;
    case WM_LISTEDIT_COMMIT:
        CommitEdit();
        return 0;
    case WM_ERASEBKGND:
        if (HoverRow() >= 0) return 1;
        break;
    }
    return CSkinListBox::WindowProc(msg, wp, lp);
}
