#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Qt test on its own Xvfb server, whose keys repeat after 250 ms, then every 30 ms, so that
# a key held for a second through XTest repeats well over twenty times: under_xvfb.sh TEST [ARGS].
set -euo pipefail
for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
    exit 77
  fi
done
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../x_server.sh"
trap 'stop_x_server; rm -rf "$x_server_work"' EXIT
start_x_server -ardelay 250 -arinterval 30
export QT_QPA_PLATFORM=xcb
"$@"
