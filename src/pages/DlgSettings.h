#pragma once
// The keyboard page of the main window. For now its skinned background
// alone; the keyboard picture and the key assignment come with it later.
#include "lang/MultiLanguage.h"
#include "skin/SkinDialog.h"

class CDlgSettings : public CSkinDialog, public CMultiLanguage {
public:
    CDlgSettings();
    void ApplyLanguage() override {}
};
