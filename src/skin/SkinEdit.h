#pragma once
// A skinned edit: its background is a pattern brush of the skin parent's
// slice under it (Normal, Over or Disable), its text is drawn transparently
// over that in the state's colour, and every change of text or scrolling
// repaints the background so that no old glyphs remain. It learns about
// hovering only from its scroll frame. Focused by the keyboard, it shows
// the focus mark over its text.
#include "framework/Edit.h"
#include "platform/win32/UniqueResource.h"
#include "skin/SkinContianerCtrl.h"

class CSkinEdit : public CSkinContianerCtrl<CEdit> {
public:
    CSkinEdit();

protected:
    void OnSkinInit() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    // A field without a caret marks its focus however it came.
    virtual bool MarksFocusWithoutCues() const { return false; }

private:
    LRESULT OnCtlColor(HDC dc);
    // Replaces the background brush by one of the slice for `state`.
    void UseBackground(SkinState state);
    void RedrawNow() const;
    void UseFont();

    UniqueGdiObject<HBRUSH> background_;
    UniqueGdiObject<HFONT> font_;
};
