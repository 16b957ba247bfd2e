#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes every character the bundled fonts must hold: font_text.py OUT.txt SOURCE...

The captions live in the layouts' C++ sources and the guide in its HTML; taking every character
of those files (with printable ASCII and the Arabic digits and punctuation) keeps the subsets
small and sure to cover what the program shows.
"""

import sys

characters = set(chr(c) for c in range(0x20, 0x7F))
characters |= set(chr(c) for c in range(0x0660, 0x066E))  # Arabic-Indic digits and separators
characters |= set("،؛؟ـ×−–—…«»\u00a0\u200f\u200e")
for source in sys.argv[2:]:
    with open(source, encoding="utf-8") as f:
        characters |= set(f.read())
characters -= set("\n\r\t")
with open(sys.argv[1], "w", encoding="utf-8") as out:
    out.write("".join(sorted(characters)))
