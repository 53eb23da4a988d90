#pragma once
// The tooltip window of one dialog: a tip per control, shown while the
// pointer rests on that control. The tooltip follows the control's own mouse
// messages, so a hidden control (or one on a hidden page) shows none.
// Made on the first tip; owned here and destroyed with the object.
#include <windows.h>

#include <string>

#include "platform/win32/UniqueResource.h"

struct WindowFree {
    // Children and owned popups already went with their owner.
    void operator()(HWND h) const {
        if (IsWindow(h)) DestroyWindow(h);
    }
};
using UniqueWindow = UniqueResource<HWND, WindowFree>;

class CToolTip {
public:
    // `control`, a child of `dialog`, shows `text` from now on.
    void SetTip(HWND dialog, HWND control, const std::wstring& text);
    HWND Window() const { return window_.Get(); }

private:
    UniqueWindow window_;
};

// Takes down any tip on show over `window` and its children (the window is
// about to hide; a tip would stay up over nothing).
void HideTipsOf(HWND window);
