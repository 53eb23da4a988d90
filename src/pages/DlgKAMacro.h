#pragma once
// Sub-page Macro: the macro the key plays, the playback option and, for
// "play multiple times" only, the play count. The list shows exactly the
// macro the key plays (see ui/MacroChoice.h).
#include <string>
#include <vector>

#include "framework/ControlPlace.h"
#include "pages/DlgKA.h"
#include "skin/SkinEdit.h"
#include "skin/SkinStatic.h"

class CDocMacroSet;

class CDlgKAMacro : public CDlgKA {
public:
    // The macro names are taken once, when the page initialises.
    explicit CDlgKAMacro(const CDocMacroSet& macros);

    void SaveTo(CKeyAction& action) override;
    void LoadFrom(const CKeyAction& action) override;
    void ApplyLanguage() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;

private:
    void ShowPlayCount();

    const CDocMacroSet& macros_;
    std::vector<std::u16string> names_;
    CSkinStatic macroTitle_;
    CBtnListBox macroList_;
    CSkinStatic optionTitle_;
    CBtnListBox options_;
    CSkinStatic countLabel_;
    CSkinEdit count_;
    CControlTable controls_;
};
