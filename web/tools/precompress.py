#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes FILE.br and FILE.gz beside each FILE: precompress.py FILE...

A school's web server serves the site as plain files. With the compressed copies beside them, any
static server that looks for them (nginx's gzip_static and brotli_static, Apache's MultiViews,
Caddy's precompressed) sends them as they are, at the strongest setting, without compressing on
every request. Pictures and fonts are compressed already and are left alone."""

import gzip
import sys

import brotli

for path in sys.argv[1:]:
    with open(path, "rb") as f:
        data = f.read()
    with open(path + ".br", "wb") as out:
        out.write(brotli.compress(data, quality=11))
    # No name or time in the header, so that an unchanged file gives the same bytes.
    with open(path + ".gz", "wb") as out:
        out.write(gzip.compress(data, compresslevel=9, mtime=0))
