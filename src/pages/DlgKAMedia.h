#pragma once
// Sub-page Media: one of the seven media keys.
#include "pages/DlgKAChoice.h"

class CDlgKAMedia : public CDlgKAChoice {
public:
    CDlgKAMedia();
    // Nothing without a choice.
    void SaveTo(CKeyAction& action) override;
    // The media key the first record names; an unknown key keeps the
    // choice the user last made on this page.
    void LoadFrom(const CKeyAction& action) override;

protected:
    void FillRows() override;
};
