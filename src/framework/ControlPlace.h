#pragma once
// One table per window of the controls it takes over from its template:
// id, rectangle at 96 DPI (following the dialog's DPI), text key with its
// English fallback, text flags, and for a control that shows no text the
// tooltip key, whose text is also the control's accessible name, or the
// accessible name alone (a switch or slider named by the label beside it,
// where a tip would repeat what is on show). The window
// places its controls from the table once and applies its language from it
// on every change; texts that depend on state stay with the window.
#include <string>
#include <string_view>
#include <vector>

#include "framework/DialogEx.h"
#include "framework/ToolTip.h"

// A text of the language tables; an empty id means none.
struct TextKey {
    std::u16string_view id;
    std::u16string_view english;
};

inline constexpr int kKeepTextFlags = -1;

struct ControlPlace {
    CWnd& control;
    UINT id;
    int x, y, width, height;
    TextKey text{};
    int textFlags = kKeepTextFlags;
    TextKey tip{};
    TextKey name{};
};

class CControlTable {
public:
    CControlTable(std::initializer_list<ControlPlace> places) : places_(places) {}

    // Takes the template's controls over, places them and sets their text flags.
    void Place(CDialogEx& dialog);
    // Texts, tooltips and accessible names in the current language.
    void ApplyLanguage();

private:
    std::vector<ControlPlace> places_;
    HWND dialog_ = nullptr;
    CToolTip tips_;
};
