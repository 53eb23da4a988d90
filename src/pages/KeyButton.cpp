#include "pages/KeyButton.h"

#include <optional>

#include "ui/KeyButtonTable.h"
#include "ui/KeyGridStep.h"

namespace {
std::optional<GridStep> StepOf(WPARAM vk) {
    switch (vk) {
    case VK_LEFT: return GridStep::Left;
    case VK_RIGHT: return GridStep::Right;
    case VK_UP: return GridStep::Up;
    case VK_DOWN: return GridStep::Down;
    }
    return std::nullopt;
}
}  // namespace

void CKeyButton::OnSkinInit() {
    CSkinButton::OnSkinInit();
    const bool first = GetDlgCtrlID(GetSafeHwnd()) == kKeyButtons.front().id;
    ModifyStyle(0, BS_NOTIFY | (first ? WS_TABSTOP : 0));
}

LRESULT CKeyButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GETDLGCODE:
        return CSkinButton::WindowProc(msg, wp, lp) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (OnArrow(wp)) return 0;
        break;
    case WM_SETFOCUS:
        TakeTabStop();
        break;
    }
    return CSkinButton::WindowProc(msg, wp, lp);
}

bool CKeyButton::OnArrow(WPARAM vk) const {
    const std::optional<GridStep> step = StepOf(vk);
    const std::optional<std::size_t> self = KeyButtonIndex(GetDlgCtrlID(GetSafeHwnd()));
    if (!step || !self) return false;
    const std::size_t next = StepInKeyGrid(kKeyButtons, *self, *step);
    if (next != *self) SetFocus(GetDlgItem(Parent(), kKeyButtons[next].id));
    return true;
}

void CKeyButton::TakeTabStop() const {
    for (const KeyButtonPlace& key : kKeyButtons) {
        const HWND h = GetDlgItem(Parent(), key.id);
        const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
        const LONG_PTR wanted = h == GetSafeHwnd() ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (h && wanted != style) SetWindowLongPtrW(h, GWL_STYLE, wanted);
    }
}
