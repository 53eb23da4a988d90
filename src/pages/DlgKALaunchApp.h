#pragma once
// Sub-page Launch App: a program to start or a web site to open; only the
// edit of the chosen one is enabled.
#include "framework/ControlPlace.h"
#include "pages/DlgKA.h"
#include "skin/SkinButton.h"
#include "skin/SkinEdit.h"
#include "skin/SkinRadioBox.h"

class CDlgKALaunchApp : public CDlgKA {
public:
    CDlgKALaunchApp();

    void SaveTo(CKeyAction& action) override;
    // A stored launch type other than 1 shows the program choice.
    void LoadFrom(const CKeyAction& action) override;
    void ApplyLanguage() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;

private:
    bool ProgramChosen() const { return program_.Ticked() == BST_CHECKED; }
    void EnableEdits() const;
    void Browse();

    CSkinRadioBox program_;
    CSkinRadioBox web_;
    CSkinEdit path_;
    CSkinEdit address_;
    CSkinButton browse_;
    CControlTable controls_;
};
