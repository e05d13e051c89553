#!/usr/bin/env python3
"""Writes Tessellon.ico, the program's 32 x 32, 16-colour icon: tiles cut along their
diagonals, in the blues and greys of the standard 16-colour palette, on a dark frame. The same
picture as PNG files of 32, 64 and 128 pixels (each pixel repeated) is the icon of the desktop
entry on Linux.

    python3 make_icon.py   # rewrites Tessellon.ico and tessellon-<size>.png next to this script
"""
import os
import struct
import zlib

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


def png(scale):
    """The icon as an 8-bit RGB PNG, every pixel drawn as a square of scale x scale."""
    side = SIZE * scale
    rows = b""
    for y in range(side):
        row = b"".join(bytes(PALETTE[pixel(x // scale, y // scale)]) for x in range(side))
        rows += b"\x00" + row  # filter type 0 (none)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "Tessellon.ico"), "wb") as out:
        out.write(icon())
    for scale in (1, 2, 4):
        name = "tessellon-%d.png" % (SIZE * scale)
        with open(os.path.join(here, name), "wb") as out:
            out.write(png(scale))


if __name__ == "__main__":
    main()
