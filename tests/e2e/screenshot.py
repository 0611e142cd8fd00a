# SPDX-License-Identifier: GPL-3.0-or-later
"""Pixels of a screenshot, for the checks that measure what is shown."""
import re
import subprocess


def read_pixels(path, crop):
    """The pixels of CROP (ImageMagick geometry, WxH+X+Y) of the picture at path: its width, its
    height and its pixels row by row, each 3 bytes of red, green and blue."""
    ppm = subprocess.run(["convert", path, "-crop", crop, "+repage", "ppm:-"],
                         check=True, capture_output=True).stdout
    match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
    width, height = int(match.group(1)), int(match.group(2))
    data = ppm[match.end():]
    return width, height, [data[i:i + 3] for i in range(0, 3 * width * height, 3)]
