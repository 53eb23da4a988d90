#pragma once
// Sub-page Mouse: one of the seven mouse functions.
#include "pages/DlgKAChoice.h"

class CDlgKAMouse : public CDlgKAChoice {
public:
    CDlgKAMouse();
    // Nothing without a choice: the kind keeps its earlier records.
    void SaveTo(CKeyAction& action) override;
    // The function the first record names; no choice for anything else.
    void LoadFrom(const CKeyAction& action) override;

protected:
    void FillRows() override;
};
