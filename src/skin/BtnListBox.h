#pragma once
// A skinned push button that drops down a choice list: the drop-down choice
// of the whole user interface (profile and accelerator lists, action kinds,
// macro picker).
//
// Contract for owners:
// - The drop-down exists once the button's window does (a template control
//   once subclassed, a created one after WM_CREATE); fill it then, with
//   AddItem or through List() (AddString, SetItemData, DeleteString...) and
//   call FitDropDown after changing it directly.
// - The button shows the chosen text. SelectItem(i) shows a stored choice
//   (it selects row i and puts its text on the button, or clears both when
//   row i does not exist); it does not notify.
// - A click opens the drop-down under the button (disabled while it is
//   open). When the user picks a row whose text differs from the button's
//   (exact comparison), the button takes that text, the drop-down closes,
//   and the button's parent receives, posted, WM_COMMAND with
//   MAKEWPARAM(button id, kSelChange) and the button's window as lParam;
//   read the choice with List().GetCurSel(). Picking the text the button
//   already shows sends nothing and leaves the drop-down open until it
//   loses the focus.
// - Opening without a selection selects the first row whose text begins
//   with the button's text, ignoring case (none when the text is empty or
//   nothing matches).
// - Closed and focused, it takes the keys of a closed combo box: Up, Down,
//   Left, Right, Home and End choose a row as a pick does (the parent hears
//   of a changed text); F4, Alt+Down and Alt+Up open the drop-down.
#include <string>

#include "skin/DlgListBox.h"
#include "skin/SkinButton.h"

class CBtnListBox : public CSkinButton {
public:
    // Notification code of a pick that changed the button's text.
    static constexpr WORD kSelChange = 1;

    CBtnListBox();

    CSkinListBox& List() { return dropDown_.List(); }
    bool IsDroppedDown() const { return dropDown_.IsShown(); }
    // Appends a row and fits the drop-down; the new row's position, or the
    // list box's error code (negative).
    int AddItem(const std::wstring& text);
    // Deletes a row and fits the drop-down; the count left, or LB_ERR.
    int DeleteItem(int position);
    // The drop-down's height shows every row (+2), at least 80 pixels; its
    // width and position stay.
    void FitDropDown();
    // Selects row `position` and shows its text (empty when it does not
    // exist); the selected position, or -1.
    int SelectItem(int position);
    // The user chose row `position`: when its text differs from the shown
    // one, the button shows it and tells its parent (kSelChange, posted).
    // False when nothing changed.
    bool Choose(int position);
    // Read as a drop-down list named by its label, the chosen text its value.
    std::optional<AccessibleFacts> Accessible() const override {
        return AccessibleFacts{AccessibleName(), ROLE_SYSTEM_COMBOBOX, false, Text()};
    }

protected:
    void OnSkinInit() override;
    void OnClicked() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OpenDropDown();
    // The keys of a closed combo box; false for the others.
    bool OnKey(UINT msg, WPARAM vk);
    int RowsHeight();

    CDlgListBox dropDown_;
};
