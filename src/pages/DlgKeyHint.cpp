#include "pages/DlgKeyHint.h"

#include "lang/win32/LocalText.h"
#include "model/DocProfileSet.h"
#include "pages/KeyPageResource.h"
#include "ui/KindSwitch.h"

namespace {
constexpr float kDescriptionFontSize = 11.0f;

std::wstring KindTextOf(uint32_t kind) {
    const int position = KindPosition(kind);
    if (position < 0) return {};
    const KindText& text = kKindTexts[static_cast<std::size_t>(position)];
    return LocalText(text.id, text.english);
}
}  // namespace

CDlgKeyHint::CDlgKeyHint(CDocProfileSet& profiles)
    : CSkinDialog(IDD_DLG_KEYHINT),
      profiles_(profiles),
      controls_({
          {keyName_, IDC_STATIC_HINT_KEYNAME, 9, 9, 60, 27},
          {description_, IDC_STATIC_HINT_KIND, 7, 38, 60, 27, {}, kTextMiddle},
      }) {
    LoadImages(u"Hint", {SkinState::Normal});
    SetMaskOf(u"Hint");
    description_.SetFontSize(kDescriptionFontSize);
}

BOOL CDlgKeyHint::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    controls_.Place(*this);
    return TRUE;
}

void CDlgKeyHint::Forget() {
    if (rules_.Forget()) Show(SW_HIDE);
}

void CDlgKeyHint::ShowForKey(const CKeyButton& key) {
    CDocProfile* profile = profiles_.Current();
    if (profile == nullptr || static_cast<std::size_t>(key.keyCode) >= profile->keys.size()) return;
    if (!rules_.ShowFor(key.keyCode)) return;
    Show(SW_HIDE);
    const CKeyAction& action = profile->keys[static_cast<std::size_t>(key.keyCode)];
    keyName_.SetText(std::wstring(action.name.begin(), action.name.end()));
    description_.SetText(KindTextOf(action.kind));
    const RECT k = key.WindowRect();
    const RECT self = WindowRect();
    const PixelPoint at = HintPosition({k.left, k.top, k.right - k.left, k.bottom - k.top}, self.right - self.left,
                                       self.bottom - self.top, Dpi());
    SetWindowPos(GetSafeHwnd(), HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}
