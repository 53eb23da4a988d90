#pragma once
// A skinned list whose rows carry an indicator on the left and, while the
// pointer is on a row, up to four row buttons on the right (edit, delete,
// up, down, right-aligned with a margin between them). Edit opens an
// in-place edit over the row that ends when it loses the focus.
//
// Each row keeps its indicator column (-1: none) and its button mask in its
// item data. Row buttons send commands 300-303 to the list, which calls
// OnRowCommand with the row under the pointer; the base deletes and moves
// the row itself. After an in-place edit ends the list posts
// WM_LISTEDIT_COMMIT (edited row, list window) to its parent.
#include <array>
#include <string>

#include "framework/ToolTip.h"
#include "skin/SkinButton.h"
#include "skin/SkinListBox.h"
#include "skin/SkinListBoxEdit_Edit.h"

class CSkinListBoxEdit : public CSkinListBox {
public:
    static constexpr UINT kCommandEdit = 300, kCommandDelete = 301, kCommandUp = 302, kCommandDown = 303;
    static constexpr int kMargin = 3;  // pixels at 96 DPI

    // ".\res\MacroButton.bmp" (4 x 4 cells) and ".\res\MacroIndicator.bmp"
    // (3 x 3 cells) for the skin parent's DPI; call once after the list is
    // attached. They load again on a change of DPI.
    void LoadRowButtonImage();
    void LoadIndicatorImage();

    // The new row, or the list box's error code. mask -1: the default mask.
    int AddRow(const std::wstring& text, int kind, int mask = -1);
    int SetRowText(int row, const std::wstring& text);
    // The row's new index, or -1 when `from` is no row.
    int MoveRow(int from, int to, bool select);
    void ClearRows();
    void SetDefaultMask(int mask) { defaultMask_ = mask; }
    // Hides the row buttons while set (recording, an edit open).
    void SetButtonsHidden(bool hidden);
    // Tooltips and accessible names of the row buttons, in button order
    // (edit, delete, up, down); after LoadRowButtonImage.
    void SetRowButtonTips(const std::array<std::wstring, 4>& tips);

    // Opens the in-place edit over the selected row.
    void BeginEdit();
    CSkinListBoxEdit_Edit& InPlaceEdit() { return edit_; }
    bool IsEditing() const { return edit_.GetSafeHwnd() != nullptr; }
    // Ends an open edit as losing the focus would.
    void EndEdit();

protected:
    void OnSkinInit() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    void RefreshHover(const RECT& rect) override;
    void RedrawPreviousHover(int previous) override;
    bool KeepsHoverOnLeave() const override;
    void OnDpiChanged() override;

    // A row button was clicked over `row`.
    virtual void OnRowCommand(UINT command, int row);
    // The edit of `row` ends with `text`: by default the row takes a text
    // that is not empty and differs, and is selected.
    virtual void OnEditEnding(int row, const std::wstring& text);
    // The pointer goes to the middle of `row`, keeping its x.
    void PointAtRow(int row) const;

private:
    static int KindOf(LRESULT data) { return data == 0 ? -1 : static_cast<int>((data >> 8) - 1); }
    static int MaskOf(LRESULT data) { return static_cast<int>(data & 0xFF); }
    static LRESULT DataOf(int kind, int mask) { return ((kind + 1) << 8) | (mask & 0xFF); }
    int Margin() { return ScaleLength(kMargin, SkinDpi()); }
    void PlaceButtons(const RECT& row, int mask, bool show);
    void CommitEdit();

    CSkinButton buttons_[4];
    CToolTip tips_;
    CSkinListBoxEdit_Edit edit_;
    SharedBitmap indicators_;
    int buttonWidth_ = 0, buttonHeight_ = 0;
    int indicatorWidth_ = 0, indicatorHeight_ = 0;
    int defaultMask_ = 0;
    int editedRow_ = -1;
    bool buttonsHidden_ = false;
    HWND skinParent_ = nullptr;
};
