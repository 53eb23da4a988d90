#pragma once
// The visual states shared by every skinned window and control, and the pure
// decisions that pick a state, an image and a text colour. The Win32 controls
// call these at paint time; they hold no state of their own.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class SkinState { Normal, Disable, DisableSelected, Over, OverSelected, Selected };
inline constexpr int kSkinStateCount = 6;

// Image-file suffix of a state, as in "Macro_OverSelected.bmp".
std::u16string_view SkinStateSuffix(SkinState state);

// Relative path of a set's state image, ".\res\<set><suffix>.bmp", and of
// its mask, ".\res\<set>_Mask.bmp". Resolved against the program folder.
std::u16string SkinImagePath(std::u16string_view set, SkinState state);
std::u16string SkinMaskPath(std::u16string_view set);

// ARGB text colour per state, in SkinState order.
using SkinTextColours = std::array<uint32_t, kSkinStateCount>;
SkinTextColours DefaultSkinTextColours();

// Which image of the dialog's list for `state` a control cuts from. A control
// index of 0 follows the dialog's current index, except for the two disabled
// states, where 0 means image 0.
int SkinImageIndex(SkinState state, int controlIndex, int dialogCurrentIndex);

// Push button face: the row of its own four-cell strip and the dialog state
// it cuts from otherwise.
struct ButtonFace {
    int row;  // 0 normal, 1 disabled, 2 hovered, 3 pressed
    SkinState slice;
};
ButtonFace ChooseButtonFace(bool disabled, bool pressed, bool hovering);
// Row of a four-cell image (scroll bar parts, slider thumb): 0 normal,
// 1 disabled, 2 hovered, 3 pressed or dragged; disabled wins, then active.
int StripRow(bool disabled, bool active, bool hovered);
// Text colour state of a push button.
SkinState ButtonTextState(bool disabled, bool pressed, bool hovering);

// Check box and radio button.
SkinState CheckBoxSlice(bool ticked, bool disabled, bool hovering);
SkinState CheckBoxTextState(bool ticked, bool disabled, bool hovering);

// Hyperlink face, which is also its text colour state: a visited link uses
// the Selected slice and colour, hovering wins over visited.
SkinState HyperLinkState(bool visited, bool disabled, bool hovering);

// Text flags: bits 0-1 horizontal alignment (0 near, 1 centre, 2 far), bit 2
// vertical centre, bit 3 bottom.
constexpr int kTextNear = 0;
constexpr int kTextCentre = 1;
constexpr int kTextFar = 2;
constexpr int kTextMiddle = 4;
constexpr int kTextBottom = 8;
enum class TextAlign { Near, Center, Far };
struct TextLayout {
    TextAlign horizontal;
    std::optional<TextAlign> vertical;  // unset keeps the format's own
};
TextLayout TextLayoutOfFlags(int flags);

// The horizontal span of a check box's text: from the indent to the right
// edge; none when the indent leaves no room.
struct Span {
    int from;
    int to;
};
std::optional<Span> CheckBoxTextSpan(int width, int indent);

// GDI colour (0x00BBGGRR) of an ARGB colour; alpha is dropped.
uint32_t ArgbToColorRef(uint32_t argb);

// Hover tracking of one control: what a mouse move or a timer tick changes.
enum class HoverChange { None, Entered, Left };
HoverChange HoverOnMouseMove(bool cursorInside, bool hovering, bool trackingOn);
HoverChange HoverOnTimer(bool cursorInside, bool hovering);
