#include "skin/SkinDialog.h"

#include "geometry/DpiScale.h"
#include "skin/SkinGdi.h"
#include "skin/SkinMessages.h"
#include "skin/SkinScale.h"
#include "geometry/SkinGeometry.h"

CSkinDialog::CSkinDialog(UINT templateId, CWnd* parent) : CDialogEx(templateId, parent) {}

void CSkinDialog::AddImage(SkinState state, SharedBitmap image) {
    images_[static_cast<std::size_t>(state)].push_back(ImageSlot{{}, std::move(image), {}});
}

void CSkinDialog::AddImageFile(SkinState state, std::wstring path) {
    images_[static_cast<std::size_t>(state)].push_back(ImageSlot{std::move(path), {}, {}});
}

void CSkinDialog::LoadImages(std::u16string_view set, std::initializer_list<SkinState> states) {
    for (SkinState state : states) {
        const std::u16string path = SkinImagePath(set, state);
        AddImageFile(state, std::wstring(path.begin(), path.end()));
    }
}

void CSkinDialog::SetMask(const std::wstring& path) { maskPath_ = path; }

void CSkinDialog::SetMaskOf(std::u16string_view set) {
    const std::u16string path = SkinMaskPath(set);
    SetMask(std::wstring(path.begin(), path.end()));
}

Gdiplus::Bitmap* CSkinDialog::Image(SkinState state, int index) const {
    auto& list = images_[static_cast<std::size_t>(state)];
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
    ImageSlot& slot = list[static_cast<std::size_t>(index)];
    if (!slot.image && !slot.path.empty()) slot.image = LoadSkinImage(slot.path, Dpi());
    if (!slot.path.empty() || Dpi() == kBaseDpi || !slot.image) return slot.image.get();
    if (!slot.scaled) slot.scaled = ScaledImage(*slot.image, {}, kBaseDpi, Dpi());
    return slot.scaled.get();
}

void CSkinDialog::SetCurrentImageIndex(int index) {
    currentIndex_ = index;
    if (GetSafeHwnd()) RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The pattern brush of Normal image 0, made when the window is first erased.
HBRUSH CSkinDialog::Background() {
    if (!background_) {
        Gdiplus::Bitmap* normal = Image(SkinState::Normal, 0);
        if (!HasImage(normal)) return nullptr;
        const UniqueGdiObject<HBITMAP> bitmap = ToGdiBitmap(*normal);
        background_.Reset(bitmap ? CreatePatternBrush(bitmap.Get()) : nullptr);
    }
    return background_.Get();
}

bool CSkinDialog::ApplyMask() {
    if (maskPath_.empty()) return false;
    const DrawnImage mask = LoadSetImage(maskPath_, Dpi());
    if (!HasImage(mask.image.get())) return false;
    const int width = static_cast<int>(mask.image->GetWidth()), height = static_cast<int>(mask.image->GetHeight());
    const UniqueGdiObject<HBITMAP> bitmap = ToGdiBitmap(*mask.image);
    if (!bitmap) return false;
    SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, ScaleLengthFrom(width, mask.dpi, Dpi()),
                 ScaleLengthFrom(height, mask.dpi, Dpi()), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    const std::vector<MaskRun> runs = MaskRuns(PixelsOf(bitmap.Get(), width, height), width, height);
    UniqueGdiObject<HRGN> region = RegionOfRuns(ScaleMaskRuns(runs, height, Dpi(), mask.dpi));
    if (region && SetWindowRgn(GetSafeHwnd(), region.Get(), TRUE)) region.Release();  // the window owns it now
    return true;
}

void CSkinDialog::ReleaseImages() {
    for (auto& list : images_)
        for (ImageSlot& slot : list) {
            if (!slot.path.empty()) slot.image.reset();
            slot.scaled.reset();
        }
    background_.Reset(nullptr);
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
    ReleaseImages();  // those of the new DPI load when drawn
    if (!maskPath_.empty()) ApplyMask();
    for (HWND child = GetWindow(GetSafeHwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (auto* page = dynamic_cast<CSkinDialog*>(CWnd::FromHandle(child)))
            page->ApplyDpi(dpi);
        else
            TellDpiChanged(child);
    }
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool CSkinDialog::HoldsImages() const {
    for (const auto& list : images_)
        for (const ImageSlot& slot : list)
            if (slot.image && !slot.path.empty()) return true;
    return static_cast<bool>(background_);
}

// A top-level window hidden for kKeepHiddenImagesMs gives back its images
// and those of every skin dialog inside it; showing it again keeps them.
void CSkinDialog::OnShowWindow(bool shown) {
    if (Style() & WS_CHILD) return;
    if (shown)
        KillTimer(GetSafeHwnd(), kReleaseTimer);
    else
        SetTimer(GetSafeHwnd(), kReleaseTimer, kKeepHiddenImagesMs, nullptr);
}

void CSkinDialog::ReleaseTree() {
    KillTimer(GetSafeHwnd(), kReleaseTimer);
    if (IsWindowVisible(GetSafeHwnd())) return;
    ReleaseImages();
    EnumChildWindows(
        GetSafeHwnd(),
        [](HWND child, LPARAM) -> BOOL {
            SendMessageW(child, WM_SKIN_RELEASEIMAGES, 0, 0);
            return TRUE;
        },
        0);
}

BOOL CSkinDialog::OnInitDialog() {
    currentIndex_ = 0;
    dragAnywhere_ = false;
    if (!maskPath_.empty() && ApplyMask()) CenterOnOwner();
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
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE | (maskPath_.empty() ? 0 : SWP_NOSIZE));
        return 0;
    }
    if (IsCtlColorMessage(msg)) return OnCtlColor(msg, wp, lp);
    switch (msg) {
    case WM_SHOWWINDOW: OnShowWindow(wp != 0); break;
    case WM_TIMER:
        if (wp != kReleaseTimer) break;
        ReleaseTree();
        return 0;
    case WM_SKIN_RELEASEIMAGES: ReleaseImages(); return 0;
    }
    return CDialogEx::WindowProc(msg, wp, lp);
}

// Controls that answer the request themselves keep their answer; for the
// rest, text goes over the skin without a background of its own.
LRESULT CSkinDialog::OnCtlColor(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ReflectToChild(msg, wp, lp, &result)) return result;
    result = CallDefault(msg, wp, lp);
    SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
    if (msg == WM_CTLCOLORDLG)
        if (HBRUSH brush = Background()) return reinterpret_cast<LRESULT>(brush);
    return result;
}
