#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes SITE/precache.js: precache_list.py SITE FILE...

Every file the build puts in the site, for the service worker to keep, and a version made from
their contents, so that a new build replaces the cache and an unchanged one keeps it. The build
names the files rather than this script walking the folder, so that what an older build left
behind is never kept."""

import hashlib
import json
import os
import sys

site = sys.argv[1]
files, digest = [], hashlib.sha256()
for path in sorted(set(sys.argv[2:])):
    relative = os.path.relpath(path, site).replace(os.sep, "/")
    if relative in ("precache.js", "sw.js"):
        continue
    files.append(relative)
    with open(path, "rb") as f:
        digest.update(relative.encode() + b"\0" + f.read())
with open(os.path.join(site, "precache.js"), "w", encoding="utf-8") as out:
    out.write("// Written by the build: the site's files and their version.\n")
    out.write(f"self.ZELMORA_VERSION = {json.dumps(digest.hexdigest()[:16])};\n")
    out.write(f"self.ZELMORA_FILES = {json.dumps(['./'] + files)};\n")
