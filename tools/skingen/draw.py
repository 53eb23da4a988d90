"""Drawing primitives of the skin: one dark theme with lime accents.

Every control kind has a look per visual state: "normal", "hover",
"pressed" and "disabled"; check boxes, radio buttons and switches add a
ticked flag. The window images are made by drawing every control of a window
in the look that the image's state stands for.
"""
import math

import cairo

FONT = "DejaVu Sans"


def rgb(hex_colour):
    v = int(hex_colour.lstrip("#"), 16)
    return ((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0


THEME = {
    "window_top": rgb("#232a35"),
    "window_bottom": rgb("#12161c"),
    "window_edge": rgb("#4a5566"),
    "panel": rgb("#181d25"),
    "panel_edge": rgb("#323b48"),
    "accent": rgb("#9fe63c"),
    "accent_dark": rgb("#4f7f1a"),
    "glyph": rgb("#d8dee8"),
    "glyph_disabled": rgb("#5a626e"),
}

# fill, border, border width, glyph colour per look
FACE = {
    "normal": (rgb("#2b333f"), rgb("#465162"), 1.0, THEME["glyph"]),
    "hover": (rgb("#35424f"), THEME["accent"], 2.0, THEME["accent"]),
    "pressed": (rgb("#2d4a0e"), rgb("#c4f577"), 2.0, rgb("#ffffff")),
    "disabled": (rgb("#1f242b"), rgb("#2c323b"), 1.0, THEME["glyph_disabled"]),
}


def rounded(ctx, x, y, w, h, r):
    r = min(r, w / 2.0, h / 2.0)
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    ctx.close_path()


def face(ctx, rect, look, radius=5):
    """A rounded control face filling `rect` exactly, border inside it."""
    x, y, w, h = rect
    fill, border, width, _ = FACE[look]
    rounded(ctx, x + width / 2, y + width / 2, w - width, h - width, radius)
    grad = cairo.LinearGradient(0, y, 0, y + h)
    grad.add_color_stop_rgb(0, *[min(1.0, c * 1.18) for c in fill])
    grad.add_color_stop_rgb(1, *fill)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*border)
    ctx.set_line_width(width)
    ctx.stroke()


def window_background(ctx, w, h, radius):
    grad = cairo.LinearGradient(0, 0, 0, h)
    grad.add_color_stop_rgb(0, *THEME["window_top"])
    grad.add_color_stop_rgb(1, *THEME["window_bottom"])
    ctx.set_source(grad)
    ctx.paint()
    rounded(ctx, 0.5, 0.5, w - 1, h - 1, radius)
    ctx.set_source_rgb(*THEME["window_edge"])
    ctx.set_line_width(1)
    ctx.stroke()


def panel(ctx, rect, radius=8):
    x, y, w, h = rect
    rounded(ctx, x + 0.5, y + 0.5, w - 1, h - 1, radius)
    ctx.set_source_rgb(*THEME["panel"])
    ctx.fill_preserve()
    ctx.set_source_rgb(*THEME["panel_edge"])
    ctx.set_line_width(1)
    ctx.stroke()


def accent_line(ctx, x0, x1, y):
    ctx.set_source_rgb(*THEME["accent"])
    ctx.rectangle(x0, y, x1 - x0, 2)
    ctx.fill()


def text(ctx, rect, label, size, colour, bold=False):
    """Centred text; used only for the legends of the keyboard picture."""
    x, y, w, h = rect
    ctx.select_font_face(FONT, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    ext = ctx.text_extents(label)
    ctx.move_to(round(x + (w - ext.width) / 2 - ext.x_bearing), round(y + (h - ext.height) / 2 - ext.y_bearing))
    ctx.set_source_rgb(*colour)
    ctx.show_text(label)


def glyph(ctx, name, rect, colour):
    """Line icons drawn in a square centred in `rect`."""
    x, y, w, h = rect
    s = min(w, h) * 0.5
    cx, cy = x + w / 2.0, y + h / 2.0
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(s / 2.0, s / 2.0)  # the icon lives in [-1, 1]
    ctx.set_source_rgb(*colour)
    ctx.set_line_width(0.22)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    GLYPHS[name](ctx)
    ctx.restore()


def _lines(ctx, *points):
    ctx.move_to(*points[0])
    for p in points[1:]:
        ctx.line_to(*p)
    ctx.stroke()


def _plus(ctx):
    _lines(ctx, (-0.8, 0), (0.8, 0))
    _lines(ctx, (0, -0.8), (0, 0.8))


def _trash(ctx):
    _lines(ctx, (-0.9, -0.6), (0.9, -0.6))
    _lines(ctx, (-0.3, -0.6), (-0.3, -0.9), (0.3, -0.9), (0.3, -0.6))
    _lines(ctx, (-0.65, -0.6), (-0.5, 0.9), (0.5, 0.9), (0.65, -0.6))
    _lines(ctx, (0, -0.3), (0, 0.6))


def _copy(ctx):
    ctx.rectangle(-0.9, -0.4, 1.2, 1.3)
    ctx.stroke()
    _lines(ctx, (-0.4, -0.6), (-0.4, -0.9), (0.9, -0.9), (0.9, 0.5), (0.5, 0.5))


def _export(ctx):
    _lines(ctx, (-0.9, 0.1), (-0.9, 0.9), (0.9, 0.9), (0.9, 0.1))
    _lines(ctx, (0, 0.4), (0, -0.9))
    _lines(ctx, (-0.45, -0.45), (0, -0.9), (0.45, -0.45))


def _import(ctx):
    _lines(ctx, (-0.9, 0.1), (-0.9, 0.9), (0.9, 0.9), (0.9, 0.1))
    _lines(ctx, (0, -0.9), (0, 0.4))
    _lines(ctx, (-0.45, -0.05), (0, 0.4), (0.45, -0.05))


def _minimize(ctx):
    _lines(ctx, (-0.7, 0.5), (0.7, 0.5))


def _close(ctx):
    _lines(ctx, (-0.6, -0.6), (0.6, 0.6))
    _lines(ctx, (0.6, -0.6), (-0.6, 0.6))


def _pencil(ctx):
    _lines(ctx, (-0.8, 0.8), (-0.7, 0.3), (0.4, -0.8), (0.8, -0.4), (-0.3, 0.7), (-0.8, 0.8))


def _up(ctx):
    _lines(ctx, (-0.7, 0.35), (0, -0.4), (0.7, 0.35))


def _down(ctx):
    _lines(ctx, (-0.7, -0.35), (0, 0.4), (0.7, -0.35))


def _record(ctx):
    # Red while usable; a disabled button keeps the grey it was given.
    if ctx.get_source().get_rgba()[:3] != THEME["glyph_disabled"]:
        ctx.set_source_rgb(*rgb("#e5484d"))
    ctx.arc(0, 0, 0.75, 0, 2 * math.pi)
    ctx.fill()


def _clock(ctx):
    ctx.arc(0, 0, 0.8, 0, 2 * math.pi)
    ctx.stroke()
    _lines(ctx, (0, -0.5), (0, 0), (0.4, 0.2))


def _press(ctx):
    _lines(ctx, (0, -0.8), (0, 0.6))
    _lines(ctx, (-0.5, 0.1), (0, 0.6), (0.5, 0.1))
    _lines(ctx, (-0.8, 0.9), (0.8, 0.9))


def _release(ctx):
    _lines(ctx, (0, 0.8), (0, -0.6))
    _lines(ctx, (-0.5, -0.1), (0, -0.6), (0.5, -0.1))
    _lines(ctx, (-0.8, -0.9), (0.8, -0.9))


def _windows(ctx):
    for dx, dy in ((-0.85, -0.85), (0.1, -0.85), (-0.85, 0.1), (0.1, 0.1)):
        ctx.rectangle(dx, dy, 0.75, 0.75)
    ctx.fill()


def _folder(ctx):
    _lines(ctx, (-0.9, 0.8), (-0.9, -0.7), (-0.3, -0.7), (-0.1, -0.45), (0.9, -0.45), (0.9, 0.8), (-0.9, 0.8))


GLYPHS = {
    "plus": _plus, "trash": _trash, "copy": _copy, "export": _export, "import": _import,
    "minimize": _minimize, "close": _close, "pencil": _pencil, "up": _up, "down": _down,
    "record": _record, "clock": _clock, "press": _press, "release": _release, "windows": _windows,
    "folder": _folder,
}


def button(ctx, rect, look, icon=None):
    face(ctx, rect, look)
    if icon:
        glyph(ctx, icon, rect, FACE[look][3])


def dropdown(ctx, rect, look):
    x, y, w, h = rect
    face(ctx, rect, look)
    glyph(ctx, "down", (x + w - h, y, h, h), FACE[look][3])


def edit_field(ctx, rect, look):
    x, y, w, h = rect
    fill = {"disabled": rgb("#161a20")}.get(look, rgb("#0f1318"))
    border = {"hover": THEME["accent"], "disabled": rgb("#272c34")}.get(look, rgb("#3d4756"))
    rounded(ctx, x + 0.5, y + 0.5, w - 1, h - 1, 3)
    ctx.set_source_rgb(*fill)
    ctx.fill_preserve()
    ctx.set_source_rgb(*border)
    ctx.set_line_width(1)
    ctx.stroke()


def check(ctx, rect, ticked, look, box=20, round_box=False):
    """A box (or, for radio buttons, a circle) at the left, centred vertically."""
    x, y, w, h = rect
    size = min(box, h) - 4
    bx, by = x + (box - size) / 2.0, y + (h - size) / 2.0
    fill, border, width, mark = FACE[look]
    if round_box:
        ctx.arc(bx + size / 2.0, by + size / 2.0, size / 2.0 - width / 2, 0, 2 * math.pi)
    else:
        rounded(ctx, bx + width / 2, by + width / 2, size - width, size - width, 3)
    ctx.set_source_rgb(*fill)
    ctx.fill_preserve()
    ctx.set_source_rgb(*border)
    ctx.set_line_width(width)
    ctx.stroke()
    if not ticked:
        return
    colour = THEME["glyph_disabled"] if look == "disabled" else THEME["accent"]
    ctx.set_source_rgb(*colour)
    if round_box:
        ctx.arc(bx + size / 2.0, by + size / 2.0, size / 4.0, 0, 2 * math.pi)
        ctx.fill()
    else:
        ctx.set_line_width(2.2)
        _lines(ctx, (bx + size * 0.22, by + size * 0.52), (bx + size * 0.43, by + size * 0.74),
               (bx + size * 0.8, by + size * 0.28))


def switch(ctx, rect, on, look):
    """An on/off slide switch filling the control (check boxes without text)."""
    x, y, w, h = rect
    track_h = min(h - 4, 22)
    ty = y + (h - track_h) / 2.0
    fill = THEME["accent_dark"] if on else rgb("#2b333f")
    if look == "disabled":
        fill = rgb("#2a3122") if on else rgb("#1f242b")
    rounded(ctx, x + 1, ty, w - 2, track_h, track_h / 2.0)
    ctx.set_source_rgb(*fill)
    ctx.fill_preserve()
    ctx.set_source_rgb(*FACE[look][1])
    ctx.set_line_width(FACE[look][2])
    ctx.stroke()
    knob = track_h - 6
    kx = x + w - 4 - knob if on else x + 4
    ctx.arc(kx + knob / 2.0, ty + track_h / 2.0, knob / 2.0, 0, 2 * math.pi)
    ctx.set_source_rgb(*(THEME["glyph_disabled"] if look == "disabled" else THEME["glyph"]))
    ctx.fill()


def slider_track(ctx, x0, x1, cy, look):
    colour = THEME["glyph_disabled"] if look == "disabled" else rgb("#3d4756")
    rounded(ctx, x0, cy - 3, x1 - x0, 6, 3)
    ctx.set_source_rgb(*colour)
    ctx.fill()
    if look != "disabled":
        grad = cairo.LinearGradient(x0, 0, x1, 0)
        grad.add_color_stop_rgb(0, *THEME["accent_dark"])
        grad.add_color_stop_rgb(1, *THEME["accent"])
        rounded(ctx, x0, cy - 1, x1 - x0, 2, 1)
        ctx.set_source(grad)
        ctx.fill()


def key(ctx, rect, legend, look):
    """A keycap exactly on `rect`: a one-pixel gap shows the case around it."""
    x, y, w, h = rect
    face(ctx, (x + 1, y + 1, w - 2, h - 2), look, radius=4)
    colour = FACE[look][3]
    if legend == "WIN":
        glyph(ctx, "windows", (x, y, w, h), colour)
    else:
        text(ctx, (x + 1, y + 1, w - 2, h - 2), legend, 8.5 if len(legend) > 2 else 10, colour)
