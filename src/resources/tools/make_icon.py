#!/usr/bin/env python3
"""Writes Morvane3.ico: white letters EN on a dark-blue square at the lower
right, beside a black text-cursor bar, on a transparent background.

The picture is drawn on a 16 x 16 grid and scaled by whole numbers to 16, 32,
48 and 64 pixels. Each size is a 16-colour (4-bit) image with its AND mask.
Standard library only:  python3 make_icon.py [output.ico]
"""
import struct

from pixel_canvas import output_path, text_marks

GRID = 16
SIZES = (16, 32, 48, 64)

TRANSPARENT = None
BLACK = (0x00, 0x00, 0x00)
DARK_BLUE = (0x14, 0x2A, 0x80)
WHITE = (0xFF, 0xFF, 0xFF)
# The four colours fit a 16-colour icon, an eighth of the size of a 32-bit one.
PALETTE = [BLACK, DARK_BLUE, WHITE]

# A tiny pixel font: "#" is ink.
GLYPHS = {
    "E": ["###",
          "#..",
          "##.",
          "#..",
          "###"],
    "N": ["#..#",
          "##.#",
          "#.##",
          "#..#",
          "#..#"],
}


def draw_grid():
    """The picture on the grid: rows of colours (or None), top row first."""
    grid = [[TRANSPARENT] * GRID for _ in range(GRID)]

    def fill(left, top, right, bottom, colour):  # inclusive bounds
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                grid[y][x] = colour

    fill(2, 1, 3, 15, BLACK)        # the text-cursor bar
    fill(6, 6, 15, 15, DARK_BLUE)   # the square
    for column, row in text_marks(GLYPHS, "EN"):
        grid[8 + row][7 + column] = WHITE
    return grid


def icon_image(grid, size):
    """One icon entry: BITMAPINFOHEADER, the 16-colour palette, 4-bit colour
    rows and AND mask rows, bottom-up. Transparent pixels are palette entry 0
    (black) with the mask bit set."""
    scale = size // GRID
    pixel = lambda x, y: grid[y // scale][x // scale]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 0, 0)
    palette = b"".join(bytes((c[2], c[1], c[0], 0)) for c in PALETTE) + bytes(4 * (16 - len(PALETTE)))
    colour_row_bytes = (size * 4 + 31) // 32 * 4
    colours = bytearray()
    for y in reversed(range(size)):
        row = bytearray(colour_row_bytes)
        for x in range(size):
            c = pixel(x, y)
            index = 0 if c is None else PALETTE.index(c)
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colours += row
    mask_row_bytes = (size + 31) // 32 * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(mask_row_bytes)
        for x in range(size):
            if pixel(x, y) is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + palette + bytes(colours) + bytes(mask)


def icon_file(grid):
    images = [icon_image(grid, size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main():
    target = output_path("Morvane3.ico")
    target.write_bytes(icon_file(draw_grid()))
    print(f"wrote {target}")


if __name__ == "__main__":
    main()
