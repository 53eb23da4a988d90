#pragma once
// An owner-drawn web link over a static control: underlined text, the hand
// cursor, and a click that opens the link through the shell. Focused by
// the keyboard, it shows the focus mark, and Enter or Space opens it.
#include "framework/Static.h"
#include "skin/SkinControl.h"

class CSkinHyperLink : public CSkinControl<CStatic> {
public:
    CSkinHyperLink();
    void SetLink(const std::wstring& link) { link_ = link; }
    bool Visited() const { return visited_; }

protected:
    void OnSkinInit() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool PreTranslateMessage(MSG& msg) override;
    void OnClicked() override;

    void DrawItem(const DRAWITEMSTRUCT& item) override;

private:

    bool visited_ = false;
    std::wstring link_;
    bool underline_ = true;
    HCURSOR cursor_;
};
