#pragma once
// A modeless skinned dialog with one control of every kind, placed at fixed
// pixel rectangles. By default its state images are plain colours, one per
// state and image index (StateColour), so that a test can tell from one
// pixel which slice a control shows. It counts the click notifications that
// reach it and keeps the scroll notifications. The lists load
// ".\res\listback.bmp" from the current folder.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "skin/BtnListBox.h"
#include "skin/SkinButton.h"
#include "skin/SkinCheckBox.h"
#include "skin/SkinDialog.h"
#include "skin/SkinEdit.h"
#include "skin/SkinHyperLink.h"
#include "skin/SkinKeyCapture.h"
#include "skin/SkinListBox.h"
#include "skin/SkinRadioBox.h"
#include "skin/SkinSliderCtrl.h"
#include "skin/SkinStatic.h"

// The colour (0x00RRGGBB) of image `index` of the plain images for `state`.
uint32_t StateColour(SkinState state, int index);

class SkinTestDialog : public CSkinDialog {
public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 300;

    // Plain images, three per state, and no mask.
    SkinTestDialog();
    // The images of a generated set instead (names as in the res folder).
    explicit SkinTestDialog(const std::wstring& resFolder, std::u16string_view set);
    ~SkinTestDialog() override;

    // Creates the window, shows it at (x, y) of the screen and paints it;
    // kWidth x kHeight unless a mask gave it its size.
    void Open(int x = 40, int y = 40);
    int Clicks(int id) const;
    // The selection-change commands (code 1) that reached the dialog:
    // (control id, sending window).
    const std::vector<std::pair<int, HWND>>& Choices() const { return choices_; }
    // The WM_SKIN_HOVER reports that reached the dialog: (wParam, window).
    const std::vector<std::pair<WPARAM, HWND>>& HoverReports() const { return hoverReports_; }
    // WM_HSCROLL and WM_VSCROLL: (wParam, window).
    const std::vector<std::pair<WPARAM, HWND>>& ScrollReports() const { return scrollReports_; }
    // The slider's track: from (20, 240) to (220, 241), 200 pixels long.
    static constexpr RECT kSliderTrack{20, 240, 220, 241};

    CSkinButton button, blank, indexed;
    CSkinCheckBox check, narrow;
    CSkinRadioBox radio1, radio2, radio3;
    CSkinButton after;
    CSkinStatic label, fallback;
    CSkinHyperLink link;
    CSkinEdit edit;
    CSkinKeyCapture keys;
    CSkinEdit memo;  // multi-line, with a vertical scroll bar
    CSkinSliderCtrl slider;
    CBtnListBox choice;
    CSkinListBox list;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::map<int, int> clicks_;
    std::vector<std::pair<WPARAM, HWND>> hoverReports_;
    std::vector<std::pair<WPARAM, HWND>> scrollReports_;
    std::vector<std::pair<int, HWND>> choices_;
};
