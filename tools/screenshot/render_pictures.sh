#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the pictures of the teacher's guide with zelmora-screenshot, each from the script that
# leads the board to the state it shows. Run from the repository root after a change to a board:
#     tools/screenshot/render_pictures.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
shot=$build/tools/screenshot/zelmora-screenshot
here=assets/guide
"$shot" "$here/menu.zs" frmZelmora "$here/menu.png"
"$shot" "$here/board1.zs" frmZelmora1 "$here/board1.png"
"$shot" docs/board2.zs frmZelmora2 "$here/board2.png"
"$shot" tests/scripts/add_sub_picture.zs frmZelmora4 "$here/board3.png" >/dev/null
"$shot" "$here/board4.zs" frmZelmora5 "$here/board4.png"
# Board windows as the program shows them, with the toolbar and the algebra band.
frame=$build/tools/screenshot/zelmora-frame-screenshot
"$frame" "$here/tools.zs" frmZelmora1 "$here/tools.png" with-band
"$frame" "$here/board1.zs" frmZelmora1 "$here/band1.png" band-only
"$frame" docs/board2.zs frmZelmora2 "$here/band2.png" band-only
"$frame" tests/scripts/add_sub_picture.zs frmZelmora4 "$here/band3.png" band-only >/dev/null
"$frame" "$here/board4.zs" frmZelmora5 "$here/band4.png" band-only
# Each board with a task its tiles answer, the band showing it, Board 1's goal dialog, and the
# QR code of its link.
for n in 1 2 3 4; do
  window=frmZelmora$n; [ $n -ge 3 ] && window=frmZelmora$((n + 1))
  "$frame" docs/task-board$n.zs "$window" docs/task-board$n.png with-band >/dev/null
done
"$frame" docs/goal-dialog.zs frmZelmora1 docs/goal-dialog.png goal-dialog
"$frame" docs/goal-dialog.zs frmZelmora1 docs/qr-desktop.png share-qr
# The menu and the guide's first page for the README.
"$shot" "$here/menu.zs" frmZelmora docs/menu.png
"$build/tools/screenshot/zelmora-guide-screenshot" docs/guide.png
cp "$here/tools.png" docs/board-window.png
