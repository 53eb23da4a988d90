#pragma once
// The in-place edit of an editable list's row. Losing the focus ends the
// edit: it posts WM_LISTEDIT_COMMIT (0, 0) to its list. Focused by the
// keyboard, it shows the focus mark over its text.
#include "framework/Edit.h"

// Posted by the in-place edit to its list, and by the list to its parent
// (wParam the edited row, lParam the list's window) once an edit ended.
constexpr UINT WM_LISTEDIT_COMMIT = 0x04CA;

class CSkinListBoxEdit_Edit : public CEdit {
public:
    enum Mode : int {
        kPlain = 0,
        // The list decides the text from captured keys; typing changes nothing.
        kKeyCapture = 1,
        // Digits, Backspace and one decimal point; Enter ends the edit.
        kNumeric = 2,
    };
    void SetMode(int mode) { mode_ = mode; }
    int Mode() const { return mode_; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool Passes(wchar_t c) const;

    int mode_ = kPlain;
};
