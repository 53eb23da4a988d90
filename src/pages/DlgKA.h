#pragma once
// The base of the key assignment dialog's sub-pages: a borderless child of
// the dialog, shaped by the mask all sub-pages share, that reads its part
// of the working action when it is shown and writes it back when the user
// leaves it or saves (the rules are CKindSwitch's). Each sub-page sets its
// texts once, at the end of its initialisation.
#include <initializer_list>
#include <string>
#include <string_view>

#include "lang/MultiLanguage.h"
#include "skin/BtnListBox.h"
#include "skin/SkinDialog.h"
#include "ui/KindSwitch.h"

class CDlgKA : public CSkinDialog, public CMultiLanguage, public IKeyActionPage {
public:
    void SaveTo(CKeyAction&) override {}
    void LoadFrom(const CKeyAction&) override {}
    void ShowPage(bool show) override { Show(show ? SW_SHOW : SW_HIDE); }

protected:
    // The state images ".\res\<imageSet><suffix>.bmp" of the given states.
    CDlgKA(UINT templateId, std::u16string_view imageSet, std::initializer_list<SkinState> states);
    // Enter and Escape belong to the dialog: a sub-page never ends itself.
    void OnOK() override {}
    void OnCancel() override {}
};

// A text of the current language for an identifier of the core's tables.
std::wstring LocalTextOf(std::string_view id, std::u16string_view english);
std::wstring LocalTextOf(std::u16string_view id, std::u16string_view english);

// Fills a choice list with the texts of a table's rows, in table order.
template <class Table>
void FillChoices(CBtnListBox& list, const Table& table) {
    list.List().ResetContent();
    for (const auto& row : table) list.AddItem(LocalTextOf(row.id, row.english));
}

// The choice list's selected row, -1 for none.
inline int Chosen(CBtnListBox& list) { return list.List().GetCurSel(); }
