#pragma once
// The small popup above the key under the pointer: the key's name and the
// kind of its action in the current profile. It never takes the focus. The
// keyboard page decides when it shows; which key it remembers and where it
// stands are CKeyHintRules' and HintPosition's.
#include "framework/ControlPlace.h"
#include "lang/MultiLanguage.h"
#include "pages/KeyButton.h"
#include "skin/SkinDialog.h"
#include "skin/SkinStatic.h"
#include "ui/KeyHintRules.h"

class CDocProfileSet;

class CDlgKeyHint : public CSkinDialog, public CMultiLanguage {
public:
    // `profiles` must outlive the hint.
    explicit CDlgKeyHint(CDocProfileSet& profiles);

    // Shows the hint for `key` unless it already shows it.
    void ShowForKey(const CKeyButton& key);
    // The pointer is over no key: forgets the key and hides.
    void Forget();
    void ApplyLanguage() override {}

protected:
    BOOL OnInitDialog() override;

private:
    CDocProfileSet& profiles_;
    CKeyHintRules rules_;
    CSkinStatic keyName_;
    CSkinStatic description_;
    CControlTable controls_;
};
