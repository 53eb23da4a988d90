#pragma once
// The macro event list: the rows of one macro's events (CMacroRows holds
// their rules) with press, delay and release indicators, a frame around the
// other half of the selected key's pair, and the row buttons' delete, move
// and edit. Editing a key row captures keystrokes through the recorder
// until the key last pressed comes up, when the focus goes back to the
// list; editing a delay row takes a number.
//
// While the page records a macro, recorded keystrokes arrive here as rows
// (OnRecordedEvent) and the row buttons stay hidden.
#include <vector>

#include "macro/IMacroRecordTarget.h"
#include "skin/SkinListBoxEdit.h"
#include "ui/IMacroUI.h"
#include "ui/KeyCapture.h"
#include "ui/MacroRows.h"

class CMacroRecorder;
class IKeyNames;

class CSkinMacroListBox : public CSkinListBoxEdit, public IMacroUI, public IMacroRecordTarget {
public:
    // Both must outlive the list.
    CSkinMacroListBox(const IKeyNames& names, CMacroRecorder& recorder);

    void SetEvents(const std::vector<MacroEvent>& events) override;
    std::vector<MacroEvent> GetEvents() const override { return rows_.Events(); }
    // The page records a macro: the row buttons hide.
    void SetRecording(bool on);
    void OnRecordedEvent(const MacroEvent& event) override;

protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    void OnRowCommand(UINT command, int row) override;
    void OnEditEnding(int row, const std::wstring& text) override;

private:
    // The window's rows become the model's from `from` on.
    void Show(int from = 0, int select = -1);
    void BeginRowEdit(int row);

    CMacroRows rows_;
    CMacroRecorder& recorder_;
    bool recording_ = false;
    bool capturing_ = false;
    CCaptureEnding captureEnding_;
};
