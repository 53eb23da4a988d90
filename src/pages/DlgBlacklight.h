#pragma once
// The backlight page of the main window.
#include "lang/MultiLanguage.h"
#include "skin/SkinDialog.h"

class CDlgBlacklight : public CSkinDialog, public CMultiLanguage {
public:
    CDlgBlacklight();
    void ApplyLanguage() override {}
};
