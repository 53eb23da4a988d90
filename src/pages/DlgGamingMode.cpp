#include "pages/DlgGamingMode.h"

#include "pages/resource.h"

CDlgGamingMode::CDlgGamingMode() : CSkinDialog(IDD_DLG_GAMINGMODE) {
    LoadImages(u"Gamingmode", {SkinState::Normal, SkinState::Disable, SkinState::DisableSelected, SkinState::Over,
                          SkinState::OverSelected, SkinState::Selected});
    SetMaskOf(u"Gamingmode");
}
