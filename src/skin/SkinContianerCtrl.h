#pragma once
// The base of skinned controls that live inside a scroll frame (edits and
// list boxes). It remembers its skin parent before the control is moved into
// the frame, and creates the frame on the first message once that parent is
// known. Which frame is made is up to MakeScrollFrame; without one the
// control stays where its dialog put it.
#include <memory>

#include "skin/SkinControl.h"

template <class T>
class CSkinContianerCtrl : public CSkinControl<T> {
public:
    CSkinDialog* GetSkinParent() override { return skinParent_; }

protected:
    // Records the parent as skin parent; derived OnSkinInit calls this.
    void RememberSkinParent() { skinParent_ = CSkinControl<T>::GetSkinParent(); }
    // The frame that hosts this control, created around it; null for none.
    virtual std::unique_ptr<CWnd> MakeScrollFrame() { return nullptr; }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (skinParent_ && !scrollFrame_ && !creatingFrame_) {
            creatingFrame_ = true;
            scrollFrame_ = MakeScrollFrame();
            creatingFrame_ = false;
        }
        return CSkinControl<T>::WindowProc(msg, wp, lp);
    }

private:
    CSkinDialog* skinParent_ = nullptr;
    std::unique_ptr<CWnd> scrollFrame_;
    bool creatingFrame_ = false;
};
