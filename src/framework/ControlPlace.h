#pragma once
// Template controls taken over by their objects and moved to fixed pixel
// rectangles (at 96 DPI; they follow the dialog's DPI): every window's
// initialisation does this from one table.
#include <initializer_list>

#include "framework/DialogEx.h"

struct ControlPlace {
    CWnd& control;
    UINT id;
    int x, y, width, height;
};

inline void PlaceControls(CDialogEx& dialog, std::initializer_list<ControlPlace> places) {
    for (const ControlPlace& p : places) {
        p.control.SubclassDlgItem(p.id, dialog);
        dialog.Place(p.control, {p.x, p.y, p.width, p.height});
    }
}
