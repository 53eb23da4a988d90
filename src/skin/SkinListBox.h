#pragma once
// An owner-drawn list box (fixed row height, rows keep their strings) whose
// rows are painted from the seven bands of ".\res\listback.bmp" (see
// geometry/SkinList.h), with a text colour per row state and a highlight that
// follows the pointer row by row. The list's own background is either the
// skin parent's image under it (the default) or band 6 of the image.
//
// Scroll bars: the list shows the system's vertical scroll bar. When the
// skinned scroll frame exists, CSkinContianerCtrl::MakeScrollFrame makes it;
// this class needs nothing more than that hook.
#include "framework/ListBox.h"
#include "platform/win32/UniqueResource.h"
#include "skin/SkinBitmap.h"
#include "skin/SkinContianerCtrl.h"
#include "geometry/SkinList.h"

class CSkinListBox : public CSkinContianerCtrl<CListBox> {
public:
    CSkinListBox();

    // Loads the band image for the skin parent's DPI; the row height
    // becomes a seventh of its height (also for a list whose window already
    // exists). Loaded again on a change of DPI.
    void LoadBackground();
    // False: the list's background is band 6 (band 1 when disabled) instead
    // of the skin parent's image. Set before the window paints.
    void SetUseParentBackground(bool use) { useParentBackground_ = use; }
    // Row texts start at this x (client pixels).
    void SetTextOffset(int x) { textOffset_ = x; }
    int ItemHeight() const { return itemHeight_; }
    // The row under the pointer, or ListHover::kNoRow / kOutside.
    int HoverRow() const { return hover_.Current(); }

    // Replaces the background brush by one of `source`.
    void SetBackgroundBrush(ListBackground source);

protected:
    void OnSkinInit() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    // Repaints at once, with erase, the row that lost the highlight.
    virtual void RedrawPreviousHover(int previous);
    // Marks for repainting the row that gained it (`rect`), when it is a row.
    virtual void RefreshHover(const RECT& rect);
    // True: the pointer leaving the list keeps the row highlighted (it went
    // onto a control inside the list).
    virtual bool KeepsHoverOnLeave() const { return false; }
    // The dialog's DPI changed: the list's own images follow.
    virtual void OnDpiChanged();

private:
    void OnMouseMove(POINT client);
    void OnMouseLeave();
    void RedrawNow() const;
    // The row under a client point: a row only when the point lies in it.
    int RowAt(POINT client) const;

    SharedBitmap background_;
    int itemHeight_ = 0;
    ListHover hover_;
    bool leaveArmed_ = false;
    UniqueGdiObject<HBRUSH> brush_;
    int textOffset_ = 0;
    bool useParentBackground_ = true;
};
