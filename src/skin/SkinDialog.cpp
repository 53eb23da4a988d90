#include "skin/SkinDialog.h"

#include "geometry/DpiScale.h"
#include "skin/SkinGdi.h"
#include "skin/SkinScale.h"

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
    const auto& list = Dpi() == kBaseDpi ? images_[static_cast<std::size_t>(state)] : scaled_[static_cast<std::size_t>(state)];
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
    SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, ScaleLength(width, Dpi()), ScaleLength(height, Dpi()),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    const std::vector<MaskRun> runs = MaskRuns(PixelsOf(bitmap.Get(), width, height), width, height);
    UniqueGdiObject<HRGN> region = RegionOfRuns(ScaleMaskRuns(runs, height, Dpi()));
    if (region && SetWindowRgn(GetSafeHwnd(), region.Get(), TRUE)) region.Release();  // the window owns it now
    return true;
}

void CSkinDialog::ScaleImages() {
    for (std::size_t state = 0; state < images_.size(); ++state) {
        scaled_[state].clear();
        if (Dpi() == kBaseDpi) continue;
        for (const SharedBitmap& image : images_[state])
            scaled_[state].push_back(image ? ScaledImage(*image, Dpi()) : nullptr);
    }
}

namespace {
// A control and the windows inside it (an edit in its scroll frame).
void TellDpiChanged(HWND control) {
    SendMessageW(control, WM_DPICHANGED_AFTERPARENT, 0, 0);
    EnumChildWindows(
        control, [](HWND inner, LPARAM) { return SendMessageW(inner, WM_DPICHANGED_AFTERPARENT, 0, 0), TRUE; }, 0);
}
}  // namespace

void CSkinDialog::ApplyDpi(int dpi) {
    SetDpi(dpi);
    ScaleImages();
    const int index = currentIndex_;
    SetBackground();
    currentIndex_ = index;
    if (mask_) ApplyMask();
    for (HWND child = GetWindow(GetSafeHwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (auto* page = dynamic_cast<CSkinDialog*>(CWnd::FromHandle(child)))
            page->ApplyDpi(dpi);
        else
            TellDpiChanged(child);
    }
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

BOOL CSkinDialog::OnInitDialog() {
    ScaleImages();
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
    if (msg == WM_DPICHANGED) {
        // The window keeps the suggested place; its size comes from the mask.
        const RECT& suggested = *reinterpret_cast<const RECT*>(lp);
        ApplyDpi(LOWORD(wp));
        SetWindowPos(GetSafeHwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE | (mask_ ? SWP_NOSIZE : 0));
        return 0;
    }
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
