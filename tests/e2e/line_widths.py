#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Line widths in a screenshot, in device pixels.

  line_widths.py square PICTURE CROP
      The outline of the black square in CROP: its width on the top, bottom, left and right
      sides, measured across the middle of each side (0 where a side is missing).
  line_widths.py across PICTURE CROP RRGGBB
      The width of the horizontal lines of that colour in CROP: the commonest length of the
      vertical runs of the colour.

CROP is ImageMagick geometry, WxH+X+Y."""
import collections
import sys

from screenshot import read_pixels


def read_rows(path, crop):
    width, height, pixels = read_pixels(path, crop)
    return [[pixels[y * width + x].hex() for x in range(width)] for y in range(height)]


def run_from(cells, colour):
    length = 0
    for cell in cells:
        if cell != colour:
            break
        length += 1
    return length


def square(rows):
    black = "000000"
    points = [(x, y) for y, row in enumerate(rows) for x, cell in enumerate(row) if cell == black]
    if not points:
        return [0, 0, 0, 0]
    left = min(x for x, _ in points)
    right = max(x for x, _ in points)
    top = min(y for _, y in points)
    bottom = max(y for _, y in points)
    middle_x = (left + right) // 2
    middle_y = (top + bottom) // 2
    column = [rows[y][middle_x] for y in range(top, bottom + 1)]
    row = rows[middle_y][left:right + 1]
    return [run_from(column, black), run_from(reversed(column), black),
            run_from(row, black), run_from(reversed(row), black)]


def across(rows, colour):
    lengths = collections.Counter()
    for x in range(len(rows[0])):
        length = 0
        for y in range(len(rows) + 1):
            if y < len(rows) and rows[y][x] == colour:
                length += 1
            elif length:
                lengths[length] += 1
                length = 0
    return lengths.most_common(1)[0][0] if lengths else 0


def main():
    if len(sys.argv) >= 4 and sys.argv[1] == "square":
        print(*square(read_rows(sys.argv[2], sys.argv[3])))
    elif len(sys.argv) == 5 and sys.argv[1] == "across":
        print(across(read_rows(sys.argv[2], sys.argv[3]), sys.argv[4].lower()))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
