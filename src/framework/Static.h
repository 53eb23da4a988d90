#pragma once
// A static control (label) of the system's static class.
#include "framework/Wnd.h"

class CStatic : public CWnd {};
