#!/usr/bin/env python3
"""Writes the two grey band images of the wizard pages as XPM source (two characters a pixel).

Every row is a left-to-right ramp: the bands are lit from the left, so each row spans a few grey
levels and neighbouring rows overlap into one continuous range.

    python3 make_bands.py   # rewrites header.xpm and footer.xpm next to this script
"""
import os

WIDTH = 532
CODES = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.#"


def lerp(a, b, t):
    return a + (b - a) * t


def ramp(row_values):
    """Rows of pixels from (left, right) grey pairs."""
    rows = []
    for left, right in row_values:
        rows.append([round(lerp(left, right, x / (WIDTH - 1))) for x in range(WIDTH)])
    return rows


def header_rows():
    rows = [(0xFF, 0xFF)]
    for i in range(16):  # the dark band, darkening downwards
        left = lerp(0x66, 0x35, i / 15)
        rows.append((left, left - 2))
    rows.append((0xFA, 0xFA))  # nearly white
    for i in range(18):  # the light shade under it, fading to white
        left = lerp(0xD0, 0xFF, i / 17)
        rows.append((left, min(0xFF, left + (1 if i < 13 else 0))))
    return ramp(rows)


def footer_rows():
    rows = [(0xFF, 0xFF), (0xFF, 0xFF)]
    for i in range(16):
        left = lerp(0x55, 0x10, i / 15)
        rows.append((left, left - 6))
    rows.append((0xFF, 0xFF))
    return ramp(rows)


def xpm(name, rows):
    levels = sorted({v for row in rows for v in row})
    code = {v: CODES[i // len(CODES)] + CODES[i % len(CODES)] for i, v in enumerate(levels)}
    lines = ["/* XPM */", "static const char* const %s[] = {" % name]
    lines.append('"%d %d %d 2",' % (WIDTH, len(rows), len(levels)))
    for v in levels:
        lines.append('"%s c #%02x%02x%02x",' % (code[v], v, v, v))
    body = ['"' + "".join(code[v] for v in row) + '"' for row in rows]
    lines.append(",\n".join(body))
    lines.append("};")
    return "\n".join(lines) + "\n", levels


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for file, name, rows in (("header.xpm", "header_xpm", header_rows()),
                             ("footer.xpm", "footer_xpm", footer_rows())):
        text, levels = xpm(name, rows)
        with open(os.path.join(here, file), "w", newline="\n") as out:
            out.write(text)
        print("%s: %dx%d, %d grey levels from #%02x to #%02x" %
              (file, WIDTH, len(rows), len(levels), levels[0], levels[-1]))


if __name__ == "__main__":
    main()
