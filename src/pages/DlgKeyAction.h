#pragma once
// The key assignment dialog: the key's name, the list of the eight action
// kinds and below it the sub-page of the chosen kind. The caller fills
// Working() before DoModal and reads it after IDOK. Only Save ends it with
// IDOK; Cancel, the close button and Escape end it with IDCANCEL, and any
// other IDOK leaves it open. The steps between the list and the sub-pages
// are CKindSwitch's.
#include "framework/ControlPlace.h"
#include "lang/MultiLanguage.h"
#include "pages/DlgKAKeyboard.h"
#include "pages/DlgKALaunchApp.h"
#include "pages/DlgKAMacro.h"
#include "pages/DlgKAMedia.h"
#include "pages/DlgKAMouse.h"
#include "pages/DlgKAWinShortCuts.h"
#include "skin/BtnListBox.h"
#include "skin/SkinButton.h"
#include "skin/SkinDialog.h"
#include "skin/SkinStatic.h"
#include "ui/KindSwitch.h"

class CDlgKeyAction : public CSkinDialog, public CMultiLanguage {
public:
    // Run modally over `owner` (the main window), which it disables while
    // open. Everything given must outlive the dialog.
    CDlgKeyAction(CWnd* owner, const CDocMacroSet& macros, const IKeyNames& keyNames);

    CKeyAction& Working() { return kinds_.Working(); }
    void ApplyLanguage() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    void OnOK() override {}

private:
    bool CreatePages();
    void Save();

    CDlgKAKeyboard keyboard_;
    CDlgKAMouse mouse_;
    CDlgKAMacro macro_;
    CDlgKAMedia media_;
    CDlgKALaunchApp launch_;
    CDlgKAWinShortCuts shortcuts_;
    CKindSwitch kinds_;
    CSkinStatic keyName_;
    CBtnListBox kindList_;
    CSkinButton close_;
    CSkinButton save_;
    CSkinButton cancel_;
    CSkinStatic title_;
    CControlTable controls_;
};
