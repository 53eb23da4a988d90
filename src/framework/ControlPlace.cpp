#include "framework/ControlPlace.h"

#include "framework/TableControl.h"
#include "lang/win32/LocalText.h"

void CControlTable::Place(CDialogEx& dialog) {
    dialog_ = dialog.GetSafeHwnd();
    for (const ControlPlace& p : places_) {
        p.control.SubclassDlgItem(p.id, dialog);
        dialog.Place(p.control, {p.x, p.y, p.width, p.height});
        if (p.textFlags == kKeepTextFlags) continue;
        if (auto* drawn = dynamic_cast<ITableControl*>(&p.control)) drawn->SetTextFlags(p.textFlags);
    }
}

void CControlTable::ApplyLanguage() {
    for (const ControlPlace& p : places_) {
        if (!p.text.id.empty()) p.control.SetText(LocalText(p.text.id, p.text.english));
        if (!p.tip.id.empty()) tips_.SetTip(dialog_, p.control.GetSafeHwnd(), LocalText(p.tip.id, p.tip.english));
        const TextKey& name = p.tip.id.empty() ? p.name : p.tip;
        if (name.id.empty()) continue;
        if (auto* drawn = dynamic_cast<ITableControl*>(&p.control))
            drawn->SetAccessibleName(LocalText(name.id, name.english));
    }
}
