#pragma once
// Decisions of the skinned list that need no window: which band of the
// seven-band background image and which text colour a row takes, which
// background the list paints, and the row under the pointer as it moves.
#include <optional>

#include "ui/SkinState.h"

// Bands of the list background image, stacked from the top, equal height.
enum class ListBand {
    Normal = 0,
    Disabled = 1,  // also the background of a disabled list of its own look
    DisabledSelected = 2,
    Hover = 3,
    HoverSelected = 4,
    Selected = 5,
    Background = 6,  // background of an enabled list of its own look
};
inline constexpr int kListBandCount = 7;

// The height of one row: a seventh of the image, truncated.
int ListItemHeight(int imageHeight);

// A row's band and the state whose text colour it is written in.
struct ListRowLook {
    ListBand band;
    SkinState colour;
    bool operator==(const ListRowLook&) const = default;
};
// First match: disabled and selected, hovered and selected, selected,
// disabled, hovered, otherwise normal.
ListRowLook ChooseListRow(bool selected, bool disabled, bool hovered);

// What the list's background brush is made of: the skin parent's image for a
// state, cut under the list, or a band of the list's own image.
enum class ListBackground { ParentNormal, ParentDisable, ParentOver, OwnBackground, OwnDisabled };
ListBackground ListBackgroundFor(bool useParent, bool enabled);
// While the scroll frame around the list reports the pointer over it.
ListBackground ListHoverBackgroundFor(bool useParent, bool hovered);

// The row under the pointer, per row rather than for the whole list.
// Row numbers are 0 or more; -1 means over the list but not over a row,
// -2 outside the list. Only the row that loses and the row that gains the
// highlight are repainted.
class ListHover {
public:
    static constexpr int kOutside = -2;
    static constexpr int kNoRow = -1;

    // The rows to repaint after a move: `previous` (repaint it when it is a
    // row) and the new hover row (repaint it when it is a row).
    struct Change {
        int previous;
        int current;
        bool operator==(const Change&) const = default;
    };
    // The pointer moved onto `row` (kNoRow between or below rows). Nothing
    // to repaint when the hover row stays.
    std::optional<Change> Move(int row);
    // The pointer left the list; the row that loses the highlight (may be
    // kNoRow or kOutside: nothing to repaint then).
    int Leave();

    int Current() const { return current_; }
    int Previous() const { return previous_; }

private:
    int previous_ = kOutside;
    int current_ = kOutside;
};
