#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How blocky a picture shown at twice its size looks: of its 2 x 2 pixel blocks that are not
inside a flat area (the block with the ring of pixels around it holds more than one colour),
the share that are one colour. A 1x picture blown up to 2x has every block one colour (100 %);
a picture drawn at the resolution shown splits its edges inside blocks.

Usage: blockiness.py PICTURE CROP   (CROP as ImageMagick geometry, WxH+X+Y, its corner on a
block boundary of the view measured)"""
import sys

from screenshot import read_pixels


def blockiness(width, height, pixels):
    at = lambda x, y: pixels[y * width + x]
    single = edges = 0
    for y in range(2, height - 3, 2):
        for x in range(2, width - 3, 2):
            ring = {at(x + dx, y + dy) for dx in range(-1, 3) for dy in range(-1, 3)}
            if len(ring) == 1:
                continue
            edges += 1
            single += len({at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)}) == 1
    return single, edges


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    single, edges = blockiness(*read_pixels(sys.argv[1], sys.argv[2]))
    share = 100.0 * single / edges if edges else 0.0
    print(f"{share:.1f} % of {edges} non-flat 2 x 2 blocks are one colour")


if __name__ == "__main__":
    main()
