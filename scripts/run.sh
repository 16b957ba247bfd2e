#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 machine for the desktop program (nothing of the browser edition's), builds
# Zelmora and starts it. Arguments go to the program: `run.sh --version`, `run.sh LESSON.zelmora`.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh desktop
./scripts/build.sh release
exec ./build/desktop/zelmora "$@"
