#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the page with its style sheet and its first screen inlined:
inline_style.py PAGE.html STYLE.css FIRST-SCREEN.json OUT.html

A linked style sheet is one more request that holds back the first paint; inlined, the page
paints as soon as it and its script have arrived. The first screen (the program's state and
windows right after its start, as the build's run of the core printed them) goes into the page's
empty <script id="first-screen"> element.
"""

import json
import sys

page_path, style_path, first_screen_path, out_path = sys.argv[1:5]
with open(page_path, encoding="utf-8") as f:
    page = f.read()
with open(style_path, encoding="utf-8") as f:
    style = f.read()
with open(first_screen_path, encoding="utf-8") as f:
    first_screen = f.read().strip()
json.loads(first_screen)  # a broken run of the core stops the build here, not in the page
if "</" in first_screen:
    sys.exit(f"{first_screen_path}: '</' would end the page's script element")

link = '<link rel="stylesheet" href="style.css">'
holder = '<script type="application/json" id="first-screen"></script>'
for wanted in (link, holder):
    if page.count(wanted) != 1:
        sys.exit(f"{page_path}: expected exactly one {wanted}")
page = page.replace(link, f"<style>\n{style}</style>")
page = page.replace(holder, f'<script type="application/json" id="first-screen">{first_screen}</script>')
with open(out_path, "w", encoding="utf-8") as out:
    out.write(page)
