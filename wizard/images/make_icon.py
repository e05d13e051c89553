#!/usr/bin/env python3
"""Writes Tessellon.ico, the program's 32 x 32, 16-colour icon: tiles cut along their
diagonals, in the blues and greys of the standard 16-colour palette, on a dark frame.

    python3 make_icon.py   # rewrites Tessellon.ico next to this script
"""
import os
import struct

SIZE = 32
# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, TEAL, SILVER, BLUE, CYAN, WHITE = 0, 4, 6, 7, 12, 14, 15


def pixel(x, y):
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return BLACK
    tx, ty = (x - 1) // 6, (y - 1) // 6
    u, v = (x - 1) % 6, (y - 1) % 6
    upper = u > v if (tx + ty) % 2 == 0 else u + v < 5
    pair = [(BLUE, NAVY), (CYAN, TEAL), (WHITE, SILVER)][(tx + 2 * ty) % 3]
    return pair[0] if upper else pair[1]


def icon():
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colours = b""
    for y in reversed(range(SIZE)):
        row = [pixel(x, y) for x in range(SIZE)]
        colours += bytes((row[i] << 4) | row[i + 1] for i in range(0, SIZE, 2))
    mask = bytes(SIZE // 8 * SIZE)  # every pixel opaque
    image = header + palette + colours + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "Tessellon.ico"), "wb") as out:
        out.write(icon())


if __name__ == "__main__":
    main()
