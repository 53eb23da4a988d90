#pragma once
// The base of skinned controls that live inside a scroll frame (edits and
// list boxes). It remembers its skin parent before the control is moved into
// the frame, and creates the frame on the first message once that parent is
// known. A window subclassed later (the dialog opened again) gets a new
// frame.
#include <memory>

#include "skin/SkinControl.h"
#include "skin/SkinScrollFrame.h"

template <class T>
class CSkinContianerCtrl : public CSkinControl<T> {
public:
    CSkinDialog* GetSkinParent() override { return skinParent_; }
    // The frame that hosts the control; null before the first message and
    // after the control's window is gone.
    const CSkinScrollFrame* ScrollFrame() const { return HasLiveFrame() ? scrollFrame_.get() : nullptr; }

protected:
    // Records the parent as skin parent; derived OnSkinInit calls this.
    void RememberSkinParent() { skinParent_ = CSkinControl<T>::GetSkinParent(); }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_DESTROY) skinParent_ = nullptr;  // no new frame for a window on its way out
        if (skinParent_ && !HasLiveFrame() && !creatingFrame_) {
            creatingFrame_ = true;
            scrollFrame_ = CSkinScrollFrame::Host(*this);
            creatingFrame_ = false;
            // The message that made the frame goes through the frame too, so
            // that a first move meant for the dialog moves the frame.
            if (scrollFrame_) {
                const HWND hwnd = this->GetSafeHwnd();
                return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)), hwnd, msg,
                                       wp, lp);
            }
        }
        const LRESULT result = CSkinControl<T>::WindowProc(msg, wp, lp);
        // A frame that went first is dropped now; one that is being destroyed
        // with the dialog around it is left to finish, and is replaced when
        // the control gets a window again.
        if (msg == WM_NCDESTROY && !HasLiveFrame()) scrollFrame_.reset();
        return result;
    }

private:
    bool HasLiveFrame() const { return scrollFrame_ && scrollFrame_->GetSafeHwnd(); }

    CSkinDialog* skinParent_ = nullptr;
    std::unique_ptr<CSkinScrollFrame> scrollFrame_;
    bool creatingFrame_ = false;
};
