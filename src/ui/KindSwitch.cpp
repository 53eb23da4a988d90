#include "ui/KindSwitch.h"

const std::array<KindText, kKindCount> kKindTexts = {{
    {u"KEY_ACTION_DEFAULT", u"Default"},
    {u"KEY_ACTION_KEYBOARD", u"Keyboard"},
    {u"KEY_ACTION_MOUSE", u"Mouse"},
    {u"KEY_ACTION_MACRO", u"Macro"},
    {u"KEY_ACTION_WINDOWS_SHORTCUTS", u"Windows Shortcuts"},
    {u"KEY_ACTION_LAUNCH_APP", u"Launch App"},
    {u"KEY_ACTION_MEDIA", u"Media"},
    {u"KEY_ACTION_DISABLE", u"Disable"},
}};

int KindPosition(uint32_t kind) { return kind < kKindCount ? static_cast<int>(kind) : -1; }

IKeyActionPage* CKindSwitch::PageOf(int position) const {
    return position >= 0 && position < kKindCount ? pages_[static_cast<std::size_t>(position)] : nullptr;
}

void CKindSwitch::Change(int selected) {
    if (selected == current_) return;
    if (current_ != -1) {
        IKeyActionPage* leaving = PageOf(current_);
        if (leaving) leaving->ShowPage(false);
        working_.kind = static_cast<uint32_t>(current_);
        if (leaving) leaving->SaveTo(working_);
    }
    if (IKeyActionPage* entering = PageOf(selected)) {
        entering->LoadFrom(working_);
        entering->ShowPage(true);
    }
    current_ = selected;
}

void CKindSwitch::Save(int selected) {
    if (selected < 0 || selected >= kKindCount) return;
    working_.kind = static_cast<uint32_t>(selected);
    if (IKeyActionPage* page = PageOf(selected)) page->SaveTo(working_);
}
