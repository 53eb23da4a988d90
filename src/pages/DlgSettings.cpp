#include "pages/DlgSettings.h"

#include "pages/resource.h"

CDlgSettings::CDlgSettings() : CSkinDialog(IDD_DLG_SETTINGS) {
    LoadImages(u"Setting", {SkinState::Normal, SkinState::Disable, SkinState::Over, SkinState::Selected});
    SetMaskOf(u"Setting");
}
