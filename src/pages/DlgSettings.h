#pragma once
// The keyboard page of the main window: the keyboard picture, whose keys
// are buttons. Resting the pointer on a key shows the key hint; clicking a
// key opens the key assignment dialog on a copy of its action in the
// current profile (the steps are AssignKey's). The page keeps no key data
// of its own. While the keyboard's focus shows on a key, the hint is that
// key's, wherever the pointer rests.
//
// Timer 10 looks for the key under the pointer every 300 ms, while the
// main window is active and the page visible; it stops while the dialog is
// open, so no hint shows over it.
#include <array>
#include <vector>

#include "lang/MultiLanguage.h"
#include "model/ShortcutTable.h"
#include "pages/DlgKeyHint.h"
#include "pages/KeyButton.h"
#include "platform/win32/Win32KeyNames.h"
#include "skin/SkinDialog.h"
#include "ui/KeyAssignment.h"
#include "ui/KeyButtonTable.h"

class CDocMacroSet;

class CDlgSettings : public CSkinDialog, public CMultiLanguage {
public:
    // Everything the context names, and `macros`, must outlive the page.
    CDlgSettings(KeyAssignmentContext context, const CDocMacroSet& macros);

    // The page has no texts, but the keys' accessible names are in the
    // language shown.
    void ApplyLanguage() override { AnnounceKeyNames(); }
    // The keys' accessible names changed (another profile or language):
    // screen readers read them again.
    void AnnounceKeyNames() const;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    // A child page never ends itself.
    void OnOK() override {}
    void OnCancel() override {}

private:
    static constexpr UINT_PTR kHoverTimer = 10;
    static constexpr UINT kHoverPeriodMs = 300;

    void CreateKeys();
    void OnKeyClicked(CKeyButton& key);
    void OnHoverTick();
    // The key button of a control id of this page, or null.
    CKeyButton* KeyOfId(int id);
    CWnd* MainWindow() const;
    // The key's name and what it does in the current profile.
    std::u16string Describe(int keyCode) const;

    KeyAssignmentContext context_;
    const CDocMacroSet& macros_;
    Win32KeyNames keyNames_;
    ShortcutTable shortcuts_{keyNames_};
    CDlgKeyHint hint_;
    // Indexed by key code; null where no key has a button.
    std::vector<CKeyButton*> keyButtons_;
    std::array<CKeyButton, kKeyButtonCount> buttons_;
};
