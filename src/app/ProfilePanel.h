#pragma once
// The controls of the main window's profile strip: the profile and
// accelerator lists, labels, the name edit and the New, Delete, Copy,
// Export and Import buttons. They show what the profile strip holds and
// pass the user's actions to it. Enter in the name edit, or leaving it,
// renames the current profile. The program field shows the program linked
// to the profile, with buttons to choose one and to clear it.
#include <string>
#include <vector>

#include "framework/ControlPlace.h"
#include "model/Document.h"
#include "skin/BtnListBox.h"
#include "skin/SkinButton.h"
#include "skin/SkinEdit.h"
#include "skin/SkinStatic.h"

class CProfileStrip;
class CProgramLinks;
class CWnd;

class CProfilePanel {
public:
    // The strip, the links and what `io` refers to must outlive the panel.
    CProfilePanel(CProfileStrip& strip, CProgramLinks& links, const DocumentIo& io);

    // Takes over the dialog's controls and places them.
    void Attach(CDialogEx& dialog);
    // Shows the strip's state: the current name, which buttons apply. The
    // window calls it whenever a profile has become current.
    void Show();
    void ApplyLanguage();
    // A command of one of the panel's controls; false for any other.
    bool OnCommand(WORD id, WORD code);
    // Enter in the main window: confirms the name edit when it has the
    // focus; false otherwise.
    bool OnEnter();

private:
    void Export();
    void Import();
    void ShowProfileList();
    void ShowProgram();
    void BrowseProgram();
    void ConfirmName();

    CProfileStrip& strip_;
    CProgramLinks& links_;
    DocumentIo io_;
    HWND dialog_ = nullptr;
    // What the profile list holds, as last filled.
    std::vector<std::u16string> listed_;
    // Set while a rename is being confirmed: its message box takes the
    // focus from the edit, which must not confirm a second time.
    bool confirming_ = false;
    CBtnListBox profiles_;
    CBtnListBox accelerators_;
    CSkinStatic profileLabel_;
    CSkinStatic nameLabel_;
    CSkinStatic acceleratorLabel_;
    CSkinStatic programLabel_;
    CSkinEdit program_;
    CSkinButton browseProgram_;
    CSkinButton clearProgram_;
    CSkinEdit name_;
    CSkinButton new_;
    CSkinButton delete_;
    CSkinButton copy_;
    CSkinButton export_;
    CSkinButton import_;
    CControlTable controls_;
};
