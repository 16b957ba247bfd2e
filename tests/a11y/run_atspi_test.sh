#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program under Xvfb with its own session bus and the accessibility bus, and reads what a
# screen reader would: run_atspi_test.sh PROGRAM SCRIPT_DRIVER.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool dbus-run-session; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
    exit 77
  fi
done
# Debian's pyatspi belongs to the system's Python, not to any other one on the PATH.
python=/usr/bin/python3
. "$here/../x_server.sh"
trap 'stop_x_server; rm -rf "$x_server_work"' EXIT
start_x_server
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
dbus-run-session -- "$python" "$here/atspi_tree.py" "$@"
