#!/usr/bin/env python3
"""Draws the front end's pictures: the six 64 x 25 button skins, the two 12 x 12
choice marks of the settings dialog, and the program's icon (32 x 32 and
16 x 16). Standard library only; run it from anywhere, it writes beside itself.

Only the outer band of four pixels of a skin is ever shown (the button cuts it
into corners and edges and stretches those), so only that band is designed.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

SKIN_WIDTH, SKIN_HEIGHT = 64, 25


def hex_colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def mix(a, b, t):
    """a at t = 0, b at t = 1."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def write_bmp(path, width, height, pixel):
    """24-bit uncompressed BMP; pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):  # stored bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        rows.append(bytes(row))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    with open(path, "wb") as out:
        out.write(header + info + image)


# ---------------------------------------------------------------- skins

FRAME_TOP, FRAME_BOTTOM = hex_colour("#ECE9D8"), hex_colour("#E0DCC9")
OUTLINE = hex_colour("#003C74")
INSIDE = hex_colour("#F4F3EE")  # never shown


def vertical(y, top, bottom):
    return mix(top, bottom, y / (SKIN_HEIGHT - 1))


class Band:
    """Distance of a pixel from the skin's edge, and which side it is on."""

    def __init__(self, x, y, inset=0):
        self.x, self.y = x, y
        self.left, self.top = x - inset, y - inset
        self.right, self.bottom = SKIN_WIDTH - 1 - x - inset, SKIN_HEIGHT - 1 - y - inset
        self.depth = min(self.left, self.top, self.right, self.bottom)

    def side(self):
        # Rows win over columns, so the top and bottom bands run to the corners.
        if self.top == self.depth:
            return "top"
        if self.bottom == self.depth:
            return "bottom"
        return "left" if self.left == self.depth else "right"

    def at_corner(self, reach):
        return (min(self.left, self.right) <= reach) and (min(self.top, self.bottom) <= reach)


def framed(x, y, inner, outline=OUTLINE, inset=0):
    """Light frame, rounded outline, then the skin's own two inner rows."""
    band = Band(x, y, inset)
    light = vertical(y, FRAME_TOP, FRAME_BOTTOM)
    if band.depth < 0:
        return light
    if band.depth == 0:
        return light
    if band.depth == 1:
        # Soften the corners: the outline's corner pixel fades into the frame.
        if band.at_corner(1):
            return mix(outline, light, 0.65)
        return outline
    if band.depth in (2, 3):
        colour = inner(band)
        # The pixel just inside a rounded corner takes some of the outline.
        if band.depth == 2 and band.at_corner(2):
            return mix(colour, outline, 0.3)
        return colour
    return INSIDE


def normal_inner(band):
    if band.side() == "top":
        return hex_colour("#F3F3EE")
    if band.side() == "bottom":
        return hex_colour("#E2DFD6") if band.depth == 3 else hex_colour("#D6D0C5")
    if band.side() == "left":
        return vertical(band.y, hex_colour("#F3F3EE"), hex_colour("#DCD8CE"))
    return vertical(band.y, hex_colour("#ECEAE3"), hex_colour("#D8D3C8"))


def ring_inner(top_outer, top_inner, bottom_inner, bottom_outer, side_outer_top):
    """A coloured two-pixel ring inside the outline: flat along the top and bottom, shading
    from top to bottom down the sides (depth 2 is the outer pixel, depth 3 the inner)."""
    def inner(band):
        side = band.side()
        if side == "top":
            return hex_colour(top_outer if band.depth == 2 else top_inner)
        if side == "bottom":
            return hex_colour(bottom_inner if band.depth == 3 else bottom_outer)
        if band.depth == 2:
            return vertical(band.y, hex_colour(side_outer_top), hex_colour(bottom_outer))
        return vertical(band.y, hex_colour(top_inner), hex_colour(bottom_inner))
    return inner


highlight_inner = ring_inner("#FFF0CF", "#FDD889", "#F8B330", "#E59700", side_outer_top="#FFE9B4")
selected_inner = ring_inner("#CEE7FF", "#BCD4F6", "#89ADE4", "#6982EE", side_outer_top="#CEE7FF")


def pressed(x, y):
    """The whole frame pushed in by one pixel: two light rows outside the outline."""
    band = Band(x, y)
    light = vertical(y, FRAME_TOP, FRAME_BOTTOM)
    if band.depth <= 1:
        return light
    if band.depth == 2:
        return mix(OUTLINE, light, 0.65) if band.at_corner(2) else OUTLINE
    if band.depth == 3:
        side = band.side()
        if side == "top":
            return hex_colour("#D1CCC1")
        if side == "bottom":
            return hex_colour("#F2F1EE")
        near_corner = min(band.top, band.bottom) <= 6
        return hex_colour("#A9B4C9") if near_corner else hex_colour("#E6E3DA")
    return INSIDE


def disabled(x, y):
    return framed(x, y, lambda band: hex_colour("#F5F4EA"), outline=hex_colour("#C9C7BA"))


SKINS = {
    "normal.bmp": lambda x, y: framed(x, y, normal_inner),
    "highlight.bmp": lambda x, y: framed(x, y, highlight_inner),
    # Pointer over the focused button: the same picture as the hover.
    "highlight_select.bmp": lambda x, y: framed(x, y, highlight_inner),
    "selected.bmp": lambda x, y: framed(x, y, selected_inner),
    "pressed.bmp": pressed,
    "disable.bmp": disabled,
}


# ---------------------------------------------------------------- choice marks

MARK_SIZE = 12
MARK_OUTLINE = hex_colour("#8E8F8F")


def mark_unselected(x, y):
    edge = min(x, y, MARK_SIZE - 1 - x, MARK_SIZE - 1 - y)
    if edge == 0:
        return MARK_OUTLINE
    return mix(hex_colour("#F4F4F2"), hex_colour("#FFFFFF"), (x + y) / (2 * MARK_SIZE))


def mark_selected(x, y):
    edge = min(x, y, MARK_SIZE - 1 - x, MARK_SIZE - 1 - y)
    if edge == 0:
        return MARK_OUTLINE
    if edge == 1:
        return hex_colour("#F4F4F2")
    return mix(hex_colour("#5A8BE0"), hex_colour("#2453B8"), (x + y) / (2 * MARK_SIZE))


# ---------------------------------------------------------------- icon

# Soft glowing blobs on black: (centre x, centre y, radius, colour), in units
# of the icon's width.
BLOBS = [
    (0.36, 0.38, 0.22, (1.00, 0.15, 0.85)),  # magenta
    (0.66, 0.62, 0.24, (0.10, 1.00, 0.60)),  # cyan-green
    (0.52, 0.48, 0.13, (1.00, 1.00, 1.00)),  # white
    (0.28, 0.74, 0.10, (0.60, 0.20, 0.90)),
    (0.76, 0.26, 0.09, (0.30, 0.95, 0.85)),
]


def glow(size):
    """The blobs added like light, then compressed so they glow instead of clipping."""
    pixels = []
    for y in range(size):
        for x in range(size):
            light = [0.0, 0.0, 0.0]
            # Four samples per pixel keep the small icon smooth.
            for sx, sy in ((0.25, 0.25), (0.75, 0.25), (0.25, 0.75), (0.75, 0.75)):
                u, v = (x + sx) / size, (y + sy) / size
                for cx, cy, radius, colour in BLOBS:
                    strength = math.exp(-((u - cx) ** 2 + (v - cy) ** 2) / (2 * (radius / 2) ** 2)) / 4
                    for i in range(3):
                        light[i] += colour[i] * strength * 1.6
            pixels.append(tuple(round(255 * (1 - math.exp(-2.2 * c))) for c in light))
    return pixels


def palette_for(images):
    """256 colours: the most used ones, at 5 bits per channel."""
    counts = {}
    for pixels in images:
        for r, g, b in pixels:
            key = (r >> 3, g >> 3, b >> 3)
            counts[key] = counts.get(key, 0) + 1
    chosen = sorted(counts, key=lambda k: -counts[k])[:256]
    palette = [tuple((c << 3) | (c >> 2) for c in key) for key in chosen]
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette


def nearest(palette, colour, cache={}):
    if colour not in cache:
        cache[colour] = min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))
    return cache[colour]


def icon_image(size, pixels, palette=None):
    """One image of an .ico: a BMP header of double height, the pixels bottom-up, the AND mask."""
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # every pixel opaque
    if palette is None:
        colours = b""
        rows = b"".join(
            b"".join(bytes((b, g, r, 255)) for r, g, b in pixels[y * size:(y + 1) * size]) for y in reversed(range(size)))
        bits = 32
    else:
        colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        rows = b"".join(
            bytes(nearest(palette, c) for c in pixels[y * size:(y + 1) * size]) for y in reversed(range(size)))
        bits = 8
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(rows) + len(mask), 0, 0,
                         256 if palette else 0, 0)
    return header + colours + rows + mask, bits


def write_icon(path):
    """32 x 32 and 16 x 16, each in true colour and in 256 colours for old displays."""
    large, small = glow(32), glow(16)
    palette = palette_for([large, small])
    images = [(32,) + icon_image(32, large), (16,) + icon_image(16, small),
              (32,) + icon_image(32, large, palette), (16,) + icon_image(16, small, palette)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, image, bits in images:
        colour_count = 0  # 0 for 256 colours and above
        entries += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bits, len(image), offset + len(data))
        data += image
    with open(path, "wb") as out:
        out.write(directory + entries + data)


def main():
    for name, pixel in SKINS.items():
        write_bmp(os.path.join(HERE, "skins", name), SKIN_WIDTH, SKIN_HEIGHT, pixel)
    write_bmp(os.path.join(HERE, "dialog", "mark_unselected.bmp"), MARK_SIZE, MARK_SIZE, mark_unselected)
    write_bmp(os.path.join(HERE, "dialog", "mark_selected.bmp"), MARK_SIZE, MARK_SIZE, mark_selected)
    write_icon(os.path.join(HERE, "dialog", "miravel.ico"))


if __name__ == "__main__":
    main()
