#include "skin/SkinDialog.h"

#include "skin/SkinGdi.h"
#include "ui/SkinGeometry.h"

CSkinDialog::CSkinDialog(UINT templateId, CWnd* parent) : CDialogEx(templateId, parent) {}

void CSkinDialog::AddImage(SkinState state, SharedBitmap image) {
    images_[static_cast<std::size_t>(state)].push_back(std::move(image));
}

void CSkinDialog::LoadImages(std::u16string_view set, std::initializer_list<SkinState> states) {
    for (SkinState state : states) {
        const std::u16string path = SkinImagePath(set, state);
        AddImage(state, LoadSkinBitmap(std::wstring(path.begin(), path.end())));
    }
}

void CSkinDialog::SetMask(const std::wstring& path) { mask_ = LoadSkinBitmap(path); }

void CSkinDialog::SetMaskOf(std::u16string_view set) {
    const std::u16string path = SkinMaskPath(set);
    SetMask(std::wstring(path.begin(), path.end()));
}

Gdiplus::Bitmap* CSkinDialog::Image(SkinState state, int index) const {
    const auto& list = images_[static_cast<std::size_t>(state)];
    return index >= 0 && static_cast<std::size_t>(index) < list.size() ? list[static_cast<std::size_t>(index)].get()
                                                                         : nullptr;
}

void CSkinDialog::SetCurrentImageIndex(int index) {
    currentIndex_ = index;
    if (GetSafeHwnd()) RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CSkinDialog::SetBackground() {
    Gdiplus::Bitmap* normal = Image(SkinState::Normal, 0);
    if (!normal) return;
    currentIndex_ = 0;
    const UniqueGdiObject<HBITMAP> bitmap = ToGdiBitmap(*normal);
    background_.Reset(bitmap ? CreatePatternBrush(bitmap.Get()) : nullptr);
    Invalidate();
}

bool CSkinDialog::ApplyMask() {
    if (!HasImage(mask_.get())) return false;
    const int width = static_cast<int>(mask_->GetWidth()), height = static_cast<int>(mask_->GetHeight());
    const UniqueGdiObject<HBITMAP> bitmap = ToGdiBitmap(*mask_);
    if (!bitmap) return false;
    SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UniqueGdiObject<HRGN> region = RegionOfRuns(MaskRuns(PixelsOf(bitmap.Get(), width, height), width, height));
    if (region && SetWindowRgn(GetSafeHwnd(), region.Get(), TRUE)) region.Release();  // the window owns it now
    return true;
}

BOOL CSkinDialog::OnInitDialog() {
    SetBackground();
    dragAnywhere_ = false;
    if (mask_ && ApplyMask()) CenterOnOwner();
    CDialogEx::OnInitDialog();
    return TRUE;
}

// Centres over the owner (a popup) or the parent (a child), else over the
// work area of the screen.
void CSkinDialog::CenterOnOwner() const {
    HWND hwnd = GetSafeHwnd();
    const bool child = Style() & WS_CHILD;
    HWND over = child ? GetParent(hwnd) : GetWindow(hwnd, GW_OWNER);
    RECT area{};
    if (over)
        GetWindowRect(over, &area);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const RECT self = WindowRect();
    POINT at{area.left + ((area.right - area.left) - (self.right - self.left)) / 2,
             area.top + ((area.bottom - area.top) - (self.bottom - self.top)) / 2};
    if (child) ScreenToClient(GetParent(hwnd), &at);
    SetWindowPos(hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CSkinDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCHITTEST && dragAnywhere_) return HTCAPTION;
    if (IsCtlColorMessage(msg)) return OnCtlColor(msg, wp, lp);
    return CDialogEx::WindowProc(msg, wp, lp);
}

// Controls that answer the request themselves keep their answer; for the
// rest, text goes over the skin without a background of its own.
LRESULT CSkinDialog::OnCtlColor(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ReflectToChild(msg, wp, lp, &result)) return result;
    result = CallDefault(msg, wp, lp);
    SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
    if (msg == WM_CTLCOLORDLG && background_) return reinterpret_cast<LRESULT>(background_.Get());
    return result;
}
