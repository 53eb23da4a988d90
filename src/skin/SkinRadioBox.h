#pragma once
// An owner-drawn radio button: drawn like a check box, and ticking it
// unticks every other button of its dialog group.
#include "skin/SkinCheckBox.h"

class CSkinRadioBox : public CSkinCheckBox {
public:
    CSkinRadioBox();

protected:
    void OnSkinInit() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnClicked() override;

private:
    void UntickGroup() const;
};
