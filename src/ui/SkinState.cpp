#include "ui/SkinState.h"

std::u16string_view SkinStateSuffix(SkinState state) {
    switch (state) {
    case SkinState::Normal: return u"_Normal";
    case SkinState::Disable: return u"_Disable";
    case SkinState::DisableSelected: return u"_DisableSelected";
    case SkinState::Over: return u"_Over";
    case SkinState::OverSelected: return u"_OverSelected";
    case SkinState::Selected: return u"_Selected";
    }
    return u"";
}

std::u16string SkinImagePath(std::u16string_view set, SkinState state) {
    return u".\\res\\" + std::u16string(set) + std::u16string(SkinStateSuffix(state)) + u".bmp";
}

std::u16string SkinMaskPath(std::u16string_view set) { return u".\\res\\" + std::u16string(set) + u"_Mask.bmp"; }

SkinTextColours DefaultSkinTextColours() {
    return {0xFFFFFFFF, 0xFF808080, 0xFF808080, 0xFFADFF2F, 0xFFFFC0CB, 0xFF0000FF};
}

int SkinImageIndex(SkinState state, int controlIndex, int dialogCurrentIndex) {
    if (controlIndex != 0) return controlIndex;
    const bool disabled = state == SkinState::Disable || state == SkinState::DisableSelected;
    return disabled ? 0 : dialogCurrentIndex;
}

ButtonFace ChooseButtonFace(bool disabled, bool pressed, bool hovering) {
    if (disabled) return {1, SkinState::Disable};
    if (pressed) return {3, SkinState::Selected};
    if (hovering) return {2, SkinState::Over};
    return {0, SkinState::Normal};
}

int StripRow(bool disabled, bool active, bool hovered) {
    if (disabled) return 1;
    if (active) return 3;
    return hovered ? 2 : 0;
}

SkinState ButtonTextState(bool disabled, bool pressed, bool hovering) {
    if (disabled) return SkinState::Disable;
    return pressed || hovering ? SkinState::Over : SkinState::Normal;
}

SkinState CheckBoxSlice(bool ticked, bool disabled, bool hovering) {
    if (disabled) return ticked ? SkinState::DisableSelected : SkinState::Disable;
    if (ticked) return hovering ? SkinState::OverSelected : SkinState::Selected;
    return hovering ? SkinState::Over : SkinState::Normal;
}

SkinState CheckBoxTextState(bool ticked, bool disabled, bool hovering) {
    if (disabled) return SkinState::Disable;
    return ticked || hovering ? SkinState::Over : SkinState::Normal;
}

SkinState HyperLinkState(bool visited, bool disabled, bool hovering) {
    if (disabled) return SkinState::Disable;
    if (hovering) return SkinState::Over;
    return visited ? SkinState::Selected : SkinState::Normal;
}

TextLayout TextLayoutOfFlags(int flags) {
    TextLayout layout{static_cast<TextAlign>(flags & 3), std::nullopt};
    if ((flags & 3) == 3) layout.horizontal = TextAlign::Near;
    if (flags & 8)
        layout.vertical = TextAlign::Far;
    else if (flags & 4)
        layout.vertical = TextAlign::Center;
    return layout;
}

std::optional<Span> CheckBoxTextSpan(int width, int indent) {
    if (indent >= width) return std::nullopt;
    return Span{indent, width};
}

uint32_t ArgbToColorRef(uint32_t argb) {
    const uint32_t r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    return r | (g << 8) | (b << 16);
}

HoverChange HoverOnMouseMove(bool cursorInside, bool hovering, bool trackingOn) {
    return cursorInside && !hovering && trackingOn ? HoverChange::Entered : HoverChange::None;
}

HoverChange HoverOnTimer(bool cursorInside, bool hovering) {
    return !cursorInside && hovering ? HoverChange::Left : HoverChange::None;
}
