#pragma once
// An edit control of the system's edit class.
#include "framework/Wnd.h"

class CEdit : public CWnd {
public:
    // Selects characters start..end; (n, n) places the caret.
    void SetSel(int start, int end) const { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
};
