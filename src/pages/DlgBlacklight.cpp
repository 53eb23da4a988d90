#include "pages/DlgBlacklight.h"

#include "pages/resource.h"

CDlgBlacklight::CDlgBlacklight() : CSkinDialog(IDD_DLG_BLACKLIGHT) {
    LoadImages(u"Backlight", {SkinState::Normal, SkinState::Disable, SkinState::DisableSelected, SkinState::Over,
                          SkinState::OverSelected, SkinState::Selected});
    SetMaskOf(u"Backlight");
}
