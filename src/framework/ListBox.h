#pragma once
// A list box of the system's list box class. Positions are 0-based; the
// system's LB_ERR (-1) reports a position that does not exist.
#include <string>

#include "framework/Wnd.h"

class CListBox : public CWnd {
public:
    int AddString(const wchar_t* text) const {
        return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    // The count left, or LB_ERR.
    int DeleteString(int index) const { return static_cast<int>(Send(LB_DELETESTRING, static_cast<WPARAM>(index))); }
    void ResetContent() const { Send(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    // LB_ERR when `index` does not exist; the selection is then cleared.
    int SetCurSel(int index) const { return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(index))); }
    // The item's text; empty when it does not exist.
    std::wstring GetText(int index) const;
    // The first item after `after` (-1: from the top) whose text begins with
    // `prefix`, ignoring case, wrapping round; LB_ERR when none does.
    int FindString(int after, const wchar_t* prefix) const {
        return static_cast<int>(Send(LB_FINDSTRING, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(prefix)));
    }
    LRESULT GetItemData(int index) const { return Send(LB_GETITEMDATA, static_cast<WPARAM>(index)); }
    bool SetItemData(int index, LRESULT data) const {
        return Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data) != LB_ERR;
    }
    int GetItemHeight(int index) const { return static_cast<int>(Send(LB_GETITEMHEIGHT, static_cast<WPARAM>(index))); }
    void SetItemHeight(int height) const { Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0)); }
    // False when the item does not exist.
    bool GetItemRect(int index, RECT* rect) const {
        return Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)) != LB_ERR;
    }
    // The item nearest to a client point; LB_ERR when the list is empty.
    int ItemFromPoint(POINT client) const;
};
