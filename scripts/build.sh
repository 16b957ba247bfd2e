#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds one flavour of Zelmora: `build.sh release` into build/, `build.sh sanitize`
# (AddressSanitizer + UndefinedBehaviorSanitizer) into build-sanitize/, `build.sh web` (the browser
# edition and the script driver for Node, with Emscripten) into build-web/.
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-release}
case "$flavour" in
  release)  dir=build;          options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) dir=build-sanitize; options=(-DCMAKE_BUILD_TYPE=Debug -DZELMORA_SANITIZE=ON -DZELMORA_BUILD_BENCHMARKS=OFF) ;;
  web)      dir=build-web;      options=(-DCMAKE_BUILD_TYPE=Release -DZELMORA_BUILD_VIEW=OFF -DZELMORA_BUILD_BENCHMARKS=OFF) ;;
  *) echo "usage: $0 [release|sanitize|web]" >&2; exit 2 ;;
esac

# ccache, where it is installed, shares compiled objects between build folders and checkouts.
if command -v ccache >/dev/null; then
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(cd .. && pwd)} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
fi
if [ "$flavour" = web ]; then
  # Emscripten's tools are Node scripts that need Debian's own Node modules.
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
  emcmake cmake -S . -B "$dir" -G Ninja "${options[@]}"
else
  cmake -S . -B "$dir" -G Ninja "${options[@]}"
fi
cmake --build "$dir" --parallel "$(nproc)"
