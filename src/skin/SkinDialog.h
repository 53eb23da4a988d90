#pragma once
// The base of every window of the application: a dialog that paints its
// background from its Normal image, takes its outline from its mask and
// holds the state images that its skinned controls cut their faces from.
#include <array>
#include <string>
#include <vector>

#include "framework/DialogEx.h"
#include "platform/win32/UniqueResource.h"
#include "skin/SkinBitmap.h"
#include "ui/SkinState.h"

class CSkinDialog : public CDialogEx {
public:
    explicit CSkinDialog(UINT templateId, CWnd* parent = nullptr);

    // Appends an image to the list of a state. Owners do this in their
    // constructors for every state their set has a file for.
    void AddImage(SkinState state, SharedBitmap image);
    // Appends the image file `path`, loaded when first drawn from.
    void AddImageFile(SkinState state, std::wstring path);
    // AddImageFile ".\res\<set><suffix>.bmp" for each given state.
    void LoadImages(std::u16string_view set, std::initializer_list<SkinState> states);
    void SetMask(const std::wstring& path);
    // The mask ".\res\<set>_Mask.bmp".
    void SetMaskOf(std::u16string_view set);

    // Image `index` of the list of `state`, loaded now if it was not; null
    // when there is none.
    Gdiplus::Bitmap* Image(SkinState state, int index) const;
    int CurrentImageIndex() const { return currentIndex_; }
    // Controls whose index is 0 follow; the window repaints.
    void SetCurrentImageIndex(int index);
    void SetDragAnywhere(bool on) { dragAnywhere_ = on; }

    // Sizes the window to the mask and gives it the mask's outline: exactly
    // its non-white pixels, scaled to the window's DPI. False when the mask
    // holds no image. The mask is not kept: the window holds its outline.
    bool ApplyMask();
    // Lays the window out again for `dpi`: its images, outline and size,
    // its placed controls, and its child dialogs likewise; other children
    // hear WM_DPICHANGED_AFTERPARENT, as the system tells them on Windows.
    void ApplyDpi(int dpi);
    // Gives back the images loaded from files and the background made from
    // them; they load again when next drawn.
    void ReleaseImages();
    // Whether any image loaded from a file is held.
    bool HoldsImages() const;

    // How long a hidden top-level window keeps its images and those of its
    // child dialogs.
    static constexpr UINT kKeepHiddenImagesMs = 60000;
    static constexpr UINT_PTR kReleaseTimer = 0x5C1D;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // A file's image, for the window's DPI, is loaded on first use and may
    // be given back; an image handed over whole (no path) stays, and above
    // 96 DPI the slot also holds it scaled, made when first drawn.
    struct ImageSlot {
        std::wstring path;
        SharedBitmap image;
        SharedBitmap scaled;
    };

    LRESULT OnCtlColor(UINT msg, WPARAM wp, LPARAM lp);
    HBRUSH Background();
    void OnShowWindow(bool shown);
    void ReleaseTree();
    void CenterOnOwner() const;

    mutable std::array<std::vector<ImageSlot>, kSkinStateCount> images_;
    std::wstring maskPath_;
    bool dragAnywhere_ = false;
    int currentIndex_ = 0;
    UniqueGdiObject<HBRUSH> background_;
};
