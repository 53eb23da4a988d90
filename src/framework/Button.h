#pragma once
// A push button, check box or radio button of the system's button class.
#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int check) const { Send(BM_SETCHECK, static_cast<WPARAM>(check)); }
};
