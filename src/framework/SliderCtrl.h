#pragma once
// A trackbar of the common controls.
#include <commctrl.h>

#include "framework/Wnd.h"

class CSliderCtrl : public CWnd {
public:
    int GetRangeMin() const { return static_cast<int>(Send(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(Send(TBM_GETRANGEMAX)); }
};
