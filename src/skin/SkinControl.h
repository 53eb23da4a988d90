#pragma once
// The base of every skinned control, over a window class T of the framework
// (CButton, CEdit, CStatic, CListBox, CWnd, CSliderCtrl). It keeps the text
// colours and image indexes per state, the text format and font, and tracks
// hovering: a mouse move inside starts hovering and a 20 ms timer, and the
// timer ends it once the cursor is outside, even when no mouse message
// reaches the control any more.
#include <windows.h>
#include <gdiplus.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include <boost/algorithm/string/trim.hpp>

#include "framework/AccessibleFacts.h"
#include "framework/Button.h"
#include "framework/ControlAccessible.h"
#include "framework/Dpi.h"
#include "framework/TableControl.h"
#include "geometry/DpiScale.h"
#include "skin/FocusMark.h"
#include "skin/SkinDialog.h"
#include "skin/SkinMessages.h"
#include "skin/SkinPaint.h"
#include "ui/SkinState.h"

template <class T>
class CSkinControl : public T, public IAccessibleSource, public ITableControl {
public:
    CSkinControl() : format_(std::make_unique<Gdiplus::StringFormat>(0, LANG_NEUTRAL)) {}

    uint32_t TextColour(SkinState state) const { return colours_[Slot(state)]; }
    void SetTextColour(SkinState state, uint32_t argb) { colours_[Slot(state)] = argb; }
    void SetImageIndex(SkinState state, int index) { indexes_[Slot(state)] = index; }
    // Bits 0-1 horizontal alignment, bit 2 vertical centre, bit 3 bottom.
    void SetTextFlags(int flags) override;
    int TextFlags() const { return textFlags_; }
    void SetFontFamily(const std::wstring& family) { font_.family = family; }
    void SetFontSize(float pixels) { font_.size = pixels; }
    void SetHoverTracking(bool on) { tracking_ = on; }
    bool IsHovering() const { return hovering_; }
    int LastStatus() const { return lastStatus_; }

    // What a screen reader calls the control when its text says nothing (an
    // icon button); a change is announced.
    void SetAccessibleName(const std::wstring& name) override;
    // Controls that draw themselves describe themselves; the others leave it
    // to the system's proxy.
    std::optional<AccessibleFacts> Accessible() const override { return std::nullopt; }

    // The dialog whose images the control cuts from and to which it reports
    // hovering: by default its parent.
    virtual CSkinDialog* GetSkinParent() { return dynamic_cast<CSkinDialog*>(CWnd::FromHandle(this->Parent())); }

protected:
    // Once per window: when a template's control is subclassed, or on
    // WM_CREATE for a control created in code.
    virtual void OnSkinInit() {}
    virtual void OnHoverChanged(bool) {}

    // Paints the control; called for the reflected WM_DRAWITEM of an
    // owner-drawn control. The base draws nothing.
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}
    // A click: the reflected BN_CLICKED of a button or STN_CLICKED of a
    // notifying static. The parent still gets the notification.
    virtual void OnClicked() {}

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // Enter presses a focused button as Space does, but only while its focus
    // mark shows: a key assigned Enter lands in the window in front.
    bool PreTranslateMessage(MSG& msg) override {
        if constexpr (std::is_base_of_v<CButton, T>) {
            const HWND self = this->GetSafeHwnd();
            if (msg.hwnd == self && msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && ShowsFocusMark(self)) {
                SendMessageW(this->Parent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(self), BN_CLICKED),
                             reinterpret_cast<LPARAM>(self));
                return true;
            }
        }
        return T::PreTranslateMessage(msg);
    }
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
        static_assert(BN_CLICKED == STN_CLICKED);
        if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
            OnClicked();
            return false;
        }
        if (msg != WM_DRAWITEM) return T::OnChildNotify(msg, wp, lp, result);
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        *result = TRUE;
        return true;
    }
    void PreSubclassWindow() override {
        T::PreSubclassWindow();
        if (!this->IsCreating() && !initialised_) RunSkinInit();
    }

    // The skin parent's image for `state` under the control; null when
    // there is no skin parent or no such image.
    std::unique_ptr<Gdiplus::Bitmap> CutOwnSlice(SkinState state) {
        CSkinDialog* skin = GetSkinParent();
        return skin ? CutSlice(*skin, this->GetSafeHwnd(), state, indexes_[Slot(state)]) : nullptr;
    }
    void DrawSlice(Gdiplus::Graphics& graphics, SkinState state, const RECT& dest) {
        if (CSkinDialog* skin = GetSkinParent())
            ::DrawSlice(graphics, *skin, this->GetSafeHwnd(), state, indexes_[Slot(state)], ToRect(dest), &lastStatus_);
    }
    // The window text in the colour of `colourState`.
    void DrawCaption(Gdiplus::Graphics& graphics, const RECT& rect, SkinState colourState,
                     int style = Gdiplus::FontStyleRegular) {
        const Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(rect.left), static_cast<Gdiplus::REAL>(rect.top),
                                    static_cast<Gdiplus::REAL>(rect.right - rect.left),
                                    static_cast<Gdiplus::REAL>(rect.bottom - rect.top));
        DrawString(graphics, this->Text(), layout, colourState, style);
    }
    // Any text in the control's font, format and the colour of
    // `colourState`; a layout of zero size writes from its corner unbounded.
    void DrawString(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::RectF& layout,
                    SkinState colourState, int style = Gdiplus::FontStyleRegular) {
        DrawSkinText(graphics, text, layout, ScaledFont(style), colours_[Slot(colourState)], format_.get(), &lastStatus_);
    }
    void RecordStatus(Gdiplus::Status status) {
        if (status != Gdiplus::Ok) lastStatus_ = status;
    }
    // The font at the DPI the skin parent is laid out for (the window's
    // without one): sizes are pixels at 96 DPI.
    SkinFont ScaledFont(int style) { return SkinFont{font_.family, ScaleFontSize(font_.size, SkinDpi()), style}; }
    // The DPI the skin parent is laid out for; the window's without one.
    int SkinDpi() {
        const CSkinDialog* skin = GetSkinParent();
        return skin ? skin->Dpi() : WindowDpi(this->GetSafeHwnd());
    }
    void SetHovering(bool on) { hovering_ = on; }
    // The name set for a screen reader, else the text without blanks around it.
    std::wstring AccessibleName() const;
    void NotifyAccessible(DWORD event) const {
        if (this->GetSafeHwnd()) NotifyWinEvent(event, this->GetSafeHwnd(), OBJID_CLIENT, CHILDID_SELF);
    }

private:
    static std::size_t Slot(SkinState state) { return static_cast<std::size_t>(state); }
    static Gdiplus::Rect ToRect(const RECT& r) {
        return Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    void RunSkinInit() {
        OnSkinInit();
        initialised_ = true;
    }
    void ChangeHover(bool on);
    bool CursorInside() const {
        const RECT r = this->WindowRect();
        return PtInRect(&r, CWnd::MessagePos()) != 0;
    }

    bool initialised_ = false;
    SkinTextColours colours_ = DefaultSkinTextColours();
    std::array<int, kSkinStateCount> indexes_{};
    int textFlags_ = 0;
    std::unique_ptr<Gdiplus::StringFormat> format_;
    int lastStatus_ = 0;
    SkinFont font_{L"Tahoma", 12.0f, Gdiplus::FontStyleRegular};
    bool hovering_ = false;
    bool tracking_ = true;
    std::wstring accessibleName_;
    static constexpr UINT_PTR kHoverTimer = 1;
    static constexpr UINT kHoverPeriodMs = 20;
};

template <class T>
void CSkinControl<T>::SetTextFlags(int flags) {
    textFlags_ = flags;
    const TextLayout layout = TextLayoutOfFlags(flags);
    format_->SetAlignment(static_cast<Gdiplus::StringAlignment>(layout.horizontal));
    if (layout.vertical) format_->SetLineAlignment(static_cast<Gdiplus::StringAlignment>(*layout.vertical));
}

template <class T>
void CSkinControl<T>::SetAccessibleName(const std::wstring& name) {
    if (name == accessibleName_) return;
    accessibleName_ = name;
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

template <class T>
std::wstring CSkinControl<T>::AccessibleName() const {
    if (!accessibleName_.empty()) return accessibleName_;
    return boost::algorithm::trim_copy(this->Text());
}

template <class T>
void CSkinControl<T>::ChangeHover(bool on) {
    hovering_ = on;
    if (CSkinDialog* skin = GetSkinParent())
        SendMessageW(skin->GetSafeHwnd(), WM_SKIN_HOVER, on ? 1 : 0, reinterpret_cast<LPARAM>(this->GetSafeHwnd()));
    OnHoverChanged(on);
    if (on)
        SetTimer(this->GetSafeHwnd(), kHoverTimer, kHoverPeriodMs, nullptr);
    else
        KillTimer(this->GetSafeHwnd(), kHoverTimer);
    this->Invalidate(true);
}

template <class T>
LRESULT CSkinControl<T>::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (HoverOnMouseMove(CursorInside(), hovering_, tracking_) == HoverChange::Entered) ChangeHover(true);
        break;
    case WM_TIMER:
        if (HoverOnTimer(CursorInside(), hovering_) == HoverChange::Left) ChangeHover(false);
        break;
    case WM_ERASEBKGND:
        return 1;  // every control paints its whole face
    case WM_GETOBJECT:
        if (static_cast<LONG>(lp) == OBJID_CLIENT && Accessible())
            if (const LRESULT served = CControlAccessible::Serve(this->GetSafeHwnd(), wp)) return served;
        break;
    case WM_LBUTTONDBLCLK:
        // A double click counts as a second click.
        this->Post(WM_LBUTTONDOWN, wp, lp);
        break;
    case WM_CREATE: {
        const LRESULT result = T::WindowProc(msg, wp, lp);
        if (result == -1) return -1;
        if (!initialised_) RunSkinInit();
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        // The focus mark comes and goes; a screen reader follows the focus.
        const LRESULT result = T::WindowProc(msg, wp, lp);
        this->Invalidate(false);
        if (msg == WM_SETFOCUS) NotifyAccessible(EVENT_OBJECT_FOCUS);
        return result;
    }
    case WM_DESTROY:
        if (hovering_ && tracking_) KillTimer(this->GetSafeHwnd(), kHoverTimer);
        initialised_ = false;
        break;
    }
    return T::WindowProc(msg, wp, lp);
}
