#include "framework/DialogEx.h"

#include <algorithm>
#include <optional>

#include "framework/Dpi.h"
#include "framework/FocusCueState.h"
#include "framework/ModalMoment.h"
#include "geometry/DpiScale.h"

CDialogEx::CDialogEx(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

// The system's dialog manager calls this from the window's class procedure;
// every message has already been through our WindowProc, so it only asks the
// manager to focus the first control after WM_INITDIALOG.
INT_PTR CALLBACK CDialogEx::DialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

bool CDialogEx::Create(HWND parent) {
    if (GetSafeHwnd()) return false;
    CreationScope scope(*this);
    const HWND made = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent, &DialogProc, 0);
    // A window of its own shows focus marks when it is opened from one where
    // the keyboard is in use.
    if (made && !(Style() & WS_CHILD)) ShowFocusCues(made, parent && FocusCuesShown(parent));
    return made != nullptr;
}

INT_PTR CDialogEx::DoModal() {
    HWND owner = parent_ ? parent_->GetSafeHwnd() : nullptr;
    if (!Create(owner)) return -1;
    std::optional<ModalMoment> modal;
    if (owner) modal.emplace();
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    modal_ = true;
    running_ = true;
    result_ = IDCANCEL;
    Show(SW_SHOWNORMAL);
    MSG msg{};
    bool quit = false;
    while (running_) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (PreTranslateTree(msg, GetSafeHwnd())) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    modal_ = false;
    // Re-enable the owner before the dialog goes, so that activation
    // returns to it rather than to another program.
    if (ownerWasEnabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    DestroyWindow();
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
    return result_;
}

void CDialogEx::EndDialog(int result) {
    result_ = result;
    if (modal_) {
        running_ = false;
        Post(WM_NULL);
    } else {
        Show(SW_HIDE);
    }
}

LRESULT CDialogEx::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG:
        dpi_ = WindowDpi(GetSafeHwnd());
        KeepDialogUnscaled(GetSafeHwnd());
        return OnInitDialog();
    case WM_COMMAND: {
        LRESULT result = 0;
        if (ReflectToChild(msg, wp, lp, &result)) return result;
        if (OnCommand(wp, lp)) return 0;
        return CallDefault(msg, wp, lp);
    }
    }
    return CWnd::WindowProc(msg, wp, lp);
}

int LaidOutDpi(HWND window) {
    for (HWND w = window; w; w = GetParent(w))
        if (const auto* dialog = dynamic_cast<const CDialogEx*>(CWnd::FromHandle(w))) return dialog->Dpi();
    return WindowDpi(window);
}

void CDialogEx::Place(CWnd& window, const PixelRect& at96) {
    const auto same = std::find_if(placed_.begin(), placed_.end(), [&](const Placed& p) { return p.window == &window; });
    if (same != placed_.end())
        same->at96 = at96;
    else
        placed_.push_back({&window, at96});
    MovePlaced({&window, at96});
}

void CDialogEx::SetDpi(int dpi) {
    dpi_ = dpi;
    for (const Placed& placed : placed_) MovePlaced(placed);
}

void CDialogEx::MovePlaced(const Placed& placed) const {
    const PixelRect r = ScaleRect(placed.at96, dpi_);
    const UINT keepSize = placed.at96.width == 0 && placed.at96.height == 0 ? SWP_NOSIZE : 0;
    SetWindowPos(placed.window->GetSafeHwnd(), nullptr, r.x, r.y, r.width, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
}

bool CDialogEx::OnCommand(WPARAM wp, LPARAM) {
    switch (LOWORD(wp)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    }
    return false;
}

// Dialog keys (Tab, Enter, Escape, arrows) for the controls of a top-level
// dialog; a child page leaves them to the dialog it lives in.
bool CDialogEx::PreTranslateMessage(MSG& msg) {
    if (Style() & WS_CHILD) return false;
    return IsDialogMessageW(GetSafeHwnd(), &msg) != 0;
}
