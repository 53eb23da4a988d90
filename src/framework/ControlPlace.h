#pragma once
// Template controls taken over by their objects and moved to fixed pixel
// rectangles: every window's initialisation does this from one table.
#include <initializer_list>

#include "framework/Wnd.h"

struct ControlPlace {
    CWnd& control;
    UINT id;
    int x, y, width, height;
};

inline void PlaceControls(const CWnd& dialog, std::initializer_list<ControlPlace> places) {
    for (const ControlPlace& p : places) {
        p.control.SubclassDlgItem(p.id, dialog);
        p.control.Move(p.x, p.y, p.width, p.height);
    }
}
