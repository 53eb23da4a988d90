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
    // Loads ".\res\<set><suffix>.bmp" for each given state.
    void LoadImages(std::u16string_view set, std::initializer_list<SkinState> states);
    void SetMask(const std::wstring& path);
    // The mask ".\res\<set>_Mask.bmp".
    void SetMaskOf(std::u16string_view set);

    // Image `index` of the list of `state`; null when there is none.
    Gdiplus::Bitmap* Image(SkinState state, int index) const;
    int CurrentImageIndex() const { return currentIndex_; }
    // Controls whose index is 0 follow; the window repaints.
    void SetCurrentImageIndex(int index);
    void SetDragAnywhere(bool on) { dragAnywhere_ = on; }

    // Background brush from Normal image 0; current index back to 0.
    void SetBackground();
    // Sizes the window to the mask and gives it the mask's outline: exactly
    // its non-white pixels, scaled to the window's DPI. False when the mask
    // holds no image.
    bool ApplyMask();
    // Lays the window out again for `dpi`: its images, outline and size,
    // its placed controls, and its child dialogs likewise; other children
    // hear WM_DPICHANGED_AFTERPARENT, as the system tells them on Windows.
    void ApplyDpi(int dpi);

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT OnCtlColor(UINT msg, WPARAM wp, LPARAM lp);
    void CenterOnOwner() const;
    // The images at the window's DPI; none at 96 DPI.
    void ScaleImages();

    std::array<std::vector<SharedBitmap>, kSkinStateCount> images_;
    std::array<std::vector<SharedBitmap>, kSkinStateCount> scaled_;
    SharedBitmap mask_;
    bool dragAnywhere_ = false;
    int currentIndex_ = 0;
    UniqueGdiObject<HBRUSH> background_;
};
