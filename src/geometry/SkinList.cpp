#include "geometry/SkinList.h"

int ListItemHeight(int imageHeight) { return imageHeight / kListBandCount; }

ListRowLook ChooseListRow(bool selected, bool disabled, bool hovered) {
    if (selected && disabled) return {ListBand::DisabledSelected, SkinState::DisableSelected};
    if (selected && hovered) return {ListBand::HoverSelected, SkinState::OverSelected};
    if (selected) return {ListBand::Selected, SkinState::Selected};
    if (disabled) return {ListBand::Disabled, SkinState::Disable};
    if (hovered) return {ListBand::Hover, SkinState::Over};
    return {ListBand::Normal, SkinState::Normal};
}

ListBackground ListBackgroundFor(bool useParent, bool enabled) {
    if (useParent) return enabled ? ListBackground::ParentNormal : ListBackground::ParentDisable;
    return enabled ? ListBackground::OwnBackground : ListBackground::OwnDisabled;
}

ListBackground ListHoverBackgroundFor(bool useParent, bool hovered) {
    if (!useParent) return ListBackground::OwnBackground;
    return hovered ? ListBackground::ParentOver : ListBackground::ParentNormal;
}

std::optional<ListHover::Change> ListHover::Move(int row) {
    current_ = row;
    if (row == previous_) return std::nullopt;
    const Change change{previous_, row};
    previous_ = row;
    return change;
}

int ListHover::Leave() {
    current_ = kOutside;
    const int lost = previous_;
    previous_ = kOutside;
    return lost;
}
