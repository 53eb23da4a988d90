#pragma once
// The drop-down of a CBtnListBox: a popup window (template IDD_DLG_LISTBOX)
// holding one CSkinListBox. Choosing a row whose text differs from the
// button's puts that text on the button, hides the drop-down and tells the
// button's parent (see CBtnListBox). Losing the focus hides it; whenever it
// is hidden its button is enabled again.
#include "framework/DialogEx.h"
#include "skin/SkinListBox.h"

class CBtnListBox;

class CDlgListBox : public CDialogEx {
public:
    CDlgListBox();
    ~CDlgListBox() override;

    // Creates the (hidden) window for `owner`, which becomes its owner.
    bool Create(CBtnListBox& owner);
    CSkinListBox& List() { return list_; }
    bool IsShown() const { return GetSafeHwnd() && IsWindowVisible(GetSafeHwnd()); }
    // Hides the drop-down and enables its button.
    void Close();

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    bool PreTranslateMessage(MSG& msg) override;
    // Enter chooses the selected row; Enter and Escape close the drop-down.
    void OnOK() override {
        Pick();
        Close();
    }
    void OnCancel() override { Close(); }

private:
    // A click or Enter on a row: the choice, as the contract of CBtnListBox says.
    void Pick();
    // Without a selection, selects the first row that begins with the
    // button's text; then lets the list fill the window.
    void OnPlaced();

    CSkinListBox list_;
    CBtnListBox* owner_ = nullptr;
    bool movingByKey_ = false;
};
