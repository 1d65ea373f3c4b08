#!/usr/bin/env python3
"""Writes site_hand.cur, the mouse pointer over the about dialog's web-site
link: a white hand with a black outline pointing up with its index finger,
32 x 32 pixels, hot spot (13, 5) on the fingertip.

The hand is a union of simple shapes tested at each pixel's centre; its
border pixels are black, the rest white, the outside transparent. The file
is a monochrome cursor: a 1-bit image and its AND mask.
Standard library only:  python3 make_site_hand.py [output.cur]
"""
import struct

from pixel_canvas import capsule, output_path, rounded_rect

SIZE = 32
HOT_SPOT = (13, 5)
OUTSIDE, BLACK, WHITE = 0, 1, 2


# The index finger is 5 pixels wide (x 11 to 15) with its tip on row 5; the
# other fingers are bent, so only their knuckles show, each lower than the last.
SHAPES = [
    capsule(13.5, 7.5, 13.5, 20, 2.5),     # index finger
    capsule(17.5, 13.5, 17.5, 20, 2.5),    # middle finger
    capsule(21.5, 15.5, 21.5, 21, 2.5),    # ring finger
    capsule(25.5, 17.5, 25.5, 22, 2.5),    # little finger
    capsule(7.0, 17.0, 11.5, 23.5, 2.5),   # thumb
    rounded_rect(10.0, 18.5, 28.0, 30.0, 4),  # palm
]
# Short lines that part the knuckles: (x, first row, last row).
PARTINGS = [(15, 11, 18), (19, 13, 19), (23, 15, 20)]


def draw():
    inside = [[any(shape(x + 0.5, y + 0.5) for shape in SHAPES) for x in range(SIZE)] for y in range(SIZE)]
    grid = [[OUTSIDE] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            if not inside[y][x]:
                continue
            edge = any(not (0 <= x + dx < SIZE and 0 <= y + dy < SIZE) or not inside[y + dy][x + dx]
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            grid[y][x] = BLACK if edge else WHITE
    for x, first, last in PARTINGS:
        for y in range(first, last + 1):
            if inside[y][x]:
                grid[y][x] = BLACK
    return grid


def cursor_file(grid):
    row_bytes = SIZE // 8  # 32 pixels: four bytes, already a multiple of four
    xor_bits, and_bits = bytearray(), bytearray()
    for y in reversed(range(SIZE)):
        xor_row, and_row = bytearray(row_bytes), bytearray(row_bytes)
        for x in range(SIZE):
            bit = 0x80 >> (x % 8)
            if grid[y][x] == OUTSIDE:
                and_row[x // 8] |= bit
            elif grid[y][x] == WHITE:
                xor_row[x // 8] |= bit
        xor_bits += xor_row
        and_bits += and_row
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 2)
    palette = bytes((0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0))
    image = header + palette + bytes(xor_bits) + bytes(and_bits)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    target = output_path("site_hand.cur")
    grid = draw()
    assert grid[HOT_SPOT[1]][HOT_SPOT[0]] == BLACK, "the hot spot must lie on the fingertip"
    target.write_bytes(cursor_file(grid))
    print(f"wrote {target}")


if __name__ == "__main__":
    main()
