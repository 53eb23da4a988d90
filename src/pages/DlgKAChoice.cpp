#include "pages/DlgKAChoice.h"

#include "framework/ControlPlace.h"
#include "lang/win32/LocalText.h"

CDlgKAChoice::CDlgKAChoice(const Layout& layout)
    : CDlgKA(layout.templateId, layout.imageSet,
             {SkinState::Normal, SkinState::Disable, SkinState::Over, SkinState::Selected}),
      layout_(layout) {}

BOOL CDlgKAChoice::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    const PixelRect& t = layout_.title;
    const PixelRect& l = layout_.list;
    PlaceControls(*this, {
        {title_, layout_.titleId, t.x, t.y, t.width, t.height},
        {choices_, layout_.listId, l.x, l.y, l.width, l.height},
    });
    ApplyLanguage();
    return TRUE;
}

void CDlgKAChoice::ApplyLanguage() {
    title_.SetText(LocalText(layout_.titleKey, layout_.titleEnglish));
    FillRows();
}
