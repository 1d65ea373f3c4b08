#!/usr/bin/env python3
"""Writes about_picture.bmp, the illustration of the about dialog: a Shift
key, a plus sign and a mouse whose middle button is highlighted, 210 x 90
pixels, on a transparent background.

The file is an 8-bit palette bitmap; magenta (FF00FF) marks the transparent pixels,
which the dialog keys out. Edges are smoothed by sampling each pixel 4 x 4
times and blending with white, the usual window colour; pixels that a shape
covers by less than a quarter stay transparent.
Standard library only:  python3 make_about_picture.py [output.bmp]
"""
import math
import struct

from pixel_canvas import capsule, output_path, rounded_rect, text_marks

WIDTH, HEIGHT = 210, 90
SAMPLES = 4
KEY = (0xFF, 0x00, 0xFF)
WHITE = (0xFF, 0xFF, 0xFF)

INK = (0x30, 0x30, 0x30)
RIM = (0x5A, 0x5A, 0x5A)
SIDE = (0x9A, 0x9A, 0x9A)
FACE = (0xF2, 0xF2, 0xF2)
HIGHLIGHT = (0xFF, 0x8A, 0x00)
HIGHLIGHT_RIM = (0xC0, 0x5A, 0x00)

# A small pixel font for the key's label; "#" is ink.
GLYPHS = {
    "S": [".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."],
    "h": ["#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "f": ["..##", ".#..", "####", ".#..", ".#..", ".#..", ".#.."],
    "t": [".#..", ".#..", "####", ".#..", ".#..", ".#..", "..##"],
}


def inset(left, top, right, bottom, radius, by):
    return rounded_rect(left + by, top + by, right - by, bottom - by, max(radius - by, 0))


def rect(left, top, right, bottom):
    return lambda x, y: left <= x <= right and top <= y <= bottom


def polygon(points):
    """Even-odd inside test."""
    def inside(x, y):
        result = False
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                result = not result
        return result
    return inside


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


class Canvas:
    """Colour and coverage per pixel; shapes are painted over each other."""

    def __init__(self):
        self.colour = [[WHITE] * WIDTH for _ in range(HEIGHT)]
        self.cover = [[0.0] * WIDTH for _ in range(HEIGHT)]

    def paint(self, inside, colour, box=(0, 0, WIDTH, HEIGHT)):
        left, top, right, bottom = (max(0, math.floor(box[0])), max(0, math.floor(box[1])),
                                    min(WIDTH, math.ceil(box[2]) + 1), min(HEIGHT, math.ceil(box[3]) + 1))
        step = 1 / SAMPLES
        for y in range(top, bottom):
            for x in range(left, right):
                hits = sum(inside(x + (i + 0.5) * step, y + (j + 0.5) * step)
                           for j in range(SAMPLES) for i in range(SAMPLES))
                if hits == 0:
                    continue
                a = hits / SAMPLES ** 2
                old, old_cover = self.colour[y][x], self.cover[y][x]
                # Paint over what is there; coverage builds up towards 1.
                mixed_cover = a + old_cover * (1 - a)
                self.colour[y][x] = tuple(
                    round((c * a + o * old_cover * (1 - a)) / mixed_cover) for c, o in zip(colour, old))
                self.cover[y][x] = mixed_cover

    def pixels(self):
        """Final colours: blended with white, or the key colour where empty."""
        rows = []
        for y in range(HEIGHT):
            row = []
            for x in range(WIDTH):
                a = self.cover[y][x]
                if a < 0.25:
                    row.append(KEY)
                else:
                    row.append(tuple(round(c * a + w * (1 - a)) for c, w in zip(self.colour[y][x], WHITE)))
            rows.append(row)
        return rows


def draw_text(canvas, text, left, top, scale, colour):
    for column, row in text_marks(GLYPHS, text):
        px, py = left + column * scale, top + row * scale
        canvas.paint(rect(px, py, px + scale, py + scale), colour, (px, py, px + scale, py + scale))


def text_width(text, scale):
    return sum((len(GLYPHS[c][0]) + 1) * scale for c in text) - scale


def draw_shift_key(canvas):
    left, top, right, bottom, radius = 2, 20, 92, 66, 8
    canvas.paint(rounded_rect(left, top + 4, right, bottom + 4, radius), SIDE, (left, top, right, bottom + 4))
    canvas.paint(rounded_rect(left, top, right, bottom, radius), RIM, (left, top, right, bottom))
    canvas.paint(inset(left, top, right, bottom, radius, 2), FACE, (left, top, right, bottom))
    # The shift arrow, then the label, centred on the key's face together.
    arrow_width, gap, scale = 16, 6, 2
    label_width = text_width("Shift", scale)
    start = (left + right - (arrow_width + gap + label_width)) / 2
    middle = (top + bottom) / 2
    ax = start
    arrow = [(ax + 8, middle - 9), (ax + 16, middle), (ax + 11, middle), (ax + 11, middle + 8),
             (ax + 5, middle + 8), (ax + 5, middle), (ax, middle)]
    canvas.paint(polygon(arrow), INK, (ax, middle - 9, ax + 16, middle + 8))
    draw_text(canvas, "Shift", round(start + arrow_width + gap), round(middle - 7), scale, INK)


def draw_plus(canvas):
    cx, cy = 116, 45
    canvas.paint(rect(cx - 10, cy - 3, cx + 10, cy + 3), INK, (cx - 10, cy - 3, cx + 10, cy + 3))
    canvas.paint(rect(cx - 3, cy - 10, cx + 3, cy + 10), INK, (cx - 3, cy - 10, cx + 3, cy + 10))


def draw_mouse(canvas):
    left, top, right, bottom = 140, 4, 192, 88
    radius = (right - left) / 2
    box = (left, top, right, bottom)
    canvas.paint(rounded_rect(left, top, right, bottom, radius), RIM, box)
    body = inset(left, top, right, bottom, radius, 2)
    canvas.paint(body, FACE, box)
    middle_x = (left + right) / 2
    buttons_end = top + 36
    # The parting lines of the two outer buttons.
    canvas.paint(both(body, rect(middle_x - 1, top, middle_x + 1, buttons_end)), RIM, box)
    canvas.paint(both(body, rect(left, buttons_end - 1, right, buttons_end + 1)), RIM, box)
    # The middle button, pressed: bright, with rays around it.
    wheel = (middle_x - 6, top + 9, middle_x + 6, top + 29)
    canvas.paint(rounded_rect(*wheel, 6), HIGHLIGHT_RIM, wheel)
    canvas.paint(inset(*wheel, 6, 1.5), HIGHLIGHT, wheel)
    for side in (-1, 1):
        for dy in (-6, 0, 6):
            x1 = middle_x + side * 10
            x2 = middle_x + side * 17
            y1 = top + 19 + dy * 0.6
            y2 = top + 19 + dy * 1.3
            canvas.paint(capsule(x1, y1, x2, y2, 1.1), HIGHLIGHT, (min(x1, x2) - 2, min(y1, y2) - 2,
                                                                    max(x1, x2) + 2, max(y1, y2) + 2))


def bmp_file(rows):
    """An 8-bit bitmap: the picture has fewer than 256 colours, each kept exactly."""
    palette = sorted({colour for row in rows for colour in row})
    assert len(palette) <= 256, "too many colours for an 8-bit bitmap"
    index = {colour: i for i, colour in enumerate(palette)}
    row_bytes = (WIDTH + 3) // 4 * 4
    data = bytearray()
    for row in reversed(rows):
        data += bytes(index[colour] for colour in row) + bytes(row_bytes - WIDTH)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(data), 3780, 3780, len(palette), 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + colours + bytes(data)


def main():
    target = output_path("about_picture.bmp")
    canvas = Canvas()
    draw_shift_key(canvas)
    draw_plus(canvas)
    draw_mouse(canvas)
    target.write_bytes(bmp_file(canvas.pixels()))
    print(f"wrote {target}")


if __name__ == "__main__":
    main()
