#pragma once
// A scroll bar control of the system's scroll bar class.
#include "framework/Wnd.h"

class CScrollBar : public CWnd {};
