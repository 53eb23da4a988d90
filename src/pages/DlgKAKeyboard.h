#pragma once
// Sub-page Keyboard: the key takes the part of another key, the last one
// pressed and the last one released while the capture field had the focus.
#include "framework/ControlPlace.h"
#include "pages/DlgKA.h"
#include "skin/SkinKeyCapture.h"
#include "skin/SkinStatic.h"

class IKeyNames;

class CDlgKAKeyboard : public CDlgKA {
public:
    // `keyNames` must outlive the page.
    explicit CDlgKAKeyboard(const IKeyNames& keyNames);

    void SaveTo(CKeyAction& action) override;
    void LoadFrom(const CKeyAction& action) override;
    void ApplyLanguage() override;

protected:
    BOOL OnInitDialog() override;

private:
    const IKeyNames& keyNames_;
    CSkinStatic title_;
    CSkinKeyCapture capture_;
    CControlTable controls_;
};
