#pragma once
// A trackbar of the common controls.
#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

class CSliderCtrl : public CWnd {
public:
    int GetRangeMin() const { return static_cast<int>(Send(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(Send(TBM_GETRANGEMAX)); }
    void SetRange(int min, int max) const {
        Send(TBM_SETRANGEMIN, FALSE, min);
        Send(TBM_SETRANGEMAX, TRUE, max);
    }
    int GetPos() const { return static_cast<int>(Send(TBM_GETPOS)); }
    int GetPageSize() const { return static_cast<int>(Send(TBM_GETPAGESIZE)); }
    int GetLineSize() const { return static_cast<int>(Send(TBM_GETLINESIZE)); }
};
