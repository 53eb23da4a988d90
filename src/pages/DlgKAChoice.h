#pragma once
// The shape of the sub-pages that offer one choice list under a title
// (mouse function, media key, Windows shortcut): the sub-page gives its
// layout and its rows, and reads and writes the choice.
#include "framework/ControlPlace.h"
#include "pages/DlgKA.h"
#include "skin/SkinStatic.h"
#include "geometry/SkinGeometry.h"

class CDlgKAChoice : public CDlgKA {
public:
    struct Layout {
        UINT templateId;
        std::u16string_view imageSet;
        UINT titleId;
        PixelRect title;
        std::u16string_view titleKey;
        std::u16string_view titleEnglish;
        UINT listId;
        PixelRect list;
    };

    // The title's text, then the rows.
    void ApplyLanguage() override;

protected:
    explicit CDlgKAChoice(const Layout& layout);
    BOOL OnInitDialog() override;
    // Refills the choice list, in the order of the kind's table.
    virtual void FillRows() = 0;

    CBtnListBox choices_;

private:
    CSkinStatic title_;
    CControlTable controls_;
};
