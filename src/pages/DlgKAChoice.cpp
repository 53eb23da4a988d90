#include "pages/DlgKAChoice.h"


CDlgKAChoice::CDlgKAChoice(const Layout& layout)
    : CDlgKA(layout.templateId, layout.imageSet,
             {SkinState::Normal, SkinState::Disable, SkinState::Over, SkinState::Selected}),
      controls_({
          {title_, layout.titleId, layout.title.x, layout.title.y, layout.title.width, layout.title.height,
           {layout.titleKey, layout.titleEnglish}},
          {choices_, layout.listId, layout.list.x, layout.list.y, layout.list.width, layout.list.height, {},
           kKeepTextFlags, {}, {layout.titleKey, layout.titleEnglish}},
      }) {}

BOOL CDlgKAChoice::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    controls_.Place(*this);
    ApplyLanguage();
    return TRUE;
}

void CDlgKAChoice::ApplyLanguage() {
    controls_.ApplyLanguage();
    FillRows();
}
