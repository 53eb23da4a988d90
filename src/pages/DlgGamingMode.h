#pragma once
// The gaming page of the main window.
#include "lang/MultiLanguage.h"
#include "skin/SkinDialog.h"

class CDlgGamingMode : public CSkinDialog, public CMultiLanguage {
public:
    CDlgGamingMode();
    void ApplyLanguage() override {}
};
