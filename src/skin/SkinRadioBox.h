#pragma once
// An owner-drawn radio button: drawn like a check box, and ticking it
// unticks every other button of its dialog group. The arrows move the focus
// through the group and tick the button they reach, as a click would.
#include "skin/SkinCheckBox.h"

class CSkinRadioBox : public CSkinCheckBox {
public:
    CSkinRadioBox();

protected:
    void OnSkinInit() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnClicked() override;
    bool PreTranslateMessage(MSG& msg) override;

private:
    void UntickGroup() const;
};
