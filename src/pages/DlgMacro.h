#pragma once
// The macro page of the main window. For now its skinned background alone;
// the macro picker, event list and recording come with it later.
#include "lang/MultiLanguage.h"
#include "skin/SkinDialog.h"

class CDlgMacro : public CSkinDialog, public CMultiLanguage {
public:
    CDlgMacro();
    void ApplyLanguage() override {}
};
