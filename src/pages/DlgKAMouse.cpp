#include "pages/DlgKAMouse.h"

#include "model/MouseFunction.h"
#include "pages/KeyPageResource.h"

CDlgKAMouse::CDlgKAMouse()
    : CDlgKAChoice({IDD_DLG_KA_MOUSE, u"ActionMouse", IDC_STATIC_MOUSEFUN, {20, 16, 126, 21}, u"IDC_STATIC_MOUSEFUN",
                    u"MOUSE FUNCTION", IDC_LIST_MOUSE, {97, 41, 190, 28}}) {}

void CDlgKAMouse::FillRows() { FillChoices(choices_, kMouseFunctions); }

void CDlgKAMouse::SaveTo(CKeyAction& action) {
    const int chosen = Chosen(choices_);
    if (chosen >= 0) WriteMouseFunction(action, static_cast<MouseFunction>(chosen));
}

void CDlgKAMouse::LoadFrom(const CKeyAction& action) {
    const std::optional<MouseFunction> function = ReadMouseFunction(action);
    choices_.SelectItem(function ? static_cast<int>(*function) : -1);
}
