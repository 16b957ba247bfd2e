#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's pictures as XPM files beside this script.

The pictures are small pixel drawings: the red-pencil window icon (32 and 16 pixels), the empty
and the full recycle bin (32 pixels) and Board 4's balance (462 x 84). Run it again after a change:
    python3 assets/draw_assets.py
"""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
CLEAR = None


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[CLEAR] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def get(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.pixels[y][x]
        return CLEAR

    def rect(self, left, top, right, bottom, colour):
        """Fills the pixels from (left, top) to (right, bottom), both included."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.put(x, y, colour)

    def polygon(self, points, colour):
        """Fills every pixel whose centre lies inside the polygon."""
        top = max(0, int(min(p[1] for p in points)))
        bottom = min(self.height - 1, int(math.ceil(max(p[1] for p in points))))
        for y in range(top, bottom + 1):
            cy = y + 0.5
            crossings = []
            for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
                if (y1 <= cy < y2) or (y2 <= cy < y1):
                    crossings.append(x1 + (cy - y1) * (x2 - x1) / (y2 - y1))
            crossings.sort()
            for a, b in zip(crossings[::2], crossings[1::2]):
                for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.put(x, y, colour)

    def line(self, x1, y1, x2, y2, colour):
        steps = max(abs(x2 - x1), abs(y2 - y1), 1)
        for i in range(steps + 1):
            self.put(round(x1 + (x2 - x1) * i / steps), round(y1 + (y2 - y1) * i / steps), colour)

    def outline(self, colour):
        """Rings every drawn shape with a one-pixel line on its clear side."""
        ring = []
        for y in range(self.height):
            for x in range(self.width):
                if self.pixels[y][x] is CLEAR and any(
                    self.get(x + dx, y + dy) not in (CLEAR, colour)
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                ):
                    ring.append((x, y))
        for x, y in ring:
            self.put(x, y, colour)

    def write_xpm(self, name):
        colours = sorted({c for row in self.pixels for c in row if c is not CLEAR})
        keys = " .abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
        key = {CLEAR: keys[0]}
        for i, c in enumerate(colours):
            key[c] = keys[i + 1]
        ident = name.replace("-", "_")
        lines = [f'"{self.width} {self.height} {len(colours) + 1} 1"', f'"{key[CLEAR]} c None"']
        lines += [f'"{key[c]} c {c}"' for c in colours]
        lines += ['"' + "".join(key[c] for c in row) + '"' for row in self.pixels]
        with open(os.path.join(HERE, name + ".xpm"), "w") as f:
            f.write("/* XPM */\n")
            f.write(f"static const char *{ident}[] = {{\n")
            f.write(",\n".join(lines))
            f.write("\n};\n")


def pencil(size):
    """A red pencil lying from the lower left (its point) to the upper right (its eraser)."""
    c = Canvas(size, size)
    k = size / 32.0
    tip = (2.5 * k, size - 2.5 * k)
    length = (size - 9.0 * k) * math.sqrt(2)
    half = 4.3 * k
    along = (1 / math.sqrt(2), -1 / math.sqrt(2))
    across = (1 / math.sqrt(2), 1 / math.sqrt(2))
    cone = 0.24 * length
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5 - tip[0], y + 0.5 - tip[1]
            u = px * along[0] + py * along[1]
            v = px * across[0] + py * across[1]
            if u < 0 or u > length:
                continue
            if u < cone:
                if abs(v) > half * u / cone:
                    continue
                colour = "#404040" if u < cone * 0.35 else "#E8C890"
            elif abs(v) > half:
                continue
            elif u < length * 0.84:
                colour = "#FF3030" if v < -half * 0.3 else ("#A00000" if v > half * 0.3 else "#E00000")
            elif u < length * 0.9:
                colour = "#C0C0C0"
            else:
                colour = "#FF90B0"
            c.put(x, y, colour)
    c.outline("#000000")
    return c


def recycle_bin(full):
    """A grey wastepaper bin, open at the top; the full one has paper standing out of it."""
    c = Canvas(32, 32)
    # The body narrows towards the foot.
    c.polygon([(6, 10), (26, 10), (23.5, 30), (8.5, 30)], "#A0A0A0")
    c.polygon([(6, 10), (10, 10), (11, 30), (8.5, 30)], "#D0D0D0")
    c.polygon([(22, 10), (26, 10), (23.5, 30), (21, 30)], "#707070")
    for x in (13, 16, 19):
        c.line(x, 12, x, 28, "#606060")
    # The rim and the dark inside seen over it.
    c.rect(5, 8, 26, 10, "#C8C8C8")
    if full:
        # Three crumpled sheets, each with a grey edge so that they stand apart.
        for sheet, colour in (
            ([(6, 10), (8, 2), (15, 4), (13, 10)], "#FFFFFF"),
            ([(18, 10), (22, 2), (27, 6), (25, 10)], "#FFFFFF"),
            ([(11, 10), (13, 0), (21, 1), (20, 10)], "#F4F4E8"),
        ):
            c.polygon(sheet, "#808080")
            cx = sum(p[0] for p in sheet) / len(sheet)
            cy = sum(p[1] for p in sheet) / len(sheet)
            inner = [(x + (1.3 if x < cx else -1.3), y + (1.3 if y < cy else -1.3)) for x, y in sheet]
            c.polygon(inner, colour)
        c.line(10, 4, 13, 5, "#8080C0")
        c.line(15, 3, 19, 4, "#8080C0")
        c.line(15, 5, 19, 6, "#8080C0")
        c.line(22, 5, 24, 6, "#8080C0")
    else:
        c.rect(7, 9, 24, 9, "#303030")
    c.outline("#000000")
    return c


def balance():
    """A level beam on a triangular stand, with a small platform at each end."""
    c = Canvas(462, 84)
    # The stand and its foot.
    c.polygon([(231, 30), (262, 76), (200, 76)], "#8B5A2B")
    c.polygon([(231, 30), (236, 38), (212, 74), (203, 74)], "#B07A40")
    c.rect(184, 76, 278, 81, "#6B4420")
    # The beam.
    c.rect(16, 24, 445, 31, "#707070")
    c.rect(16, 24, 445, 25, "#A8A8A8")
    # The pivot.
    for y in range(20, 36):
        for x in range(223, 240):
            if (x + 0.5 - 231.5) ** 2 + (y + 0.5 - 28) ** 2 <= 49:
                c.put(x, y, "#D4AF37")
    # The posts and the platforms.
    for centre in (44, 417):
        c.rect(centre - 3, 15, centre + 3, 23, "#707070")
        c.rect(centre - 36, 9, centre + 36, 14, "#C0C0C0")
        c.rect(centre - 36, 9, centre + 36, 9, "#E8E8E8")
    c.outline("#000000")
    return c


def main():
    pencil(32).write_xpm("pencil-32")
    pencil(16).write_xpm("pencil-16")
    recycle_bin(False).write_xpm("bin-empty")
    recycle_bin(True).write_xpm("bin-full")
    balance().write_xpm("balance")


if __name__ == "__main__":
    main()
