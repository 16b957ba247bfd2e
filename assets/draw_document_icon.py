#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the icon of the teacher's guide that the menu's guide box shows, as document-32.xpm.

A sheet of paper with a folded corner and lines of writing running from the right, as Arabic
text does. Run it again after a change:
    python3 assets/draw_document_icon.py
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32
COLOURS = {
    " ": "None",
    "k": "#000000",  # outline
    "w": "#FFFFFF",  # paper
    "s": "#C0C0C0",  # the fold's shadow
    "b": "#0000A0",  # the title line
    "g": "#606060",  # lines of writing
}


def draw():
    px = [[" "] * SIZE for _ in range(SIZE)]
    left, right, top, bottom, fold = 5, 26, 1, 30, 7
    cx = right - fold  # the fold's corner square runs from (cx, top) to (right, top + fold)
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, bottom)
            px[y][x] = "k" if edge else "w"
    # The top-right corner is folded down over the page: cut away above the diagonal, the
    # flap's back in shadow below it.
    for y in range(top, top + fold + 1):
        for x in range(cx, right + 1):
            above = (x - cx) > (y - top)
            on_edge = (x - cx) == (y - top) or x == cx or y == top + fold
            px[y][x] = " " if above else ("k" if on_edge else "s")
    # A short bold title line and lines of writing, flush right.
    for y in (10, 11):
        for x in range(12, right - 2):
            px[y][x] = "b"
    for n, y in enumerate(range(15, bottom - 2, 3)):
        start = left + 3 + (5 if n % 3 == 2 else 0)
        for x in range(start, right - 2):
            px[y][x] = "g"
    return px


def write(path, name, px):
    used = sorted({c for row in px for c in row})
    with open(path, "w") as f:
        f.write("/* XPM */\n")
        f.write(f"static const char *{name}[] = {{\n")
        f.write(f'"{SIZE} {SIZE} {len(used)} 1",\n')
        for c in used:
            f.write(f'"{c} c {COLOURS[c]}",\n')
        rows = ['"' + "".join(row) + '"' for row in px]
        f.write(",\n".join(rows) + "\n};\n")


if __name__ == "__main__":
    write(os.path.join(HERE, "document-32.xpm"), "document_32", draw())
