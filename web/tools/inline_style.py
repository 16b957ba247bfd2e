#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the page with its style sheet inlined: inline_style.py PAGE.html STYLE.css OUT.html

A linked style sheet is one more request that holds back the first paint; inlined, the page
paints as soon as it and its script have arrived.
"""

import sys

page_path, style_path, out_path = sys.argv[1:4]
with open(page_path, encoding="utf-8") as f:
    page = f.read()
with open(style_path, encoding="utf-8") as f:
    style = f.read()
link = '<link rel="stylesheet" href="style.css">'
if page.count(link) != 1:
    sys.exit(f"{page_path}: expected exactly one {link}")
with open(out_path, "w", encoding="utf-8") as out:
    out.write(page.replace(link, f"<style>\n{style}</style>"))
