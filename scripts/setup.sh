#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing Zelmora needs on Debian 12.
# Safe to run again: packages already present are not fetched twice.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the toolbar's SVG icons are drawn by Qt's SVG icon engine
  libqt6svg6
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-hosny-amiri fonts-noto-core fonts-liberation2
  libcanberra-dev sound-theme-freedesktop
  # the sound library's own error lines kept off the terminal
  libasound2-dev
  xvfb xauth clang-format ccache
  # saved boards
  nlohmann-json3-dev
  # the Debian package and its checks; the scalable icon drawn into PNG sizes
  lintian appstream desktop-file-utils shared-mime-info librsvg2-bin
  # the browser edition: the compiler, subset fonts, and the browser its tests drive
  emscripten python3-fonttools python3-brotli chromium esbuild
  # the accessibility tests: the AT-SPI bus and a client that reads it
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus-x11 xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The browser tests' driver for Debian's Chromium, exactly as locked.
cd "$(dirname "$0")/.."
npm ci --no-audit --no-fund
