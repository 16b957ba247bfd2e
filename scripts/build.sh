#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds one flavour of Zelmora: `build.sh release` into build/, `build.sh sanitize`
# (AddressSanitizer + UndefinedBehaviorSanitizer) into build-sanitize/.
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-release}
case "$flavour" in
  release)  dir=build;          options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) dir=build-sanitize; options=(-DCMAKE_BUILD_TYPE=Debug -DZELMORA_SANITIZE=ON -DZELMORA_BUILD_BENCHMARKS=OFF) ;;
  *) echo "usage: $0 [release|sanitize]" >&2; exit 2 ;;
esac

cmake -S . -B "$dir" -G Ninja "${options[@]}"
cmake --build "$dir" --parallel "$(nproc)"
