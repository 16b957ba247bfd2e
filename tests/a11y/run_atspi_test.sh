#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program under Xvfb with its own session bus and the accessibility bus, and reads what a
# screen reader would: run_atspi_test.sh PROGRAM SCRIPT_DRIVER.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v Xvfb >/dev/null; then
  echo "SKIPPED: Xvfb is not installed (scripts/setup.sh installs it)"
  exit 77
fi
# Debian's pyatspi belongs to the system's Python, not to any other one on the PATH.
python=/usr/bin/python3
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=$(cat "$work/display")
# The server names its display once it listens; its socket may still be on its way.
for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
dbus-run-session -- "$python" "$here/atspi_tree.py" "$@"
