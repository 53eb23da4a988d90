#pragma once
// A list box of the system's list box class.
#include "framework/Wnd.h"

class CListBox : public CWnd {
public:
    int AddString(const wchar_t* text) const {
        return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(index))); }
};
