#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the floor page into build-web/floor/ beside the site it is held against: its module
# compiled by Emscripten, the site's own bold Arabic face, and compressed copies as the site has.
# Run by bench/web_side_by_side.mjs when the page is missing or older than its sources.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../build-web/floor}
site=${2:-$here/../../build-web/site}
mkdir -p "$out"
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# 1400 functions and 190 KB of data that does not compress give a module of about 600 KB which
# compresses to about the core's size.
/usr/bin/python3 -c 'import random; r = random.Random(7); print(",".join(str(r.randrange(256)) for _ in range(190_000)))' \
    > "$out/floor-data.inc"
em++ -std=c++20 -O2 -DFLOOR_FUNCTIONS=1400 -DFLOOR_DATA="\"$out/floor-data.inc\"" "$here/floor.cpp" -o "$out/floor.wasm" \
    --no-entry -sSTANDALONE_WASM -sEXPORTED_FUNCTIONS=_floorStart
cp "$here/index.html" "$here/floor.js" "$out/"
cp "$site/fonts/NotoSansArabic-Bold.woff2" "$out/"
/usr/bin/python3 "$here/../../web/tools/precompress.py" "$out/index.html" "$out/floor.js" "$out/floor.wasm"
