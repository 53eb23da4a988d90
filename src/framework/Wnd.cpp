#include "framework/Wnd.h"

#include <unordered_map>
#include <utility>

#include "framework/FocusCueState.h"

namespace {
// Handle-to-object map of this thread. Windows belong to the thread that
// created them, so no lock is needed.
std::unordered_map<HWND, CWnd*>& HandleMap() {
    thread_local std::unordered_map<HWND, CWnd*> map;
    return map;
}

thread_local CWnd* pendingCreation = nullptr;
thread_local HHOOK creationHook = nullptr;

// The window that sent a notification, or null when the message has none.
HWND NotifyingChild(HWND parent, UINT msg, WPARAM, LPARAM lp) {
    if (IsCtlColorMessage(msg)) return reinterpret_cast<HWND>(lp);
    switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lp);
    case WM_DRAWITEM: {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        return d->CtlType == ODT_MENU ? nullptr : d->hwndItem;
    }
    case WM_MEASUREITEM: {
        const auto* m = reinterpret_cast<const MEASUREITEMSTRUCT*>(lp);
        return m->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(m->CtlID));
    }
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lp)->hwndFrom;
    }
    return nullptr;
}
}  // namespace

CWnd::~CWnd() {
    if (!hwnd_) return;
    if (owned_)
        DestroyWindow();
    else
        UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    const auto it = HandleMap().find(hwnd);
    return it == HandleMap().end() ? nullptr : it->second;
}

CWnd::CreationScope::CreationScope(CWnd& wnd)
    : savedPending_(std::exchange(pendingCreation, &wnd)),
      savedHook_(std::exchange(creationHook,
                               SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId()))) {}

CWnd::CreationScope::~CreationScope() {
    if (creationHook) UnhookWindowsHookEx(creationHook);
    creationHook = savedHook_;
    pendingCreation = savedPending_;
}

// The first window created inside a CreationScope is bound before it gets
// WM_NCCREATE; later ones (the controls of a dialog) are left alone.
LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND && pendingCreation) {
        CWnd* wnd = std::exchange(pendingCreation, nullptr);
        wnd->creating_ = true;
        wnd->Bind(reinterpret_cast<HWND>(wp));
        wnd->PreSubclassWindow();
        wnd->creating_ = false;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void CWnd::Bind(HWND hwnd) {
    hwnd_ = hwnd;
    HandleMap()[hwnd] = this;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc)));
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* name, DWORD style, const RECT& rect,
                    HWND parent, UINT id) {
    if (hwnd_) return false;
    HWND created = nullptr;
    {
        CreationScope scope(*this);
        created = CreateWindowExW(exStyle, className, name, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr),
                                  nullptr);
    }
    if (!created) {
        // A window that failed in WM_CREATE is already destroyed and unbound.
        hwnd_ = nullptr;
        return false;
    }
    owned_ = true;
    return true;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (hwnd_ || !hwnd || FromHandle(hwnd)) return false;
    hwnd_ = hwnd;
    PreSubclassWindow();
    hwnd_ = nullptr;
    Bind(hwnd);
    owned_ = false;
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, const CWnd& parent) {
    return SubclassWindow(GetDlgItem(parent.hwnd_, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    if (!hwnd_) return nullptr;
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    HandleMap().erase(hwnd_);
    previous_ = nullptr;
    return std::exchange(hwnd_, nullptr);
}

bool CWnd::DestroyWindow() { return hwnd_ && ::DestroyWindow(hwnd_); }

LRESULT CALLBACK CWnd::StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CWnd* wnd = FromHandle(hwnd);
    if (!wnd) return DefWindowProcW(hwnd, msg, wp, lp);
    const LRESULT result = wnd->WindowProc(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        HandleMap().erase(hwnd);
        wnd->hwnd_ = nullptr;
        wnd->previous_ = nullptr;
        wnd->owned_ = false;
        wnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ReflectToChild(msg, wp, lp, &result)) return result;
    return CallDefault(msg, wp, lp);
}

bool CWnd::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    HWND child = NotifyingChild(hwnd_, msg, wp, lp);
    CWnd* target = child && child != hwnd_ ? FromHandle(child) : nullptr;
    return target && target->OnChildNotify(msg, wp, lp, result);
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

bool CWnd::PreTranslateMessage(MSG&) { return false; }

bool CWnd::PreTranslateTree(MSG& msg, HWND top) {
    FollowFocusCues(msg);
    for (HWND h = msg.hwnd; h; h = GetParent(h)) {
        CWnd* wnd = FromHandle(h);
        if (wnd && wnd->PreTranslateMessage(msg)) return true;
        if (h == top) break;
    }
    return false;
}

LRESULT CWnd::CallDefault(UINT msg, WPARAM wp, LPARAM lp) {
    return previous_ ? CallWindowProcW(previous_, hwnd_, msg, wp, lp) : DefWindowProcW(hwnd_, msg, wp, lp);
}

POINT CWnd::MessagePos() {
    const DWORD pos = GetMessagePos();
    return POINT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
}

std::wstring CWnd::Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void CWnd::Move(int x, int y, int width, int height, bool repaint) const {
    MoveWindow(hwnd_, x, y, width, height, repaint);
}

void CWnd::ModifyStyle(DWORD remove, DWORD add) const {
    SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>((Style() & ~remove) | add));
}

RECT CWnd::WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
}

RECT CWnd::ClientRect() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r;
}
