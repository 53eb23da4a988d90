#pragma once
// A dialog built from a template in the program's resources, modeless
// (Create) or modal (DoModal). The modal run is our own message loop, so that
// every queued message passes PreTranslateMessage of the windows it is for
// (key capture controls rely on that), with the owner disabled meanwhile.
#include <vector>

#include "framework/Wnd.h"
#include "geometry/SkinGeometry.h"

// The DPI that the nearest dialog around `window` (or `window` itself) is
// laid out for; the window's own when no dialog of ours holds it.
int LaidOutDpi(HWND window);

class CDialogEx : public CWnd {
public:
    // `parent` is the owner of a popup dialog or the parent of a child one.
    explicit CDialogEx(UINT templateId, CWnd* parent = nullptr);

    bool Create(HWND parent);
    bool Create() { return Create(parent_ ? parent_->GetSafeHwnd() : nullptr); }
    // Runs the dialog until EndDialog; returns its result, -1 when the
    // window could not be created. The window is destroyed afterwards.
    INT_PTR DoModal();
    // Ends a modal run with `result`; hides a modeless dialog.
    void EndDialog(int result);

    UINT TemplateId() const { return templateId_; }

    // Moves a control or child dialog to its rectangle laid out at 96 DPI,
    // scaled to the dialog's DPI, and again on every change of DPI. A
    // rectangle of no size moves the window without resizing it.
    void Place(CWnd& window, const PixelRect& at96);
    // The DPI the dialog was laid out for: the window's at creation, then
    // the one of the last SetDpi.
    int Dpi() const { return dpi_; }
    // Whether the controls of this top-level dialog show where the focus
    // is (framework/FocusCueState.h); hidden at first.
    bool FocusCues() const { return focusCues_; }
    void SetFocusCues(bool shown) { focusCues_ = shown; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool PreTranslateMessage(MSG& msg) override;
    // Called on WM_INITDIALOG; TRUE lets the system focus the first control.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // A WM_COMMAND that no child control consumed; true when handled.
    virtual bool OnCommand(WPARAM wp, LPARAM lp);
    // Every placed window moves to its rectangle at `dpi`.
    void SetDpi(int dpi);

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT msg, WPARAM, LPARAM);
    struct Placed {
        CWnd* window;
        PixelRect at96;
    };
    void MovePlaced(const Placed& placed) const;

    UINT templateId_;
    CWnd* parent_;
    bool modal_ = false;
    bool running_ = false;
    int result_ = 0;
    int dpi_ = 96;
    bool focusCues_ = false;
    std::vector<Placed> placed_;
};
