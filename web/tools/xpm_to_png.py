#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Converts the program's XPM pictures to PNG for the browser: xpm_to_png.py IN.xpm OUT.png

The pictures are drawn by assets/draw_assets.py as XPM with one character a pixel and colours
written as #RRGGBB or None; that is all this reads, and anything else is refused loudly.
"""

import re
import struct
import sys
import zlib


def read_xpm(path):
    with open(path, encoding="ascii") as f:
        rows = re.findall(r'"([^"]*)"', f.read())
    width, height, colours, per_pixel = (int(v) for v in rows[0].split()[:4])
    palette = {}
    for row in rows[1 : 1 + colours]:
        key, spec = row[:per_pixel], row[per_pixel:].split()
        value = spec[spec.index("c") + 1]
        if value.lower() == "none":
            palette[key] = (0, 0, 0, 0)
        elif re.fullmatch(r"#[0-9A-Fa-f]{6}", value):
            palette[key] = tuple(int(value[i : i + 2], 16) for i in (1, 3, 5)) + (255,)
        else:
            sys.exit(f"{path}: colour {value!r} is not #RRGGBB or None")
    pixels = rows[1 + colours : 1 + colours + height]
    if len(pixels) != height or any(len(r) != width * per_pixel for r in pixels):
        sys.exit(f"{path}: the pixel rows do not match {width} x {height}")
    return width, height, [[palette[r[i : i + per_pixel]] for i in range(0, len(r), per_pixel)] for r in pixels]


def write_png(path, width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    write_png(sys.argv[2], *read_xpm(sys.argv[1]))
