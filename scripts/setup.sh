#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Zelmora needs on Debian 12, from a minimal system with nothing but git:
#   setup.sh desktop   building and running the desktop program
#   setup.sh web       building the browser edition and serving it
#   setup.sh all       both, and everything the tests call (the default)
# Safe to run again: packages already present are not fetched twice.
set -euo pipefail
cd "$(dirname "$0")/.."

desktop=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the toolbar's SVG icons are drawn by Qt's SVG icon engine
  libqt6svg6
  # the unit tests and benchmarks are part of every build
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-hosny-amiri fonts-noto-core fonts-liberation2
  libcanberra-dev sound-theme-freedesktop
  # the sound library's own error lines kept off the terminal
  libasound2-dev
  # saved boards
  nlohmann-json3-dev
  # the scalable icon drawn into the PNG sizes the desktop and the package install
  librsvg2-bin
  # shares compiled objects between the build folders
  ccache
  # the QR code of a shared link
  libqrencode-dev
)
web=(
  build-essential cmake ninja-build nlohmann-json3-dev librsvg2-bin ccache
  # the compiler, and Debian's Node that runs its tools and the script driver it builds
  emscripten nodejs
  # the subset fonts, the bundled scripts, and the server web.sh starts
  python3 python3-fonttools python3-brotli esbuild
  # the QR code of a shared link, bundled into the page
  node-qrcode-generator
)
tests=(
  xvfb xauth xdotool clang-format
  # the Debian package and its checks
  lintian appstream desktop-file-utils shared-mime-info
  # the browser the browser tests drive
  chromium
  # the accessibility tests: the AT-SPI bus and a client that reads it
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus-x11
  # reads the QR codes the tests capture from the screen
  zbar-tools
)

case "${1:-all}" in
  desktop) wanted=("${desktop[@]}") ;;
  web) wanted=("${web[@]}") ;;
  all) wanted=("${desktop[@]}" "${web[@]}" "${tests[@]}") ;;
  *) echo "usage: $0 [desktop|web|all]" >&2; exit 2 ;;
esac
# The browser tests' driver comes from npm. Debian's nodejs carries no npm client; a Node from
# elsewhere (NodeSource's) brings its own and conflicts with Debian's, so ask for it only when absent.
if [ "${1:-all}" = all ] && ! command -v npm >/dev/null; then
  wanted+=(npm)
fi

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Every package the lock file names carries its sha512, which npm ci checks each download against.
every_package_pinned() {
  node -e 'const lock = require("./package-lock.json");
    const packages = Object.entries(lock.packages).filter(([path]) => path !== "");
    process.exit(packages.every(([, p]) => /^sha512-/.test(p.integrity ?? "")) ? 0 : 1);'
}

# The browser tests' driver for Debian's Chromium, exactly as locked. A network that intercepts
# TLS with a certificate authority this machine does not know (a school's filtering proxy) makes
# npm refuse the registry; since every download is checked against the hash the lock file holds,
# the lock is as good a guarantee as the certificate, and npm is asked again without it.
install_browser_driver() {
  local log
  log=$(mktemp)
  if npm ci --no-audit --no-fund 2>&1 | tee "$log"; then
    rm -f "$log"
    return
  fi
  if grep -qE 'SELF_SIGNED_CERT|UNABLE_TO_(GET_ISSUER|VERIFY_LEAF)|CERT_UNTRUSTED' "$log" && every_package_pinned; then
    rm -f "$log"
    echo "setup: the registry's certificate is not trusted here; fetching the locked packages by their hashes" >&2
    npm ci --no-audit --no-fund --strict-ssl=false
    return
  fi
  rm -f "$log"
  return 1
}

if [ "${1:-all}" = all ]; then
  install_browser_driver
fi
