#include "pages/DlgMacro.h"

#include "pages/resource.h"

CDlgMacro::CDlgMacro() : CSkinDialog(IDD_DLG_MACRO) {
    LoadImages(u"Macro", {SkinState::Normal, SkinState::Disable, SkinState::DisableSelected, SkinState::Over,
                          SkinState::OverSelected, SkinState::Selected});
    SetMaskOf(u"Macro");
}
