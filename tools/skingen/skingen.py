"""Draws every skin image of the program into one folder (the program's
res folder): the state images and masks of each window, the single images
with their cell layouts, and the program icon. Each image is drawn at
100 % as a bitmap, and at 150 % and 200 % as PNG files in the subfolders
"150" and "200" (compressed: the larger sets would otherwise take six
times the room of the first). Output is deterministic: the same sources
and fonts give the same bytes.

Usage: skingen.py RES_DIR ICON_PATH
"""
import math
import os
import sys

import cairo

import bmpfile
import draw
from draw import THEME, rgb
from keyboard import KEYS, PICTURE_KEYS
from windows import SPELLING, WINDOWS

# The look of each control kind in the image of each state.
BUTTON_LOOK = {"Normal": "normal", "Over": "hover", "Selected": "pressed", "OverSelected": "hover",
               "Disable": "disabled", "DisableSelected": "disabled"}
FIELD_LOOK = {"Normal": "normal", "Over": "hover", "Selected": "normal", "OverSelected": "hover",
              "Disable": "disabled", "DisableSelected": "disabled"}
TICKED = {"Normal": False, "Over": False, "Disable": False, "Selected": True, "OverSelected": True,
          "DisableSelected": True}


# Display scales with an image set of their own; the first is the 100 % set.
SCALES = ((1.0, ""), (1.5, "150"), (2.0, "200"))


def scaled(length, scale):
    """A length of the 100 % set at `scale`, rounded as the program rounds
    (halves up), so that an image is exactly as large as its window."""
    return int(math.floor(length * scale + 0.5))


def surface(w, h, scale=1.0):
    """A surface for an image of w x h at 100 %, drawn at `scale`: callers
    draw in 100 % coordinates."""
    s = cairo.ImageSurface(cairo.FORMAT_ARGB32, scaled(w, scale), scaled(h, scale))
    ctx = cairo.Context(s)
    ctx.scale(scale, scale)
    return s, ctx


def decor(ctx, item, w):
    kind = item[0]
    if kind == "header":
        _, x, y, hw, hh = item
        grad = cairo.LinearGradient(0, y, 0, y + hh)
        grad.add_color_stop_rgb(0, *rgb("#2c3542"))
        grad.add_color_stop_rgb(1, *THEME["window_top"])
        ctx.set_source(grad)
        ctx.rectangle(x + 1, y + 1, hw - 2, hh)
        ctx.fill()
        ctx.save()
        ctx.translate(24, 20)
        mark(ctx, 48)
        ctx.restore()
    elif kind == "panel":
        draw.panel(ctx, item[1:])
    elif kind == "case":
        _, x, y, cw, ch = item
        draw.rounded(ctx, x + 0.5, y + 0.5, cw - 1, ch - 1, 10)
        ctx.set_source_rgb(*rgb("#0b0e12"))
        ctx.fill_preserve()
        ctx.set_source_rgb(*THEME["panel_edge"])
        ctx.stroke()
    elif kind == "accent":
        _, x0, x1, y = item
        draw.accent_line(ctx, x0, min(x1, w - 10), y)


def control(ctx, kind, rect, opts, state):
    look = BUTTON_LOOK[state]
    if kind == "button":
        if opts.get("icon_left"):
            draw.face(ctx, rect, look)
            x, y, _, h = rect
            draw.glyph(ctx, opts["icon"], (x + 6, y, h, h), draw.FACE[look][3])
        else:
            draw.button(ctx, rect, look, opts.get("icon"))
    elif kind == "dropdown":
        draw.dropdown(ctx, rect, look)
    elif kind in ("edit", "plate"):
        draw.edit_field(ctx, rect, FIELD_LOOK[state])
    elif kind in ("check", "radio"):
        draw.check(ctx, rect, TICKED[state], FIELD_LOOK[state], box=20 if kind == "check" else 24,
                   round_box=kind == "radio")
    elif kind == "switch":
        draw.switch(ctx, rect, TICKED[state], FIELD_LOOK[state])
    elif kind == "slider":
        x0, x1, cy = rect
        draw.slider_track(ctx, x0, x1, cy, FIELD_LOOK[state])
    elif kind == "list":
        draw.edit_field(ctx, rect, FIELD_LOOK[state])
    elif kind == "keys":
        for legend, x, y, w, h in KEYS:
            draw.key(ctx, (x, y, w, h), legend, look)
        for legend, x, y, w, h in PICTURE_KEYS:
            draw.key(ctx, (x, y, w, h), legend, "normal")


def shape(ctx, spec):
    """The window outline as a path."""
    w, h = spec["size"]
    r = spec["radius"]
    if spec.get("shape") == "bubble":
        # A rounded body with a tail at the bottom centre pointing at the key.
        body = h - 8
        draw.rounded(ctx, 0, 0, w, body, r)
        ctx.move_to(w / 2.0 - 8, body - 1)
        ctx.line_to(w / 2.0, h)
        ctx.line_to(w / 2.0 + 8, body - 1)
        ctx.close_path()
    else:
        draw.rounded(ctx, 0, 0, w, h, r)


def window_image(spec, state, scale):
    w, h = spec["size"]
    s, ctx = surface(w, h, scale)
    draw.window_background(ctx, w, h, spec["radius"])
    if spec.get("shape") == "bubble":
        ctx.set_source_rgb(*THEME["panel"])
        ctx.paint()
        shape(ctx, spec)
        ctx.set_source_rgb(*THEME["accent"])
        ctx.set_line_width(2)
        ctx.stroke()
    for item in spec.get("decor", []):
        decor(ctx, item, w)
    for kind, rect, opts in spec["controls"]:
        control(ctx, kind, rect, opts, state)
    return s


def mask_image(spec, scale):
    """Black where the window is, pure white elsewhere; hard edges, so every
    pixel is either inside or outside."""
    w, h = spec["size"]
    s, ctx = surface(w, h, scale)
    ctx.set_source_rgb(1, 1, 1)
    ctx.paint()
    ctx.set_antialias(cairo.ANTIALIAS_NONE)
    shape(ctx, spec)
    ctx.set_source_rgb(0, 0, 0)
    ctx.fill()
    return s


def grid(columns, rows, cw, ch, paint, scale):
    """Cells of cw x ch at 100 %; each cell is clipped to itself, so no
    cell's drawing reaches into its neighbour at any scale."""
    s, ctx = surface(columns * cw, rows * ch, scale)
    ctx.set_source_rgb(*THEME["panel"])
    ctx.paint()
    for c in range(columns):
        for r in range(rows):
            ctx.save()
            ctx.rectangle(c * cw, r * ch, cw, ch)
            ctx.clip()
            paint(ctx, c, r, (c * cw, r * ch, cw, ch))
            ctx.restore()
    return s


ROW_LOOKS = ("normal", "disabled", "hover", "pressed")


def macro_button(ctx, c, r, rect):
    draw.button(ctx, rect, ROW_LOOKS[r], ("pencil", "trash", "up", "down")[c])


def macro_indicator(ctx, c, r, rect):
    colour = (THEME["glyph"], THEME["glyph_disabled"], THEME["accent"])[r]
    draw.glyph(ctx, ("press", "clock", "release")[c], rect, colour)


def scrollbar(ctx, c, r, rect):
    look = ROW_LOOKS[r]
    x, y, w, h = rect
    if c == 3:  # track; a hovered or pressed page area lightens
        track = {"normal": "#1d232c", "disabled": "#161a20", "hover": "#232b36", "pressed": "#2a3440"}
        ctx.set_source_rgb(*rgb(track[look]))
        ctx.rectangle(*rect)
        ctx.fill()
    elif c == 2:  # thumb
        draw.face(ctx, (x + 2, y, w - 4, h), look, radius=3)
    else:
        draw.button(ctx, rect, look, ("up", "down")[c])


def slider_thumb(ctx, c, r, rect):
    draw.face(ctx, rect, ROW_LOOKS[r], radius=4)
    x, y, w, h = rect
    ctx.set_source_rgb(*draw.FACE[ROW_LOOKS[r]][3])
    ctx.rectangle(x + w / 2.0 - 1, y + 5, 2, h - 10)
    ctx.fill()


def list_back(scale):
    """Seven bands: normal, disabled, disabled+selected, hover, hover+selected,
    selected, and the list background."""
    bands = ("#1b2029", "#15181d", "#262b22", "#2f3a46", "#4a6a26", "#3b5a1c", "#12161c")
    w, bh = 240, 22
    s, ctx = surface(w, bh * len(bands), scale)
    for i, colour in enumerate(bands):
        ctx.set_source_rgb(*rgb(colour))
        ctx.rectangle(0, i * bh, w, bh)
        ctx.fill()
        if i in (3, 4):
            draw.accent_line(ctx, 0, 3, i * bh)
            ctx.rectangle(0, i * bh, 3, bh)
            ctx.fill()
    return s


def mark(ctx, size):
    """The program's mark: a lime keycap with a ring and a tail."""
    draw.rounded(ctx, 0.5, 0.5, size - 1, size - 1, size / 5.0)
    ctx.set_source_rgb(*THEME["accent"])
    ctx.fill()
    ctx.set_source_rgb(*rgb("#12161c"))
    ctx.set_line_width(size / 9.0)
    ctx.arc(size / 2.0, size / 2.0 - size / 20.0, size / 4.2, 0, 2 * math.pi)
    ctx.stroke()
    ctx.move_to(size * 0.56, size * 0.6)
    ctx.line_to(size * 0.76, size * 0.82)
    ctx.stroke()


def icon(size):
    s, ctx = surface(size, size)
    mark(ctx, size)
    return s


def images(scale):
    """Every image of the skin at `scale`, by its 100 % file name."""
    for name, spec in WINDOWS.items():
        for state in spec["states"]:
            yield SPELLING.get((name, state), "%s_%s.bmp" % (name, state)), window_image(spec, state, scale)
        yield "%s_Mask.bmp" % spec.get("mask", name), mask_image(spec, scale)
    yield "MacroButton.bmp", grid(4, 4, 18, 18, macro_button, scale)
    yield "MacroIndicator.bmp", grid(3, 3, 14, 14, macro_indicator, scale)
    yield "scrollbar.bmp", grid(4, 4, 14, 14, scrollbar, scale)
    yield "SliderThumb.bmp", grid(1, 4, 14, 20, slider_thumb, scale)
    yield "listback.bmp", list_back(scale)


def main(res_dir, icon_path):
    for scale, folder in SCALES:
        out = os.path.join(res_dir, folder)
        os.makedirs(out, exist_ok=True)
        for file_name, image in images(scale):
            if folder:
                bmpfile.write_png(image, os.path.join(out, file_name[:-len(".bmp")] + ".png"))
            else:
                bmpfile.write_bmp(image, os.path.join(out, file_name))
    # Every size Windows asks for from 100 % to 200 %: small 16-32, large 32-64.
    bmpfile.write_ico([icon(size) for size in (64, 48, 32, 24, 16)], icon_path)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
