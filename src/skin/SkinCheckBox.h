#pragma once
// An owner-drawn check box. The box itself is painted in the skin parent's
// images; the control shows the slice for its ticked, disabled and hovering
// state and its text from the text indent on.
#include "framework/Button.h"
#include "skin/SkinControl.h"

class CSkinCheckBox : public CSkinControl<CButton> {
public:
    CSkinCheckBox();
    int Ticked() const { return ticked_; }
    // Pixels at 96 DPI; the indent follows the dialog's DPI.
    void SetTextIndent(int pixels) { indent_ = pixels; }
    std::optional<AccessibleFacts> Accessible() const override {
        return AccessibleFacts{AccessibleName(), role_, (ticked_ & 1) != 0};
    }

protected:
    CSkinCheckBox(int indent, LONG role) : indent_(indent), role_(role) {}
    void OnSkinInit() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnClicked() override;
    // A change is announced to screen readers.
    void SetTicked(int ticked);

    void DrawItem(const DRAWITEMSTRUCT& item) override;

private:

    int ticked_ = 0;
    int indent_;
    LONG role_ = ROLE_SYSTEM_CHECKBUTTON;
};
