#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the dependency rule written at the top of the root CMakeLists.txt: a folder includes from
its own floor and the floors below it, never from a floor above or from a neighbour on its own floor
(a board from another board, one view from the other). Also checks that the tables every view
shares are kept in one place only. Usage: check_floors.py SOURCE_ROOT. Prints each breach; exits 1
on any."""
import pathlib
import re
import sys

# Folders bottom up, with the floor each stands on. Folders on one floor may not include each other.
FLOORS = [
    ("runtime", 0),
    ("boards/common", 1),
    ("boards/area", 2), ("boards/signed_area", 2), ("boards/add_sub", 2), ("boards/balance", 2),
    ("program", 3),
    ("tools/script", 4), ("tools/fuzz", 4),
    ("desktop", 5), ("web", 5),
    ("tools/screenshot", 6),
]

# Text that only the table that owns it may hold, among the folders named: the board commands'
# Arabic names, the key names of the scripts and the page, and the true minus sign that the band
# shows (the expression reader may still read one that a teacher types).
EVERYWHERE = ("runtime", "boards", "program", "desktop", "web", "tools")
SINGLE_HOMES = [
    ("the board commands' table", re.compile("إعادة ما تُرُوجِع عنه"), "program/board_commands.cpp", EVERYWHERE),
    ("the key names", re.compile('"shift\\+down"'), "program/key_names.cpp", EVERYWHERE),
    ("the band's minus sign", re.compile("u2212|0x2212|\u2212"), "program/algebra_band.cpp", ("desktop", "web")),
]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """The floor's folder a root-relative path lies in, the longest that matches."""
    best = None
    for folder, floor in FLOORS:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best[0]):
                best = (folder, floor)
    return best


def main(root):
    root = pathlib.Path(root)
    breaches = []
    sources = [p for p in root.rglob("*") if p.suffix in (".cpp", ".hpp", ".js", ".mjs")
               and not any(part.startswith("build") or part == "node_modules" for part in p.relative_to(root).parts)]
    for source in sources:
        relative = source.relative_to(root).as_posix()
        here = folder_of(relative)
        text = source.read_text(encoding="utf-8", errors="replace")
        if here and source.suffix in (".cpp", ".hpp"):
            for included in INCLUDE.findall(text):
                there = folder_of(included)
                if there is None or there[0] == here[0]:
                    continue
                if there[1] >= here[1]:
                    breaches.append(f"{relative}: includes {included}, which is not on a floor below {here[0]}/")
        parts = relative.split("/")
        for what, marker, home, scope in SINGLE_HOMES:
            if parts[0] in scope and "tests" not in parts and relative != home and marker.search(text):
                breaches.append(f"{relative}: holds {what}, whose one home is {home}")
    for breach in breaches:
        print(breach)
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
