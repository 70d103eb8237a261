#!/usr/bin/env python3
"""Draws the sample pictures of the shipped grid-list styles.

Each style gets a picture of its own picture size: a soft two-colour gradient
with a few discs, written as PPM and encoded with cjpeg (libjpeg-turbo-progs)
into resources/files/gezi/style-<n>.jpg. Run it again after changing a size.
"""
import math
import os
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
TARGET = os.path.join(HERE, "..", "resources", "files", "gezi")

# (width, height, top colour, bottom colour) per style, in seed order.
STYLES = [
    (300, 300, (236, 120, 90), (250, 220, 170)),
    (220, 220, (70, 130, 200), (200, 230, 250)),
    (470, 470, (40, 160, 120), (220, 245, 200)),
    (180, 180, (200, 40, 60), (250, 200, 120)),
    (230, 230, (120, 90, 200), (240, 210, 250)),
    (380, 380, (60, 60, 80), (200, 200, 210)),
    (220, 220, (240, 150, 170), (255, 240, 230)),
    (150, 150, (250, 190, 40), (255, 250, 210)),
]


def draw(width, height, top, bottom):
    rows = bytearray()
    discs = [(width * 0.3, height * 0.35, min(width, height) * 0.18),
             (width * 0.68, height * 0.6, min(width, height) * 0.24),
             (width * 0.45, height * 0.8, min(width, height) * 0.1)]
    for y in range(height):
        t = y / max(1, height - 1)
        base = [round(a + (b - a) * t) for a, b in zip(top, bottom)]
        for x in range(width):
            pixel = base
            for cx, cy, r in discs:
                d = math.hypot(x - cx, y - cy)
                if d < r:
                    light = 1 - d / r
                    pixel = [min(255, round(c + 90 * light)) for c in pixel]
            rows += bytes(pixel)
    return b"P6\n%d %d\n255\n" % (width, height) + bytes(rows)


def main():
    os.makedirs(TARGET, exist_ok=True)
    for number, (width, height, top, bottom) in enumerate(STYLES, 1):
        with tempfile.NamedTemporaryFile(suffix=".ppm") as ppm:
            ppm.write(draw(width, height, top, bottom))
            ppm.flush()
            out = os.path.join(TARGET, "style-%d.jpg" % number)
            subprocess.run(["cjpeg", "-quality", "85", "-outfile", out, ppm.name], check=True)


if __name__ == "__main__":
    main()
