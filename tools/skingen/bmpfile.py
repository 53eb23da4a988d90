"""Writes cairo image surfaces as Windows bitmap, icon and PNG files."""
import struct

import cairo


def _rows_bgr(surface):
    """Rows of 24-bit BGR pixels, bottom row first, each padded to 4 bytes."""
    surface.flush()
    width, height, stride = surface.get_width(), surface.get_height(), surface.get_stride()
    data = bytes(surface.get_data())
    pad = (4 - (width * 3) % 4) % 4
    rows = []
    for y in range(height - 1, -1, -1):
        row = data[y * stride:y * stride + width * 4]
        # ARGB32 is stored B, G, R, A in memory on little-endian machines.
        bgr = bytearray(width * 3)
        bgr[0::3] = row[0::4]
        bgr[1::3] = row[1::4]
        bgr[2::3] = row[2::4]
        rows.append(bytes(bgr) + b"\0" * pad)
    return b"".join(rows)


def write_bmp(surface, path):
    """24-bit uncompressed bitmap; opaque surfaces only (alpha is dropped)."""
    pixels = _rows_bgr(surface)
    width, height = surface.get_width(), surface.get_height()
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def _icon_image(surface):
    """One icon entry: 32-bit BGRA rows bottom-up and an all-zero AND mask."""
    surface.flush()
    size, stride = surface.get_width(), surface.get_stride()
    data = bytes(surface.get_data())
    xor = b"".join(data[y * stride:y * stride + size * 4] for y in range(size - 1, -1, -1))
    mask_row = ((size + 31) // 32) * 4
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor), 0, 0, 0, 0)
    return info + xor + b"\0" * (mask_row * size)


def write_ico(surfaces, path):
    """An icon file holding one image per surface (square, up to 255 px)."""
    images = [_icon_image(s) for s in surfaces]
    offset = 6 + 16 * len(images)
    entries = b""
    for surface, image in zip(surfaces, images):
        size = surface.get_width()
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + entries + b"".join(images))


def write_png(surface, path):
    """An opaque RGB PNG (alpha is dropped, as in the bitmaps)."""
    rgb = cairo.ImageSurface(cairo.FORMAT_RGB24, surface.get_width(), surface.get_height())
    ctx = cairo.Context(rgb)
    ctx.set_source_surface(surface)
    ctx.paint()
    rgb.write_to_png(path)
