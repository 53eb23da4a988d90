#pragma once
// The base of skinned controls that live inside a scroll frame (edits and
// list boxes). It remembers its skin parent before the control is moved into
// the frame, and creates the frame on the first message once that parent is
// known. When the control's window is gone, so is the frame, and a window
// subclassed later gets a new one.
#include <memory>

#include "skin/SkinControl.h"
#include "skin/SkinScrollFrame.h"

template <class T>
class CSkinContianerCtrl : public CSkinControl<T> {
public:
    CSkinDialog* GetSkinParent() override { return skinParent_; }
    // The frame that hosts the control; null before the first message.
    const CSkinScrollFrame* ScrollFrame() const { return scrollFrame_.get(); }

protected:
    // Records the parent as skin parent; derived OnSkinInit calls this.
    void RememberSkinParent() { skinParent_ = CSkinControl<T>::GetSkinParent(); }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (skinParent_ && !scrollFrame_ && !creatingFrame_) {
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
        if (msg == WM_NCDESTROY) {
            scrollFrame_.reset();
            skinParent_ = nullptr;
        }
        return result;
    }

private:
    CSkinDialog* skinParent_ = nullptr;
    std::unique_ptr<CSkinScrollFrame> scrollFrame_;
    bool creatingFrame_ = false;
};
