#pragma once
// The window object of our small framework: a C++ object bound to one HWND,
// either created by the object (CreateEx, dialogs) or taken over by
// subclassing (controls of a dialog template). Messages go through the virtual
// WindowProc; whatever it does not handle goes to the window's previous
// procedure. Notifications that a control sends to its parent (WM_COMMAND,
// WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*, scroll messages) are first
// offered back to the control's own object (OnChildNotify), so that a control
// draws and reacts to itself.
//
// All of it belongs to the thread that created the window: the handle map is
// per thread, and no object may be used from another thread.
#include <windows.h>

#include <string>

// WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC: a control asks for its colours.
constexpr bool IsCtlColorMessage(UINT msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // Destroys a window that the object created; gives a subclassed window
    // back its previous procedure.
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return hwnd_; }
    // The object bound to a window of this thread, or null.
    static CWnd* FromHandle(HWND hwnd);

    // Creates a window of any class and binds it before its first message,
    // so that WM_NCCREATE and WM_CREATE already reach WindowProc.
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* name, DWORD style, const RECT& rect,
                  HWND parent, UINT id);
    // Binds an existing window (a control of a dialog template).
    bool SubclassWindow(HWND hwnd);
    bool SubclassDlgItem(UINT id, const CWnd& parent);
    HWND UnsubclassWindow();
    bool DestroyWindow();

    // Offers a queued message to the objects from the target window up to
    // `top`, innermost first; true when one of them consumed it.
    static bool PreTranslateTree(MSG& msg, HWND top);

    // Thin helpers over the window.
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(hwnd_, msg, wp, lp); }
    bool Post(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return PostMessageW(hwnd_, msg, wp, lp) != 0; }
    std::wstring Text() const;
    void SetText(const std::wstring& text) const { SetWindowTextW(hwnd_, text.c_str()); }
    void Move(int x, int y, int width, int height, bool repaint = true) const;
    void Invalidate(bool erase = true) const { InvalidateRect(hwnd_, nullptr, erase); }
    bool Show(int command) const { return ShowWindow(hwnd_, command) != 0; }
    bool Enable(bool enable) const { return EnableWindow(hwnd_, enable) != 0; }
    bool IsEnabled() const { return IsWindowEnabled(hwnd_) != 0; }
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
    void ModifyStyle(DWORD remove, DWORD add) const;
    RECT WindowRect() const;
    RECT ClientRect() const;
    HWND Parent() const { return GetParent(hwnd_); }
    HWND DlgItem(int id) const { return GetDlgItem(hwnd_, id); }

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // A queued message before it is dispatched; true consumes it.
    virtual bool PreTranslateMessage(MSG& msg);
    // Called when a window of a template is bound, and during CreateEx
    // (IsCreating() is then true).
    virtual void PreSubclassWindow() {}
    // A notification this control sent to its parent, offered back to the
    // control. True when fully handled: the parent then sees nothing and
    // returns *result.
    virtual bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    // After the window is gone (WM_NCDESTROY); the object is unbound.
    virtual void PostNcDestroy() {}

    // Passes a message on to the window's previous procedure.
    LRESULT CallDefault(UINT msg, WPARAM wp, LPARAM lp);
    bool IsCreating() const { return creating_; }
    // The cursor position of the message being handled (GetMessagePos).
    static POINT MessagePos();
    // Offers a notification to the child control that sent it.
    bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

    // While one exists, the next window this thread creates is bound to the
    // given object before it receives its first message. Nests.
    class CreationScope {
    public:
        explicit CreationScope(CWnd& wnd);
        CreationScope(const CreationScope&) = delete;
        CreationScope& operator=(const CreationScope&) = delete;
        ~CreationScope();

    private:
        CWnd* savedPending_;
        HHOOK savedHook_;
    };

private:
    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wp, LPARAM lp);
    void Bind(HWND hwnd);

    HWND hwnd_ = nullptr;
    WNDPROC previous_ = nullptr;
    bool owned_ = false;
    bool creating_ = false;
};
