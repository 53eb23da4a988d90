"""The keys of the keyboard picture: legend and rectangle (x, y, w, h) in the
page's client area. The configurable keys sit exactly on the rectangles of
the page's key buttons; the two Windows keys are part of the picture only."""


def _sized(item):
    """A run's item as (legend, w, h) keys: a string of 30 x 31 keys whose
    legends are separated by spaces, or one key as (legend, w) or
    (legend, w, h)."""
    if isinstance(item, str):
        return [(legend, 30, 31) for legend in item.split()]
    return [(item + (31,))[:3]]


def row(y, *runs):
    """The keys of one row at y. A run is (x, item, ...): keys side by side
    from x, left to right."""
    keys = []
    for x, *items in runs:
        for item in items:
            for legend, w, h in _sized(item):
                keys.append((legend, x, y, w, h))
                x += w
    return keys


KEYS = (
    row(57, (71, "Esc"), (146, "F1 F2 F3 F4"), (273, "F5 F6 F7 F8"), (401, "F9 F10 F11 F12"), (525, "Prt Scr Pau"))
    + row(91, (36, "M1"), (71, "~ 1 2 3 4 5 6 7 8 9 0 - =", ("Back", 60)), (525, "Ins Hm PgU"),
          (620, "Num / * -"))
    + row(122, (36, "M2"), (71, ("Tab", 45), "Q W E R T Y U I O P [ ]", ("\\", 45)), (525, "Del End PgD"),
          (620, "7 8 9", ("+", 30, 62)))
    + row(153, (36, "M3"), (71, ("Caps", 59)), (129, "A S D F G H J K L ; '", ("Enter", 62)), (620, "4 5 6"))
    + row(184, (36, "M4"), (71, ("Shift", 75), "Z X C V B N M , . /", ("Shift", 75)), (555, "\u2191"),
          (620, "1 2 3", ("Ent", 30, 62)))
    + row(215, (36, "M5"), (71, ("Ctrl", 45)), (146, ("Alt", 45), ("", 180), ("Alt", 45)),
          (446, "Menu", ("Ctrl", 45)), (525, "\u2190 \u2193 \u2192"), (620, ("0", 60), "."))
)

# Picture-only keys: the two Windows keys have no button.
PICTURE_KEYS = row(215, (116, "WIN"), (416, "WIN"))

assert len(KEYS) == 107
