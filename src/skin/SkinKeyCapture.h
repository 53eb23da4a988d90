#pragma once
// A skinned edit that shows the name of the last key pressed or released in
// it and keeps that key as input records: the last press and the last
// release, one after the other (56 bytes). Every key message is consumed
// while it has the focus, Tab, Enter and Escape included; the release of
// the key last pressed in it moves the focus to the dialog's next control.
// Its caret is hidden, so its focus mark shows whenever it has the focus.
#include <array>

#include "model/InputRecord.h"
#include "skin/SkinEdit.h"
#include "ui/KeyCapture.h"

class CSkinKeyCapture : public CSkinEdit {
public:
    // [0] the last press, [1] the last release; type 0 where none was seen.
    const std::array<InputRecord, 2>& Keys() const { return keys_; }
    void SetKeys(const std::array<InputRecord, 2>& keys) { keys_ = keys; }

protected:
    bool PreTranslateMessage(MSG& msg) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool MarksFocusWithoutCues() const override { return true; }

private:
    std::array<InputRecord, 2> keys_{};
    CCaptureEnding ending_;
};
