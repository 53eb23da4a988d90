#pragma once
// The macro page of the main window: the macro picker, New, Delete, Copy,
// Export and Import, the name edit, Record / Stop with "Record Time", and
// the event list. CMacroPageModel holds the rules; the page forwards its
// controls and shows the model's state. It owns the keystroke recorder,
// which also serves the event list's key capture.
#include "framework/ControlPlace.h"
#include "lang/MultiLanguage.h"
#include "model/Document.h"
#include "macro/MacroRecorder.h"
#include "macro/win32/Win32KeyboardHook.h"
#include "platform/win32/Win32KeyNames.h"
#include "skin/BtnListBox.h"
#include "skin/SkinButton.h"
#include "skin/SkinCheckBox.h"
#include "skin/SkinDialog.h"
#include "skin/SkinEdit.h"
#include "skin/SkinMacroListBox.h"
#include "skin/SkinStatic.h"
#include "ui/MacroPageModel.h"

class CDlgMacro : public CSkinDialog, public CMultiLanguage, private IMacroPageView {
public:
    // Everything given must outlive the page.
    CDlgMacro(CDocMacroSet& macros, CDocProfileSet& profiles, CDeviceChannel& channel, const DocumentIo& io);

    void ApplyLanguage() override;
    // Fn+F9 and the dispatcher: as the page's New and Record buttons.
    bool IsRecording() const { return model_.IsRecording(); }
    void NewMacro();
    void ToggleRecording();
    // Exit and the end of the session: the page goes into the current macro.
    void Store() { model_.Store(); }

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    IMacroUI& EventList() override { return events_; }
    IMacroRecordTarget& RecordTarget() override { return events_; }
    void EndEdit() override { events_.EndEdit(); }
    std::u16string TypedName() const override;
    void ShowName(const std::u16string& name) override;
    bool RecordTime() const override;

    // The controls show the model's state after a command.
    void Refresh();
    void Export();
    void Import();

    Win32KeyboardHook hook_;
    CMacroRecorder recorder_{hook_};
    Win32KeyNames keyNames_;
    DocumentIo io_;
    CMacroPageModel model_;
    std::vector<std::u16string> listed_;
    CSkinStatic macroLabel_;
    CSkinStatic nameLabel_;
    CBtnListBox picker_;
    CSkinButton new_, delete_, copy_, export_, import_;
    CSkinEdit name_;
    CSkinButton record_;
    CSkinCheckBox recordTime_;
    CSkinMacroListBox events_{keyNames_, recorder_};
    CControlTable controls_;
};
