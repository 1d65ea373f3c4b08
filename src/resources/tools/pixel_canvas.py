"""What the resource scripts share: shape tests in continuous pixel
coordinates, pixel-font text and the default output path.

A shape is a function (x, y) -> bool that tells whether a point lies inside.
Standard library only.
"""
import sys
from pathlib import Path


def rounded_rect(left, top, right, bottom, radius):
    """Inside test of a rectangle with round corners."""
    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def capsule(x1, y1, x2, y2, radius):
    """A stroke with round ends from (x1, y1) to (x2, y2)."""
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy or 1

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / length2))
        return (x - x1 - t * dx) ** 2 + (y - y1 - t * dy) ** 2 <= radius ** 2
    return inside


def text_marks(glyphs, text):
    """The ink cells of a pixel-font text as (column, row), one blank column
    between letters; in a glyph's rows "#" is ink."""
    x = 0
    for letter in text:
        glyph = glyphs[letter]
        for row, line in enumerate(glyph):
            for column, mark in enumerate(line):
                if mark == "#":
                    yield x + column, row
        x += len(glyph[0]) + 1


def output_path(default_name):
    """The file named on the command line, or the resource beside the tools."""
    return Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / default_name
